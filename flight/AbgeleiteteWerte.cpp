#include "flight/AbgeleiteteWerte.h"

#include "flight/Koordinaten.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

Fenster Ausdehnung(const std::vector<CDaten>& fixe, Fenster a)
{
    for (const CDaten& fix : fixe) {
        if (fix.hatPosition != 1)
            continue;
        a.breiteMax = std::max(a.breiteMax, fix.breite);
        a.laengeMax = std::max(a.laengeMax, fix.laenge);
        a.hoeheMax = std::max(a.hoeheMax, int32_t{fix.hoehe});
        a.breiteMin = std::min(a.breiteMin, fix.breite);
        a.laengeMin = std::min(a.laengeMin, fix.laenge);
        a.hoeheMin = std::min(a.hoeheMin, int32_t{fix.hoehe});
    }
    return a;
}

Massstab MassstabFuer(const Fenster& ausdehnung)
{
    const int64_t a = std::llabs(int64_t{ausdehnung.breiteMax} - koordinatenNullpunkt);
    const int64_t b = std::llabs(int64_t{ausdehnung.breiteMin} - koordinatenNullpunkt);
    // Units to degrees, then degrees to radians with the instrument software's own constant.
    const double m = static_cast<double>(a + b) * 0.5 * 1.6666666666666667e-6 * 0.017453292522222223;
    return {0.18518518f, static_cast<float>(std::cos(m) * 4000 * 0.004629629629629629 * 0.01)};
}
