#include "pipeline/FensterBild.h"

#include "flight/CSarnixDoc.h"
#include "render/Ansicht.h"
#include "pipeline/Zeichnen.h"
#include "pipeline/Zoom.h"

QImage FensterBild(CSarnixDoc& doc, const BildWahl& wahl)
{
    QImage bild = Leinwand(wahl.breite, wahl.hoehe, wahl.skalierung);
    if (bild.isNull())
        return bild;

    CAnsicht a;
    a.einstellungenLaden = 0;  // the choice is given, nothing is read
    a.grafikanzahl = wahl.grafikanzahl;
    a.zeitmarken = wahl.zeitmarken;
    a.wegpunkte = wahl.wegpunkte;
    a.thermiken = wahl.thermiken;
    a.temperaturReferenz = wahl.temperaturReferenz;
    a.ansicht.grafik[0].farbe = wahl.linkeFarbe;
    a.ansicht.grafik[1].art = wahl.rechteArt;
    a.ansicht.grafik[1].farbe = wahl.rechteFarbe;

    // Every step is followed by a full draw, as in the window: the zoom-out widens what the last
    // draw showed, and the temperature profile shows what the last plan view marked.
    NeuZeichnen(doc, a, bild);  // a new flight: plan view on the left, the whole flight
    if (wahl.zoom) {
        a.zoomFenster.laengeMin = wahl.zoom->laengeMin;
        a.zoomFenster.laengeMax = wahl.zoom->laengeMax;
        a.zoomFenster.breiteMin = wahl.zoom->breiteMin;
        a.zoomFenster.breiteMax = wahl.zoom->breiteMax;
        NeuZeichnen(doc, a, bild);
    }
    for (int i = 0; i < wahl.verkleinern; ++i) {
        Verkleinern(a);
        NeuZeichnen(doc, a, bild);
    }
    if (wahl.linkeArt != Grundriss) {
        a.ansicht.grafik[0].art = wahl.linkeArt;
        NeuZeichnen(doc, a, bild);
    }
    return bild;
}
