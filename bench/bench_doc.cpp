// Opening recordings: read, extent, scale factors and temperature profile; memory per fix; flight
// phases.

#include "doc/CSarnixDoc.h"
#include "doc/Flugphasen.h"
#include "tools/VrlGenerator.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <map>

namespace {

// One generated recording per size, written once into a temporary folder.
const std::string& Aufzeichnung(int64_t fixe)
{
    static QTemporaryDir ordner;
    static std::map<int64_t, std::string> pfade;
    auto& pfad = pfade[fixe];
    if (pfad.empty()) {
        pfad = ordner.path().toStdString() + "/lang-" + std::to_string(fixe) + ".vrl";
        vrlgen::Schreibe({vrlgen::FlugArt::Lang, fixe, 1}, pfad);
    }
    return pfad;
}

void Oeffnen(benchmark::State& state)
{
    const std::string& pfad = Aufzeichnung(state.range(0));
    CSarnixDoc doc;
    for (auto _ : state) {
        doc.OnOpenDocument(pfad);
        benchmark::DoNotOptimize(doc.temperaturProfil.data());
    }
    const double fixe = static_cast<double>(doc.datenListe.size());
    state.counters["fixe"] = fixe;
    state.counters["sizeofCDaten"] = sizeof(CDaten);
    state.counters["bytesProFix"] = static_cast<double>(doc.datenListe.capacity() * sizeof(CDaten)) / fixe;
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(fixe));
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
