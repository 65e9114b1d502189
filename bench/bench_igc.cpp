// Opening IGC logs with everything derived, against the .vrl of the same flight (Oeffnen in
// bench_doc.cpp): the 24-hour log at one fix a second and a log of a million fixes.

#include "doc/CSarnixDoc.h"
#include "tools/VrlGenerator.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>

namespace {

// The generated long flight, written as an IGC log with airspeed and air temperature; climb
// rate and ground speed are left for the reader to derive.
const std::string& IgcLog(int64_t fixe)
{
    static QTemporaryDir ordner;
    static std::map<int64_t, std::string> pfade;
    auto& pfad = pfade[fixe];
    if (!pfad.empty())
        return pfad;
    const std::string vrl = ordner.path().toStdString() + "/lang-" + std::to_string(fixe) + ".vrl";
    vrlgen::Schreibe({vrlgen::FlugArt::Lang, fixe, 1}, vrl);
    CSarnixDoc doc;
    doc.OnOpenDocument(vrl);

    pfad = ordner.path().toStdString() + "/lang-" + std::to_string(fixe) + ".igc";
    std::ofstream log(pfad, std::ios::binary);
    log << "AXXX001\r\nHFDTE150726\r\nHFPLTPILOTINCHARGE:Bench\r\nI023638TAS3942OAT\r\n";
    char zeile[64];
    for (const CDaten& d : doc.datenListe) {
        const int64_t b = std::llabs(int64_t{d.breite} - 500000000) / 10;
        const int64_t l = std::llabs(int64_t{d.laenge} - 500000000) / 10;
        const int t = d.zeit % 86400;
        std::snprintf(zeile, sizeof zeile, "B%02d%02d%02d%02d%05d%c%03d%05d%cA%05d%05d%03d%04d\r\n", t / 3600,
                      t / 60 % 60, t % 60, static_cast<int>(b / 60000), static_cast<int>(b % 60000),
                      d.breite >= 500000000 ? 'N' : 'S', static_cast<int>(l / 60000), static_cast<int>(l % 60000),
                      d.laenge >= 500000000 ? 'E' : 'W', std::abs(d.hoehe) % 100000, std::abs(d.hoehe) % 100000,
                      d.tas / 10 % 1000, (d.temperatur - 2732) % 1000);
        log << zeile;
    }
    return pfad;
}

void IgcOeffnen(benchmark::State& state)
{
    const std::string& pfad = IgcLog(state.range(0));
    CSarnixDoc doc;
    for (auto _ : state) {
        doc.OnOpenDocument(pfad);
        benchmark::DoNotOptimize(doc.temperaturProfil.data());
    }
    const double fixe = static_cast<double>(doc.datenListe.size());
    state.counters["fixe"] = fixe;
    state.counters["bytesProFix"] = static_cast<double>(doc.datenListe.capacity() * sizeof(CDaten)) / fixe;
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(fixe));
}
BENCHMARK(IgcOeffnen)->Arg(86400)->Arg(1000000)->Unit(benchmark::kMillisecond);

}  // namespace
