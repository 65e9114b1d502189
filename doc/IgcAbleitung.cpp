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

// Rounded half away from zero like std::lround, without its library call: the conversion
// truncates, and the part cut off is exact in a double.
int16_t AufInt16(double wert)
{
    if (std::isnan(wert))
        return 0;
    const double begrenzt = std::clamp(wert, -1e6, 1e6);
    const double rest = begrenzt - static_cast<int32_t>(begrenzt);
    // Without branches: which way a value rounds is as good as random to the processor.
    const int32_t ganz = static_cast<int32_t>(begrenzt) + int32_t{rest >= 0.5} - int32_t{rest <= -0.5};
    return static_cast<int16_t>(std::clamp<int32_t>(ganz, std::numeric_limits<int16_t>::min(),
                                                    std::numeric_limits<int16_t>::max()));
}

// An altitude that stands off the median of its neighbourhood by more than any glider could
// climb or sink since the nearest fix takes that median. A steady climb or dive is its own
// median and stays.
void Glaetten(std::vector<CDaten>& fixe)
{
    const size_t n = fixe.size();
    if (n < 3)
        return;
    // The recorded altitudes of fixes i - nachbarn to i + nachbarn, moved along with i: the ones
    // before i may be replaced already.
    constexpr size_t breite = 2 * nachbarn + 1;
    std::array<int16_t, breite> roh{};
    for (size_t k = 0; k <= nachbarn && k < n; ++k)
        roh[nachbarn + k] = fixe[k].hoehe;

    for (size_t i = 0; i < n; ++i) {
        // The window's part inside the log.
        const size_t erstes = i >= nachbarn ? 0 : nachbarn - i;
        const size_t letztes = std::min(breite - 1, n - 1 - i + nachbarn);
        const int16_t hier = roh[nachbarn];

        int64_t naechster = std::numeric_limits<int64_t>::max();
        if (i > 0)
            naechster = std::min<int64_t>(naechster, std::llabs(int64_t{fixe[i].zeit} - fixe[i - 1].zeit));
        if (i + 1 < n)
            naechster = std::min<int64_t>(naechster, std::llabs(int64_t{fixe[i + 1].zeit} - fixe[i].zeit));
        naechster = std::clamp<int64_t>(naechster, 1, 3600);
        const int64_t grenze = steilsteMeterProSekunde * naechster + hoehenSpielraum;

        // The median lies between the window's lowest and highest: when both are near enough,
        // so is the median, and it need not be found.
        int16_t tiefste = hier;
        int16_t hoechste = hier;
        for (size_t k = erstes; k <= letztes; ++k) {
            tiefste = std::min(tiefste, roh[k]);
            hoechste = std::max(hoechste, roh[k]);
        }
        if (int64_t{hier} - tiefste > grenze || int64_t{hoechste} - hier > grenze) {
            std::array<int16_t, breite> fenster = roh;
            const auto anfang = fenster.begin() + static_cast<std::ptrdiff_t>(erstes);
            const auto ende = fenster.begin() + static_cast<std::ptrdiff_t>(letztes + 1);
            const auto mitte = anfang + (ende - anfang) / 2;
            std::nth_element(anfang, mitte, ende);
            if (std::llabs(int64_t{hier} - *mitte) > grenze)
                fixe[i].hoehe = *mitte;
        }

        for (size_t k = 0; k + 1 < breite; ++k)
            roh[k] = roh[k + 1];
        roh[breite - 1] = i + nachbarn + 1 < n ? fixe[i + nachbarn + 1].hoehe : int16_t{0};
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

    const size_t n = fixe.size();
    // The path walked so far, for the ground speed over a window; the altitude climbed so far
    // without jumps no glider makes, for the climb rate: a receiver that finds its altitude
    // again after a glitch steps by a hundred metres, which is no climb.
    std::vector<double> weg(flug.hatGeschwindigkeit ? 0 : n);
    std::vector<int64_t> gestiegen(flug.hatVario ? 0 : n);
    Kosinus kosinus;
    size_t letzte = 0;  // the last fix with a position
    for (size_t i = 1; i < n; ++i) {
        if (!flug.hatVario) {
            const int64_t dh = int64_t{fixe[i].hoehe} - fixe[i - 1].hoehe;
            const int64_t schritt = std::clamp<int64_t>(std::llabs(int64_t{fixe[i].zeit} - fixe[i - 1].zeit), 1, 3600);
            const bool sprung = std::llabs(dh) > steilsteMeterProSekunde * schritt + hoehenSpielraum;
            gestiegen[i] = gestiegen[i - 1] + (sprung ? 0 : dh);
        }
        if (flug.hatGeschwindigkeit)
            continue;
        weg[i] = weg[i - 1];
        if (!fixe[i].hatPosition)
            continue;
        if (fixe[letzte].hatPosition)
            weg[i] += Meter(fixe[letzte], fixe[i], kosinus);
        letzte = i;
    }

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
            fixe[i].vario = AufInt16(static_cast<double>(gestiegen[bis] - gestiegen[von]) * 10.0 / dt);
        if (!flug.hatGeschwindigkeit)
            fixe[i].sog = AufInt16((weg[bis] - weg[von]) / dt * 36.0);
    }
}
