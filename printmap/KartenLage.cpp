#include "printmap/KartenLage.h"

#include "flight/CSarnixDoc.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// trunc toward zero, kept inside int; NaN gives 0.
int GanzZahl(float wert)
{
    constexpr float grenze = 2.0e9f;
    if (std::isnan(wert))
        return 0;
    return static_cast<int>(std::trunc(std::clamp(wert, -grenze, grenze)));
}

// d / a as the floating-point unit would give it, without dividing by zero.
float Verhaeltnis(int d, int a)
{
    if (a != 0)
        return static_cast<float>(d) / static_cast<float>(a);
    if (d == 0)
        return std::numeric_limits<float>::quiet_NaN();
    return d > 0 ? std::numeric_limits<float>::infinity() : -std::numeric_limits<float>::infinity();
}

}  // namespace

int MeterAusdehnung(int64_t einheiten, float meterProEinheit)
{
    return GanzZahl(static_cast<float>(einheiten) * meterProEinheit);
}

bool KarteGedreht(int ew, int ns, float breiteMm, float hoeheMm)
{
    return (ns < ew && hoeheMm > breiteMm) || (ns > ew && breiteMm > hoeheMm);
}

int AngepassterMassstab(int a, int d, float breiteMm, float hoeheMm)
{
    // NaN (a and d both 0) compares false: the height decides, and gives 0.
    if (hoeheMm / breiteMm >= Verhaeltnis(d, a))
        return GanzZahl(static_cast<float>(a) * 1000.0f / breiteMm);
    return GanzZahl(static_cast<float>(d) * 1000.0f / hoeheMm);
}

int MassstabVorschlag(int q)
{
    for (const int s : druckMassstaebe)
        if (s >= q)
            return s;
    return druckMassstaebe[std::size(druckMassstaebe) - 1];
}

bool IstDruckMassstab(int s)
{
    return std::ranges::find(druckMassstaebe, s) != std::end(druckMassstaebe);
}

int GitterAbstand(int s)
{
    return std::max(s / 5, 1);
}

int64_t Zentrierung(int64_t delta, float meterProEinheit, int p, float pxMm, int s)
{
    const float meter = meterProEinheit * 1000.0f;
    if (meter == 0.0f || pxMm <= 0.0f || s <= 0)
        return 0;  // a flat direction cannot be spread over the page
    const float belegt = static_cast<float>(delta) * meterProEinheit * 1000.0f / static_cast<float>(s) * pxMm;
    const float u = 0.5f * (static_cast<float>(p) - belegt) * static_cast<float>(s) / pxMm / meter;
    if (!std::isfinite(u))
        return 0;
    constexpr float grenze = 2.0e9f;
    return static_cast<int64_t>(std::trunc(std::clamp(u, -grenze, grenze)));
}

KartenEntwurf Entwerfen(const CSarnixDoc& doc, float breiteMm, float hoeheMm)
{
    const Fenster& a = doc.ausdehnung;
    const int ew = MeterAusdehnung(int64_t{a.laengeMax} - a.laengeMin, doc.meterProLaenge);
    const int ns = MeterAusdehnung(int64_t{a.breiteMax} - a.breiteMin, doc.meterProBreite);
    const bool gedreht = KarteGedreht(ew, ns, breiteMm, hoeheMm);
    const int quer = gedreht ? ns : ew;
    const int hoch = gedreht ? ew : ns;
    return {gedreht, MassstabVorschlag(AngepassterMassstab(quer, hoch, breiteMm, hoeheMm))};
}

KartenLage KartenLage::Berechne(const CSarnixDoc& doc, const SeitenMass& mass, bool gedreht, int s)
{
    const Fenster& a = doc.ausdehnung;
    return Berechne(a.laengeMin, a.laengeMax, a.breiteMin, a.breiteMax, doc.meterProLaenge, doc.meterProBreite, mass,
                    gedreht, s);
}

KartenLage KartenLage::Berechne(int64_t laengeMin, int64_t laengeMax, int64_t breiteMin, int64_t breiteMax,
                                float meterProLaenge, float meterProBreite, const SeitenMass& mass, bool gedreht,
                                int s)
{
    KartenLage l;
    l.gedreht = gedreht;
    l.massstab = s;
    l.mass = mass;
    l.meterProLaenge = meterProLaenge;
    l.meterProBreite = meterProBreite;
    l.laengeMin = laengeMin;
    l.laengeMax = laengeMax;
    l.breiteMin = breiteMin;
    l.breiteMax = breiteMax;

    const int64_t laengeDelta = l.laengeMax - l.laengeMin;
    const int64_t breiteDelta = l.breiteMax - l.breiteMin;
    const Rechteck& r = mass.seite;
    const int64_t uQuer = gedreht ? Zentrierung(breiteDelta, l.meterProBreite, r.right, mass.pxMmX, s)
                                  : Zentrierung(laengeDelta, l.meterProLaenge, r.right, mass.pxMmX, s);
    const int64_t uHoch = gedreht ? Zentrierung(laengeDelta, l.meterProLaenge, r.bottom, mass.pxMmY, s)
                                  : Zentrierung(breiteDelta, l.meterProBreite, r.bottom, mass.pxMmY, s);
    const int64_t uLaenge = gedreht ? uHoch : uQuer;
    const int64_t uBreite = gedreht ? uQuer : uHoch;
    l.laengeMin -= uLaenge;
    l.laengeMax += uLaenge;
    l.breiteMin -= uBreite;
    l.breiteMax += uBreite;
    return l;
}

int KartenLage::LaengeAufSeite(int64_t laenge) const
{
    if (massstab <= 0)
        return 0;
    const double px = gedreht ? mass.pxMmY : mass.pxMmX;
    const double strecke = static_cast<double>(laenge - laengeMin) * static_cast<double>(meterProLaenge) * px
                           * 1000.0 / massstab;
    return gedreht ? AufPixel(mass.seite.bottom - strecke) : AufPixel(mass.seite.left + strecke);
}

int KartenLage::BreiteAufSeite(int64_t breite) const
{
    if (massstab <= 0)
        return 0;
    const double px = gedreht ? mass.pxMmX : mass.pxMmY;
    const double strecke = static_cast<double>(breite - breiteMin) * static_cast<double>(meterProBreite) * px
                           * 1000.0 / massstab;
    return gedreht ? AufPixel(mass.seite.right - strecke) : AufPixel(mass.seite.bottom - strecke);
}

Punkt KartenLage::Seitenpunkt(int32_t laenge, int32_t breite) const
{
    if (gedreht)
        return {BreiteAufSeite(breite), LaengeAufSeite(laenge)};
    return {LaengeAufSeite(laenge), BreiteAufSeite(breite)};
}
