#include "pipeline/Zeichnen.h"

#include "doc/CSarnixDoc.h"
#include "render/Legende.h"
#include "render/Ansicht.h"
#include "render/Graphen.h"
#include "pipeline/Einstellungen.h"
#include "pipeline/Layout.h"
#include "pipeline/SpurCursor.h"

#include <QImage>
#include <QPainter>

namespace {

// Drawing the markers and the readout starts no timers.
class KeineUhr final : public CursorUhr {
public:
    void Starte(int, int) override {}
    void Stoppe(int) override {}
};

void ZeichneGraph(CSarnixDoc& doc, CAnsicht& a, Zeichenflaeche& f, int pane)
{
    switch (a.ansicht.grafik[static_cast<size_t>(pane)].art) {
    case Grundriss:
        ZeichneGrundriss(doc, a, f, pane);
        break;
    case BarogrammWest:
        ZeichneBarogrammWest(doc, a, f, pane);
        break;
    case BarogrammNord:
        ZeichneBarogrammNord(doc, a, f, pane);
        break;
    case Temperaturverlauf:
        ZeichneTemperaturverlauf(doc, a, f, pane);
        break;
    default:
        break;
    }
}

}  // namespace

bool Zeichnen(CSarnixDoc& doc, CAnsicht& a, Zeichenflaeche& f)
{
    bool neuZeichnen = false;
    if (a.einstellungenLaden) {
        EinstellungenLesen(a);
        a.einstellungenLaden = 0;
        neuZeichnen = true;
    }
    if (!doc.geladen)
        return neuZeichnen;

    if (!doc.ausdehnungUebernommen) {
        a.zoomFenster = doc.ausdehnung;
        doc.ausdehnungUebernommen = 1;
        a.ansicht.grafik[0].art = Grundriss;
    }

    // Only pane counts of 1 and 2 have a layout.
    const int anzahl = a.grafikanzahl == 1 || a.grafikanzahl == 2 ? a.grafikanzahl : 0;
    for (int i = 0; i < anzahl; ++i) {
        ZeichneTitel(doc, a, f, i);
        if (anzahl == 1)
            LegendeSeitlich(doc, a, f, i);
        else
            LegendeOben(doc, a, f, i);
        ZeichneGraph(doc, a, f, i);
    }

    ZeichneAuswahlStreifen(a, f);

    KeineUhr uhr;
    CSpurCursor(doc, a, uhr).ZeichneCursor(5, f);
    return neuZeichnen;
}

void NeuZeichnen(CSarnixDoc& doc, CAnsicht& a, QImage& bild)
{
    bool nochmal = true;
    while (nochmal) {  // at most twice: the settings are read only once
        // White rather than the style's window colour: the same picture on every platform.
        bild.fill(Qt::white);
        BerechneLayout(a, Rechteck{0, 0, bild.width(), bild.height()});
        QPainter maler(&bild);
        Zeichenflaeche flaeche(maler);
        nochmal = Zeichnen(doc, a, flaeche);
    }
}
