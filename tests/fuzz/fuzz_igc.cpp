// Any bytes as an IGC log: the reader, the derived values and the summary must neither crash
// nor leave a document that breaks its promises (see robust/Plausibel.h), and reading the log
// in two halves at once must give what reading it in order gives.

#include "FuzzHilfen.h"

#include "flight/CSarnixDoc.h"
#include "robust/IgcGleich.h"
#include "robust/Plausibel.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    fuzz::GuiStarten(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse)
{
    fuzz::Wahl wahl(daten, groesse);
    const auto quelle = static_cast<HoehenQuelle>(wahl.Zahl(3));
    // Most inputs should get past the A record.
    std::string text(reinterpret_cast<const char*>(daten), groesse);
    if (!IgcKopfsatz(text))
        text.insert(0, "AXXX\r\n");

    IgcFlug flug;
    IgcFlug geteilt;
    const bool gelesen = LiesIgc(text, quelle, flug, SIZE_MAX);
    if (gelesen != LiesIgc(text, quelle, geteilt, 0) || (gelesen && !robust::IgcUnterschied(flug, geteilt).empty())) {
        std::fprintf(stderr, "In zwei Hälften anders gelesen: %s\n", robust::IgcUnterschied(flug, geteilt).c_str());
        std::abort();
    }
    if (!gelesen)
        return 0;
    // The document derives the values itself when it opens a log: the same as the reader's.
    static CSarnixDoc geoeffnet;
    geoeffnet.hoehenQuelle = quelle;
    if (!geoeffnet.OeffneInhalt("fuzz.igc", text)) {
        std::fprintf(stderr, "Gelesen, aber nicht geöffnet\n");
        std::abort();
    }
    if (const std::string unterschied = robust::FixeUnterschied(geoeffnet.datenListe, geteilt.fixe); !unterschied.empty()) {
        std::fprintf(stderr, "Beim Öffnen anders abgeleitet: %s\n", unterschied.c_str());
        std::abort();
    }
    const std::string fehler = robust::DokumentFehler(geoeffnet, false, text.size());
    if (!fehler.empty()) {
        std::fprintf(stderr, "Dokument nicht plausibel: %s\n", fehler.c_str());
        std::abort();
    }
    return 0;
}
