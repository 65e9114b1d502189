// What an IGC log leaves to the reader: altitude glitches, climb rate and ground speed.

#include "doc/Igc.h"
#include "doc/Strecke.h"

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
    // The altitudes as recorded: the fixes after i still hold theirs, the ones before i may be
    // replaced already, so those are kept here.
    std::array<int16_t, nachbarn> roh{};
    std::array<int16_t, 2 * nachbarn + 1> fenster{};
    for (size_t i = 0; i < n; ++i) {
        const size_t von = i >= nachbarn ? i - nachbarn : 0;
        const size_t bis = std::min(n - 1, i + nachbarn);
        const size_t anzahl = bis - von + 1;
        const size_t davor = i - von;
        std::copy_n(roh.begin() + static_cast<std::ptrdiff_t>(nachbarn - davor), davor, fenster.begin());
        for (size_t j = i; j <= bis; ++j)
            fenster[j - von] = fixe[j].hoehe;
        const int16_t hier = fenster[davor];
        std::copy(roh.begin() + 1, roh.end(), roh.begin());
        roh.back() = hier;

        int64_t naechster = std::numeric_limits<int64_t>::max();
        if (i > 0)
            naechster = std::min<int64_t>(naechster, std::llabs(int64_t{fixe[i].zeit} - fixe[i - 1].zeit));
        if (i + 1 < n)
            naechster = std::min<int64_t>(naechster, std::llabs(int64_t{fixe[i + 1].zeit} - fixe[i].zeit));
        naechster = std::clamp<int64_t>(naechster, 1, 3600);
        const int64_t grenze = steilsteMeterProSekunde * naechster + hoehenSpielraum;

        // The median lies between the window's lowest and highest: when both are near enough,
        // so is the median, and it need not be found.
        const auto [tiefste, hoechste] = std::minmax_element(fenster.begin(), fenster.begin() + static_cast<std::ptrdiff_t>(anzahl));
        if (int64_t{hier} - *tiefste <= grenze && int64_t{*hoechste} - hier <= grenze)
            continue;
        const auto mitte = fenster.begin() + static_cast<std::ptrdiff_t>(anzahl / 2);
        std::nth_element(fenster.begin(), mitte, fenster.begin() + static_cast<std::ptrdiff_t>(anzahl));
        if (std::llabs(int64_t{hier} - *mitte) > grenze)
            fixe[i].hoehe = *mitte;
    }
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
        Kosinus kosinus;
        size_t letzte = 0;  // the last fix with a position
        for (size_t i = 1; i < fixe.size(); ++i) {
            weg[i] = weg[i - 1];
            if (!fixe[i].hatPosition)
                continue;
            if (fixe[letzte].hatPosition)
                weg[i] += Meter(fixe[letzte], fixe[i], kosinus);
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
