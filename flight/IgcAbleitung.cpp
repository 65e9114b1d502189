// What an IGC log leaves to the reader: altitude glitches, climb rate and ground speed.

#include "flight/IgcAbleitung.h"

#include "flight/Igc.h"
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
void ErsetzeAusreisser(std::vector<CDaten>& fixe)
{
    const size_t n = fixe.size();
    if (n < 3)
        return;
    static_assert(nachbarn == 2, "the window is written out for two neighbours either side");
    constexpr size_t breite = 2 * nachbarn + 1;
    // The recorded altitudes of the two fixes before i: they may be replaced already.
    int16_t vorVorher = 0;
    int16_t vorher = 0;
    // Seconds to the fix before, carried from one fix to the next.
    int64_t schrittVorher = std::numeric_limits<int64_t>::max();
    for (size_t i = 0; i < n; ++i) {
        const int64_t schrittDanach = i + 1 < n ? std::llabs(int64_t{fixe[i + 1].zeit} - fixe[i].zeit)
                                                : std::numeric_limits<int64_t>::max();
        const int64_t naechster = std::clamp<int64_t>(std::min(schrittVorher, schrittDanach), 1, 3600);
        schrittVorher = schrittDanach;
        const int32_t grenze = static_cast<int32_t>(steilsteMeterProSekunde * naechster + hoehenSpielraum);
        const int16_t hier = fixe[i].hoehe;
        const std::array<int16_t, breite> roh{vorVorher, vorher, hier, i + 1 < n ? fixe[i + 1].hoehe : int16_t{0},
                                              i + 2 < n ? fixe[i + 2].hoehe : int16_t{0}};
        vorVorher = vorher;
        vorher = hier;

        // The median lies between the window's lowest and highest: when all are near enough,
        // so is the median, and it need not be found. Inside the log the window is whole and
        // the test needs no bounds.
        const auto weitAb = [&](size_t k) { return std::abs(int32_t{roh[k]} - hier) > grenze; };
        bool ausreisser = false;
        size_t erstes = 0;
        size_t letztes = breite - 1;
        if (i >= nachbarn && i + nachbarn < n) {
            for (size_t k = 0; k < breite; ++k)
                ausreisser |= weitAb(k);
        } else {
            erstes = i >= nachbarn ? 0 : nachbarn - i;
            letztes = std::min(breite - 1, n - 1 - i + nachbarn);
            for (size_t k = erstes; k <= letztes; ++k)
                ausreisser |= weitAb(k);
        }
        if (ausreisser) {
            std::array<int16_t, breite> fenster = roh;
            const auto anfang = fenster.begin() + static_cast<std::ptrdiff_t>(erstes);
            const auto ende = fenster.begin() + static_cast<std::ptrdiff_t>(letztes + 1);
            const auto mitte = anfang + (ende - anfang) / 2;
            std::nth_element(anfang, mitte, ende);
            if (std::abs(int32_t{hier} - *mitte) > grenze)
                fixe[i].hoehe = *mitte;
        }
    }
}

}  // namespace

IgcAbleitung::IgcAbleitung(std::vector<CDaten>& fixe, bool hatVario, bool hatGeschwindigkeit)
    : fixe_(fixe), steigen_(!hatVario && !fixe.empty()), fahrt_(!hatGeschwindigkeit && !fixe.empty()),
      fenster_(fensterFertig_.get_future())
{
}

IgcAbleitung::~IgcAbleitung() = default;

void IgcAbleitung::Fenster()
{
    try {
        // The fixes within halbesFenster seconds either side, at least one either side where the
        // log has one; both ends move forward fix by fix.
        const size_t n = fixe_.size();
        if (steigen_ || fahrt_) {
            von_ = std::make_unique_for_overwrite<size_t[]>(n);
            bis_ = std::make_unique_for_overwrite<size_t[]>(n);
        }
        size_t von = 0;
        size_t bis = 0;
        for (size_t i = 0; i < n && (steigen_ || fahrt_); ++i) {
            const int64_t t = fixe_[i].zeit;
            while (von + 1 < i && t - fixe_[von + 1].zeit >= halbesFenster)
                ++von;
            bis = std::max(bis, std::min(i + 1, n - 1));
            while (bis + 1 < n && fixe_[bis].zeit - t < halbesFenster)
                ++bis;
            von_[i] = von;
            bis_[i] = bis;
        }
        fensterFertig_.set_value();
    } catch (...) {
        fensterFertig_.set_exception(std::current_exception());
        throw;
    }
}

void IgcAbleitung::Glaetten()
{
    ErsetzeAusreisser(fixe_);
}

void IgcAbleitung::Steigen()
{
    if (!steigen_)
        return;
    std::vector<CDaten>& fixe = fixe_;
    // The altitude climbed so far, without jumps no glider makes: a receiver that finds its
    // altitude again after a glitch steps by a hundred metres, which is no climb. Every element
    // is written before it is read, so none is cleared first.
    const size_t n = fixe.size();
    const auto gestiegen = std::make_unique_for_overwrite<int64_t[]>(n);
    int64_t hoehe = 0;
    gestiegen[0] = hoehe;
    for (size_t i = 1; i < n; ++i) {
        const int64_t dh = int64_t{fixe[i].hoehe} - fixe[i - 1].hoehe;
        const int64_t schritt = std::clamp<int64_t>(std::llabs(int64_t{fixe[i].zeit} - fixe[i - 1].zeit), 1, 3600);
        const bool sprung = std::llabs(dh) > steilsteMeterProSekunde * schritt + hoehenSpielraum;
        hoehe += sprung ? 0 : dh;
        gestiegen[i] = hoehe;
    }
    fenster_.get();
    for (size_t i = 0; i < n; ++i) {
        const size_t von = von_[i];
        const size_t bis = bis_[i];
        const int64_t dt = int64_t{fixe[bis].zeit} - fixe[von].zeit;
        const int64_t meter = gestiegen[bis] - gestiegen[von];
        // Over ten seconds, as at a fix a second, the metres are the rate in tenths of a metre
        // per second, the same as the division would give, without it.
        if (dt == 10)
            fixe[i].vario = static_cast<int16_t>(std::clamp<int64_t>(meter, std::numeric_limits<int16_t>::min(),
                                                                      std::numeric_limits<int16_t>::max()));
        else if (dt > 0)
            fixe[i].vario = AufInt16(static_cast<double>(meter) * 10.0 / static_cast<double>(dt));
    }
}

void IgcAbleitung::Fahrt()
{
    if (!fahrt_)
        return;
    // The path walked so far.
    std::vector<CDaten>& fixe = fixe_;
    const size_t n = fixe.size();
    const auto weg = std::make_unique_for_overwrite<double[]>(n);
    double strecke = 0.0;
    weg[0] = strecke;
    Kosinus kosinus;
    size_t letzte = 0;  // the last fix with a position
    for (size_t i = 1; i < n; ++i) {
        if (fixe[i].hatPosition) {
            if (fixe[letzte].hatPosition)
                strecke += Meter(fixe[letzte], fixe[i], kosinus);
            letzte = i;
        }
        weg[i] = strecke;
    }
    for (size_t i = 0; i < n; ++i) {
        const size_t von = von_[i];
        const size_t bis = bis_[i];
        const double dt = static_cast<double>(int64_t{fixe[bis].zeit} - fixe[von].zeit);
        if (dt > 0.0)
            fixe[i].sog = AufInt16((weg[bis] - weg[von]) / dt * 36.0);
    }
}

void LeiteIgcWerteAb(IgcFlug& flug)
{
    IgcAbleitung ableitung(flug.fixe, flug.hatVario, flug.hatGeschwindigkeit);
    ableitung.Fenster();
    ableitung.Glaetten();
    ableitung.Steigen();
    ableitung.Fahrt();
}
