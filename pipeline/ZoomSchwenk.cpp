#include "pipeline/ZoomSchwenk.h"

#include "flight/CSarnixDoc.h"
#include "pipeline/Zoom.h"
#include "render/Abbildung.h"
#include "render/Ansicht.h"
#include "render/ZeitAbbildung.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double mindestSpanne = 300.0;  // the rubber band's smallest window
constexpr double meisteStufen = 20.0;

bool FolgtDemZoom(int8_t art)
{
    return art == Grundriss || art == BarogrammWest || art == BarogrammNord;
}

int GezeigteGrafiken(const CAnsicht& a)
{
    return a.grafikanzahl == 1 || a.grafikanzahl == 2 ? a.grafikanzahl : 0;
}

// The pane's fit, leaving the shared display window as the last draw left it.
Fenster AnzeigeVon(const CAnsicht& a, const CSarnixDoc& doc, int pane)
{
    CAnsicht kopie = a;
    FensterAnpassen(kopie, doc, pane);
    return kopie.anzeigeFenster;
}

double Spanne(int32_t min, int32_t max)
{
    return static_cast<double>(int64_t{max} - int64_t{min});
}

int32_t Grenze(double wert)
{
    return Saettigen(static_cast<int64_t>(
        std::clamp(std::round(wert), double(fensterGrenzeMin), double(fensterGrenzeMax))));
}

void Skalieren(int32_t& min, int32_t& max, double mitte, double faktor)
{
    const double neuMin = mitte + (min - mitte) * faktor;
    const double neuMax = mitte + (max - mitte) * faktor;
    min = Grenze(neuMin);
    max = Grenze(neuMax);
}

// Zooming in stops where the smaller shown span reaches the smallest window.
double Begrenzt(const Fenster& anzeige, double faktor)
{
    if (faktor >= 1.0)
        return faktor;
    const double kleinste = std::min(Spanne(anzeige.laengeMin, anzeige.laengeMax),
                                     Spanne(anzeige.breiteMin, anzeige.breiteMax));
    if (kleinste <= mindestSpanne)
        return 1.0;
    return std::max(faktor, mindestSpanne / kleinste);
}

bool Setzen(CAnsicht& a, const Fenster& neu)
{
    if (neu == a.zoomFenster)
        return false;
    a.zoomFenster = neu;
    return true;
}

bool ZoomUm(CAnsicht& a, const Fenster& anzeige, double mitteL, double mitteB, double faktor)
{
    faktor = Begrenzt(anzeige, faktor);
    if (faktor == 1.0)
        return false;
    Fenster neu = a.zoomFenster;
    Skalieren(neu.laengeMin, neu.laengeMax, mitteL, faktor);
    Skalieren(neu.breiteMin, neu.breiteMax, mitteB, faktor);
    return Setzen(a, neu);
}

bool Brauchbar(const CAnsicht& a, const CSarnixDoc& doc, double faktor)
{
    return doc.geladen && a.ausdehnungUebernommen && std::isfinite(faktor) && faktor > 0.0;
}

constexpr int64_t kuerzesteZeit = 60;  // as the rubber band: a minute at least

// The time span becomes [von, bis], moved inside the flight where it reaches beyond an end;
// as long as the flight or longer it is no choice at all, so the pane follows the flight again
// as after "Anpassen".
bool ZeitSetzen(CAnsicht& a, const ZeitFenster& flug, int64_t von, int64_t bis)
{
    ZeitFenster neu;
    if (bis - von < int64_t{flug.bis} - flug.von) {
        const int64_t vor = std::max<int64_t>(0, int64_t{flug.von} - von);
        const int64_t nach = std::max<int64_t>(0, bis - flug.bis);
        neu = {Saettigen(von + vor - nach), Saettigen(bis + vor - nach)};
    }
    if (neu == a.zeitFenster)
        return false;
    a.zeitFenster = neu;
    return true;
}

// Scales the shown time span about the time `mitte`, which stays in its column.
bool ZeitZoomUm(CAnsicht& a, const CSarnixDoc& doc, const ZeitFenster& an, double mitte, double faktor)
{
    const double spanne = double(an.bis) - an.von;
    if (faktor < 1.0)
        faktor = std::max(faktor, std::min(1.0, kuerzesteZeit / spanne));
    if (faktor == 1.0 || spanne <= 0.0)
        return false;
    return ZeitSetzen(a, FlugZeiten(doc), std::llround(mitte + (an.von - mitte) * faktor), std::llround(mitte + (an.bis - mitte) * faktor));
}

bool ZeigtZeit(const CAnsicht& a, int pane)
{
    const Grafik* g = GrafikVon(a, pane);
    return g && pane < GezeigteGrafiken(a) && g->art == BarogrammZeit;
}

}  // namespace

double RadFaktor(int winkel)
{
    const double stufen = std::clamp(winkel / 120.0, -meisteStufen, meisteStufen);
    return std::pow(radStufe, -stufen);
}

int ZoomGrafikBei(const CAnsicht& a, Punkt p)
{
    for (int i = 0; i < GezeigteGrafiken(a); ++i) {
        const Grafik& g = a.ansicht.grafik[static_cast<size_t>(i)];
        const Rechteck& e = g.ecke;
        if ((FolgtDemZoom(g.art) || g.art == BarogrammZeit) && e.left <= p.x && p.x <= e.right && e.top <= p.y && p.y <= e.bottom)
            return i;
    }
    return -1;
}

bool ZoomUmPunkt(CAnsicht& a, const CSarnixDoc& doc, int pane, Punkt p, double faktor)
{
    if (Brauchbar(a, doc, faktor) && ZeigtZeit(a, pane)) {
        const ZeitAbbildung zeit(a, doc, pane);
        const Rechteck& e = zeit.Ecke();
        const double w = Spanne(e.left, e.right);
        if (w <= 0.0)
            return false;
        const ZeitFenster& an = zeit.Fenster();
        const double quer = (std::clamp(p.x, e.left, e.right) - double(e.left)) / w;
        return ZeitZoomUm(a, doc, an, an.von + quer * (double(an.bis) - an.von), faktor);
    }
    const Grafik* g = GrafikVon(a, pane);
    if (!Brauchbar(a, doc, faktor) || !g || pane >= GezeigteGrafiken(a) || !FolgtDemZoom(g->art))
        return false;
    const Rechteck& e = g->ecke;
    const double w = Spanne(e.left, e.right);
    const double h = Spanne(e.top, e.bottom);
    if (w <= 0.0 || h <= 0.0)
        return false;
    const Fenster an = AnzeigeVon(a, doc, pane);
    // Where p lies across and up the pane, 0 to 1, as the mapping places the window's limits.
    const double quer = (std::clamp(p.x, e.left, e.right) - double(e.left)) / w;
    const double hoch = (double(e.bottom) - std::clamp(p.y, e.top, e.bottom)) / h;

    // Axes a kind does not show zoom about their middle.
    double mitteL = (double(a.zoomFenster.laengeMin) + a.zoomFenster.laengeMax) / 2.0;
    double mitteB = (double(a.zoomFenster.breiteMin) + a.zoomFenster.breiteMax) / 2.0;
    switch (g->art) {
    case Grundriss:
        mitteL = an.laengeMin + quer * Spanne(an.laengeMin, an.laengeMax);
        mitteB = an.breiteMin + hoch * Spanne(an.breiteMin, an.breiteMax);
        break;
    case BarogrammWest:
        mitteB = an.breiteMin + quer * Spanne(an.breiteMin, an.breiteMax);
        break;
    default:
        mitteL = an.laengeMin + quer * Spanne(an.laengeMin, an.laengeMax);
        break;
    }
    return ZoomUm(a, an, mitteL, mitteB, faktor);
}

bool ZoomUmMitte(CAnsicht& a, const CSarnixDoc& doc, double faktor)
{
    if (!Brauchbar(a, doc, faktor))
        return false;
    if (ZeigtZeit(a, a.aktiveGrafik)) {
        const ZeitFenster an = ZeitAbbildung(a, doc, a.aktiveGrafik).Fenster();
        return ZeitZoomUm(a, doc, an, (double(an.von) + an.bis) / 2.0, faktor);
    }
    int pane = -1;
    const auto folgt = [&](int i) { return FolgtDemZoom(a.ansicht.grafik[static_cast<size_t>(i)].art); };
    if (a.aktiveGrafik >= 0 && a.aktiveGrafik < GezeigteGrafiken(a) && folgt(a.aktiveGrafik))
        pane = a.aktiveGrafik;
    for (int i = 0; pane < 0 && i < GezeigteGrafiken(a); ++i)
        if (folgt(i))
            pane = i;
    if (pane < 0)
        return false;
    const Fenster& z = a.zoomFenster;
    return ZoomUm(a, AnzeigeVon(a, doc, pane), (double(z.laengeMin) + z.laengeMax) / 2.0,
                  (double(z.breiteMin) + z.breiteMax) / 2.0, faktor);
}

bool Schwenk::Beginnen(const CAnsicht& a, const CSarnixDoc& doc, Punkt p)
{
    pane = -1;
    if (!doc.geladen || !a.ausdehnungUebernommen)
        return false;
    const int bei = ZoomGrafikBei(a, p);
    if (bei < 0)
        return false;
    const Grafik& g = a.ansicht.grafik[static_cast<size_t>(bei)];
    if (g.ecke.right <= g.ecke.left || g.ecke.bottom <= g.ecke.top)
        return false;
    pane = bei;
    art = g.art;
    if (art == BarogrammZeit) {
        zeitAmStart = ZeitAbbildung(a, doc, bei).Fenster();
        flug = FlugZeiten(doc);
    }
    ecke = g.ecke;
    start = p;
    zoomAmStart = a.zoomFenster;
    anzeige = AnzeigeVon(a, doc, bei);
    return true;
}

bool Schwenk::Ziehen(CAnsicht& a, Punkt p) const
{
    if (!Aktiv())
        return false;
    const double dx = double(p.x) - start.x;
    const double dy = double(p.y) - start.y;
    const double w = Spanne(ecke.left, ecke.right);
    const double h = Spanne(ecke.top, ecke.bottom);
    // The window moves against the pointer: dragging to the right brings the west into view.
    if (art == BarogrammZeit) {
        // Moved whole within the flight, like the ground window within its range.
        const double spanne = double(zeitAmStart.bis) - zeitAmStart.von;
        const double weg = double(flug.von) - zeitAmStart.von;
        const double hin = double(flug.bis) - zeitAmStart.bis;
        const auto d = static_cast<int64_t>(std::clamp(std::round(-dx * spanne / w), std::min(0.0, weg), std::max(0.0, hin)));
        return ZeitSetzen(a, flug, int64_t{zeitAmStart.von} + d, int64_t{zeitAmStart.bis} + d);
    }
    double dL = 0.0;
    double dB = 0.0;
    switch (art) {
    case Grundriss:
        dL = -dx * Spanne(anzeige.laengeMin, anzeige.laengeMax) / w;
        dB = dy * Spanne(anzeige.breiteMin, anzeige.breiteMax) / h;
        break;
    case BarogrammWest:
        dB = -dx * Spanne(anzeige.breiteMin, anzeige.breiteMax) / w;
        break;
    default:
        dL = -dx * Spanne(anzeige.laengeMin, anzeige.laengeMax) / w;
        break;
    }
    // Held so that both limits stay in range: the window moves whole or stops, never shrinks.
    const auto verschieben = [](int32_t& min, int32_t& max, double d) {
        const double weg = std::min(0.0, double(fensterGrenzeMin) - min);
        const double hin = std::max(0.0, double(fensterGrenzeMax) - max);
        d = std::clamp(std::round(d), weg, hin);
        min = Grenze(min + d);
        max = Grenze(max + d);
    };
    Fenster neu = zoomAmStart;
    verschieben(neu.laengeMin, neu.laengeMax, dL);
    verschieben(neu.breiteMin, neu.breiteMax, dB);
    return Setzen(a, neu);
}
