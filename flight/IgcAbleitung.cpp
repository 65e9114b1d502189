// What an IGC log leaves to the reader: altitude glitches, climb rate and ground speed.

#include "flight/IgcAbleitung.h"

#include "flight/Strecke.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <memory>
#include <vector>

namespace {

// No glider climbs or sinks faster: an altitude this far from its neighbours' is a glitch of
// the receiver or sensor (one or two fixes kilometres up, then back).
constexpr int64_t steilsteMeterProSekunde = 30;
constexpr int64_t hoehenSpielraum = 10;
constexpr size_t nachbarn = 2;  // either side: a glitch of two fixes is still outvoted
// Climb rate and ground speed are taken over at least this many seconds either side, so 1 m
// altitude steps and position jitter do not read as metres per second.
constexpr int32_t halbesFenster = 5;

// Rounded half away from zero, held to the range of the field. The conversion truncates, and the
// part it cuts off is exact in a double.
int16_t AufInt16(double wert)
{
    constexpr double grenze = std::numeric_limits<int16_t>::max() + 1.0;
    if (!(std::abs(wert) < grenze))
        return wert > 0 ? std::numeric_limits<int16_t>::max() : wert < 0 ? std::numeric_limits<int16_t>::min() : 0;
    const int32_t ganz = static_cast<int32_t>(wert);
    const double rest = wert - ganz;
    return static_cast<int16_t>(std::clamp<int32_t>(ganz + (rest >= 0.5) - (rest <= -0.5), std::numeric_limits<int16_t>::min(),
                                                    std::numeric_limits<int16_t>::max()));
}

// The same for a quotient of whole numbers (divisor above zero), without leaving them.
int16_t AufInt16(int64_t zaehler, int64_t nenner)
{
    const int64_t betrag = (2 * std::llabs(zaehler) + nenner) / (2 * nenner);
    return static_cast<int16_t>(std::clamp<int64_t>(zaehler < 0 ? -betrag : betrag, std::numeric_limits<int16_t>::min(),
                                                    std::numeric_limits<int16_t>::max()));
}

// An altitude that stands off the median of its neighbourhood by more than any glider could
// climb or sink since the nearest fix takes that median. A steady climb or dive is its own
// median and stays. Fix by fix in order: the window holds the altitudes as recorded.
class Ausreisser {
public:
    explicit Ausreisser(std::vector<CDaten>& fixe) : fixe_(fixe) {}

    void Ersetze(size_t i)
    {
        std::vector<CDaten>& fixe = fixe_;
        const size_t n = fixe.size();
        if (n < 3)
            return;
        const int64_t schrittDanach = i + 1 < n ? std::llabs(int64_t{fixe[i + 1].zeit} - fixe[i].zeit)
                                                : std::numeric_limits<int64_t>::max();
        const int64_t naechster = std::clamp<int64_t>(std::min(schrittVorher_, schrittDanach), 1, 3600);
        schrittVorher_ = schrittDanach;
        const int32_t grenze = static_cast<int32_t>(steilsteMeterProSekunde * naechster + hoehenSpielraum);
        const int16_t hier = fixe[i].hoehe;
        std::array<int16_t, breite> fenster{vorVorher_, vorher_, hier, i + 1 < n ? fixe[i + 1].hoehe : int16_t{0},
                                            i + 2 < n ? fixe[i + 2].hoehe : int16_t{0}};
        vorVorher_ = vorher_;
        vorher_ = hier;

        // The median lies between the window's lowest and highest: when all are near enough,
        // so is the median, and it need not be found. Inside the log the window is whole: a test
        // of fixed length, which the compiler unrolls.
        const auto weitAb = [&](size_t k) { return std::abs(int32_t{fenster[k]} - hier) > grenze; };
        const bool innen = i >= nachbarn && i + nachbarn < n;
        const size_t erstes = innen || i >= nachbarn ? 0 : nachbarn - i;
        const size_t letztes = innen ? breite - 1 : std::min(breite - 1, n - 1 - i + nachbarn);
        bool ausreisser = false;
        if (innen) {
            for (size_t k = 0; k < breite; ++k)
                ausreisser |= weitAb(k);
        } else {
            for (size_t k = erstes; k <= letztes; ++k)
                ausreisser |= weitAb(k);
        }
        if (!ausreisser)
            return;
        const auto anfang = fenster.begin() + static_cast<std::ptrdiff_t>(erstes);
        const auto ende = fenster.begin() + static_cast<std::ptrdiff_t>(letztes + 1);
        const auto mitte = anfang + (ende - anfang) / 2;
        std::nth_element(anfang, mitte, ende);
        if (std::abs(int32_t{hier} - *mitte) > grenze)
            fixe[i].hoehe = *mitte;
    }

private:
    static constexpr size_t breite = 2 * nachbarn + 1;
    std::vector<CDaten>& fixe_;
    // The recorded altitudes of the two fixes before: those in the list may be replaced already.
    int16_t vorVorher_ = 0;
    int16_t vorher_ = 0;
    int64_t schrittVorher_ = std::numeric_limits<int64_t>::max();  // seconds to the fix before
};

}  // namespace

void LeiteIgcWerteAb(std::vector<CDaten>& fixe, bool hatVario, bool hatGeschwindigkeit)
{
    const size_t n = fixe.size();
    struct Bisher {
        int64_t gestiegen;  // without jumps no glider makes, such as a receiver finding its altitude again
        double weg;         // from one fix with a position to the next
    };
    // Every element is written before it is read: no pass to clear them first.
    const auto bisher = std::make_unique_for_overwrite<Bisher[]>(n);
    Ausreisser ausreisser(fixe);
    Kosinus kosinus;
    size_t letzte = 0;  // the last fix with a position
    Bisher summen{0, 0.0};  // the running totals, which each fix adds to
    // The glitch of fix j replaced, then the altitude climbed and the path walked up to it.
    const auto bisHier = [&](size_t j) {
        ausreisser.Ersetze(j);
        if (j > 0) {
            const int64_t dh = int64_t{fixe[j].hoehe} - fixe[j - 1].hoehe;
            const int64_t schritt = std::clamp<int64_t>(std::llabs(int64_t{fixe[j].zeit} - fixe[j - 1].zeit), 1, 3600);
            if (std::llabs(dh) <= steilsteMeterProSekunde * schritt + hoehenSpielraum)
                summen.gestiegen += dh;
            if (fixe[j].hatPosition && fixe[letzte].hatPosition)
                summen.weg += Meter(fixe[letzte], fixe[j], kosinus);
        }
        if (fixe[j].hatPosition)
            letzte = j;
        bisher[j] = summen;
    };

    // Both rates over the fixes within halbesFenster seconds either side, at least one either
    // side where the log has one; both ends of the window move forward fix by fix. A long log is
    // taken in blocks that stay in the processor's cache: each pass over it costs more than the
    // arithmetic in it.
    constexpr size_t block = 2048;
    size_t i = 0;
    size_t von = 0;
    size_t bis = 0;
    for (size_t anfang = 0; anfang < n; anfang += block) {
        const size_t ende = std::min(n, anfang + block);
        for (size_t j = anfang; j < ende; ++j)
            bisHier(j);
        if (hatVario && hatGeschwindigkeit)
            continue;
        for (; i < n; ++i) {
            const int64_t t = fixe[i].zeit;
            while (von + 1 < i && t - fixe[von + 1].zeit >= halbesFenster)
                ++von;
            bis = std::max(bis, std::min(i + 1, n - 1));
            while (bis + 1 < n && fixe[bis].zeit - t < halbesFenster)
                ++bis;
            if (bis >= ende)
                break;  // the window reaches into the next block
            const int64_t dt = int64_t{fixe[bis].zeit} - fixe[von].zeit;
            if (dt <= 0)
                continue;
            const int64_t meter = bisher[bis].gestiegen - bisher[von].gestiegen;
            if (!hatVario)
                fixe[i].vario = AufInt16(meter * 10, dt);
            if (!hatGeschwindigkeit)
                fixe[i].sog = AufInt16((bisher[bis].weg - bisher[von].weg) / static_cast<double>(dt) * 36.0);
        }
    }
}
