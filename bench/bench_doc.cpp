// Opening recordings: read, extent, scale factors and temperature profile; memory per fix; flight
// phases.

#include "bench/Aufzeichnungen.h"
#include "flight/CSarnixDoc.h"
#include "flight/Flugphasen.h"

#include <benchmark/benchmark.h>


namespace {

void Oeffnen(benchmark::State& state)
{
    OeffnenMessen(state, Aufzeichnung(state.range(0)));
    state.counters["sizeofCDaten"] = sizeof(CDaten);
}
BENCHMARK(Oeffnen)->Arg(86400)->Arg(1000000)->Unit(benchmark::kMillisecond);

void Temperaturprofil(benchmark::State& state)
{
    CSarnixDoc doc;
    doc.OnOpenDocument(Aufzeichnung(state.range(0)));
    for (auto _ : state) {
        doc.temperaturProfil.fill(TemperaturSlot{});
        doc.BerechneTemperaturProfil();
        benchmark::DoNotOptimize(doc.temperaturProfil.data());
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(doc.datenListe.size()));
}
BENCHMARK(Temperaturprofil)->Arg(86400)->Arg(1000000)->Unit(benchmark::kMillisecond);

// A day of circles and glides at one fix a second: the target is under 10 ms.
void Flugphasen(benchmark::State& state)
{
    CSarnixDoc doc;
    doc.OnOpenDocument(Aufzeichnung(state.range(0)));
    size_t phasen = 0;
    for (auto _ : state) {
        const FlugAnalyse analyse = AnalysiereFlug(doc);
        phasen = analyse.phasen.size();
        benchmark::DoNotOptimize(analyse.phasen.data());
    }
    state.counters["phasen"] = static_cast<double>(phasen);
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(doc.datenListe.size()));
}
BENCHMARK(Flugphasen)->Arg(86400)->Unit(benchmark::kMillisecond);

}  // namespace
