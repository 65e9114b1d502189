#include "tiles/KartenWarp.h"

#include "tiles/Mercator.h"

#include <algorithm>
#include <cmath>

namespace {

struct Stelle {
    int64_t kachel = 0;
    int pixel = 0;
};

Stelle StelleVon(double kachelKoordinate)
{
    const double k = std::floor(kachelKoordinate);
    const int p = static_cast<int>((kachelKoordinate - k) * kachelPixel);
    return {static_cast<int64_t>(k), std::clamp(p, 0, kachelPixel - 1)};
}

// Pixel centres, so that a picture of one pixel shows the middle of what it spans.
double LaengeDerSpalte(const KartenAusschnitt& a, int i)
{
    return a.west + (i + 0.5) * (a.ost - a.west) / a.breite;
}

double BreiteDerZeile(const KartenAusschnitt& a, int j)
{
    return a.nord - (j + 0.5) * (a.nord - a.sued) / a.hoehe;
}

}  // namespace

int ZoomFuerAusschnitt(const KartenAusschnitt& a, int groessterZoom)
{
    if (a.breite <= 0)
        return 0;
    return ZoomFuer((a.ost - a.west) / a.breite, 1.0, groessterZoom);
}

std::vector<KachelNummer> KachelnIm(const KartenAusschnitt& a, int zoom)
{
    std::vector<KachelNummer> kacheln;
    if (a.breite <= 0 || a.hoehe <= 0 || zoom < 0 || zoom > 30)
        return kacheln;
    const double nord = std::min(std::max(a.nord, a.sued), mercatorGrenze);
    const double sued = std::max(std::min(a.nord, a.sued), -mercatorGrenze);
    if (nord <= sued)
        return kacheln;
    const int64_t n = int64_t{1} << zoom;
    const int64_t x0 = static_cast<int64_t>(std::floor(KachelXVon(std::min(a.west, a.ost), zoom)));
    int64_t x1 = static_cast<int64_t>(std::floor(KachelXVon(std::max(a.west, a.ost), zoom)));
    x1 = std::min(x1, x0 + n - 1);  // a view wider than the world needs each column once
    const int64_t y0 = std::clamp<int64_t>(static_cast<int64_t>(KachelYVon(nord, zoom)), 0, n - 1);
    const int64_t y1 = std::clamp<int64_t>(static_cast<int64_t>(KachelYVon(sued, zoom)), 0, n - 1);
    for (int64_t y = y0; y <= y1; ++y) {
        for (int64_t x = x0; x <= x1; ++x)
            kacheln.push_back({zoom, KachelSpalteUmlaufend(x, zoom), y});
    }
    const double mx = (static_cast<double>(x0 + x1) + 1.0) / 2.0;
    const double my = (static_cast<double>(y0 + y1) + 1.0) / 2.0;
    const auto abstand = [&](const KachelNummer& k) {
        // Unwrapped column: the distance counts across the picture, not round the world.
        const double x = static_cast<double>(x0 + KachelSpalteUmlaufend(k.x - x0, zoom)) + 0.5;
        return std::hypot(x - mx, static_cast<double>(k.y) + 0.5 - my);
    };
    std::stable_sort(kacheln.begin(), kacheln.end(),
                     [&](const KachelNummer& p, const KachelNummer& q) { return abstand(p) < abstand(q); });
    return kacheln;
}

void Verzerren(QImage& ziel, const KartenAusschnitt& a, int zoom, const KachelFinder& finder)
{
    const int breite = std::min(a.breite, ziel.width());
    const int hoehe = std::min(a.hoehe, ziel.height());
    if (breite <= 0 || hoehe <= 0 || zoom < 0 || zoom > 30
        || (ziel.format() != QImage::Format_RGB32 && ziel.format() != QImage::Format_ARGB32
            && ziel.format() != QImage::Format_ARGB32_Premultiplied))
        return;

    // Longitude is the same down every column: its tile and pixel are found once per column.
    std::vector<Stelle> spalten(static_cast<size_t>(breite));
    for (int i = 0; i < breite; ++i) {
        Stelle s = StelleVon(KachelXVon(LaengeDerSpalte(a, i), zoom));
        s.kachel = KachelSpalteUmlaufend(s.kachel, zoom);
        spalten[static_cast<size_t>(i)] = s;
    }
    // The runs of columns within one tile column, and their tiles for the current tile row.
    struct Lauf {
        int von;
        int bis;
        KachelTreffer treffer;
    };
    std::vector<Lauf> laeufe;
    for (int i = 0; i < breite;) {
        int j = i + 1;
        while (j < breite && spalten[static_cast<size_t>(j)].kachel == spalten[static_cast<size_t>(i)].kachel)
            ++j;
        laeufe.push_back({i, j, {}});
        i = j;
    }

    const int64_t n = int64_t{1} << zoom;
    int64_t zeileDerLaeufe = -1;
    for (int j = 0; j < hoehe; ++j) {
        const double breiteGrad = BreiteDerZeile(a, j);
        if (!(std::abs(breiteGrad) < mercatorGrenze))
            continue;
        const Stelle zeile = StelleVon(KachelYVon(breiteGrad, zoom));
        if (zeile.kachel < 0 || zeile.kachel >= n)
            continue;
        if (zeile.kachel != zeileDerLaeufe) {
            for (Lauf& l : laeufe)
                l.treffer = finder({zoom, spalten[static_cast<size_t>(l.von)].kachel, zeile.kachel});
            zeileDerLaeufe = zeile.kachel;
        }
        auto* aus = reinterpret_cast<QRgb*>(ziel.scanLine(j));
        for (const Lauf& l : laeufe) {
            const KachelTreffer& t = l.treffer;
            if (!t.bild)
                continue;
            const auto* ein = reinterpret_cast<const QRgb*>(
                t.bild->constScanLine(t.linksOben[1] + (zeile.pixel >> t.verschiebung)));
            const QRgb* quelle = ein + t.linksOben[0];
            for (int i = l.von; i < l.bis; ++i)
                aus[i] = quelle[spalten[static_cast<size_t>(i)].pixel >> t.verschiebung];
        }
    }
}
