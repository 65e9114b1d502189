#include "printmap/KartenSeiten.h"

#include "flight/CSarnixDoc.h"

#include <algorithm>
#include <cmath>

namespace {

// Sheets needed along one direction for an extent of `mm` on sheets of `seiteMm`.
int Blaetter(double mm, double seiteMm)
{
    const double schritt = seiteMm - kachelUeberlappungMm;
    if (!(mm > seiteMm) || !(schritt > 0.0))
        return 1;
    // A flight across half the globe at 1:25 000 stays a bounded print job.
    return static_cast<int>(std::min(std::ceil((mm - kachelUeberlappungMm) / schritt), 99.0));
}

// Units of a coordinate per page pixel at scale s.
double EinheitenProPixel(float meterProEinheit, float pxMm, int s)
{
    const double proEinheit = static_cast<double>(meterProEinheit) * pxMm * 1000.0 / s;
    return proEinheit > 0.0 && std::isfinite(proEinheit) ? 1.0 / proEinheit : 0.0;
}

}  // namespace

KartenSeiten SeitenAufteilung(const CSarnixDoc& doc, float breiteMm, float hoeheMm, bool gedreht, int s)
{
    KartenSeiten seiten;
    const Fenster& a = doc.ausdehnung;
    const int ew = MeterAusdehnung(int64_t{a.laengeMax} - a.laengeMin, doc.meterProLaenge);
    const int ns = MeterAusdehnung(int64_t{a.breiteMax} - a.breiteMin, doc.meterProBreite);
    const int quer = gedreht ? ns : ew;
    const int hoch = gedreht ? ew : ns;
    const int passend = AngepassterMassstab(quer, hoch, breiteMm, hoeheMm);
    // The scale that fits decides, so a flight that fits keeps its one page exactly.
    if (s <= 0 || s >= passend)
        return seiten;
    seiten.spalten = Blaetter(quer * 1000.0 / s, breiteMm);
    seiten.zeilen = Blaetter(hoch * 1000.0 / s, hoeheMm);
    return seiten;
}

KartenLage KachelLage(const CSarnixDoc& doc, const SeitenMass& mass, bool gedreht, int s,
                      const KartenSeiten& seiten, int spalte, int zeile)
{
    // One large page of all tiles, less the overlaps, centred on the flight as usual.
    const int w = mass.seite.right;
    const int h = mass.seite.bottom;
    const int ux = AufPixel(kachelUeberlappungMm * mass.pxMmX);
    const int uy = AufPixel(kachelUeberlappungMm * mass.pxMmY);
    SeitenMass gross = mass;
    gross.seite.right = AufPixel(static_cast<double>(seiten.spalten) * (w - ux) + ux);
    gross.seite.bottom = AufPixel(static_cast<double>(seiten.zeilen) * (h - uy) + uy);
    KartenLage lage = KartenLage::Berechne(doc, gross, gedreht, s);
    lage.mass = mass;

    // Pixels of the large page that lie right of and below this tile's top left corner.
    const double rechts = static_cast<double>(gross.seite.right) - w - static_cast<double>(spalte) * (w - ux);
    const double links = static_cast<double>(spalte) * (w - ux);
    const double unten = static_cast<double>(gross.seite.bottom) - h - static_cast<double>(zeile) * (h - uy);
    if (gedreht) {
        // Latitude runs right to left, longitude bottom to top.
        lage.breiteMin += std::llround(rechts * EinheitenProPixel(lage.meterProBreite, mass.pxMmX, s));
        lage.laengeMin += std::llround(unten * EinheitenProPixel(lage.meterProLaenge, mass.pxMmY, s));
    } else {
        lage.laengeMin += std::llround(links * EinheitenProPixel(lage.meterProLaenge, mass.pxMmX, s));
        lage.breiteMin += std::llround(unten * EinheitenProPixel(lage.meterProBreite, mass.pxMmY, s));
    }
    // The window's far ends follow from its near ends and the page.
    if (gedreht) {
        lage.breiteMax = lage.breiteMin + std::llround(w * EinheitenProPixel(lage.meterProBreite, mass.pxMmX, s));
        lage.laengeMax = lage.laengeMin + std::llround(h * EinheitenProPixel(lage.meterProLaenge, mass.pxMmY, s));
    } else {
        lage.laengeMax = lage.laengeMin + std::llround(w * EinheitenProPixel(lage.meterProLaenge, mass.pxMmX, s));
        lage.breiteMax = lage.breiteMin + std::llround(h * EinheitenProPixel(lage.meterProBreite, mass.pxMmY, s));
    }
    return lage;
}
