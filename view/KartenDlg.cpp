#include "view/KartenDlg.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

enum Spalte { Name, Adresse, Zoom, Namensnennung };

}  // namespace

KartenDlg::KartenDlg(const KartenEinstellungen& e, QWidget* parent)
    : QDialog(parent), anfang(e), tabelle(new QTableWidget(0, 4, this)), auswahl(new QComboBox(this)),
      speicher(new QSpinBox(this))
{
    setWindowTitle(tr("Karte"));
    tabelle->setHorizontalHeaderLabels(
        {tr("Name"), tr("Adresse oder MBTiles-Datei"), tr("Größter Zoom"), tr("Namensnennung")});
    tabelle->horizontalHeader()->setSectionResizeMode(Adresse, QHeaderView::Stretch);
    tabelle->verticalHeader()->hide();
    for (const KartenQuelle& q : e.quellen)
        NeueZeile(q);

    auto* hinzufuegen = new QPushButton(tr("Kachelserver hinzufügen"), this);
    auto* datei = new QPushButton(tr("MBTiles-Datei..."), this);
    auto* entfernen = new QPushButton(tr("Entfernen"), this);
    connect(hinzufuegen, &QPushButton::clicked, this, [this] {
        NeueZeile({tr("Neue Karte"), QStringLiteral("https://"), {}, 19, {}});
        tabelle->editItem(tabelle->item(tabelle->rowCount() - 1, Adresse));
    });
    connect(datei, &QPushButton::clicked, this, [this] {
        const QString pfad = QFileDialog::getOpenFileName(this, tr("MBTiles-Datei"), {}, tr("MBTiles (*.mbtiles)"));
        if (!pfad.isEmpty())
            NeueZeile(QuelleAus(pfad, {}));
    });
    // The standard source stays: it is what a fresh start shows.
    connect(entfernen, &QPushButton::clicked, this, [this] {
        if (tabelle->currentRow() > 0)
            tabelle->removeRow(tabelle->currentRow());
        AuswahlAuffrischen();
    });
    connect(tabelle, &QTableWidget::itemChanged, this, [this] { AuswahlAuffrischen(); });

    speicher->setRange(10, 100000);
    speicher->setSuffix(QStringLiteral(" MB"));
    speicher->setValue(e.speicherMb);
    AuswahlAuffrischen();
    auswahl->setCurrentText(e.Gewaehlt().name);

    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(hinzufuegen);
    knoepfe->addWidget(datei);
    knoepfe->addWidget(entfernen);
    knoepfe->addStretch(1);
    auto* form = new QFormLayout;
    form->addRow(tr("Gezeigte Karte:"), auswahl);
    form->addRow(tr("Kartenspeicher höchstens:"), speicher);
    auto* ok = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(ok, &QDialogButtonBox::accepted, this, &KartenDlg::accept);
    connect(ok, &QDialogButtonBox::rejected, this, &KartenDlg::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabelle);
    layout->addLayout(knoepfe);
    layout->addLayout(form);
    layout->addWidget(new QLabel(tr("Kacheln werden erst geladen, wenn \"Ansicht > Karte\" eingeschaltet ist."), this));
    layout->addWidget(ok);
    resize(760, 360);
}

void KartenDlg::NeueZeile(const KartenQuelle& q)
{
    const QSignalBlocker still(tabelle);
    const int zeile = tabelle->rowCount();
    tabelle->insertRow(zeile);
    const QStringList werte{q.name, q.IstDatei() ? q.mbtilesDatei : q.vorlage, QString::number(q.groessterZoom),
                            q.namensnennung};
    for (int s = 0; s < werte.size(); ++s) {
        auto* feld = new QTableWidgetItem(werte[s]);
        if (zeile == 0)
            feld->setFlags(feld->flags() & ~Qt::ItemIsEditable);
        tabelle->setItem(zeile, s, feld);
    }
    AuswahlAuffrischen();
}

void KartenDlg::AuswahlAuffrischen()
{
    const QString vorher = auswahl->currentText();
    const QSignalBlocker still(auswahl);
    auswahl->clear();
    for (int z = 0; z < tabelle->rowCount(); ++z)
        auswahl->addItem(tabelle->item(z, Name) ? tabelle->item(z, Name)->text() : QString());
    auswahl->setCurrentText(vorher);
}

KartenEinstellungen KartenDlg::Einstellungen() const
{
    KartenEinstellungen e = anfang;
    QStringList zeilen;
    for (int z = 1; z < tabelle->rowCount(); ++z) {
        QStringList t;
        for (int s = 0; s < 4; ++s)
            t << (tabelle->item(z, s) ? tabelle->item(z, s)->text().trimmed().remove(QLatin1Char('\t')) : QString());
        zeilen << t.join(QLatin1Char('\t'));
    }
    e.quellen = QuellenAusText(zeilen);
    e.quelle = auswahl->currentText();
    e.speicherMb = speicher->value();
    return e;
}

void KartenDlg::accept()
{
    for (const KartenQuelle& q : Einstellungen().quellen) {
        const QString fehler = QuellenFehler(q);
        if (!fehler.isEmpty()) {
            QMessageBox::warning(this, windowTitle(), QStringLiteral("%1: %2").arg(q.name, fehler));
            return;
        }
    }
    QDialog::accept();
}
