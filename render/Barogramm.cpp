// The two barograms, the flight from the side, and their altitude and ground axes.

#include "flight/CSarnixDoc.h"
#include "render/Abbildung.h"
#include "render/Gelaende.h"
#include "render/Gitter.h"
#include "render/Graphen.h"
#include "render/KoordinatenText.h"
#include "render/Stil.h"
#include "render/Strich.h"

namespace {

void ZeichneBarogramm(const CSarnixDoc& doc, CAnsicht& ansicht, Zeichenflaeche& f, int pane,
                      int8_t art)
{
    const Grafik* grafik = GrafikVon(ansicht, pane);
    if (doc.datenListe.empty() || !grafik)
        return;
    FensterAnpassen(ansicht, doc, pane);
    const Abbildung abbildung(ansicht, doc, pane, art);
    ZeichneGelaende(doc, ansicht, f, pane);

    if (art == BarogrammWest)
        ZeichneBreitenachse(doc, ansicht, f, pane, abbildung.SkalaHorizontal());
    else
        ZeichneLaengenachse(doc, ansicht, f, pane, abbildung.SkalaHorizontal());
    if (ansicht.zeitmarken)
        ZeichneZeitmarken(doc, ansicht, f, pane);
    if (ansicht.wegpunkte)
        ZeichneWegpunkte(doc, ansicht, f, pane);
    ZeichneSpur(doc, abbildung, grafik->farbe, ansicht.temperaturReferenz, f);
}

// The ground axis across a barogram: breite looking west, laenge looking north. The step comes
// from the east-west extent for both, as in the plan view.
void ZeichneGrundachse(const CSarnixDoc& doc, const CAnsicht& ansicht, Zeichenflaeche& f, int pane,
                       float sh, bool istBreite)
{
    const Grafik* grafik = GrafikVon(ansicht, pane);
    if (!grafik)
        return;
    ZeichneHoehenachse(doc, ansicht, f, pane);

    const Rechteck& ecke = grafik->ecke;
    const Fenster& fenster = ansicht.anzeigeFenster;
    const int32_t min = istBreite ? fenster.breiteMin : fenster.laengeMin;
    const int32_t max = istBreite ? fenster.breiteMax : fenster.laengeMax;
    const float m = Meterfaktor(istBreite ? doc.meterProBreite : doc.meterProLaenge);

    const Zeichenflaeche::StiftWahl stift(f, Stift{1, stil::gitterGrau});
    const Zeichenflaeche::SchriftWahl schrift(f, stil::Beschriftung(f.AktuelleSchrift(), true));
    const Gitterwerte werte = GitterwerteIn(min, max, GitterSchritt(fenster));
    for (int64_t i = 0; i < werte.anzahl; ++i) {
        const int64_t v = werte.erster + i * werte.schritt;
        const int32_t x =
            PixelAus(static_cast<float>(ecke.left) + static_cast<float>(v - min) * m * sh);
        SenkrechteGitterlinie(f, ecke, x, KoordinatenText(v, istBreite));
    }
}

}  // namespace

void ZeichneBarogrammWest(const CSarnixDoc& doc, CAnsicht& ansicht, Zeichenflaeche& f, int pane)
{
    ZeichneBarogramm(doc, ansicht, f, pane, BarogrammWest);
}

void ZeichneBarogrammNord(const CSarnixDoc& doc, CAnsicht& ansicht, Zeichenflaeche& f, int pane)
{
    ZeichneBarogramm(doc, ansicht, f, pane, BarogrammNord);
}

void ZeichneHoehenachse(const CSarnixDoc& doc, const CAnsicht& ansicht, Zeichenflaeche& f, int pane)
{
    const Grafik* grafik = GrafikVon(ansicht, pane);
    const HoehenSkala skala = HoehenSkalaVon(doc.ausdehnung.hoeheMin, doc.ausdehnung.hoeheMax);
    if (!grafik || skala.oben < skala.unten || skala.schritt <= 0)
        return;
    const Rechteck& ecke = grafik->ecke;
    const int64_t spanne = skala.oben - skala.unten;
    // With no altitude range only the bottom line is drawn, on the bottom edge.
    const float sv = spanne > 0 ? static_cast<float>(ecke.bottom - ecke.top) / static_cast<float>(spanne)
                                : 0.0f;

    const Zeichenflaeche::StiftWahl stift(f, Stift{1, stil::gitterGrau});
    const Zeichenflaeche::SchriftWahl schrift(f, stil::Beschriftung(f.AktuelleSchrift(), false));
    for (int64_t a = skala.unten; a <= skala.oben; a += skala.schritt) {
        const int32_t y = PixelAus(static_cast<float>(ecke.bottom) - static_cast<float>(a - skala.unten) * sv);
        TextLinksVon(f, ecke, y, QString::asprintf("%i m", static_cast<int>(a)));
        f.MoveToEx(ecke.left, y);
        f.LineTo(ecke.right, y);
    }
}

void ZeichneBreitenachse(const CSarnixDoc& doc, const CAnsicht& ansicht, Zeichenflaeche& f, int pane,
                         float sh)
{
    ZeichneGrundachse(doc, ansicht, f, pane, sh, true);
}

void ZeichneLaengenachse(const CSarnixDoc& doc, const CAnsicht& ansicht, Zeichenflaeche& f, int pane,
                         float sh)
{
    ZeichneGrundachse(doc, ansicht, f, pane, sh, false);
}
