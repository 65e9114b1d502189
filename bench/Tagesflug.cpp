#include "bench/Tagesflug.h"

#include "tools/VrlGenerator.h"

CSarnixDoc& Tagesflug()
{
    static CSarnixDoc doc = [] {
        CSarnixDoc d;
        d.geladen = 1;
        d.LiesAufzeichnung(vrlgen::Erzeuge({vrlgen::FlugArt::Lang, 86400, 1}));
        d.BerechneAusdehnung();
        d.BerechneMassstab();
        d.BerechneTemperaturProfil();
        return d;
    }();
    return doc;
}

void FixeZaehlen(benchmark::State& state)
{
    const auto n = static_cast<int64_t>(Tagesflug().datenListe.size());
    state.counters["fixe"] = static_cast<double>(n);
    state.SetItemsProcessed(state.iterations() * n);
}
