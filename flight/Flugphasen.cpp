// Flight phases from the ground track alone, so recordings with and without airspeed or climb
// values are analysed alike; each flight of the log on its own, from its take-off to its landing.
//
// Thresholds, all in recorded time so that logs of 1 s and of 8 s steps, and logs that repeat a
// position now and then, give the same phases:
// - Heading: of the straight line from the last fix at least a second before, and only when
//   that moved 2 m/s or more, so GPS jitter at low speed does not turn; a repeated position has
//   none and keeps the heading and turning it had, so it neither stops nor turns the glider.
// - Circling: the ground track turns at 4°/s or more (mean of the last 10 s) for 15 s; it ends
//   when the turn stays below 4°/s for 10 s. These are the values glide computers commonly use:
//   a thermalling circle takes 20 to 40 s (9 to 18°/s), a course change or an S-turn on a glide
//   does not last 15 s. A stretch that turned less than one whole circle is not a thermal.
// - Wind: the drift over whole circles, where the air has carried the glider back to its start.

#include "flight/Flugphasen.h"

#include "flight/CDaten.h"
#include "flight/Fluege.h"
#include "flight/CSarnixDoc.h"
#include "flight/Koordinaten.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <numbers>
#include <optional>
#include <utility>

namespace {

constexpr double kursGeschwindigkeit = 2.0;  // m/s
constexpr int32_t kursFenster = 1;           // s
constexpr double kreisDrehrate = 4.0;        // °/s
constexpr double drehFenster = 10.0;         // s
constexpr double kreisBeginn = 15.0;         // s
constexpr double kreisEnde = 10.0;           // s

// The program's earth: 40 000 km around, 600 000 units to the degree.
constexpr double meterProEinheit = 40000000.0 / 360.0 / 600000.0;
constexpr double radProEinheit = std::numbers::pi / 180.0 / 600000.0;

// One fix with a position of its own and a time later than the one before.
struct Punkt {
    size_t index = 0;   // in datenListe
    int32_t zeit = 0;
    int32_t laenge = 0;
    int32_t breite = 0;
    double kurs = 0.0;  // turned so far in degrees, clockwise positive, not wrapped
    bool dreht = false;  // the track turned at the circling rate into this point
};

struct Versatz {
    double ost = 0.0;
    double nord = 0.0;
    double Laenge() const { return std::sqrt(ost * ost + nord * nord); }
};

// cos of a latitude, computed again only when the latitude has moved by a hundredth of a degree:
// the cosine dominated the time of long flights.
class Kosinus {
public:
    double operator()(double breite)
    {
        const auto stufe = static_cast<int64_t>(breite / 6000.0);
        if (stufe != letzteStufe) {
            letzteStufe = stufe;
            wert = std::cos((static_cast<double>(stufe) + 0.5) * 6000.0 * radProEinheit);
        }
        return wert;
    }

private:
    int64_t letzteStufe = INT64_MIN;
    double wert = 1.0;
};

Versatz Zwischen(const Punkt& a, const Punkt& b, Kosinus& kosinus)
{
    const double mitte = (static_cast<double>(a.breite) + b.breite) * 0.5 - koordinatenNullpunkt;
    return {(static_cast<double>(b.laenge) - a.laenge) * meterProEinheit * kosinus(mitte),
            (static_cast<double>(b.breite) - a.breite) * meterProEinheit};
}

Versatz Zwischen(const Punkt& a, const Punkt& b)
{
    Kosinus kosinus;
    return Zwischen(a, b, kosinus);
}

// Course in degrees clockwise from north. A polynomial to 0.001° (Abramowitz and Stegun 4.4.49)
// instead of atan2, which took half of the analysis time.
double Kurs(const Versatz& v)
{
    const double ax = std::abs(v.ost), ay = std::abs(v.nord);
    if (ax == 0.0 && ay == 0.0)
        return 0.0;
    const bool steil = ax > ay;
    const double x = steil ? ay / ax : ax / ay;  // 0..1
    const double x2 = x * x;
    double w = x * (0.9998660 + x2 * (-0.3302995 + x2 * (0.1801410 + x2 * (-0.0851330 + x2 * 0.0208351))));
    w = w * (180.0 / std::numbers::pi);
    if (steil)
        w = 90.0 - w;  // angle from north toward the east or west axis
    if (v.nord < 0.0)
        w = 180.0 - w;
    return v.ost < 0.0 ? -w : w;
}

double Sekunden(const Punkt& a, const Punkt& b) { return static_cast<double>(int64_t{b.zeit} - a.zeit); }

std::vector<Punkt> Punkte(const std::vector<CDaten>& fixe)
{
    std::vector<Punkt> punkte;
    punkte.reserve(fixe.size());
    for (size_t i = 0; i < fixe.size(); ++i)
        if (fixe[i].hatPosition == 1 && (punkte.empty() || fixe[i].zeit > punkte.back().zeit))
            punkte.push_back({i, fixe[i].zeit, fixe[i].laenge, fixe[i].breite});
    std::optional<double> letzterKurs;
    int32_t letzteKurszeit = 0;
    Kosinus kosinus;
    for (size_t k = 1, j = 0; k < punkte.size(); ++k) {
        while (j + 1 < k && punkte[j + 1].zeit <= punkte[k].zeit - kursFenster)
            ++j;
        Punkt& p = punkte[k];
        p.kurs = punkte[k - 1].kurs;
        p.dreht = punkte[k - 1].dreht;
        const Versatz v = Zwischen(punkte[j], p, kosinus);
        if (v.Laenge() < kursGeschwindigkeit * Sekunden(punkte[j], p))
            continue;
        const double kurs = Kurs(v);
        if (letzterKurs) {
            double dreh = kurs - *letzterKurs;
            dreh += dreh > 180.0 ? -360.0 : dreh <= -180.0 ? 360.0 : 0.0;
            p.kurs += dreh;
            p.dreht = std::abs(dreh) >= kreisDrehrate * (p.zeit - letzteKurszeit);
        }
        letzterKurs = kurs;
        letzteKurszeit = p.zeit;
    }
    return punkte;
}

// The circling stretches between start and landing, as pairs of point indices.
std::vector<std::pair<size_t, size_t>> Kreisen(const std::vector<Punkt>& p, size_t start, size_t landung)
{
    std::vector<std::pair<size_t, size_t>> kreise;
    bool kreist = false;
    std::optional<size_t> seit;  // since when the turn rate says the other state
    size_t grenze = start;       // where the phase would change: the turning's first or last point
    size_t kreisVon = start;
    size_t fensterAnfang = start;
    size_t laufAnfang = start;    // where the present run of turning moves began
    size_t letzteDrehung = start;  // the last point reached by a turning move
    for (size_t k = start + 1; k <= landung; ++k) {
        while (fensterAnfang + 1 < k && Sekunden(p[fensterAnfang], p[k]) > drehFenster)
            ++fensterAnfang;
        if (p[k].dreht) {
            if (!p[k - 1].dreht)
                laufAnfang = k - 1;
            letzteDrehung = k;
        }
        const double rate = (p[k].kurs - p[fensterAnfang].kurs) / Sekunden(p[fensterAnfang], p[k]);
        const bool schnell = std::abs(rate) >= kreisDrehrate;
        if (schnell == kreist) {
            seit.reset();
            continue;
        }
        if (!seit) {
            seit = k - 1;
            grenze = kreist ? std::max(kreisVon, letzteDrehung) : (p[k].dreht ? laufAnfang : k - 1);
        }
        if (Sekunden(p[*seit], p[k]) >= (kreist ? kreisEnde : kreisBeginn)) {
            if (kreist)
                kreise.emplace_back(kreisVon, grenze);
            else
                kreisVon = grenze;
            kreist = !kreist;
            seit.reset();
        }
    }
    if (kreist)
        kreise.emplace_back(kreisVon, seit ? grenze : landung);
    // Less than a whole circle is a course change, not a thermal.
    std::erase_if(kreise, [&](const auto& k) { return std::abs(p[k.second].kurs - p[k.first].kurs) < 360.0; });
    return kreise;
}

// Wind from the drift over the whole circles of a thermal.
void Wind(const std::vector<Punkt>& p, size_t von, size_t bis, Flugphase& phase)
{
    const double gedreht = std::abs(p[bis].kurs - p[von].kurs);
    const double ganze = std::floor(gedreht / 360.0) * 360.0;
    if (ganze < 360.0)
        return;
    size_t m = von;
    while (m < bis && std::abs(p[m].kurs - p[von].kurs) < ganze)
        ++m;
    const double dt = Sekunden(p[von], p[m]);
    if (dt <= 0.0)
        return;
    const Versatz drift = Zwischen(p[von], p[m]);
    const double nach = std::atan2(drift.ost, drift.nord) * 180.0 / std::numbers::pi;
    phase.windRichtung = std::fmod(nach + 540.0, 360.0);
    phase.windGeschwindigkeit = drift.Laenge() / dt * 3.6;
}

Flugphase Phase(const std::vector<CDaten>& fixe, const std::vector<Punkt>& p, size_t von, size_t bis, PhasenArt art)
{
    Flugphase phase;
    phase.art = art;
    phase.von = p[von].index;
    phase.bis = p[bis].index;
    phase.zeitVon = p[von].zeit;
    phase.zeitBis = p[bis].zeit;
    phase.hoeheVon = fixe[phase.von].hoehe;
    phase.hoeheBis = fixe[phase.bis].hoehe;
    phase.dauer = Sekunden(p[von], p[bis]);
    const double differenz = static_cast<double>(phase.hoeheBis) - phase.hoeheVon;
    phase.mittelSteigen = differenz / phase.dauer;
    phase.strecke = Zwischen(p[von], p[bis]).Laenge();
    phase.geschwindigkeit = phase.strecke / phase.dauer * 3.6;
    if (art == PhasenArt::Gleiten && differenz < 0.0)
        phase.gleitzahl = phase.strecke / -differenz;
    if (art == PhasenArt::Thermik)
        Wind(p, von, bis, phase);
    int64_t laenge = 0;
    int64_t breite = 0;
    for (size_t k = von; k <= bis; ++k) {
        laenge += p[k].laenge;
        breite += p[k].breite;
    }
    const auto anzahl = static_cast<int64_t>(bis - von + 1);
    phase.laenge = static_cast<int32_t>(laenge / anzahl);
    phase.breite = static_cast<int32_t>(breite / anzahl);
    return phase;
}

// The figures of phases that lasted flugzeit seconds in the air.
FlugStatistik Statistik(const std::vector<Flugphase>& phasen, double flugzeit)
{
    FlugStatistik s;
    s.flugzeit = flugzeit;
    double kreisen = 0.0, gewinn = 0.0, gleitStrecke = 0.0, gleitVerlust = 0.0, strecke = 0.0;
    for (size_t i = 0; i < phasen.size(); ++i) {
        const Flugphase& phase = phasen[i];
        strecke += phase.strecke;
        if (phase.art == PhasenArt::Thermik) {
            ++s.anzahlThermiken;
            kreisen += phase.dauer;
            gewinn += phase.hoeheBis - phase.hoeheVon;
            if (!s.besteThermik || phase.mittelSteigen > phasen[*s.besteThermik].mittelSteigen)
                s.besteThermik = i;
        } else {
            gleitStrecke += phase.strecke;
            gleitVerlust += phase.hoeheVon - phase.hoeheBis;
        }
    }
    s.anteilKreisen = s.flugzeit > 0.0 ? std::min(1.0, kreisen / s.flugzeit) : 0.0;
    s.mittelSteigen = kreisen > 0.0 ? gewinn / kreisen : 0.0;
    if (gleitVerlust > 0.0)
        s.mittlereGleitzahl = gleitStrecke / gleitVerlust;
    s.schnittGeschwindigkeit = s.flugzeit > 0.0 ? strecke / s.flugzeit * 3.6 : 0.0;
    return s;
}

void StartUndLandung(FlugStatistik& s, const Flugabschnitt& start, const Flugabschnitt& landung)
{
    s.geflogen = true;
    s.start = start.start;
    s.startZeit = start.startZeit;
    s.landung = landung.landung;
    s.landeZeit = landung.landeZeit;
}

FlugAuswertung Auswertung(const std::vector<CDaten>& fixe, const std::vector<Punkt>& p, const Flugabschnitt& flug)
{
    const auto punkt = [&p](size_t index) {
        return static_cast<size_t>(std::lower_bound(p.begin(), p.end(), index, [](const Punkt& q, size_t i) { return q.index < i; }) - p.begin());
    };
    const size_t start = punkt(flug.start);
    const size_t landung = punkt(flug.landung);
    FlugAuswertung a;
    size_t weiter = start;  // where the next glide begins
    for (const auto& [kreisVon, kreisBis] : Kreisen(p, start, landung)) {
        // Circling stretches may touch or overlap by a fix; phases never overlap.
        const size_t von = std::max<size_t>(kreisVon, weiter);
        const size_t bis = std::min<size_t>(kreisBis, landung);
        if (bis <= von)
            continue;
        if (von > weiter)
            a.phasen.push_back(Phase(fixe, p, weiter, von, PhasenArt::Gleiten));
        a.phasen.push_back(Phase(fixe, p, von, bis, PhasenArt::Thermik));
        weiter = bis;
    }
    if (landung > weiter)
        a.phasen.push_back(Phase(fixe, p, weiter, landung, PhasenArt::Gleiten));
    a.statistik = Statistik(a.phasen, flug.Dauer());
    StartUndLandung(a.statistik, flug, flug);
    return a;
}

}  // namespace

FlugAnalyse AnalysiereFlug(const std::vector<CDaten>& fixe, const std::vector<Flugabschnitt>& fluege)
{
    FlugAnalyse analyse;
    if (fluege.empty())
        return analyse;
    const std::vector<Punkt> p = Punkte(fixe);
    double flugzeit = 0.0;
    for (const Flugabschnitt& flug : fluege) {
        analyse.fluege.push_back(Auswertung(fixe, p, flug));
        const std::vector<Flugphase>& phasen = analyse.fluege.back().phasen;
        analyse.phasen.insert(analyse.phasen.end(), phasen.begin(), phasen.end());
        flugzeit += flug.Dauer();
    }
    // The whole log counts its time in the air only, not the time on the ground between flights.
    analyse.statistik = Statistik(analyse.phasen, flugzeit);
    StartUndLandung(analyse.statistik, fluege.front(), fluege.back());
    return analyse;
}

FlugAnalyse AnalysiereFlug(const std::vector<CDaten>& fixe) { return AnalysiereFlug(fixe, FindeFluege(fixe)); }

FlugAnalyse AnalysiereFlug(const CSarnixDoc& doc) { return AnalysiereFlug(doc.datenListe, doc.Fluege()); }
