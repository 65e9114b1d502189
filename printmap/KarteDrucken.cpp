// The printed map: grid of meridians and parallels with their labels, header line, time marks
// and the flight's track, at a standard scale that the user confirms.

#include "printmap/KarteDrucken.h"

#include "flight/CSarnixDoc.h"
#include "flight/Koordinaten.h"
#include "printmap/KartenLage.h"
#include "printmap/SeitenMass.h"
#include "printmap/KartenTexte.h"
#include "printmap/KartenUnterlage.h"
#include "printmap/ZeitmarkenDrucken.h"
#include "render/WertungZeichnen.h"
#include "render/KoordinatenText.h"

#include <QCoreApplication>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

// Every v in [von, bis) whose offset from the zero point is a multiple of g, in increasing order.
template <class F>
void Gitterwerte(int64_t von, int64_t bis, int64_t g, F&& f)
{
    const int64_t o = von - koordinatenNullpunkt;
    const int64_t erster = (o / g + (o % g > 0 ? 1 : 0)) * g + koordinatenNullpunkt;
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

// A horizontal grid line with its label at the left edge; above a footer, a label the field's
// edge would cut in half is left out.
void WaagrechteLinie(Zeichenflaeche& f, const Rechteck& r, int y, const QString& text, bool ueberFuss)
{
    const Groesse g = f.GetTextExtentPoint(text);
    if (g.cx >= y)
        return;  // would run into the labels along the top edge
    f.MoveToEx(r.left, y);
    f.LineTo(r.right, y);
    if (!ueberFuss || y - g.cy / 2 + g.cy <= r.bottom)
        f.TextOut(r.left, y - g.cy / 2, text);
}

// More lines than the page has pixels along them would merge into one black area (near the
// poles a longitude unit is almost nothing); such a family is left out instead of drawn by the
// hundred thousand.
bool Druckbar(int64_t von, int64_t bis, int64_t g, int64_t seitenLaenge)
{
    return bis <= von || (bis - von) / g <= seitenLaenge;
}

void Gitter(Zeichenflaeche& f, const KartenLage& lage, const LogFont& aufrecht, const LogFont& liegend,
            bool ueberFuss)
{
    const Rechteck& r = lage.mass.seite;
    const int64_t g = GitterAbstand(lage.massstab);
    const int64_t breite = int64_t{r.right} - r.left;
    const int64_t hoehe = int64_t{r.bottom} - r.top;
    if (Druckbar(lage.laengeMin, lage.laengeMax, g, lage.gedreht ? hoehe : breite)) {
        Zeichenflaeche::SchriftWahl schrift(f, lage.gedreht ? liegend : aufrecht);
        Gitterwerte(lage.laengeMin, lage.laengeMax, g, [&](int64_t v) {
            const QString text = KoordinatenText(v, false);
            if (lage.gedreht)
                WaagrechteLinie(f, r, lage.LaengeAufSeite(v), text, ueberFuss);
            else
                SenkrechteLinie(f, r, lage.LaengeAufSeite(v), text);
        });
    }
    if (!Druckbar(lage.breiteMin, lage.breiteMax, g, lage.gedreht ? breite : hoehe))
        return;
    Zeichenflaeche::SchriftWahl schrift(f, lage.gedreht ? aufrecht : liegend);
    Gitterwerte(lage.breiteMin, lage.breiteMax, g, [&](int64_t v) {
        const QString text = KoordinatenText(v, true);
        if (lage.gedreht)
            SenkrechteLinie(f, r, lage.BreiteAufSeite(v), text);
        else
            WaagrechteLinie(f, r, lage.BreiteAufSeite(v), text, ueberFuss);
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

// The footer: scale, file and date, then the page; a long path is shortened in its middle so
// that the line stays on the sheet, and a line that still runs off it is set smaller.
void Fusszeile(Zeichenflaeche& f, const Rechteck& seite, int massstab, const CSarnixDoc& doc, const QString& zusatz)
{
    const QString voll = QString::fromStdString(doc.dateiname);
    const int platz = seite.right - seite.left;
    QString text = KopfText(massstab, doc.dateiname, doc.flugdatum) + zusatz;
    for (qsizetype bleibt = voll.size() - 1; bleibt >= 8 && f.GetTextExtentPoint(text).cx > platz; --bleibt) {
        const qsizetype vorne = bleibt / 2;
        const QString name = voll.left(vorne) + QStringLiteral("…") + voll.right(bleibt - vorne);
        text = KopfText(massstab, name.toStdString(), doc.flugdatum) + zusatz;
    }
    LogFont schrift = f.AktuelleSchrift();
    std::optional<Zeichenflaeche::SchriftWahl> kleiner;
    for (int breite = f.GetTextExtentPoint(text).cx; breite > platz && schrift.lfHeight < -1;
         breite = f.GetTextExtentPoint(text).cx) {
        schrift.lfHeight = std::max(AufPixel(static_cast<double>(schrift.lfHeight) * platz / breite),
                                    schrift.lfHeight + 1);
        kleiner.reset();
        kleiner.emplace(f, schrift);
    }
    f.TextOut(seite.left, seite.bottom - f.GetTextExtentPoint(text).cy, text);
}

// A tile's outline on the overview page, with its page number in the middle.
void KachelRahmen(Zeichenflaeche& f, const KartenLage& uebersicht, const KartenLage& kachel, int nummer)
{
    const auto ecke = [&](int64_t laenge, int64_t breite) {
        return uebersicht.Seitenpunkt(static_cast<int32_t>(std::clamp<int64_t>(laenge, INT32_MIN, INT32_MAX)),
                                      static_cast<int32_t>(std::clamp<int64_t>(breite, INT32_MIN, INT32_MAX)));
    };
    const Punkt a = ecke(kachel.laengeMin, kachel.breiteMin);
    const Punkt b = ecke(kachel.laengeMax, kachel.breiteMin);
    const Punkt c = ecke(kachel.laengeMax, kachel.breiteMax);
    const Punkt d = ecke(kachel.laengeMin, kachel.breiteMax);
    f.MoveToEx(a.x, a.y);
    f.LineTo(b.x, b.y);
    f.LineTo(c.x, c.y);
    f.LineTo(d.x, d.y);
    f.LineTo(a.x, a.y);
    const QString text = QString::number(nummer);
    const Groesse g = f.GetTextExtentPoint(text);
    f.TextOut((a.x + c.x) / 2 - g.cx / 2, (a.y + c.y) / 2 - g.cy / 2, text);
}

}  // namespace

int KartenSeiteDrucken(const CSarnixDoc& doc, Zeichenflaeche& f, const KartenPlan& plan, int seite)
{
    const int anzahl = plan.info.seiten;
    if (seite < 0 || seite >= anzahl)
        return 0;
    const bool uebersicht = plan.mehrseitig && seite == 0;
    const Kachel* kachel = seite > 0 ? &plan.kacheln[static_cast<size_t>(seite - 1)] : nullptr;
    const KartenLage& lage = kachel ? kachel->lage : plan.erste;
    const SeitenMass& mass = plan.mass;
    QString zusatz;
    if (uebersicht)
        zusatz = QCoreApplication::translate("KarteDrucken", "   Seite 1 von %1 (Übersicht)").arg(anzahl);
    else if (kachel)
        zusatz = QCoreApplication::translate("KarteDrucken", "   Seite %1 von %2 (Reihe %3, Spalte %4)")
                     .arg(seite + 1)
                     .arg(anzahl)
                     .arg(kachel->zeile + 1)
                     .arg(kachel->spalte + 1);

    const LogFont aufrecht = Kartenschrift(f.AktuelleSchrift(), mass.pxMmX, true);
    const LogFont liegend = Kartenschrift(f.AktuelleSchrift(), mass.pxMmX, false);
    const int duenn = std::max(AufPixel(0.1f * mass.pxMmX), 2);
    const int dick = std::max(AufPixel(0.75f * mass.pxMmX), 10);
    if (plan.mehrseitig) {
        // Below the field: drawn first, nothing else comes near it.
        Zeichenflaeche::SchriftWahl schrift(f, liegend);
        Fusszeile(f, mass.seite, lage.massstab, doc, zusatz);
    }
    // A map of several sheets stays inside its field, off the footer.
    std::optional<MalerZustand> grenze;
    if (plan.mehrseitig) {
        grenze.emplace(f.painter());
        const Rechteck& r = plan.feld;
        f.painter().setClipRect(QRect(r.left, r.top, r.right - r.left, r.bottom - r.top),
                                f.painter().hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
    }
    ZeichneUnterlage(f, lage, plan.feld, plan.unterlage);
    {
        Zeichenflaeche::StiftWahl stift(f, Stift{duenn, RGB(0, 0, 0)});
        Gitter(f, lage, aufrecht, liegend, plan.mehrseitig);

        Zeichenflaeche::SchriftWahl schrift(f, liegend);
        if (!plan.mehrseitig)
            Fusszeile(f, mass.seite, lage.massstab, doc, zusatz);
        if (plan.mitZeitmarken)
            ZeitmarkenDrucken(doc, lage, f);
        if (uebersicht) {
            // Frames stand out from the grid, thinner than the track.
            Zeichenflaeche::StiftWahl rahmen(f, Stift{std::max(AufPixel(0.4f * mass.pxMmX), 4), RGB(0, 0, 0)});
            for (size_t k = 0; k < plan.kacheln.size(); ++k)
                KachelRahmen(f, lage, plan.kacheln[k].lage, static_cast<int>(k) + 2);
        }
    }
    if (doc.datenListe.empty())
        return 0;
    {
        Zeichenflaeche::StiftWahl stift(f, Stift{dick, RGB(0, 0, 0)});
        Spur(doc, lage, f);
        if (plan.wertung)
            ZeichneWertungsWeg(*plan.wertung,
                               [&lage](int32_t laenge, int32_t breite) { return lage.Seitenpunkt(laenge, breite); }, f,
                               std::max(dick / 2, 2));
    }
    if (plan.unterlage.karte) {
        Rechteck ecke = plan.feld;
        if (!plan.mehrseitig) {
            // On a single sheet the footer runs along the field's bottom edge.
            const Zeichenflaeche::SchriftWahl schrift(f, liegend);
            ecke.bottom -= f.GetTextExtentPoint(QStringLiteral("0")).cy;
        }
        ZeichneNamensnennung(f, ecke, mass.pxMmX, plan.unterlage);
    }
    return 1;
}

int KarteDrucken(const CSarnixDoc& doc, Zeichenflaeche& f, float pxMmX, float pxMmY, float breiteMm,
                 float hoeheMm, const Rechteck& seite, const MassstabFrage& frage, KartenInfo* info)
{
    const SeitenMass mass{pxMmX, pxMmY, breiteMm, hoeheMm, seite};
    const std::optional<KartenPlan> plan = KartePlanen(doc, mass, frage);
    if (!plan)
        return 0;
    if (info)
        *info = plan->info;
    return KartenSeiteDrucken(doc, f, *plan, 0);
}

int KarteDrucken(const CSarnixDoc& doc, Zeichenflaeche& f, const SeitenMass& mass, const MassstabFrage& frage,
                 KartenInfo* info)
{
    return KarteDrucken(doc, f, mass.pxMmX, mass.pxMmY, mass.breiteMm, mass.hoeheMm, mass.seite, frage, info);
}
