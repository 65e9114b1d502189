#include "view/ZoomCursor.h"

#include <QBitmap>
#include <QImage>
#include <cmath>

namespace {

constexpr int groesse = 32;
constexpr int mitte = 8;
constexpr int radius = 8;  // 17 pixels across
constexpr int kreuzArm = 4;

bool IstSchwarz(int x, int y)
{
    const int dx = x - mitte;
    const int dy = y - mitte;
    if ((dx == 0 && std::abs(dy) <= kreuzArm) || (dy == 0 && std::abs(dx) <= kreuzArm))
        return true;
    // One pixel wide ring: the pixels whose distance from the centre rounds to the radius.
    return std::lround(std::sqrt(static_cast<double>(dx * dx + dy * dy))) == radius;
}

}  // namespace

QCursor ZoomCursor()
{
    QImage bild(groesse, groesse, QImage::Format_Mono);
    bild.setColor(0, qRgb(255, 255, 255));
    bild.setColor(1, qRgb(0, 0, 0));
    bild.fill(0);
    for (int y = 0; y < groesse; ++y)
        for (int x = 0; x < groesse; ++x)
            if (IstSchwarz(x, y))
                bild.setPixel(x, y, 1);
    // Only the black pixels are opaque; the rest of the cursor is transparent.
    const QBitmap schwarz = QBitmap::fromImage(bild);
    return QCursor(schwarz, schwarz, mitte, mitte);
}
