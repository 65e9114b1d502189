#include "printmap/SeitenMass.h"

#include <QPageLayout>
#include <QRect>
#include <QSize>

#include <algorithm>
#include <cmath>

std::optional<SeitenMass> SeitenMassAus(int breitePx, int hoehePx, int dpiX, int dpiY)
{
    if (breitePx <= 0 || hoehePx <= 0 || dpiX <= 0 || dpiY <= 0)
        return std::nullopt;
    SeitenMass m;
    m.seite = Rechteck{0, 0, breitePx, hoehePx};
    m.breiteMm = static_cast<float>(breitePx) * 25.4f / static_cast<float>(dpiX);
    m.hoeheMm = 25.4f * static_cast<float>(hoehePx) / static_cast<float>(dpiY);
    m.pxMmX = static_cast<float>(breitePx) / m.breiteMm;
    m.pxMmY = static_cast<float>(hoehePx) / m.hoeheMm;
    return m;
}

int BildDpi(const QPageLayout& seite, int dpi, int kleinste)
{
    constexpr qint64 groessteSeite = 20000;
    constexpr qint64 meistePixel = 100'000'000;
    const auto passt = [&](int d) {
        const QSize g = seite.fullRectPixels(d).size();
        return g.width() <= groessteSeite && g.height() <= groessteSeite && qint64{g.width()} * g.height() <= meistePixel;
    };
    int d = dpi;
    while (d > kleinste && !passt(d))
        --d;
    return d;
}

int AufPixel(double wert)
{
    // Far beyond any page, yet well inside int: off-page points stay off the page.
    constexpr double grenze = 1 << 24;
    if (std::isnan(wert))
        return 0;
    return static_cast<int>(std::trunc(std::clamp(wert, -grenze, grenze)));
}
