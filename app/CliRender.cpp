// sarnix-cli render: the picture the window would show, as PNG.

#include "app/Cli.h"
#include "app/CliGemeinsam.h"

#include "doc/CSarnixDoc.h"
#include "doc/Koordinaten.h"
#include "pipeline/FensterBild.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QImage>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <optional>

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
    return std::nullopt;
}

std::optional<int8_t> FarbeAus(const QString& text)
{
    if (text == QLatin1String("keine")) return KeineFaerbung;
    if (text == QLatin1String("vario")) return Variowerte;
    if (text == QLatin1String("hoehe")) return Flughoehe;
    if (text == QLatin1String("wind")) return Wind;
    if (text == QLatin1String("temperatur")) return Temperaturgradient;
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
    constexpr double einheitenProGrad = 600000.0;
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
    BildWahl wahl;
    QString datei;
    QString ausgabe;

    for (int i = 0; i < argumente.size(); ++i) {
        const QString& arg = argumente[i];
        const bool hatWert = i + 1 < argumente.size();
        const auto wert = [&]() { return argumente[++i]; };
        if (arg == QLatin1String("-o") && hatWert) {
            ausgabe = wert();
        } else if (arg == QLatin1String("--size") && hatWert) {
            if (!GroesseAus(wert(), wahl.breite, wahl.hoehe)) {
                Melde(QCoreApplication::translate("Cli", "Ungültige Größe: %1 (erwartet BREITExHÖHE, z. B. 1280x800)")
                          .arg(argumente[i]));
                return nutzungsFehler;
            }
        } else if (arg == QLatin1String("--panes") && hatWert) {
            const QString n = wert();
            if (n != QLatin1String("1") && n != QLatin1String("2")) {
                Melde(QCoreApplication::translate("Cli", "Ungültige Grafikanzahl: %1 (erwartet 1 oder 2)").arg(n));
                return nutzungsFehler;
            }
            wahl.grafikanzahl = static_cast<int8_t>(n.toInt());
        } else if ((arg == QLatin1String("--left") || arg == QLatin1String("--right")) && hatWert) {
            const bool links = arg == QLatin1String("--left");
            if (!PaneAus(wert(), links ? wahl.linkeArt : wahl.rechteArt,
                         links ? wahl.linkeFarbe : wahl.rechteFarbe)) {
                Melde(QCoreApplication::translate("Cli", "Ungültige Ansicht: %1 (erwartet grundriss, west, nord oder "
                                     "temperatur, optional :keine, :vario, :hoehe, :wind oder "
                                     ":temperatur)")
                          .arg(argumente[i]));
                return nutzungsFehler;
            }
        } else if (arg == QLatin1String("--zeitmarken")) {
            wahl.zeitmarken = 1;
        } else if (arg == QLatin1String("--wegpunkte")) {
            wahl.wegpunkte = 1;
        } else if (arg == QLatin1String("--verkleinern") && hatWert) {
            bool ok = false;
            wahl.verkleinern = wert().toInt(&ok);
            if (!ok || wahl.verkleinern < 0 || wahl.verkleinern > meisteVerkleinerungen) {
                Melde(QCoreApplication::translate("Cli", "Ungültige Anzahl für --verkleinern: %1 (erwartet 0 bis %2)")
                          .arg(argumente[i])
                          .arg(meisteVerkleinerungen));
                return nutzungsFehler;
            }
        } else if (arg == QLatin1String("--skalierung") && hatWert) {
            bool ok = false;
            wahl.skalierung = wert().toDouble(&ok);
            if (!ok || !(wahl.skalierung >= kleinsteSkalierung && wahl.skalierung <= groessteSkalierung)) {
                Melde(QCoreApplication::translate("Cli", "Ungültige Skalierung: %1 (erwartet %2 bis %3, z. B. 2 oder 1.5)")
                          .arg(argumente[i])
                          .arg(kleinsteSkalierung)
                          .arg(groessteSkalierung));
                return nutzungsFehler;
            }
        } else if (arg == QLatin1String("--zoom") && hatWert) {
            wahl.zoom = ZoomAus(wert());
            if (!wahl.zoom) {
                Melde(QCoreApplication::translate("Cli", "Ungültiges Zoomfenster: %1 (erwartet "
                                     "LAENGEMIN,BREITEMIN,LAENGEMAX,BREITEMAX mit Min < Max, "
                                     "in Grad wie 11.25 oder in internen Einheiten)")
                          .arg(argumente[i]));
                return nutzungsFehler;
            }
        } else if (!arg.startsWith(QLatin1Char('-')) && datei.isEmpty()) {
            datei = arg;
        } else {
            Melde(QCoreApplication::translate("Cli", "Unbekannte oder unvollständige Option: %1").arg(arg));
            return nutzungsFehler;
        }
    }
    if (wahl.breite * wahl.skalierung > groessteSeite || wahl.hoehe * wahl.skalierung > groessteSeite) {
        Melde(QCoreApplication::translate("Cli", "Das Bild wäre größer als %1 Pixel je Seite: Größe oder Skalierung verkleinern.")
                  .arg(groessteSeite));
        return nutzungsFehler;
    }
    if (datei.isEmpty() || ausgabe.isEmpty()) {
        Melde(QCoreApplication::translate("Cli", "Aufruf: sarnix-cli render DATEI -o AUSGABE.png [Optionen]"));
        return nutzungsFehler;
    }

    CSarnixDoc doc;
    if (!Oeffne(doc, datei))
        return dateiFehler;

    const QImage bild = FensterBild(doc, wahl);
    if (bild.isNull() || !bild.save(ausgabe, "PNG")) {
        Melde(QCoreApplication::translate("Cli", "Die Datei %1 konnte nicht geschrieben werden.")
                  .arg(QFileInfo(ausgabe).absoluteFilePath()));
        return dateiFehler;
    }
    return 0;
}
