// Scoring: a synthetic day of 24 hours at a fix a second, searched to the proven optimum under
// each rule set, and the search's hard case, a straight line of a million fixes, under a time
// limit of 2 s.

#include "flight/CDaten.h"
#include "flight/Koordinaten.h"
#include "flight/Wertung.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

namespace {

CDaten Fix(int32_t zeit, double nordMeter, double ostMeter, double hoehe)
{
    // Around 46° N, where a degree of latitude is 111.15 km and one of longitude 77.3 km.
    CDaten f;
    f.zeit = zeit;
    f.breite = koordinatenNullpunkt + static_cast<int32_t>(std::lround((46.0 + nordMeter / 111150.0) * 600000));
    f.laenge = koordinatenNullpunkt + static_cast<int32_t>(std::lround((7.0 + ostMeter / 77300.0) * 600000));
    f.hatPosition = 1;
    f.hoehe = static_cast<int16_t>(hoehe);
    return f;
}

// Glides of 20 minutes at 11 m/s, each ended by a thermal of six 30 s circles drifting with the
// wind and climbing what the glide lost, the course turning 100° to the right every third
// glide: a day of wandering triangles.
const std::vector<CDaten>& Tag()
{
    static const std::vector<CDaten> fixe = [] {
        std::vector<CDaten> f;
        double nord = 0, ost = 0, hoehe = 2000, kurs = 0.3;
        int glide = 0;
        for (int32_t t = 0; t < 86400;) {
            for (int s = 0; s < 1200 && t < 86400; ++s, ++t) {
                nord += 11 * std::cos(kurs);
                ost += 11 * std::sin(kurs);
                hoehe -= 1;
                f.push_back(Fix(t, nord, ost, hoehe));
            }
            for (int s = 0; s < 180 && t < 86400; ++s, ++t) {
                const double w = 2 * std::numbers::pi * s / 30;
                f.push_back(Fix(t, nord + 50 * std::cos(w) + 0.5 * s, ost + 50 * std::sin(w), hoehe += 1200.0 / 180));
            }
            if (++glide % 3 == 0)
                kurs += 100 * std::numbers::pi / 180;
        }
        return f;
    }();
    return fixe;
}

void WertungTag(benchmark::State& state)
{
    static const char* namen[] = {"xcontest", "ffvl", "olc"};
    const std::vector<CDaten>& fixe = Tag();
    const WertungsRegeln regeln = *RegelnFuer(namen[state.range(0)]);
    Wertung w;
    for (auto _ : state) {
        w = Werte(fixe, 0, fixe.size() - 1, regeln);
        // Through a constant: the writable overload hands a double through an integer register.
        const double punkte = w.punkte;
        benchmark::DoNotOptimize(punkte);
    }
    state.SetLabel(std::string(namen[state.range(0)]) + " " + w.art + " " + std::to_string(w.punkte) + (w.optimal ? "" : " (nicht optimal)"));
}
BENCHMARK(WertungTag)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

void WertungGerade(benchmark::State& state)
{
    static const std::vector<CDaten> fixe = [] {
        std::vector<CDaten> f;
        for (int32_t i = 0; i < 1000000; ++i)
            f.push_back(Fix(i, 0.5 * i, 0.2 * i, 1000));
        return f;
    }();
    WertungsOptionen optionen;
    optionen.zeitlimit = 2;
    Wertung w;
    for (auto _ : state) {
        w = Werte(fixe, 0, fixe.size() - 1, *RegelnFuer("xcontest"), optionen);
        const double punkte = w.punkte;
        benchmark::DoNotOptimize(punkte);
    }
    state.SetLabel(std::to_string(w.punkte) + (w.optimal ? "" : " (nicht optimal)"));
}
BENCHMARK(WertungGerade)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
