// Take-off and landing from the ground track and the altitude, all over windows of recorded time:
// - Moving: at least 3 m/s (11 km/h) over the ground, as the straight distance covered in the
//   last 10 s. A hiker (1 m/s) stays below it, GPS jitter of a few metres on the ground adds a
//   few tenths, a repeated position or a fix written twice changes nothing, and even a tight
//   thermalling circle covers more than half its path as chord in 10 s.
// - Take-off: moving for 30 s on end; the flight begins where the first of those windows began.
// - Landing: on the last moving fix, once two minutes followed it neither moving nor climbing or
//   sinking by 1 m/s over 30 s (a glider hovering over a ridge in a strong wind still does that).
// - A recorder gap of more than five minutes lands the flight before it, unless the fixes on
//   both sides of it are moving: a recorder that stopped and wrote one more fix on the ground
//   landed before it stopped.
// - An aircraft climbs and sinks from minute to minute, a car on a road hardly does: a stretch of
//   moving whose altitude changes by less than 0.15 m/s on average is no flight. A log without
//   altitudes (all alike) is judged by its speed alone.

#include "flight/Fluege.h"

#include "flight/CDaten.h"
#include "flight/Strecke.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

namespace {

constexpr double flugTempo = 3.0;            // m/s
constexpr int32_t tempoFenster = 10;         // s
constexpr int32_t laengstesFenster = 60;     // s: a longer window spans a gap and says nothing
constexpr int32_t startDauer = 30;           // s
constexpr int32_t steigFenster = 30;         // s
constexpr double schwebeSteigen = 1.0;       // m/s
constexpr int32_t landeDauer = 120;          // s
constexpr int32_t luecke = 300;              // s
constexpr int32_t hoehenSchritt = 60;        // s
constexpr double mindestHoehenwechsel = 0.15;  // m/s
constexpr size_t keiner = std::numeric_limits<size_t>::max();

// A fix with a position of its own and a time later than the one before: of fixes written
// several times with the same time, the first.
struct Punkt {
    size_t index = 0;
    int32_t zeit = 0;
    int32_t neu = 0;  // when its position was recorded first: a repeated one is that old
    size_t fensterVon = 0;  // the point the speed window began at
    bool bewegt = false;
    bool lebendig = false;  // moving, or climbing or sinking as only a flying glider does
};

std::vector<Punkt> Punkte(const std::vector<CDaten>& fixe)
{
    std::vector<Punkt> p;
    p.reserve(fixe.size());
    Kosinus kosinus;
    // The latest point at least `fenster` seconds before the newest point, or keiner.
    const auto fensterAnfang = [&p](size_t& j, int32_t fenster) {
        const size_t k = p.size() - 1;
        while (j + 1 < k && p[j + 1].zeit <= p[k].zeit - fenster)
            ++j;
        const int32_t dt = p[k].zeit - p[j].zeit;
        return dt >= fenster && dt <= laengstesFenster ? j : keiner;
    };
    size_t jTempo = 0;
    size_t jSteigen = 0;
    // The windows of a point reach back only: each is judged as it is added.
    for (size_t i = 0; i < fixe.size(); ++i) {
        const CDaten& jetzt = fixe[i];
        if (jetzt.hatPosition != 1 || (!p.empty() && jetzt.zeit <= p.back().zeit))
            continue;
        if (p.empty()) {
            p.push_back({i, jetzt.zeit, jetzt.zeit});
            continue;
        }
        const CDaten& vorher = fixe[p.back().index];
        const bool wiederholt = vorher.laenge == jetzt.laenge && vorher.breite == jetzt.breite;
        Punkt& neu = p.emplace_back(Punkt{i, jetzt.zeit, wiederholt ? p.back().neu : jetzt.zeit});
        // Between the times the two positions were new: a recorder that repeats a position
        // moved the whole way in the time since it last wrote a new one.
        // A position repeated for long is a recorder standing still, not one that lags.
        if (const size_t j = fensterAnfang(jTempo, tempoFenster); j != keiner) {
            const int32_t seit = std::max(p[j].neu, p[j].zeit - tempoFenster);
            neu.fensterVon = j;
            neu.bewegt = Meter(fixe[p[j].index], jetzt, kosinus) >= flugTempo * std::max(1, neu.neu - seit);
        }
        neu.lebendig = neu.bewegt;
        if (const size_t j = fensterAnfang(jSteigen, steigFenster); j != keiner)
            neu.lebendig |= std::abs(jetzt.hoehe - fixe[p[j].index].hoehe) >= schwebeSteigen * (neu.zeit - p[j].zeit);
    }
    return p;
}

constexpr double stelle = 6.0;  // m: within this of a spot is still there, GPS jitter included

// The last point of the window [von, bis] still at the spot of von: where it left.
size_t Verlassen(const std::vector<CDaten>& fixe, const std::vector<Punkt>& p, size_t von, size_t bis, Kosinus& kosinus)
{
    size_t m = von;
    for (size_t k = von + 1; k <= bis; ++k)
        if (Meter(fixe[p[von].index], fixe[p[k].index], kosinus) <= stelle)
            m = k;
    return m;
}

// The first point of [von, bis] already at the spot of bis: where it came to rest.
size_t Angekommen(const std::vector<CDaten>& fixe, const std::vector<Punkt>& p, size_t von, size_t bis, Kosinus& kosinus)
{
    for (size_t k = von; k < bis; ++k)
        if (Meter(fixe[p[k].index], fixe[p[bis].index], kosinus) <= stelle)
            return k;
    return bis;
}

// Whether the fixes within a minute after point k move.
bool BewegtBald(const std::vector<Punkt>& p, size_t k)
{
    for (size_t m = k; m < p.size() && p[m].zeit - p[k].zeit <= laengstesFenster; ++m)
        if (p[m].bewegt)
            return true;
    return false;
}

// Mean change of altitude a second, from one fix a minute.
double Hoehenwechsel(const std::vector<CDaten>& fixe, const std::vector<Punkt>& p, size_t von, size_t bis)
{
    double summe = 0.0;
    size_t letzter = von;
    for (size_t k = von + 1; k <= bis; ++k)
        if (p[k].zeit - p[letzter].zeit >= hoehenSchritt || k == bis) {
            summe += std::abs(fixe[p[k].index].hoehe - fixe[p[letzter].index].hoehe);
            letzter = k;
        }
    const int32_t dauer = p[bis].zeit - p[von].zeit;
    return dauer > 0 ? summe / dauer : 0.0;
}

}  // namespace

std::vector<Flugabschnitt> FindeFluege(const std::vector<CDaten>& fixe)
{
    const std::vector<Punkt> p = Punkte(fixe);
    std::vector<Flugabschnitt> fluege;
    bool fliegt = false;
    size_t lauf = keiner;  // on the ground: the first point of the present run of moving ones
    size_t start = 0;
    size_t zuletzt = 0;    // in the air: the last point that moved
    size_t lebte = 0;      // and the last that moved, climbed or sank
    size_t frei = 0;       // the first point a take-off may begin at
    Kosinus kosinus;
    const auto lande = [&](size_t letzter) {
        const size_t bis = std::max(start, Angekommen(fixe, p, p[letzter].fensterVon, letzter, kosinus));
        fliegt = false;
        frei = letzter + 1;
        if (const double wechsel = Hoehenwechsel(fixe, p, start, bis); wechsel == 0.0 || wechsel >= mindestHoehenwechsel)
            fluege.push_back({p[start].index, p[bis].index, p[start].zeit, p[bis].zeit});
    };
    for (size_t k = 0; k < p.size(); ++k) {
        if (k > 0 && p[k].zeit - p[k - 1].zeit > luecke) {
            if (fliegt && !(p[k - 1].zeit - p[zuletzt].zeit <= laengstesFenster && BewegtBald(p, k)))
                lande(zuletzt);
            else if (fliegt)
                lebte = k;  // the time without fixes is no time on the ground
            lauf = keiner;
        }
        if (fliegt) {
            if (p[k].bewegt)
                zuletzt = k;
            if (p[k].lebendig)
                lebte = k;
            else if (p[k].zeit - p[lebte].zeit >= landeDauer)
                lande(zuletzt);
            continue;
        }
        if (!p[k].bewegt) {
            lauf = keiner;
            continue;
        }
        if (lauf == keiner)
            lauf = k;
        if (p[k].zeit - p[lauf].zeit >= startDauer) {
            start = std::max(Verlassen(fixe, p, p[lauf].fensterVon, lauf, kosinus), frei);
            zuletzt = k;
            lebte = k;
            fliegt = true;
        }
    }
    if (fliegt)
        lande(zuletzt);
    return fluege;
}
