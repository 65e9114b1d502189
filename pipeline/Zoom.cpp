#include "pipeline/Zoom.h"

#include "doc/CSarnixDoc.h"
#include "render/Ansicht.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

int32_t Saettigen(int64_t wert)
{
    return static_cast<int32_t>(std::clamp(wert, fensterGrenzeMin, fensterGrenzeMax));
}

namespace {

// The band's rectangle for the inverting outline; Rectangle excludes right and bottom.
void ZeichneBand(Zeichenflaeche& f, Punkt a, Punkt b)
{
    f.Rectangle(a.x, a.y, b.x, b.y);
}

}  // namespace

void Anpassen(CSarnixDoc& doc)
{
    doc.ausdehnungUebernommen = 0;
}

void Verkleinern(CAnsicht& a)
{
    const int64_t d = int64_t{a.anzeigeFenster.breiteMax} - a.anzeigeFenster.breiteMin;
    a.zoomFenster.breiteMax = Saettigen(int64_t{a.zoomFenster.breiteMax} + d);
    a.zoomFenster.breiteMin = Saettigen(int64_t{a.zoomFenster.breiteMin} - d);
}

int BandGrafik(const CAnsicht& a)
{
    if (a.ansicht.grafik[0].art == Grundriss)
        return 0;
    if (a.ansicht.grafik[1].art == Grundriss)
        return 1;
    return -1;
}

Punkt InsRechteck(Punkt p, const Rechteck& r)
{
    // std::clamp needs min <= max; a reversed pane (window lower than its margins) keeps its top.
    p.x = std::max(r.left, std::min(p.x, r.right));
    p.y = std::max(r.top, std::min(p.y, r.bottom));
    return p;
}

bool BandDruecken(CAnsicht& a, const CSarnixDoc& doc, Punkt p)
{
    const int pane = BandGrafik(a);
    if (!doc.geladen || pane < 0)
        return false;
    p = InsRechteck(p, a.ansicht.grafik[static_cast<size_t>(pane)].ecke);
    if (!a.zoomZiehen)
        a.bandStart = a.bandAktuell = p;
    if (a.zoomBereit)
        a.zoomZiehen = 1;
    return true;
}

bool BandBewegen(CAnsicht& a, Zeichenflaeche& f, Punkt p)
{
    const int pane = BandGrafik(a);
    if (pane < 0)
        return false;
    p = InsRechteck(p, a.ansicht.grafik[static_cast<size_t>(pane)].ecke);
    if (a.zoomZiehen) {
        const Zeichenflaeche::PinselWahl hohl(f, Pinsel{true});
        const Zeichenflaeche::RasterWahl invertieren(f, R2_NOT);
        ZeichneBand(f, a.bandStart, p);
        ZeichneBand(f, a.bandStart, a.bandAktuell);  // removes the previous band
    }
    a.bandAktuell = p;
    return true;
}

void BandErneuern(const CAnsicht& a, Zeichenflaeche& f)
{
    if (!a.zoomZiehen)
        return;
    const Zeichenflaeche::PinselWahl hohl(f, Pinsel{true});
    const Zeichenflaeche::RasterWahl invertieren(f, R2_NOT);
    ZeichneBand(f, a.bandStart, a.bandAktuell);
}

bool BandLoslassen(CAnsicht& a, Punkt p)
{
    const bool zog = a.zoomZiehen != 0;
    a.zoomBereit = 0;
    a.zoomZiehen = 0;
    const int pane = BandGrafik(a);
    if (!zog || pane < 0)
        return false;
    a.bandEnde = InsRechteck(p, a.ansicht.grafik[static_cast<size_t>(pane)].ecke);
    return BandZuFenster(a, pane);
}

bool BandZuFenster(CAnsicht& a, int pane)
{
    const Rechteck& ecke = a.ansicht.grafik[static_cast<size_t>(pane)].ecke;
    const int32_t w = ecke.right - ecke.left;
    const int32_t h = ecke.bottom - ecke.top;
    if (w <= 0 || h <= 0)
        return false;
    const double seiten = static_cast<double>(w) / h;

    double x1 = std::min(a.bandStart.x, a.bandEnde.x);
    double x2 = std::max(a.bandStart.x, a.bandEnde.x);
    double y1 = std::min(a.bandStart.y, a.bandEnde.y);
    double y2 = std::max(a.bandStart.y, a.bandEnde.y);
    const double dx = x2 - x1;
    const double dy = y2 - y1;

    // Bring the band to the pane's aspect about its centre; a bare click counts as too narrow.
    const bool zuSchmal = dy == 0.0 ? dx == 0.0 : dx / dy < seiten;
    if (zuSchmal) {
        x1 = x1 + 0.5 * dx - 0.5 * seiten * dy;
        x2 = x1 + seiten * dy;
    } else {
        y1 = y1 + 0.5 * dy - 0.5 * dx / seiten;
        y2 = y1 + dx / seiten;
    }

    // The products are formed in 64 bits: identical to 32-bit arithmetic wherever that does not
    // overflow, and still right for a wide window on a wide pane.
    const Fenster& an = a.anzeigeFenster;
    const int64_t laengeSpanne = int64_t{an.laengeMax} - an.laengeMin;
    const int64_t breiteSpanne = int64_t{an.breiteMin} - an.breiteMax;
    const auto px = [](double v) { return static_cast<int64_t>(static_cast<int32_t>(v)); };
    int64_t laengeMin = an.laengeMin + (px(x1) - ecke.left) * laengeSpanne / w;
    int64_t laengeMax = an.laengeMin + (px(x2) - ecke.left) * laengeSpanne / w;
    int64_t breiteMax = an.breiteMax + (px(y1) - ecke.top) * breiteSpanne / h;
    int64_t breiteMin = an.breiteMax + (px(y2) - ecke.top) * breiteSpanne / h;

    // Never narrower than 0.03 arc minute: widen all four sides alike.
    if (laengeMax - laengeMin <= 300) {
        laengeMin -= 150;
        laengeMax += 150;
        breiteMin -= 150;
        breiteMax += 150;
    }
    a.zoomFenster.laengeMin = Saettigen(laengeMin);
    a.zoomFenster.laengeMax = Saettigen(laengeMax);
    a.zoomFenster.breiteMin = Saettigen(breiteMin);
    a.zoomFenster.breiteMax = Saettigen(breiteMax);
    return true;
}
