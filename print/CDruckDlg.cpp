#include "print/CDruckDlg.h"

#include "printmap/KartenLage.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace {

// "1 : 25 000 (12 Seiten)"; one page needs no count.
QString SeitenText(int massstab, int seiten)
{
    QString zahl = QString::number(massstab);
    for (qsizetype i = zahl.size() - 3; i > 0; i -= 3)
        zahl.insert(i, QLatin1Char(' '));
    const QString text = QStringLiteral("1 : ") + zahl;
    if (seiten <= 1)
        return text;
    return CDruckDlg::tr("%1 (%2 Seiten)").arg(text).arg(seiten);
}

}  // namespace

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

    vorschlagFeld = new QLabel(this);
    vorschlagFeld->setObjectName(QStringLiteral("vorschlag"));
    vorschlagFeld->hide();

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
    spalte->addWidget(vorschlagFeld);
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
        if (seitenZahl) {
            // Finer scales print on several pages rather than dropping part of the flight.
            knoepfe[i]->setText(SeitenText(druckMassstaebe[i], seitenZahl(druckMassstaebe[i])));
            knoepfe[i]->setEnabled(true);
        } else {
            // Finer scales would not fit the track onto the page.
            knoepfe[i]->setEnabled(gesetzt < knoepfe.size() && i >= gesetzt);
        }
    }
    const bool ohneKnopf = seitenZahl && gesetzt == knoepfe.size();
    vorschlagFeld->setVisible(ohneKnopf);
    if (ohneKnopf)
        vorschlagFeld->setText(tr("Vorschlag: %1").arg(SeitenText(massstab, seitenZahl(massstab))));
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
