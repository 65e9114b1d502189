// The plan view: the ground track seen from above over a grid of degrees and minutes.

#include "flight/CSarnixDoc.h"
#include "render/Abbildung.h"
#include "render/Gelaende.h"
#include "render/Gitter.h"
#include "render/Graphen.h"
#include "render/KoordinatenText.h"
#include "render/Stil.h"
#include "render/Strich.h"

void ZeichneGrundriss(const CSarnixDoc& doc, CAnsicht& ansicht, Zeichenflaeche& f, int pane)
{
    const Grafik* grafik = GrafikVon(ansicht, pane);
    if (doc.datenListe.empty() || !grafik)
        return;
    FensterAnpassen(ansicht, doc, pane);
    const Abbildung abbildung(ansicht, doc, pane, Grundriss);
    ZeichneGelaende(doc, ansicht, f, pane);

    ZeichneKoordinatennetz(doc, ansicht, f, pane, abbildung.SkalaHorizontal(),
                           abbildung.SkalaVertikal());
    if (ansicht.zeitmarken)
        ZeichneZeitmarken(doc, ansicht, f, pane);
    if (ansicht.wegpunkte)
        ZeichneWegpunkte(doc, ansicht, f, pane);

    ZeichneSpur(doc, abbildung, grafik->farbe, ansicht.temperaturReferenz, f);
}

void ZeichneKoordinatennetz(const CSarnixDoc& doc, const CAnsicht& ansicht, Zeichenflaeche& f,
                            int pane, float sx, float sy)
{
    const Grafik* grafik = GrafikVon(ansicht, pane);
    if (!grafik)
        return;
    const Rechteck& ecke = grafik->ecke;
    const Fenster& fenster = ansicht.anzeigeFenster;
    const float mL = Meterfaktor(doc.meterProLaenge);
    const float mB = Meterfaktor(doc.meterProBreite);
    const int64_t schritt = GitterSchritt(fenster);
    const LogFont basis = f.AktuelleSchrift();
    const Zeichenflaeche::StiftWahl stift(f, Stift{1, stil::gitterGrau});

    {
        const Zeichenflaeche::SchriftWahl schrift(f, stil::Beschriftung(basis, true));
        const Gitterwerte werte = GitterwerteIn(fenster.laengeMin, fenster.laengeMax, schritt);
        for (int64_t i = 0; i < werte.anzahl; ++i) {
            const int64_t v = werte.erster + i * werte.schritt;
            const int32_t x = PixelAus(static_cast<float>(ecke.left)
                                       + static_cast<float>(v - fenster.laengeMin) * mL * sx);
            SenkrechteGitterlinie(f, ecke, x, KoordinatenText(v, false));
        }
    }

    const Zeichenflaeche::SchriftWahl schrift(f, stil::Beschriftung(basis, false));
    const Gitterwerte werte = GitterwerteIn(fenster.breiteMin, fenster.breiteMax, schritt);
    for (int64_t i = 0; i < werte.anzahl; ++i) {
        const int64_t v = werte.erster + i * werte.schritt;
        const int32_t y = PixelAus(static_cast<float>(ecke.bottom)
                                   - static_cast<float>(v - fenster.breiteMin) * mB * sy);
        f.MoveToEx(ecke.left, y);
        f.LineTo(ecke.right, y);
        TextLinksVon(f, ecke, y, KoordinatenText(v, true));
    }
}
