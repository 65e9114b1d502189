#include "bench/Aufzeichnungen.h"

#include "flight/CSarnixDoc.h"
#include "tools/VrlGenerator.h"

#include <QTemporaryDir>

#include <map>

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

void OeffnenMessen(benchmark::State& state, const std::string& pfad)
{
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
