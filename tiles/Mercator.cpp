#include "tiles/Mercator.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double grad = std::numbers::pi / 180.0;

}  // namespace

double KachelXVon(double laenge, int zoom)
{
    return (laenge + 180.0) / 360.0 * std::ldexp(1.0, zoom);
}

double KachelYVon(double breite, int zoom)
{
    const double phi = std::clamp(breite, -mercatorGrenze, mercatorGrenze) * grad;
    return (1.0 - std::asinh(std::tan(phi)) / std::numbers::pi) / 2.0 * std::ldexp(1.0, zoom);
}

double LaengeVonKachelX(double x, int zoom)
{
    return x / std::ldexp(1.0, zoom) * 360.0 - 180.0;
}

double BreiteVonKachelY(double y, int zoom)
{
    const double n = std::numbers::pi * (1.0 - 2.0 * y / std::ldexp(1.0, zoom));
    return std::atan(std::sinh(n)) / grad;
}

int64_t KachelSpalteUmlaufend(int64_t x, int zoom)
{
    const int64_t n = int64_t{1} << zoom;
    const int64_t r = x % n;
    return r < 0 ? r + n : r;
}

int ZoomFuer(double gradProPixel, double verhaeltnis, int groessterZoom)
{
    const double oben = std::clamp(groessterZoom, 0, 30);
    if (!(gradProPixel > 0.0) || !(verhaeltnis > 0.0) || !std::isfinite(gradProPixel))
        return 0;
    // A tile pixel of zoom z spans 360 / (256 * 2^z) degrees of longitude; rounding the
    // logarithm picks the zoom whose pixels are at most about 1.4 times larger or smaller.
    const double z = std::log2(360.0 / (kachelPixel * gradProPixel / verhaeltnis));
    return static_cast<int>(std::clamp(std::round(z), 0.0, oben));
}
