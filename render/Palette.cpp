#include "render/Palette.h"

#include <cstring>

namespace {

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

bool Indiziere(const QImage& quelle, int von, int bis, uchar* ziel, qsizetype zeilenAbstand, Farbtafel& tafel)
{
    // RGB32 leaves the top byte undefined; it always reads as opaque.
    const QRgb deckend = quelle.format() == QImage::Format_RGB32 ? 0xff000000u : 0u;
    const int breite = quelle.width();
    const size_t zeilenBytes = static_cast<size_t>(breite) * sizeof(QRgb);
    const QRgb* vorige = nullptr;
    const uchar* vorigesZiel = nullptr;
    for (int y = von; y < bis; ++y, ziel += zeilenAbstand) {
        const auto* zeile = reinterpret_cast<const QRgb*>(quelle.constScanLine(y));
        // Much of a picture is background: a row like the one above takes its indices.
        if (vorige && std::memcmp(zeile, vorige, zeilenBytes) == 0) {
            std::memcpy(ziel, vorigesZiel, static_cast<size_t>(breite));
        } else {
            // Runs of one colour are looked up once.
            for (int x = 0; x < breite;) {
                const QRgb roh = zeile[x];
                const int index = tafel.Index(roh | deckend);
                if (index < 0)
                    return false;
                const int ende = LaufEnde(zeile, x + 1, breite, roh);
                std::memset(ziel + x, index, static_cast<size_t>(ende - x));
                x = ende;
            }
        }
        vorige = zeile;
        vorigesZiel = ziel;
    }
    return true;
}
