// Any bytes as a recording, drawn by the whole view pipeline in both pane layouts (the time
// barogram and the thermal marks among them), zoomed out and zoomed into a rubber band, with the
// track cursor placed: nothing may crash or hang.

#include "FuzzHilfen.h"

#include "flight/CSarnixDoc.h"
#include "render/Ansicht.h"
#include "render/Zeichenflaeche.h"
#include "pipeline/Layout.h"
#include "pipeline/SpurCursor.h"
#include "pipeline/Zeichnen.h"
#include "pipeline/Zoom.h"
#include "pipeline/ZoomSchwenk.h"

#include <QImage>
#include <QPainter>

namespace {

class KeineUhr final : public CursorUhr {
public:
    void Starte(int, int) override {}
    void Stoppe(int) override {}
};

// Kinds 0..6 and colour modes -1..5: one beyond each end, as a damaged setting could give.
void Waehlen(CAnsicht& a, fuzz::Wahl& wahl)
{
    for (size_t i = 0; i < 2; ++i) {
        a.ansicht.grafik[i].art = static_cast<int8_t>(wahl.Zahl(7));
        a.ansicht.grafik[i].farbe = static_cast<int8_t>(wahl.Zahl(7) - 1);
    }
    a.zeitmarken = wahl.Zahl(2);
    a.wegpunkte = wahl.Zahl(2);
    a.thermiken = wahl.Zahl(2);  // runs the phase detection on every input
    a.aktiveGrafik = static_cast<int8_t>(wahl.Zahl(2));
}

void Zeichne(CSarnixDoc& doc, CAnsicht& a, QImage& bild)
{
    BerechneLayout(a, Rechteck{0, 0, bild.width(), bild.height()});
    QPainter maler(&bild);
    Zeichenflaeche f(maler);
    Zeichnen(doc, a, f);
}

void Durchlauf(CSarnixDoc& doc, fuzz::Wahl& wahl, int breite, int hoehe, int8_t anzahl)
{
    QImage bild(breite, hoehe, QImage::Format_RGB32);
    bild.fill(Qt::white);
    CAnsicht a;
    a.einstellungenLaden = 0;  // the settings file is not part of the input
    Waehlen(a, wahl);
    a.grafikanzahl = anzahl;
    Zeichne(doc, a, bild);
    // The first draw of a flight shows the plan view on the left; choose the kind again.
    a.ansicht.grafik[0].art = static_cast<int8_t>(wahl.Zahl(7));
    Zeichne(doc, a, bild);

    Verkleinern(a);
    Zeichne(doc, a, bild);

    const int pane = BandGrafik(a);
    if (pane >= 0) {
        const Rechteck& ecke = a.ansicht.grafik[static_cast<size_t>(pane)].ecke;
        const auto ort = [&](int32_t von, int32_t bis) {
            return von + (bis > von ? wahl.Zahl(bis - von + 1) : 0);
        };
        a.bandStart = {ort(ecke.left, ecke.right), ort(ecke.top, ecke.bottom)};
        a.bandEnde = {ort(ecke.left, ecke.right), ort(ecke.top, ecke.bottom)};
        BandZuFenster(a, pane);
        Zeichne(doc, a, bild);
    }

    // A wheel turn and a drag at points of the input's choosing, in whatever pane is there.
    const Punkt rad{wahl.Zahl(breite), wahl.Zahl(hoehe)};
    const int radPane = ZoomGrafikBei(a, rad);
    if (radPane >= 0 && ZoomUmPunkt(a, doc, radPane, rad, RadFaktor(wahl.Zahl(4801) - 2400)))
        Zeichne(doc, a, bild);
    Schwenk schwenk;
    if (schwenk.Beginnen(a, doc, Punkt{wahl.Zahl(breite), wahl.Zahl(hoehe)})
        && schwenk.Ziehen(a, Punkt{wahl.Zahl(3 * breite) - breite, wahl.Zahl(3 * hoehe) - hoehe}))
        Zeichne(doc, a, bild);

    // The cursor on the fix nearest a point, then stepped both ways.
    KeineUhr uhr;
    QPainter maler(&bild);
    Zeichenflaeche f(maler);
    CursorZustand zustand;
    CSpurCursor cursor(doc, a, zustand, uhr);
    cursor.Doppelklick(Punkt{wahl.Zahl(breite), wahl.Zahl(hoehe)}, f);
    cursor.CursorBewegen(VK_RIGHT, f);
    cursor.CursorBewegen(VK_LEFT, f);
    cursor.CursorBewegen(VK_LEFT, f);
}

}  // namespace

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
    Durchlauf(doc, wahl, 220, 120, 1);
    Durchlauf(doc, wahl, 400, 300, 2);
    return 0;
}
