#include "render/Strich.h"

#include "flight/CSarnixDoc.h"
#include "flight/FarbIndex.h"
#include "render/Abbildung.h"
#include "render/Zeichenflaeche.h"

#include <algorithm>
#include <cstdlib>

void Strich::Zeichne(int32_t px, int32_t py, COLORREF farbe)
{
    const bool nah = std::abs(int64_t{px} - x) <= 1 && std::abs(int64_t{py} - y) <= 1;
    if (!verbunden || nah) {
        f.Tupfen(px, py, farbe);
        f.MoveToEx(px, py);
        verbunden = true;
    } else {
        const Zeichenflaeche::StiftWahl stift(f, Stift{3, farbe});
        f.LineTo(px, py);
    }
    x = px;
    y = py;
    gezeichnet = true;
}

COLORREF FixFarbe(const CSarnixDoc& doc, int8_t farbe, TemperaturReferenzArt referenz, const CDaten& fix)
{
    const int index = std::clamp(FarbIndex(farbe, fix, doc, referenz), 0, CSarnixDoc::anzahlFarben - 1);
    return doc.farbTabelle[static_cast<size_t>(index)];
}

void ZeichneSpur(const CSarnixDoc& doc, const Abbildung& abbildung, int8_t farbe, TemperaturReferenzArt referenz,
                 Zeichenflaeche& f)
{
    Strich strich(f);
    for (const CDaten& fix : doc.datenListe) {
        if (!fix.hatPosition || !abbildung.Innen(fix.laenge, fix.breite)) {
            strich.Unterbrechen();
            continue;
        }
        const Punkt p = abbildung.Pixel(fix.laenge, fix.breite, fix.hoehe);
        if (strich.Wiederholt(p.x, p.y))
            continue;
        strich.Zeichne(p.x, p.y, FixFarbe(doc, farbe, referenz, fix));
    }
}
