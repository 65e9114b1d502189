// sarnix-cli render: the picture the window would show, as PNG.

#include "cli/Cli.h"
#include "cli/CliBefehl.h"
#include "cli/CliGemeinsam.h"
#include "render/PngSchreiben.h"
#include "cli/CliSchriften.h"
#include "cli/CliStapel.h"

#include "flight/CSarnixDoc.h"
#include "flight/Koordinaten.h"
#include "flight/Wertung.h"
#include "pipeline/BildWahl.h"
#include "pipeline/GelaendeLesen.h"
#include "pipeline/Karte.h"
#include "tiles/Kartendienst.h"
#include "tiles/KartenEinstellungen.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string_view>

namespace {

using namespace cli;

constexpr int groessteSeite = 16384;
constexpr int meisteVerkleinerungen = 1000;
constexpr double kleinsteSkalierung = 1.0;
constexpr double groessteSkalierung = 8.0;


std::optional<int8_t> ArtAus(const QString& text)
{
    if (text == QLatin1String("grundriss")) return Grundriss;
    if (text == QLatin1String("west")) return BarogrammWest;
    if (text == QLatin1String("nord")) return BarogrammNord;
    if (text == QLatin1String("temperatur")) return Temperaturverlauf;
    if (text == QLatin1String("zeit")) return BarogrammZeit;
    return std::nullopt;
}

// KIND[:COLOUR]; without a colour the pane keeps the one it has.
bool PaneAus(const QString& text, int8_t& art, int8_t& farbe)
{
    const QStringList teile = text.split(QLatin1Char(':'));
    if (teile.size() > 2)
        return false;
    const auto a = ArtAus(teile[0]);
    if (!a)
        return false;
    art = *a;
    if (teile.size() == 2) {
        const auto f = FarbeAus(teile[1]);
        if (!f)
            return false;
        farbe = *f;
    }
    return true;
}

bool GroesseAus(const QString& text, int& breite, int& hoehe)
{
    const QStringList teile = text.split(QLatin1Char('x'));
    if (teile.size() != 2)
        return false;
    bool okB = false;
    bool okH = false;
    breite = teile[0].toInt(&okB);
    hoehe = teile[1].toInt(&okH);
    return okB && okH && breite > 0 && hoehe > 0 && breite <= groessteSeite && hoehe <= groessteSeite;
}

// One limit of --zoom: decimal degrees as users write them (47.5, -3.25, or a whole number up to
// 180), or the internal unit (500 000 000 plus 1/10 000 arc minute), whose values lie far above.
std::optional<int32_t> GrenzeAus(const QString& text)
{
    bool ok = false;
    const double wert = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(wert))
        return std::nullopt;
    if (std::fabs(wert) <= 180.0)
        return static_cast<int32_t>(std::lround(koordinatenNullpunkt + wert * einheitenProGrad));
    if (text.contains(QLatin1Char('.')) || wert < INT32_MIN || wert > INT32_MAX)
        return std::nullopt;
    return static_cast<int32_t>(wert);
}

// LAENGEMIN,BREITEMIN,LAENGEMAX,BREITEMAX, each minimum below its maximum.
std::optional<Fenster> ZoomAus(const QString& text)
{
    const QStringList teile = text.split(QLatin1Char(','));
    if (teile.size() != 4)
        return std::nullopt;
    int32_t werte[4] = {};
    for (int i = 0; i < 4; ++i) {
        const std::optional<int32_t> grenze = GrenzeAus(teile[i]);
        if (!grenze)
            return std::nullopt;
        werte[i] = *grenze;
    }
    Fenster f;
    f.laengeMin = werte[0];
    f.breiteMin = werte[1];
    f.laengeMax = werte[2];
    f.breiteMax = werte[3];
    if (f.laengeMin >= f.laengeMax || f.breiteMin >= f.breiteMax)
        return std::nullopt;
    return f;
}

}  // namespace

int CliRender(const QStringList& argumente)
{
    const CliBefehl befehl = RenderBefehl();
    QCommandLineParser parser;
    if (const auto ende = Lies(befehl, argumente, parser))
        return *ende;
    const auto wert = [&parser](const char* name) { return parser.value(QLatin1String(name)); };
    const auto gesetzt = [&parser](const char* name) { return parser.isSet(QLatin1String(name)); };

    BildWahl wahl;
    if (gesetzt("size") && !GroesseAus(wert("size"), wahl.breite, wahl.hoehe))
        return Nutzungsfehler(befehl, QCoreApplication::translate("Cli", "Ungültige Größe: %1 (erwartet BREITExHÖHE, z. B. 1280x800)")
                                          .arg(wert("size")));
    if (gesetzt("panes")) {
        const QString n = wert("panes");
        if (n != QLatin1String("1") && n != QLatin1String("2"))
            return Nutzungsfehler(befehl, QCoreApplication::translate("Cli", "Ungültige Grafikanzahl: %1 (erwartet 1 oder 2)").arg(n));
        wahl.grafikanzahl = static_cast<int8_t>(n.toInt());
    }
    for (const char* seite : {"left", "right"}) {
        if (!gesetzt(seite))
            continue;
        const bool links = seite == std::string_view("left");
        if (!PaneAus(wert(seite), links ? wahl.linkeArt : wahl.rechteArt, links ? wahl.linkeFarbe : wahl.rechteFarbe))
            return Nutzungsfehler(befehl, QCoreApplication::translate("Cli", "Ungültige Ansicht: %1 (erwartet grundriss, west, nord, "
                                                                      "temperatur oder zeit, optional :keine, :vario, :hoehe, :wind oder "
                                                                      ":temperatur)")
                                              .arg(wert(seite)));
    }
    wahl.zeitmarken = gesetzt("zeitmarken") ? 1 : 0;
    wahl.wegpunkte = gesetzt("wegpunkte") ? 1 : 0;
    wahl.thermiken = gesetzt("thermiken") ? 1 : 0;
    std::optional<GelaendeDienst> gelaende;
    if (gesetzt("gelaende")) {
        gelaende.emplace(wert("gelaende").toStdString());
        wahl.gelaende = &*gelaende;
    }
    const WertungsRegeln regeln = *RegelnAus(parser);  // the name was checked with the arguments
    const bool mitWertung = gesetzt("wertung");
    wahl.temperaturReferenz = static_cast<TemperaturReferenzArt>(TemperaturReferenz(parser));
    if (gesetzt("verkleinern")) {
        bool ok = false;
        wahl.verkleinern = wert("verkleinern").toInt(&ok);
        if (!ok || wahl.verkleinern < 0 || wahl.verkleinern > meisteVerkleinerungen)
            return Nutzungsfehler(befehl, QCoreApplication::translate("Cli", "Ungültige Anzahl für --verkleinern: %1 (erwartet 0 bis %2)")
                                              .arg(wert("verkleinern"))
                                              .arg(meisteVerkleinerungen));
    }
    if (gesetzt("skalierung")) {
        bool ok = false;
        wahl.skalierung = wert("skalierung").toDouble(&ok);
        if (!ok || !(wahl.skalierung >= kleinsteSkalierung && wahl.skalierung <= groessteSkalierung))
            return Nutzungsfehler(befehl, QCoreApplication::translate("Cli", "Ungültige Skalierung: %1 (erwartet %2 bis %3, z. B. 2 oder 1.5)")
                                              .arg(wert("skalierung"))
                                              .arg(kleinsteSkalierung)
                                              .arg(groessteSkalierung));
    }
    if (wahl.breite * wahl.skalierung > groessteSeite || wahl.hoehe * wahl.skalierung > groessteSeite)
        return Nutzungsfehler(befehl, QCoreApplication::translate("Cli", "Das Bild wäre größer als %1 Pixel je Seite: Größe oder Skalierung verkleinern.")
                                          .arg(groessteSeite));
    if (gesetzt("zoom")) {
        wahl.zoom = ZoomAus(wert("zoom"));
        if (!wahl.zoom)
            return Nutzungsfehler(befehl, QCoreApplication::translate("Cli", "Ungültiges Zoomfenster: %1 (erwartet "
                                                                      "LAENGEMIN,BREITEMIN,LAENGEMAX,BREITEMAX mit Min < Max, "
                                                                      "in Grad wie 11.25 oder in internen Einheiten)")
                                              .arg(wert("zoom")));
    }
    // The map: a source of the settings by name, an address template or an MBTiles file.
    std::optional<KartenQuelle> karte;
    if (gesetzt("karte")) {
        karte = QuelleAus(wert("karte"), KartenEinstellungenLesen().quellen);
        const QString fehler = QuellenFehler(*karte);
        if (!fehler.isEmpty())
            return Nutzungsfehler(befehl, fehler);
    }
    int kartenWartezeit = 10000;
    if (gesetzt("karten-wartezeit")) {
        bool ok = false;
        const double s = wert("karten-wartezeit").toDouble(&ok);
        if (!ok || !(s >= 0 && s <= 3600))
            return Nutzungsfehler(befehl, QCoreApplication::translate("Cli", "Ungültige Wartezeit: %1 (erwartet 0 bis 3600 Sekunden)")
                                              .arg(wert("karten-wartezeit")));
        kartenWartezeit = static_cast<int>(std::lround(s * 1000));
    }

    const QStringList dateien = parser.positionalArguments();
    const auto ziele = ZieleAus(dateien, wert("o"), QStringLiteral("png"));
    if (const QString* fehler = std::get_if<QString>(&ziele))
        return Nutzungsfehler(befehl, *fehler);
    const QStringList& ausgaben = std::get<QStringList>(ziele);
    if (IstOrdner(wert("o")) && !QDir().mkpath(wert("o"))) {
        Melde(QCoreApplication::translate("Cli", "Der Ordner %1 konnte nicht angelegt werden.").arg(wert("o")));
        return dateiFehler;
    }

    const std::jthread schriften = SchriftenVorladen();
    // Threads that no file keeps busy help to compress the pictures.
    // The map's requests wait on this thread's event loop: one file after the other.
    const int auftraege = karte ? 1 : Auftraege(parser);
    const int packFaeden = static_cast<int>(std::max<qsizetype>(1, auftraege / dateien.size()));
    const int code = Parallel(dateien.size(), auftraege, [&](qsizetype i) {
        CSarnixDoc doc;
        if (!Oeffne(doc, dateien[i]))
            return dateiFehler;
        BildWahl dieseWahl = wahl;
        if (mitWertung) {
            // Bounded as score is by default: a picture must come even for the search's hard case.
            WertungsOptionen optionen;
            optionen.zeitlimit = 60.0;
            dieseWahl.wertung = std::make_shared<const Wertung>(WerteFlug(doc.datenListe, regeln, optionen));
        }
        QImage bild;
        if (karte) {
            Kartendienst dienst(*karte);
            bild = WahlBildMitKarte(doc, dieseWahl, dienst, kartenWartezeit);
            if (!dienst.Hinweis().isEmpty())
                Melde(QStringLiteral("%1: %2").arg(dateien[i], dienst.Hinweis()));
        } else {
            bild = WahlBild(doc, dieseWahl);
        }
        if (!SpeicherePng(bild, ausgaben[i], packFaeden)) {
            Melde(QCoreApplication::translate("Cli", "Die Datei %1 konnte nicht geschrieben werden.")
                      .arg(QFileInfo(ausgaben[i]).absoluteFilePath()));
            return dateiFehler;
        }
        return 0;
    });
    // What the tiles lacked, once, after all pictures: the pictures are drawn all the same.
    if (gelaende)
        for (const QString& hinweis : gelaende->Hinweise())
            Melde(hinweis);
    return code;
}
