#include "view/CFlugInfoDlg.h"

#include "flight/CSarnixDoc.h"

#include <QApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStringDecoder>
#include <QVBoxLayout>

namespace {

constexpr int feldBreite = 110;      // 72 dialog units
constexpr int pfadBreite = 242;      // 161 dialog units
constexpr int gruppenAbstand = 10;   // the rows come in four groups
constexpr int symbolGroesse = 32;

QLabel* Wertfeld(const QString& name, Qt::Alignment ausrichtung, QWidget* eltern)
{
    auto* feld = new QLabel(eltern);
    feld->setObjectName(name);
    feld->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    feld->setAlignment(ausrichtung | Qt::AlignVCenter);
    feld->setTextFormat(Qt::PlainText);
    return feld;
}

}  // namespace

CFlugInfoDlg::CFlugInfoDlg(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("Flug Informationen"));

    auto* gruppe = new QGroupBox(tr("Dateiname"), this);
    auto* gruppenLayout = new QVBoxLayout(gruppe);

    QLabel* pfad = Wertfeld(QStringLiteral("DN"), Qt::AlignLeft, gruppe);
    pfad->setMinimumWidth(pfadBreite);
    gruppenLayout->addWidget(pfad);
    felder.append({pfad, &dateiname});

    struct Zeile {
        const char* beschriftung;
        const char* name;
        const QString* text;
        bool gruppenEnde;
    };
    const Zeile zeilen[] = {
        {QT_TRANSLATE_NOOP("CFlugInfoDlg", "Flug Datum:"), "FD", &flugdatum, false},
        {QT_TRANSLATE_NOOP("CFlugInfoDlg", "Start Platz:"), "SP", &startplatz, true},
        {QT_TRANSLATE_NOOP("CFlugInfoDlg", "Startplatz Höhe:"), "SP_H", &startplatzHoehe, false},
        {QT_TRANSLATE_NOOP("CFlugInfoDlg", "Max. Höhe:"), "MH", &maxHoehe, false},
        {QT_TRANSLATE_NOOP("CFlugInfoDlg", "Landeplatz Höhe:"), "LP_H", &landeplatzHoehe, false},
        {QT_TRANSLATE_NOOP("CFlugInfoDlg", "Flugstrecke:"), "STR", &flugstrecke, true},
        {QT_TRANSLATE_NOOP("CFlugInfoDlg", "Startzeit:"), "SZ", &startzeit, false},
        {QT_TRANSLATE_NOOP("CFlugInfoDlg", "Landezeit:"), "LZ", &landezeit, false},
        {QT_TRANSLATE_NOOP("CFlugInfoDlg", "Flüge:"), "FL_N", &fluege, false},
        {QT_TRANSLATE_NOOP("CFlugInfoDlg", "Flugdauer:"), "FL_D", &flugdauer, true},
        {QT_TRANSLATE_NOOP("CFlugInfoDlg", "Max. Steigen:"), "M_ST", &maxSteigen, false},
        {QT_TRANSLATE_NOOP("CFlugInfoDlg", "Max. Sinken:"), "M_SI", &maxSinken, false},
    };
    auto* raster = new QGridLayout;
    raster->setColumnStretch(1, 1);
    int reihe = 0;
    for (const Zeile& z : zeilen) {
        raster->addWidget(new QLabel(tr(z.beschriftung), gruppe), reihe, 0);
        QLabel* wert = Wertfeld(QString::fromLatin1(z.name), Qt::AlignHCenter, gruppe);
        wert->setMinimumWidth(feldBreite);
        raster->addWidget(wert, reihe, 2);
        felder.append({wert, z.text});
        ++reihe;
        if (z.gruppenEnde)
            raster->setRowMinimumHeight(reihe++, gruppenAbstand);
    }
    gruppenLayout->addLayout(raster);

    // What an IGC log's header says; shown only for a log.
    igcGruppe = new QGroupBox(tr("IGC-Kopf"), this);
    auto* igcRaster = new QGridLayout(igcGruppe);
    igcRaster->setColumnStretch(1, 1);
    const std::pair<QString, QString*> igcZeilen[] = {
        {tr("Pilot:"), &pilot},
        {tr("Flugzeug:"), &flugzeug},
        {tr("Logger:"), &logger},
        {tr("Signatur:"), &signatur},
    };
    reihe = 0;
    for (const auto& [beschriftung, text] : igcZeilen) {
        igcRaster->addWidget(new QLabel(beschriftung, igcGruppe), reihe, 0);
        QLabel* wert = Wertfeld(QString(), Qt::AlignHCenter, igcGruppe);
        wert->setMinimumWidth(feldBreite);
        igcRaster->addWidget(wert, reihe++, 2);
        felder.append({wert, text});
    }
    igcGruppe->hide();

    auto* symbol = new QLabel(this);
    symbol->setPixmap(QApplication::windowIcon().pixmap(symbolGroesse, symbolGroesse));
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("1"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* unten = new QHBoxLayout;
    unten->addWidget(symbol);
    unten->addStretch(1);
    unten->addWidget(ok);
    unten->addStretch(2);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(gruppe);
    layout->addWidget(igcGruppe);
    layout->addLayout(unten);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void CFlugInfoDlg::FelderFuellen()
{
    for (const Feld& f : felder)
        f.anzeige->setText(*f.text);
}

void CFlugInfoDlg::showEvent(QShowEvent* event)
{
    FelderFuellen();
    QDialog::showEvent(event);
}

void CFlugInfoDlg::Uebernehmen(const CSarnixDoc& doc)
{
    const FlugZusammenfassung& z = doc.Zusammenfassung();
    // The summary texts are the file's bytes (Latin-1); the path is UTF-8.
    const auto latin1 = [](const std::string& s) {
        return QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size()));
    };
    dateiname = QString::fromUtf8(doc.dateiname.data(), static_cast<qsizetype>(doc.dateiname.size()));
    flugdatum = latin1(doc.flugdatum);
    landeplatzHoehe = latin1(z.landeplatzHoehe);
    landezeit = latin1(AnzeigeUhrzeit(z.landezeit, doc.zeitBezug));
    maxHoehe = latin1(z.maxHoehe);
    maxSinken = latin1(z.maxSinken);
    maxSteigen = latin1(z.maxSteigen);
    startplatz = latin1(doc.startplatz);
    startplatzHoehe = latin1(z.startplatzHoehe);
    startzeit = latin1(AnzeigeUhrzeit(z.startzeit, doc.zeitBezug));
    flugdauer = latin1(z.flugdauer);
    flugstrecke = latin1(z.flugstrecke);
    // A walk or a car trip says so instead of showing a count of naught.
    const size_t anzahl = doc.Fluege().size();
    fluege = anzahl > 0 ? QString::number(anzahl) : doc.datenListe.empty() ? QStringLiteral(" ") : tr("keiner");

    const IgcKopf& k = doc.igc;
    igcGruppe->setVisible(k.istIgc);
    if (!k.istIgc)
        return;
    // Phone apps write UTF-8, recorders plain ASCII or Latin-1.
    const auto text = [&latin1](const std::string& s) {
        QStringDecoder utf8(QStringDecoder::Utf8);
        const QString gelesen = utf8(QByteArrayView(s.data(), static_cast<qsizetype>(s.size())));
        return utf8.hasError() ? latin1(s) : gelesen;
    };
    if (k.datum.empty())
        flugdatum = tr("unbekannt");
    startplatz = text(doc.startplatz);
    pilot = text(k.pilot);
    flugzeug = text(k.muster);
    if (!k.kennzeichen.empty())
        flugzeug += (flugzeug.isEmpty() ? QString() : QStringLiteral(" ")) + text(k.kennzeichen);
    logger = text(k.logger);
    signatur = k.signatur == "keine" ? tr("keine") : tr("signiert, nicht geprüft");
}

void CFlugInfoDlg::Zeige(const CSarnixDoc& doc, QWidget* parent,
                         const std::vector<std::pair<QString, QString>>& gelaende)
{
    CFlugInfoDlg dlg(parent);
    dlg.Uebernehmen(doc);
    dlg.GelaendeZeigen(gelaende);
    dlg.exec();
}

void CFlugInfoDlg::GelaendeZeigen(const std::vector<std::pair<QString, QString>>& zeilen)
{
    auto* layout = qobject_cast<QVBoxLayout*>(this->layout());
    if (zeilen.empty() || !layout)
        return;
    auto* gruppe = new QGroupBox(tr("Gelände"), this);
    auto* raster = new QGridLayout(gruppe);
    raster->setColumnStretch(1, 1);
    int reihe = 0;
    for (const auto& [beschriftung, text] : zeilen) {
        raster->addWidget(new QLabel(beschriftung, gruppe), reihe, 0);
        QLabel* wert = Wertfeld(QString(), Qt::AlignHCenter, gruppe);
        wert->setMinimumWidth(feldBreite);
        wert->setText(text);
        raster->addWidget(wert, reihe++, 2);
    }
    // Above the buttons, below the file's values and the IGC header.
    layout->insertWidget(layout->count() - 1, gruppe);
}
