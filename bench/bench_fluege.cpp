// Take-off and landing, and the phases of every flight, of a day at one fix a second: as recorded,
// and as a recorder writes it that repeats every 14th position or writes each fix four times.
// The target for detection and phases together is under 10 ms.

#include "bench/Aufzeichnungen.h"
#include "flight/CSarnixDoc.h"
#include "flight/Fluege.h"
#include "flight/Flugphasen.h"

#include <benchmark/benchmark.h>

namespace {

enum Art : int64_t { WieAufgezeichnet, Wiederholt, Vierfach };

std::vector<CDaten> Fixe(int64_t art)
{
    CSarnixDoc doc;
    doc.OnOpenDocument(Aufzeichnung(86400));
    std::vector<CDaten> fixe = doc.datenListe;
    if (art == Wiederholt)
        for (size_t i = 14; i < fixe.size(); i += 14) {
            fixe[i].laenge = fixe[i - 1].laenge;
            fixe[i].breite = fixe[i - 1].breite;
        }
    if (art == Vierfach) {
        std::vector<CDaten> vier;
        vier.reserve(fixe.size() * 4);
        for (const CDaten& f : fixe)
            vier.insert(vier.end(), 4, f);
        fixe = std::move(vier);
    }
    return fixe;
}

void FluegeFinden(benchmark::State& state)
{
    const std::vector<CDaten> fixe = Fixe(state.range(0));
    size_t anzahl = 0;
    for (auto _ : state) {
        const std::vector<Flugabschnitt> fluege = FindeFluege(fixe);
        anzahl = fluege.size();
        benchmark::DoNotOptimize(fluege.data());
    }
    state.counters["fluege"] = static_cast<double>(anzahl);
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(fixe.size()));
}
BENCHMARK(FluegeFinden)->Arg(WieAufgezeichnet)->Arg(Wiederholt)->Arg(Vierfach)->Unit(benchmark::kMillisecond);

void FluegeUndPhasen(benchmark::State& state)
{
    const std::vector<CDaten> fixe = Fixe(state.range(0));
    size_t phasen = 0;
    for (auto _ : state) {
        const FlugAnalyse analyse = AnalysiereFlug(fixe);
        phasen = analyse.phasen.size();
        benchmark::DoNotOptimize(analyse.phasen.data());
    }
    state.counters["phasen"] = static_cast<double>(phasen);
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(fixe.size()));
}
BENCHMARK(FluegeUndPhasen)->Arg(WieAufgezeichnet)->Arg(Wiederholt)->Arg(Vierfach)->Unit(benchmark::kMillisecond);

}  // namespace
