#include "render/WertungZeichnen.h"

#include "flight/CSarnixDoc.h"
#include "flight/Wertung.h"
#include "render/Abbildung.h"
#include "render/GrafikAbbildung.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

namespace {

// Dashes long enough to tell from the solid legs at any zoom.
constexpr double strichLang = 8.0;
constexpr double lueckeLang = 6.0;

void Linie(Zeichenflaeche& f, Punkt a, Punkt b)
{
    f.MoveToEx(a.x, a.y);
    f.LineTo(b.x, b.y);
}

void Gestrichelt(Zeichenflaeche& f, Punkt a, Punkt b)
{
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    const double laenge = std::hypot(dx, dy);
    if (!(laenge > 0.0) || laenge > 1e6)
        return;
    for (double s = 0.0; s < laenge; s += strichLang + lueckeLang) {
        const double e = std::min(s + strichLang, laenge);
        const Punkt von{static_cast<int32_t>(std::lround(a.x + dx * s / laenge)),
                        static_cast<int32_t>(std::lround(a.y + dy * s / laenge))};
        const Punkt bis{static_cast<int32_t>(std::lround(a.x + dx * e / laenge)),
                        static_cast<int32_t>(std::lround(a.y + dy * e / laenge))};
        Linie(f, von, bis);
    }
}

// A turnpoint: a hollow square, so it stays visible over the track's colours.
void Wendemarke(Zeichenflaeche& f, Punkt p)
{
    constexpr int r = 5;
    f.Rectangle(p.x - r, p.y - r, p.x + r + 1, p.y + r + 1);
}

}  // namespace

void ZeichneWertungsWeg(const Wertung& w, const BodenAbbild& abbild, Zeichenflaeche& f, int breite)
{
    if (!w.Gewertet() || w.wendepunkte.empty())
        return;
    const Zeichenflaeche::StiftWahl stift(f, Stift{breite, wertungsFarbe});
    const Zeichenflaeche::PinselWahl hohl(f, Pinsel{true});
    std::vector<Punkt> wende;
    for (const WertungsPunkt& p : w.wendepunkte)
        wende.push_back(abbild(p.laenge, p.breite));
    const Punkt start = abbild(w.start.laenge, w.start.breite);
    const Punkt ziel = abbild(w.ziel.laenge, w.ziel.breite);
    if (w.schliessung) {
        // A triangle's legs run between its turnpoints; start and finish only close it.
        for (size_t i = 0; i < wende.size(); ++i)
            Linie(f, wende[i], wende[(i + 1) % wende.size()]);
        Gestrichelt(f, start, ziel);
    } else {
        Punkt vorher = start;
        for (const Punkt& p : wende) {
            Linie(f, vorher, p);
            vorher = p;
        }
        Linie(f, vorher, ziel);
    }
    for (const Punkt& p : wende)
        Wendemarke(f, p);
    for (const Punkt& p : {start, ziel})
        f.Ellipse(p.x - 4, p.y - 4, p.x + 5, p.y + 5);
}

void ZeichneWertung(const CSarnixDoc& doc, const Wertung& w, const CAnsicht& ansicht, Zeichenflaeche& f, int pane)
{
    const Grafik* grafik = GrafikVon(ansicht, pane);
    if (!grafik || !w.Gewertet())
        return;
    const int8_t art = grafik->art;
    if (art == Grundriss) {
        const Abbildung boden(ansicht, doc, pane, art);
        ZeichneWertungsWeg(w, [&](int32_t laenge, int32_t breite) { return boden.Pixel(laenge, breite, 0); }, f);
        return;
    }
    const std::optional<GrafikAbbildung> abbildung = GrafikAbbildung::Von(ansicht, doc, pane);
    if (!abbildung)
        return;
    const Zeichenflaeche::StiftWahl stift(f, Stift{2, wertungsFarbe});
    const Zeichenflaeche::PinselWahl hohl(f, Pinsel{true});
    for (const WertungsPunkt& p : w.wendepunkte) {
        // The altitude of the fix itself; the result keeps only its place and time.
        const int32_t hoehe = p.index < doc.datenListe.size() ? doc.datenListe[p.index].hoehe : 0;
        const std::optional<Punkt> m = abbildung->Pixel(p.laenge, p.breite, p.zeit, hoehe);
        if (!m)
            continue;
        Wendemarke(f, *m);
        // A stroke down to the pane's floor finds the mark again in a dense barogram.
        Gestrichelt(f, Punkt{m->x, m->y + 6}, Punkt{m->x, grafik->ecke.bottom});
    }
}
