// Opening IGC logs with everything derived, against the .vrl of the same flight (Oeffnen in
// bench_doc.cpp): the 24-hour log at one fix a second and a log of a million fixes.

#include "bench/Aufzeichnungen.h"
#include "flight/CSarnixDoc.h"
#include "flight/IgcZusammenfassung.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>
#include <string>

namespace {

// The generated long flight, written as an IGC log with airspeed and air temperature; climb
// rate and ground speed are left for the reader to derive.
const std::string& IgcLog(int64_t fixe)
{
    static std::map<int64_t, std::string> pfade;
    auto& pfad = pfade[fixe];
    if (!pfad.empty())
        return pfad;
    const std::string& vrl = Aufzeichnung(fixe);
    CSarnixDoc doc;
    doc.OnOpenDocument(vrl);

    pfad = vrl.substr(0, vrl.size() - 4) + ".igc";
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
    OeffnenMessen(state, IgcLog(state.range(0)));
}
BENCHMARK(IgcOeffnen)->Arg(86400)->Arg(1000000)->Unit(benchmark::kMillisecond);

// The same log with its lines ended by CR alone, as old recorders' software writes them: as fast
// as with CR LF, not slower with every line.
void IgcOeffnenNurCr(benchmark::State& state)
{
    const std::string& crlf = IgcLog(state.range(0));
    const std::string pfad = crlf.substr(0, crlf.size() - 4) + "-cr.igc";
    std::ifstream ein(crlf, std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(ein)), std::istreambuf_iterator<char>());
    std::erase(text, '\n');
    std::ofstream(pfad, std::ios::binary) << text;
    OeffnenMessen(state, pfad);
}
BENCHMARK(IgcOeffnenNurCr)->Arg(86400)->Unit(benchmark::kMillisecond);

// The summary, which opening leaves until "Flug Informationen", an export or `info` asks for it.
void IgcZusammenfassungBerechnen(benchmark::State& state)
{
    CSarnixDoc doc;
    doc.OnOpenDocument(IgcLog(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(IgcZusammenfassung(doc.datenListe, FindeFluege(doc.datenListe)));
}
BENCHMARK(IgcZusammenfassungBerechnen)->Arg(86400)->Unit(benchmark::kMillisecond);

}  // namespace
