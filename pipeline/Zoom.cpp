#include "pipeline/Zoom.h"

#include "flight/CSarnixDoc.h"
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

// The band's columns in a time barogram become the new time span, at least a minute long.
bool BandZuZeitFenster(CAnsicht& a, const Rechteck& ecke)
{
    const ZeitFenster& an = a.zeitAnzeige;
    if (!an.Gesetzt())
        return false;
    const int64_t w = int64_t{ecke.right} - ecke.left;
    const int64_t spanne = int64_t{an.bis} - an.von;
    const auto zeit = [&](int32_t x) { return an.von + (int64_t{x} - ecke.left) * spanne / w; };
    int64_t von = zeit(std::min(a.bandStart.x, a.bandEnde.x));
    int64_t bis = zeit(std::max(a.bandStart.x, a.bandEnde.x));
    constexpr int64_t mindestens = 60;
    if (bis - von < mindestens) {
        const int64_t mitte = (von + bis) / 2;
        von = mitte - mindestens / 2;
        bis = von + mindestens;
    }
    a.zeitFenster = {Saettigen(von), Saettigen(bis)};
    return true;
}

}  // namespace

void Anpassen(CAnsicht& a)
{
    a.ausdehnungUebernommen = 0;
}

void Verkleinern(CAnsicht& a)
{
    const int64_t d = int64_t{a.anzeigeFenster.breiteMax} - a.anzeigeFenster.breiteMin;
    a.zoomFenster.breiteMax = Saettigen(int64_t{a.zoomFenster.breiteMax} + d);
    a.zoomFenster.breiteMin = Saettigen(int64_t{a.zoomFenster.breiteMin} - d);
    // A chosen time span grows alike; the time barogram holds it to the flight.
    if (a.zeitFenster.Gesetzt()) {
        const int64_t spanne = int64_t{a.zeitFenster.bis} - a.zeitFenster.von;
        a.zeitFenster.von = Saettigen(int64_t{a.zeitFenster.von} - spanne);
        a.zeitFenster.bis = Saettigen(int64_t{a.zeitFenster.bis} + spanne);
    }
}

int BandGrafik(const CAnsicht& a)
{
    const auto zoombar = [](int8_t art) { return art == Grundriss || art == BarogrammZeit; };
    if (zoombar(a.ansicht.grafik[0].art))
        return 0;
    if (zoombar(a.ansicht.grafik[1].art))
        return 1;
    return -1;
}

int BandGrafikBei(const CAnsicht& a, Punkt p)
{
    const int erste = BandGrafik(a);
    if (erste < 0)
        return erste;
    const int andere = 1 - erste;
    const Grafik& g = a.ansicht.grafik[static_cast<size_t>(andere)];
    const bool gezeigt = a.grafikanzahl == 2;
    const bool innen = g.ecke.left <= p.x && p.x <= g.ecke.right && g.ecke.top <= p.y && p.y <= g.ecke.bottom;
    const int8_t art = a.ansicht.grafik[static_cast<size_t>(erste)].art;
    const bool zoombar = g.art == Grundriss || g.art == BarogrammZeit;
    return gezeigt && innen && zoombar && g.art != art ? andere : erste;
}

namespace {

// The pane of the band being drawn: where it was pressed, while that pane still takes a band.
int LaufendeBandGrafik(const CAnsicht& a)
{
    const int8_t gewaehlt = a.bandGrafik;
    if (gewaehlt == 0 || gewaehlt == 1) {
        const int8_t art = a.ansicht.grafik[static_cast<size_t>(gewaehlt)].art;
        if (art == Grundriss || art == BarogrammZeit)
            return gewaehlt;
    }
    return BandGrafik(a);
}

}  // namespace

Punkt InsRechteck(Punkt p, const Rechteck& r)
{
    // std::clamp needs min <= max; a reversed pane (window lower than its margins) keeps its top.
    p.x = std::max(r.left, std::min(p.x, r.right));
    p.y = std::max(r.top, std::min(p.y, r.bottom));
    return p;
}

bool BandDruecken(CAnsicht& a, const CSarnixDoc& doc, Punkt p)
{
    if (!a.zoomZiehen)
        a.bandGrafik = static_cast<int8_t>(BandGrafikBei(a, p));
    const int pane = LaufendeBandGrafik(a);
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
    const int pane = LaufendeBandGrafik(a);
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
    const int pane = LaufendeBandGrafik(a);
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
    if (a.ansicht.grafik[static_cast<size_t>(pane)].art == BarogrammZeit)
        return BandZuZeitFenster(a, ecke);
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
