// What an IGC log leaves to the reader: altitude glitches, climb rate and ground speed.

#include "doc/Igc.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>

namespace {

// No glider climbs or sinks faster: an altitude this far from its neighbours' is a glitch of
// the receiver or sensor (one or two fixes kilometres up, then back).
constexpr int64_t steilsteMeterProSekunde = 30;
constexpr int64_t hoehenSpielraum = 10;
constexpr size_t nachbarn = 2;  // either side: a glitch of two fixes is still outvoted
// Climb rate and ground speed are taken over at least this many seconds either side, so 1 m
// altitude steps and position jitter do not read as metres per second.
constexpr int32_t halbesFenster = 5;
constexpr double meterProEinheit = 1852.0 / 10000.0;  // a ten-thousandth of an arc minute
constexpr double nullpunkt = 500000000.0;
constexpr double radProEinheit = 3.14159265358979323846 / 180.0 / 600000.0;

int16_t AufInt16(double wert)
{
    if (std::isnan(wert))
        return 0;
    return static_cast<int16_t>(std::clamp(std::lround(std::clamp(wert, -1e6, 1e6)),
                                           long{std::numeric_limits<int16_t>::min()},
                                           long{std::numeric_limits<int16_t>::max()}));
}

// An altitude that stands off the median of its neighbourhood by more than any glider could
// climb or sink since the nearest fix takes that median. A steady climb or dive is its own
// median and stays.
void Glaetten(std::vector<CDaten>& fixe)
{
    const size_t n = fixe.size();
    if (n < 3)
        return;
    std::vector<int16_t> roh(n);
    for (size_t i = 0; i < n; ++i)
        roh[i] = fixe[i].hoehe;
    std::array<int16_t, 2 * nachbarn + 1> fenster{};
    for (size_t i = 0; i < n; ++i) {
        const size_t von = i >= nachbarn ? i - nachbarn : 0;
        const size_t bis = std::min(n - 1, i + nachbarn);
        const size_t anzahl = bis - von + 1;
        std::copy(roh.begin() + static_cast<std::ptrdiff_t>(von),
                  roh.begin() + static_cast<std::ptrdiff_t>(bis + 1), fenster.begin());
        const auto mitte = fenster.begin() + static_cast<std::ptrdiff_t>(anzahl / 2);
        std::nth_element(fenster.begin(), mitte, fenster.begin() + static_cast<std::ptrdiff_t>(anzahl));
        int64_t naechster = std::numeric_limits<int64_t>::max();
        if (i > 0)
            naechster = std::min<int64_t>(naechster, std::llabs(int64_t{fixe[i].zeit} - fixe[i - 1].zeit));
        if (i + 1 < n)
            naechster = std::min<int64_t>(naechster, std::llabs(int64_t{fixe[i + 1].zeit} - fixe[i].zeit));
        naechster = std::clamp<int64_t>(naechster, 1, 3600);
        if (std::llabs(int64_t{roh[i]} - *mitte) > steilsteMeterProSekunde * naechster + hoehenSpielraum)
            fixe[i].hoehe = *mitte;
    }
}

double Abstand(const CDaten& a, const CDaten& b)
{
    const double mitte = ((a.breite + static_cast<double>(b.breite)) * 0.5 - nullpunkt) * radProEinheit;
    const double dy = (static_cast<double>(b.breite) - a.breite) * meterProEinheit;
    const double dx = (static_cast<double>(b.laenge) - a.laenge) * meterProEinheit * std::cos(mitte);
    return std::sqrt(dx * dx + dy * dy);
}

}  // namespace

void LeiteIgcWerteAb(IgcFlug& flug)
{
    std::vector<CDaten>& fixe = flug.fixe;
    if (fixe.empty())
        return;
    Glaetten(fixe);
    if (flug.hatVario && flug.hatGeschwindigkeit)
        return;

    // The path walked so far, for the ground speed over a window.
    std::vector<double> weg;
    if (!flug.hatGeschwindigkeit) {
        weg.resize(fixe.size());
        size_t letzte = 0;  // the last fix with a position
        for (size_t i = 1; i < fixe.size(); ++i) {
            weg[i] = weg[i - 1];
            if (!fixe[i].hatPosition)
                continue;
            if (fixe[letzte].hatPosition)
                weg[i] += Abstand(fixe[letzte], fixe[i]);
            letzte = i;
        }
    }

    const size_t n = fixe.size();
    size_t von = 0;
    size_t bis = 0;
    for (size_t i = 0; i < n; ++i) {
        const int64_t t = fixe[i].zeit;
        while (von + 1 < i && t - fixe[von + 1].zeit >= halbesFenster)
            ++von;
        bis = std::max(bis, std::min(i + 1, n - 1));
        while (bis + 1 < n && fixe[bis].zeit - t < halbesFenster)
            ++bis;
        const double dt = static_cast<double>(int64_t{fixe[bis].zeit} - fixe[von].zeit);
        if (dt <= 0.0)
            continue;
        if (!flug.hatVario)
            fixe[i].vario = AufInt16((int64_t{fixe[bis].hoehe} - fixe[von].hoehe) * 10.0 / dt);
        if (!flug.hatGeschwindigkeit)
            fixe[i].sog = AufInt16((weg[bis] - weg[von]) / dt * 36.0);
    }
}
