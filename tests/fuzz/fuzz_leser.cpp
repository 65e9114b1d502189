// Any bytes as a recording: the reader and the derived values must neither crash nor leave a
// document that breaks its promises (see robust/Plausibel.h).

#include "FuzzHilfen.h"

#include "flight/CSarnixDoc.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    fuzz::GuiStarten(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse)
{
    // One document for all runs, as the program reuses its one document for every open.
    static CSarnixDoc doc;
    fuzz::Oeffnen(doc, daten, groesse);
    return 0;
}
