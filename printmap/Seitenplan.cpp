#include "printmap/Seitenplan.h"

#include "flight/CSarnixDoc.h"
#include "printmap/KartenSeiten.h"

#include <algorithm>
#include <cmath>

namespace {

// The footer's strip on a map of several sheets: its text is 4 mm high.
constexpr float fussMm = 6.0f;
// The overview keeps its frames this far inside the page.
constexpr float uebersichtRandMm = 3.0f;

bool Nutzbar(float wert)
{
    return std::isfinite(wert) && wert > 0.0f;
}

// The page above the footer.
SeitenMass Kartenfeld(const SeitenMass& mass)
{
    SeitenMass feld = mass;
    feld.seite.bottom = std::max(mass.seite.bottom - AufPixel(fussMm * mass.pxMmY), mass.seite.top + 1);
    feld.hoeheMm = static_cast<float>(feld.seite.bottom - feld.seite.top) / mass.pxMmY;
    return feld;
}

// True when the segment from a to b touches the rectangle [x0, x1] × [y0, y1] (Liang-Barsky).
bool Trifft(Punkt a, Punkt b, double x0, double y0, double x1, double y1)
{
    double t0 = 0.0;
    double t1 = 1.0;
    const auto grenze = [&](double p, double q) {
        if (p == 0.0)
            return q >= 0.0;
        const double t = q / p;
        if (p < 0.0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        return t0 <= t1;
    };
    const double dx = static_cast<double>(b.x) - a.x;
    const double dy = static_cast<double>(b.y) - a.y;
    return grenze(-dx, a.x - x0) && grenze(dx, x1 - a.x) && grenze(-dy, a.y - y0) && grenze(dy, y1 - a.y);
}

// The tiles k with k·schritt ≤ bis and k·schritt + laenge ≥ von.
std::pair<int, int> Reihe(int von, int bis, int schritt, int laenge, int anzahl)
{
    const double s = std::max(schritt, 1);
    const int erste = static_cast<int>(std::ceil((von - laenge) / s));
    const int letzte = static_cast<int>(std::floor(bis / s));
    return {std::max(erste, 0), std::min(letzte, anzahl - 1)};
}

// Which tiles of the grid the track crosses, row by row. All tiles share scale and orientation,
// so a point lies on tile (spalte, zeile) where it lies on the first one, less the tile's offset.
std::vector<bool> GekreuzteKacheln(const CSarnixDoc& doc, const KartenLage& erste, const KartenSeiten& seiten,
                                   int ux, int uy)
{
    const int w = erste.mass.seite.right;
    const int h = erste.mass.seite.bottom;
    std::vector<bool> gekreuzt(static_cast<size_t>(seiten.spalten) * static_cast<size_t>(seiten.zeilen), false);
    const auto markiere = [&](Punkt a, Punkt b) {
        const auto [s0, s1] = Reihe(std::min(a.x, b.x), std::max(a.x, b.x), w - ux, w, seiten.spalten);
        const auto [z0, z1] = Reihe(std::min(a.y, b.y), std::max(a.y, b.y), h - uy, h, seiten.zeilen);
        for (int z = z0; z <= z1; ++z)
            for (int s = s0; s <= s1; ++s) {
                const size_t k = static_cast<size_t>(z) * static_cast<size_t>(seiten.spalten) + static_cast<size_t>(s);
                const double x0 = static_cast<double>(s) * (w - ux);
                const double y0 = static_cast<double>(z) * (h - uy);
                if (!gekreuzt[k] && Trifft(a, b, x0, y0, x0 + w, y0 + h))
                    gekreuzt[k] = true;
            }
    };
    bool erster = true;
    Punkt letzter;
    for (const CDaten& d : doc.datenListe) {
        if (!d.hatPosition)
            continue;
        const Punkt p = erste.Seitenpunkt(d.laenge, d.breite);
        if (erster || p != letzter)
            markiere(erster ? p : letzter, p);
        erster = false;
        letzter = p;
    }
    return gekreuzt;
}

// The overview: the printed tiles and the flight centred on the field, at the standard scale or
// beyond 1:1 000 000 a whole hundred thousand (its grid then falls on whole arc minutes) at which
// they fit with a margin.
KartenLage Uebersicht(const CSarnixDoc& doc, const SeitenMass& feld, bool gedreht, const std::vector<Kachel>& kacheln)
{
    const Fenster& a = doc.ausdehnung;
    int64_t laengeMin = a.laengeMin;
    int64_t laengeMax = a.laengeMax;
    int64_t breiteMin = a.breiteMin;
    int64_t breiteMax = a.breiteMax;
    for (const Kachel& k : kacheln) {
        laengeMin = std::min(laengeMin, k.lage.laengeMin);
        laengeMax = std::max(laengeMax, k.lage.laengeMax);
        breiteMin = std::min(breiteMin, k.lage.breiteMin);
        breiteMax = std::max(breiteMax, k.lage.breiteMax);
    }
    const int ew = MeterAusdehnung(laengeMax - laengeMin, doc.meterProLaenge);
    const int ns = MeterAusdehnung(breiteMax - breiteMin, doc.meterProBreite);
    const float breiteMm = std::max(feld.breiteMm - 2.0f * uebersichtRandMm, 1.0f);
    const float hoeheMm = std::max(feld.hoeheMm - 2.0f * uebersichtRandMm, 1.0f);
    // One more: the fitted scale is truncated, and the frames must not touch the margin.
    const int64_t noetig = int64_t{AngepassterMassstab(gedreht ? ns : ew, gedreht ? ew : ns, breiteMm, hoeheMm)} + 1;
    constexpr int millionen = druckMassstaebe[std::size(druckMassstaebe) - 1];
    constexpr int64_t schritt = 100000;
    const int s = noetig <= millionen ? MassstabVorschlag(static_cast<int>(noetig))
                                      : static_cast<int>(std::min<int64_t>((noetig + schritt - 1) / schritt * schritt,
                                                                           2'000'000'000));
    return KartenLage::Berechne(laengeMin, laengeMax, breiteMin, breiteMax, doc.meterProLaenge, doc.meterProBreite,
                                feld, gedreht, s);
}

}  // namespace

std::optional<KartenPlan> KartePlanen(const CSarnixDoc& doc, const SeitenMass& mass, const MassstabFrage& frage)
{
    if (!doc.geladen)
        return std::nullopt;
    if (!Nutzbar(mass.pxMmX) || !Nutzbar(mass.pxMmY) || !Nutzbar(mass.breiteMm) || !Nutzbar(mass.hoeheMm))
        return std::nullopt;  // no scale to draw at

    const KartenEntwurf entwurf = Entwerfen(doc, mass.breiteMm, mass.hoeheMm);
    DruckWahl wahl{entwurf.vorschlag, 1};
    if (frage)
        wahl = frage(entwurf.vorschlag);
    // Only the standard scales have a grid interval and keep the page's numbers sane.
    const int massstab = IstDruckMassstab(wahl.massstab) ? wahl.massstab : entwurf.vorschlag;
    const bool gedreht = entwurf.gedreht;

    KartenPlan plan;
    plan.mitZeitmarken = wahl.mitZeitmarken;
    plan.wertung = wahl.wertung;
    plan.unterlage = wahl.unterlage;
    plan.mass = mass;
    plan.feld = mass.seite;
    // A flight that fits one page keeps its one page exactly.
    if (!SeitenAufteilung(doc, mass.breiteMm, mass.hoeheMm, gedreht, massstab).Mehrseitig()) {
        plan.erste = KartenLage::Berechne(doc, mass, gedreht, massstab);
    } else {
        const SeitenMass feld = Kartenfeld(mass);
        plan.mehrseitig = true;
        plan.feld = feld.seite;
        const KartenSeiten seiten = SeitenAufteilung(doc, feld.breiteMm, feld.hoeheMm, gedreht, massstab);
        const int ux = AufPixel(kachelUeberlappungMm * mass.pxMmX);
        const int uy = AufPixel(kachelUeberlappungMm * mass.pxMmY);
        const std::vector<bool> gekreuzt =
            GekreuzteKacheln(doc, KachelLage(doc, feld, gedreht, massstab, seiten, 0, 0), seiten, ux, uy);
        for (int zeile = 0; zeile < seiten.zeilen; ++zeile)
            for (int spalte = 0; spalte < seiten.spalten; ++spalte)
                if (gekreuzt[static_cast<size_t>(zeile * seiten.spalten + spalte)])
                    plan.kacheln.push_back(
                        {KachelLage(doc, feld, gedreht, massstab, seiten, spalte, zeile), spalte, zeile});
        plan.erste = Uebersicht(doc, feld, gedreht, plan.kacheln);
    }
    plan.info = KartenInfo{entwurf.vorschlag, massstab, gedreht, GitterAbstand(massstab),
                           1 + static_cast<int>(plan.kacheln.size())};
    return plan;
}

int SeitenAnzahl(const CSarnixDoc& doc, const SeitenMass& mass, int s)
{
    const std::optional<KartenPlan> plan = KartePlanen(doc, mass, [s](int) { return DruckWahl{s, 1}; });
    return plan ? plan->info.seiten : 1;
}
