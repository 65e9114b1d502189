#include "pipeline/BildWahl.h"

#include "flight/CSarnixDoc.h"
#include "render/Abbildung.h"
#include "render/Ansicht.h"
#include "pipeline/GelaendeLesen.h"
#include "pipeline/Layout.h"
#include "pipeline/Zeichnen.h"
#include "pipeline/Zoom.h"

namespace {

// The last of the shown panes that has art `gesucht`, or that shows the ground when gesucht is -1.
int LetzteGrafik(const CAnsicht& a, int anzahl, int gesucht)
{
    int letzte = -1;
    for (int i = 0; i < anzahl; ++i) {
        const int8_t art = a.ansicht.grafik[static_cast<size_t>(i)].art;
        const bool boden = art == Grundriss || art == BarogrammWest || art == BarogrammNord;
        if (gesucht < 0 ? boden : art == gesucht)
            letzte = i;
    }
    return letzte;
}

}  // namespace

CAnsicht AnsichtNachWahl(const CSarnixDoc& doc, const BildWahl& wahl, const Rechteck& client)
{
    CAnsicht a;
    a.einstellungenLaden = 0;  // the choice is given, nothing is read
    a.grafikanzahl = wahl.grafikanzahl;
    a.zeitmarken = wahl.zeitmarken;
    a.wegpunkte = wahl.wegpunkte;
    a.thermiken = wahl.thermiken;
    a.temperaturReferenz = wahl.temperaturReferenz;
    a.wertung = wahl.wertung;
    a.wertungZeigen = wahl.wertung ? 1 : 0;
    a.ansicht.grafik[0].farbe = wahl.linkeFarbe;
    a.ansicht.grafik[1].art = wahl.rechteArt;
    a.ansicht.grafik[1].farbe = wahl.rechteFarbe;
    BerechneLayout(a, client);
    if (!doc.geladen)
        return a;  // nothing is drawn, nothing taken

    // Opened: the whole flight, a plan view on the left.
    a.zoomFenster = doc.ausdehnung;
    a.ausdehnungUebernommen = 1;
    a.ansicht.grafik[0].art = Grundriss;
    if (wahl.zoom) {
        a.zoomFenster.laengeMin = wahl.zoom->laengeMin;
        a.zoomFenster.laengeMax = wahl.zoom->laengeMax;
        a.zoomFenster.breiteMin = wahl.zoom->breiteMin;
        a.zoomFenster.breiteMax = wahl.zoom->breiteMax;
    }
    // Without fixes no graph is drawn and no window fitted.
    const bool gezeichnet = !doc.datenListe.empty();
    const int anzahl = a.grafikanzahl == 1 || a.grafikanzahl == 2 ? a.grafikanzahl : 0;
    const int boden = LetzteGrafik(a, anzahl, -1);
    for (int i = 0; i < wahl.verkleinern; ++i) {
        if (gezeichnet && boden >= 0)
            a.anzeigeFenster = AngepasstesFenster(a, doc, boden);
        Verkleinern(a);
    }
    const int grundriss = LetzteGrafik(a, anzahl, Grundriss);
    if (gezeichnet && grundriss >= 0)
        a.grundrissFenster = AngepasstesFenster(a, doc, grundriss);
    if (gezeichnet && boden >= 0)
        a.anzeigeFenster = AngepasstesFenster(a, doc, boden);
    a.ansicht.grafik[0].art = wahl.linkeArt;
    return a;
}

CAnsicht BildAnsicht(const CSarnixDoc& doc, const BildWahl& wahl, const QImage& leinwand)
{
    CAnsicht a = AnsichtNachWahl(doc, wahl, LogischeGroesse(leinwand));
    if (wahl.gelaende) {
        a.gelaendeRelief = 1;
        a.gelaende = wahl.gelaende->LiesJetzt(doc, a, true);
    }
    return a;
}

QImage WahlBild(const CSarnixDoc& doc, const BildWahl& wahl, CursorZustand* cursor)
{
    QImage bild = Leinwand(wahl.breite, wahl.hoehe, wahl.skalierung);
    if (bild.isNull())
        return bild;
    CAnsicht a = BildAnsicht(doc, wahl, bild);
    NeuZeichnen(doc, a, bild, cursor);
    return bild;
}
