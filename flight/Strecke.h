#pragma once
// Distances between fixes a few seconds apart, for ground speed and flight distance of logs
// that record neither.

#include "flight/CDaten.h"
#include "flight/Koordinaten.h"

#include <cmath>

// The cosine of latitudes that change little from one call to the next: from the cosine and
// sine at the latitude it was last computed for, by the angle-sum formula with the series of
// the small difference. As exact as std::cos to the last bits, at a fraction of its cost.
class Kosinus {
public:
    double operator()(double winkel)
    {
        double d = winkel - anker_;
        if (!(std::abs(d) <= groessterAbstand)) {
            anker_ = winkel;
            cos_ = std::cos(winkel);
            sin_ = std::sin(winkel);
            d = 0.0;
        }
        const double d2 = d * d;
        const double cosD = 1.0 - d2 * (1.0 / 2.0 - d2 * (1.0 / 24.0 - d2 * (1.0 / 720.0)));
        const double sinD = d * (1.0 - d2 * (1.0 / 6.0 - d2 * (1.0 / 120.0)));
        return cos_ * cosD - sin_ * sinD;
    }

private:
    // About 60 km of latitude: the first terms left out are below 1e-17.
    static constexpr double groessterAbstand = 0.01;
    double anker_ = 0.0;
    double cos_ = 1.0;
    double sin_ = 0.0;
};

// Metres between two fixes on the sphere, flat over the short step: exact to far less than a
// fix's own error for the seconds between two fixes.
inline double Meter(const CDaten& a, const CDaten& b, Kosinus& kosinus)
{
    constexpr double meterProEinheit = 1852.0 / 10000.0;  // a ten-thousandth of an arc minute
    constexpr double radProEinheit = 3.14159265358979323846 / 180.0 / 600000.0;
    const double mitte = ((a.breite + static_cast<double>(b.breite)) * 0.5 - koordinatenNullpunkt) * radProEinheit;
    const double dy = (static_cast<double>(b.breite) - a.breite) * meterProEinheit;
    const double dx = (static_cast<double>(b.laenge) - a.laenge) * meterProEinheit * kosinus(mitte);
    return std::sqrt(dx * dx + dy * dy);
}
