#include "printmap/ZeitmarkenDrucken.h"

#include "flight/CSarnixDoc.h"
#include "printmap/KartenLage.h"
#include "printmap/KartenTexte.h"
#include "render/Zeitmarken.h"

void ZeitmarkenDrucken(const CSarnixDoc& doc, const KartenLage& lage, Zeichenflaeche& f)
{
    const int abstand =
        ZeitmarkenAbstand(AufgezeichneteSekunden(doc.datenListe, [](const CDaten&) { return true; })) * 60;
    for (size_t i = 0; i < doc.datenListe.size(); ++i) {
        const CDaten& d = doc.datenListe[i];
        if (!d.hatPosition || !ZeitmarkeFaellig(doc.datenListe, i, abstand, doc.igc.istIgc))
            continue;
        const Punkt p = lage.Seitenpunkt(d.laenge, d.breite);
        const QString text = ZeitText(d.zeit + doc.zeitBezug.versatz);
        const Groesse g = f.GetTextExtentPoint(text);
        // A label cut off by the right edge would be misread: leave the whole mark out.
        if (int64_t{p.x} + 20 + g.cx > lage.mass.seite.right)
            continue;
        f.TextOut(p.x + 20, p.y - g.cy / 2, text);
        f.Ellipse(p.x - 15, p.y - 15, p.x + 15, p.y + 15);
    }
}
