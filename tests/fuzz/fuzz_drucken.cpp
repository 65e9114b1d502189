// Any bytes as a recording, printed as a map onto a small page at a scale taken from the input:
// the grid, header, time marks and track must neither crash nor hang.

#include "FuzzHilfen.h"

#include "flight/CSarnixDoc.h"
#include "printmap/KarteDrucken.h"
#include "render/Zeichenflaeche.h"

#include <QImage>
#include <QPainter>
#include <array>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    fuzz::GuiStarten(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse)
{
    static CSarnixDoc doc;
    fuzz::Oeffnen(doc, daten, groesse);
    fuzz::Wahl wahl(daten, groesse);

    // The scales the scale dialog can answer with; 0 keeps the proposal.
    constexpr std::array<int, 8> massstaebe{0, 25000, 50000, 100000, 200000, 250000, 500000, 1000000};
    const int gewaehlt = massstaebe[static_cast<size_t>(wahl.Zahl(static_cast<int>(massstaebe.size())))];
    const int zeitmarken = wahl.Zahl(2);
    const MassstabFrage frage = [&](int vorschlag) {
        return DruckWahl{gewaehlt != 0 ? gewaehlt : vorschlag, zeitmarken};
    };

    // A small page at a low resolution: 300 x 420 pixels, 1.5 pixels per millimetre.
    constexpr int breite = 300;
    constexpr int hoehe = 420;
    constexpr float pxMm = 1.5f;
    QImage seite(breite, hoehe, QImage::Format_RGB32);
    seite.fill(Qt::white);
    QPainter maler(&seite);
    Zeichenflaeche f(maler);
    const int gezeichnet = KarteDrucken(doc, f, pxMm, pxMm, breite / pxMm, hoehe / pxMm,
                                        Rechteck{0, 0, breite, hoehe}, frage);
    if (gezeichnet != (doc.geladen && !doc.datenListe.empty() ? 1 : 0)) {
        std::fprintf(stderr, "KarteDrucken meldet %d\n", gezeichnet);
        std::abort();
    }
    return 0;
}
