#include "app/CliPng.h"

#include "app/CliPngIndiziert.h"

#include <QImageWriter>
#include <QSaveFile>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

namespace cli {

namespace {

// For Qt's writer: Qt maps 0..100 onto zlib's levels 0..9, 60 is level 5, one below the default.
// With the palette that is a third of the default's time, and sparse small pictures stay as
// small as before.
constexpr int schnelleKompression = 60;

// A small open-addressing table from colour to palette index; far quicker than a map for the
// two million look-ups of a large picture, most of which hit the colour of the pixel before.
class Farbtafel {
public:
    // The index of farbe, a new one if there is room; -1 when the palette is full.
    int Index(QRgb farbe)
    {
        size_t stelle = ((farbe * 2654435761u) >> 23) & (groesse - 1);
        while (belegt[stelle]) {
            if (farben[stelle] == farbe)
                return indizes[stelle];
            stelle = (stelle + 1) & (groesse - 1);
        }
        if (tabelle.size() == 256)
            return -1;
        belegt[stelle] = true;
        farben[stelle] = farbe;
        indizes[stelle] = static_cast<uint8_t>(tabelle.size());
        tabelle.append(farbe);
        return indizes[stelle];
    }

    const QList<QRgb>& Tabelle() const { return tabelle; }

private:
    static constexpr size_t groesse = 512;  // twice the palette: short probe runs
    std::array<QRgb, groesse> farben{};
    std::array<uint8_t, groesse> indizes{};
    std::array<bool, groesse> belegt{};
    QList<QRgb> tabelle;
};

// Where the run of farbe that reaches von ends; two pixels compared at a time.
int LaufEnde(const QRgb* zeile, int von, int bis, QRgb farbe)
{
    const uint64_t paar = uint64_t{farbe} << 32 | farbe;
    int i = von;
    for (; i + 1 < bis; i += 2) {
        uint64_t zwei;
        std::memcpy(&zwei, zeile + i, sizeof zwei);
        if (zwei != paar)
            break;
    }
    while (i < bis && zeile[i] == farbe)
        ++i;
    return i;
}

}  // namespace

QImage MitPalette(const QImage& bild)
{
    if (bild.isNull())
        return {};
    const QImage quelle = bild.format() == QImage::Format_RGB32 || bild.format() == QImage::Format_ARGB32
                              ? bild
                              : bild.convertToFormat(QImage::Format_ARGB32);
    QImage ergebnis(quelle.size(), QImage::Format_Indexed8);
    if (ergebnis.isNull())
        return {};
    Farbtafel tafel;
    // RGB32 leaves the top byte undefined; it always reads as opaque.
    const QRgb deckend = quelle.format() == QImage::Format_RGB32 ? 0xff000000u : 0u;
    const int breite = quelle.width();
    const size_t zeilenBytes = static_cast<size_t>(breite) * sizeof(QRgb);
    const QRgb* vorige = nullptr;
    const uchar* vorigesZiel = nullptr;
    for (int y = 0; y < quelle.height(); ++y) {
        const auto* zeile = reinterpret_cast<const QRgb*>(quelle.constScanLine(y));
        uchar* ziel = ergebnis.scanLine(y);
        // Much of a picture is background: a row like the one above takes its indices.
        if (vorige && std::memcmp(zeile, vorige, zeilenBytes) == 0) {
            std::memcpy(ziel, vorigesZiel, static_cast<size_t>(breite));
        } else {
            // Runs of one colour are looked up once.
            for (int x = 0; x < breite;) {
                const QRgb roh = zeile[x];
                const int index = tafel.Index(roh | deckend);
                if (index < 0)
                    return {};
                const int ende = LaufEnde(zeile, x + 1, breite, roh);
                std::memset(ziel + x, index, static_cast<size_t>(ende - x));
                x = ende;
            }
        }
        vorige = zeile;
        vorigesZiel = ziel;
    }
    ergebnis.setColorTable(tafel.Tabelle());
    ergebnis.setDotsPerMeterX(bild.dotsPerMeterX());
    ergebnis.setDotsPerMeterY(bild.dotsPerMeterY());
    return ergebnis;
}

bool SchreibePng(const QImage& bild, QIODevice& ziel)
{
    const QImage indiziert = MitPalette(bild);
    if (!indiziert.isNull() && IndiziertMoeglich())
        return SchreibeIndiziert(indiziert, ziel);
    QImageWriter schreiber(&ziel, "png");
    schreiber.setCompression(schnelleKompression);
    return schreiber.write(indiziert.isNull() ? bild : indiziert);
}

bool SpeicherePng(const QImage& bild, const QString& pfad)
{
    QSaveFile datei(pfad);
    if (bild.isNull() || !datei.open(QIODevice::WriteOnly))
        return false;
    if (!SchreibePng(bild, datei)) {
        datei.cancelWriting();
        return false;
    }
    return datei.commit();
}

}  // namespace cli
