#include "print/CDruckDlg.h"

#include "map/KartenLage.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QVBoxLayout>

CDruckDlg::CDruckDlg(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("Sarnix (Drucken)"));

    auto* gruppe = new QGroupBox(tr("Maßstab"), this);
    auto* raster = new QGridLayout(gruppe);
    static constexpr const char* texte[] = {"1 : 25 000",  "1 : 50 000",  "1 : 100 000",
                                            "1 : 200 000", "1 : 250 000", "1 : 500 000"};
    for (std::size_t i = 0; i < knoepfe.size(); ++i) {
        auto* knopf = new QRadioButton(QString::fromUtf8(texte[i]), gruppe);
        knopf->setObjectName(QString::number(1001 + i));
        // Every button is a group of its own: the dialog clears the others itself.
        knopf->setAutoExclusive(false);
        connect(knopf, &QRadioButton::clicked, this, [this, i] { KnopfGeklickt(i); });
        raster->addWidget(knopf, static_cast<int>(i % 3), static_cast<int>(i / 3));
        knoepfe[i] = knopf;
    }

    zeitmarkenFeld = new QCheckBox(tr("Zeitmarken"), this);
    zeitmarkenFeld->setObjectName(QStringLiteral("1011"));
    connect(zeitmarkenFeld, &QCheckBox::clicked, this, [this] { Austausch(true); });

    massstabFeld = new QLineEdit(this);
    massstabFeld->setObjectName(QStringLiteral("1008"));
    massstabFeld->hide();

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("1"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &CDruckDlg::accept);

    auto* knopfZeile = new QHBoxLayout;
    knopfZeile->addStretch();
    knopfZeile->addWidget(ok);
    knopfZeile->addStretch();

    auto* spalte = new QVBoxLayout(this);
    spalte->addWidget(gruppe);
    spalte->addWidget(zeitmarkenFeld);
    spalte->addLayout(knopfZeile);
}

void CDruckDlg::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // Restoring a minimised dialog is no new opening.
    if (!event->spontaneous())
        Oeffnen();
}

void CDruckDlg::Oeffnen()
{
    mitZeitmarken = 1;
    std::size_t gesetzt = knoepfe.size();  // none for a scale without a button
    for (std::size_t i = 0; i < knoepfe.size(); ++i)
        if (druckMassstaebe[i] == massstab)
            gesetzt = i;
    for (std::size_t i = 0; i < knoepfe.size(); ++i) {
        knoepfe[i]->setChecked(i == gesetzt);
        // Finer scales would not fit the track onto the page.
        knoepfe[i]->setEnabled(gesetzt < knoepfe.size() && i >= gesetzt);
    }
    Austausch(false);
}

void CDruckDlg::KnopfGeklickt(std::size_t index)
{
    for (std::size_t i = 0; i < knoepfe.size(); ++i)
        knoepfe[i]->setChecked(i == index);
    massstab = druckMassstaebe[index];
    Austausch(false);
}

void CDruckDlg::Austausch(bool ausSteuerelementen)
{
    if (ausSteuerelementen) {
        bool gelesen = false;
        const int wert = massstabFeld->text().toInt(&gelesen);
        if (gelesen)
            massstab = wert;
        mitZeitmarken = zeitmarkenFeld->isChecked() ? 1 : 0;
    } else {
        massstabFeld->setText(QString::number(massstab));
        zeitmarkenFeld->setChecked(mitZeitmarken != 0);
    }
}

void CDruckDlg::accept()
{
    Austausch(true);
    QDialog::accept();
}
