// The printed map: grid of meridians and parallels with their labels, header line, time marks
// and the flight's track, at a standard scale that the user confirms.

#include "map/KarteDrucken.h"

#include "doc/CSarnixDoc.h"
#include "map/KartenLage.h"
#include "map/SeitenMass.h"
#include "map/KartenTexte.h"
#include "map/ZeitmarkenDrucken.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int64_t bias = 500000000;

// Every v in [von, bis) whose offset from the bias is a multiple of g, in increasing order.
template <class F>
void Gitterwerte(int64_t von, int64_t bis, int64_t g, F&& f)
{
    const int64_t o = von - bias;
    const int64_t erster = (o / g + (o % g > 0 ? 1 : 0)) * g + bias;
    for (int64_t v = erster; v < bis; v += g)
        f(v);
}

LogFont Kartenschrift(const LogFont& vorher, float pxMmX, bool aufrecht)
{
    LogFont s = vorher;
    s.lfFaceName.clear();
    s.lfPitchAndFamily = 0x20;
    s.lfHeight = AufPixel(-4.0f * pxMmX);  // 4 mm high
    s.lfWidth = 0;
    s.lfWeight = AufPixel(0.1f * pxMmX);
    s.lfEscapement = aufrecht ? 900 : 0;
    return s;
}

// A vertical grid line with its label reading upward from the top edge, centred on the line.
void SenkrechteLinie(Zeichenflaeche& f, const Rechteck& r, int x, const QString& text)
{
    const Groesse g = f.GetTextExtentPoint(text);
    if (g.cx >= x)
        return;  // would run into the labels along the left edge
    f.MoveToEx(x, r.top);
    f.LineTo(x, r.bottom);
    f.TextOut(x - g.cy / 2, r.top + g.cx, text);
}

// A horizontal grid line with its label at the left edge.
void WaagrechteLinie(Zeichenflaeche& f, const Rechteck& r, int y, const QString& text)
{
    const Groesse g = f.GetTextExtentPoint(text);
    if (g.cx >= y)
        return;  // would run into the labels along the top edge
    f.MoveToEx(r.left, y);
    f.LineTo(r.right, y);
    f.TextOut(r.left, y - g.cy / 2, text);
}

// More lines than the page has pixels along them would merge into one black area (near the
// poles a longitude unit is almost nothing); such a family is left out instead of drawn by the
// hundred thousand.
bool Druckbar(int64_t von, int64_t bis, int64_t g, int64_t seitenLaenge)
{
    return bis <= von || (bis - von) / g <= seitenLaenge;
}

void Gitter(Zeichenflaeche& f, const KartenLage& lage, const LogFont& aufrecht, const LogFont& liegend)
{
    const Rechteck& r = lage.mass.seite;
    const int64_t g = GitterAbstand(lage.massstab);
    const int64_t breite = int64_t{r.right} - r.left;
    const int64_t hoehe = int64_t{r.bottom} - r.top;
    if (Druckbar(lage.laengeMin, lage.laengeMax, g, lage.gedreht ? hoehe : breite)) {
        Zeichenflaeche::SchriftWahl schrift(f, lage.gedreht ? liegend : aufrecht);
        Gitterwerte(lage.laengeMin, lage.laengeMax, g, [&](int64_t v) {
            const QString text = GitterText('E', 'W', v - bias);
            if (lage.gedreht)
                WaagrechteLinie(f, r, lage.LaengeAufSeite(v), text);
            else
                SenkrechteLinie(f, r, lage.LaengeAufSeite(v), text);
        });
    }
    if (!Druckbar(lage.breiteMin, lage.breiteMax, g, lage.gedreht ? breite : hoehe))
        return;
    Zeichenflaeche::SchriftWahl schrift(f, lage.gedreht ? aufrecht : liegend);
    Gitterwerte(lage.breiteMin, lage.breiteMax, g, [&](int64_t v) {
        const QString text = GitterText('N', 'S', v - bias);
        if (lage.gedreht)
            SenkrechteLinie(f, r, lage.BreiteAufSeite(v), text);
        else
            WaagrechteLinie(f, r, lage.BreiteAufSeite(v), text);
    });
}

// Every fix with a position joined to the one before; a point on the same pixel adds nothing.
void Spur(const CSarnixDoc& doc, const KartenLage& lage, Zeichenflaeche& f)
{
    Punkt letzter;
    for (const CDaten& d : doc.datenListe) {
        if (!d.hatPosition)
            continue;
        const Punkt p = lage.Seitenpunkt(d.laenge, d.breite);
        if (p == letzter)
            continue;
        // (0, 0) is the start: the first fix only sets the pen down.
        if (letzter.x != 0 && letzter.y != 0) {
            f.MoveToEx(letzter.x, letzter.y);
            f.LineTo(p.x, p.y);
        }
        letzter = p;
    }
}

bool Nutzbar(float wert)
{
    return std::isfinite(wert) && wert > 0.0f;
}

}  // namespace

int KarteDrucken(const CSarnixDoc& doc, Zeichenflaeche& f, float pxMmX, float pxMmY, float breiteMm,
                 float hoeheMm, const Rechteck& seite, const MassstabFrage& frage, KartenInfo* info)
{
    if (!doc.geladen)
        return 0;
    if (!Nutzbar(pxMmX) || !Nutzbar(pxMmY) || !Nutzbar(breiteMm) || !Nutzbar(hoeheMm))
        return 0;  // no scale to draw at

    const KartenEntwurf entwurf = Entwerfen(doc, breiteMm, hoeheMm);
    const bool gedreht = entwurf.gedreht;
    const int vorschlag = entwurf.vorschlag;

    DruckWahl wahl{vorschlag, 1};
    if (frage)
        wahl = frage(vorschlag);
    // Only the standard scales have a grid interval and keep the page's numbers sane.
    const int massstab = IstDruckMassstab(wahl.massstab) ? wahl.massstab : vorschlag;
    if (info)
        *info = KartenInfo{vorschlag, massstab, gedreht, GitterAbstand(massstab)};

    const SeitenMass mass{pxMmX, pxMmY, breiteMm, hoeheMm, seite};
    const KartenLage lage = KartenLage::Berechne(doc, mass, gedreht, massstab);
    const LogFont aufrecht = Kartenschrift(f.AktuelleSchrift(), pxMmX, true);
    const LogFont liegend = Kartenschrift(f.AktuelleSchrift(), pxMmX, false);
    const int duenn = std::max(AufPixel(0.1f * pxMmX), 2);
    const int dick = std::max(AufPixel(0.75f * pxMmX), 10);
    {
        Zeichenflaeche::StiftWahl stift(f, Stift{duenn, RGB(0, 0, 0)});
        Gitter(f, lage, aufrecht, liegend);

        Zeichenflaeche::SchriftWahl schrift(f, liegend);
        const QString kopf = KopfText(massstab, doc.dateiname, doc.flugdatum);
        f.TextOut(seite.left, seite.bottom - f.GetTextExtentPoint(kopf).cy, kopf);
        if (wahl.mitZeitmarken)
            ZeitmarkenDrucken(doc, lage, f);
    }
    if (doc.datenListe.empty())
        return 0;
    Zeichenflaeche::StiftWahl stift(f, Stift{dick, RGB(0, 0, 0)});
    Spur(doc, lage, f);
    return 1;
}

int KarteDrucken(const CSarnixDoc& doc, Zeichenflaeche& f, const SeitenMass& mass, const MassstabFrage& frage,
                 KartenInfo* info)
{
    return KarteDrucken(doc, f, mass.pxMmX, mass.pxMmY, mass.breiteMm, mass.hoeheMm, mass.seite, frage, info);
}
