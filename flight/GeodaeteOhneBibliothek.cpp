// Geodesics for builds without GeographicLib (the Windows cross build). T. Vincenty, "Direct and
// inverse solutions of geodesics on the ellipsoid with application of nested equations",
// Survey Review 23 (176), 1975.

#include "flight/Geodaete.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>

namespace geodaete {
namespace {

constexpr double grad = std::numbers::pi / 180.0;

// Nothing when the iteration does not settle: nearly antipodal points.
std::optional<double> Vincenty(double breite1, double laenge1, double breite2, double laenge2)
{
    const double L = std::remainder((laenge2 - laenge1) * grad, 2 * std::numbers::pi);
    const double U1 = std::atan((1 - f) * std::tan(breite1 * grad));
    const double U2 = std::atan((1 - f) * std::tan(breite2 * grad));
    const double sinU1 = std::sin(U1), cosU1 = std::cos(U1);
    const double sinU2 = std::sin(U2), cosU2 = std::cos(U2);
    double lambda = L;
    double sinSigma = 0, cosSigma = 1, sigma = 0, cos2Alpha = 1, cos2SigmaM = 0;
    for (int schritt = 0;; ++schritt) {
        if (schritt == 200)
            return std::nullopt;
        const double sinLambda = std::sin(lambda), cosLambda = std::cos(lambda);
        const double q = cosU1 * sinU2 - sinU1 * cosU2 * cosLambda;
        sinSigma = std::hypot(cosU2 * sinLambda, q);
        if (sinSigma == 0)
            return 0.0;
        cosSigma = sinU1 * sinU2 + cosU1 * cosU2 * cosLambda;
        sigma = std::atan2(sinSigma, cosSigma);
        const double sinAlpha = cosU1 * cosU2 * sinLambda / sinSigma;
        cos2Alpha = 1 - sinAlpha * sinAlpha;
        // On the equator the mid-point term vanishes.
        cos2SigmaM = cos2Alpha != 0 ? cosSigma - 2 * sinU1 * sinU2 / cos2Alpha : 0;
        const double C = f / 16 * cos2Alpha * (4 + f * (4 - 3 * cos2Alpha));
        const double vorher = lambda;
        lambda = L + (1 - C) * f * sinAlpha
                         * (sigma + C * sinSigma * (cos2SigmaM + C * cosSigma * (-1 + 2 * cos2SigmaM * cos2SigmaM)));
        if (std::abs(lambda) > std::numbers::pi)
            return std::nullopt;
        if (std::abs(lambda - vorher) < 1e-13)
            break;
    }
    const double u2 = cos2Alpha * (a * a - b * b) / (b * b);
    const double A = 1 + u2 / 16384 * (4096 + u2 * (-768 + u2 * (320 - 175 * u2)));
    const double B = u2 / 1024 * (256 + u2 * (-128 + u2 * (74 - 47 * u2)));
    const double c2 = cos2SigmaM * cos2SigmaM;
    const double deltaSigma =
        B * sinSigma
        * (cos2SigmaM + B / 4 * (cosSigma * (-1 + 2 * c2) - B / 6 * cos2SigmaM * (-3 + 4 * sinSigma * sinSigma) * (-3 + 4 * c2)));
    return b * A * (sigma - deltaSigma);
}

// The geodesic through M is the shortest of all paths P-M-Q; each half is far from antipodal.
double UeberMitte(double breite1, double laenge1, double breite2, double laenge2)
{
    const auto laenge = [&](double mb, double ml) {
        return Vincenty(breite1, laenge1, mb, ml).value_or(1e9) + Vincenty(mb, ml, breite2, laenge2).value_or(1e9);
    };
    double bestB = 0, bestL = 0, best = 1e18;
    for (double mb = -90; mb <= 90; mb += 10)
        for (double ml = -180; ml < 180; ml += 10)
            if (const double s = laenge(mb, ml); s < best)
                best = s, bestB = mb, bestL = ml;
    for (double schritt = 5; schritt > 1e-10; schritt /= 2) {
        for (bool besser = true; besser;) {
            besser = false;
            const double versuche[4][2] = {{schritt, 0}, {-schritt, 0}, {0, schritt}, {0, -schritt}};
            for (const auto& v : versuche) {
                const double mb = std::clamp(bestB + v[0], -90.0, 90.0);
                if (const double s = laenge(mb, bestL + v[1]); s < best) {
                    best = s, bestB = mb, bestL += v[1];
                    besser = true;
                }
            }
        }
    }
    return best;
}

}  // namespace

double StreckeOhneBibliothek(double breite1, double laenge1, double breite2, double laenge2)
{
    if (const auto s = Vincenty(breite1, laenge1, breite2, laenge2))
        return *s;
    return UeberMitte(breite1, laenge1, breite2, laenge2);
}

}  // namespace geodaete
