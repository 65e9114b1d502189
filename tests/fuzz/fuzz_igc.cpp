// Any bytes as an IGC log: the reader, the derived values and the summary must neither crash
// nor leave a document that breaks its promises (see robust/Plausibel.h), and a log the reader
// finds fixes in must open.

#include "FuzzHilfen.h"

#include "flight/CSarnixDoc.h"
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

    Flugdaten flug;
    if (!LiesIgc(text, quelle, flug))
        return 0;
    static CSarnixDoc geoeffnet;
    geoeffnet.hoehenQuelle = quelle;
    if (!geoeffnet.OeffneInhalt("fuzz.igc", text) || geoeffnet.datenListe.size() != flug.fixe.size()) {
        std::fprintf(stderr, "Gelesen, aber nicht so geöffnet\n");
        std::abort();
    }
    const std::string fehler = robust::DokumentFehler(geoeffnet, false, text.size());
    if (!fehler.empty()) {
        std::fprintf(stderr, "Dokument nicht plausibel: %s\n", fehler.c_str());
        std::abort();
    }
    return 0;
}
