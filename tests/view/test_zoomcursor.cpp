// The cursor of an armed zoom: circle with a plus sign, hot spot in the circle's centre.

#include "view/ZoomCursor.h"

#include <QBitmap>
#include <QImage>
#include <gtest/gtest.h>

namespace {

TEST(ZoomCursor, KreisMitPlusUmDenHotspot)
{
    const QCursor cursor = ZoomCursor();
    EXPECT_EQ(cursor.hotSpot(), QPoint(8, 8));
    const QImage bild = cursor.bitmap().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage maske = cursor.mask().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(bild.size(), QSize(32, 32));
    const auto schwarz = [&](int x, int y) {
        return (bild.pixel(x, y) & 0xFFFFFF) == 0 && (maske.pixel(x, y) & 0xFFFFFF) == 0;
    };
    const auto durchsichtig = [&](int x, int y) { return (maske.pixel(x, y) & 0xFFFFFF) != 0; };

    // The ring is 17 pixels across: columns and rows 0 to 16.
    for (const QPoint p : {QPoint(8, 0), QPoint(0, 8), QPoint(16, 8), QPoint(8, 16)})
        EXPECT_TRUE(schwarz(p.x(), p.y())) << p.x() << "," << p.y();
    EXPECT_TRUE(durchsichtig(17, 8));
    EXPECT_TRUE(durchsichtig(8, 17));
    // The plus sign crosses at the hot spot; between plus and ring the cursor is clear.
    for (int d = -4; d <= 4; ++d) {
        EXPECT_TRUE(schwarz(8 + d, 8)) << d;
        EXPECT_TRUE(schwarz(8, 8 + d)) << d;
    }
    EXPECT_TRUE(durchsichtig(8, 2));
    EXPECT_TRUE(durchsichtig(5, 5));
    EXPECT_TRUE(durchsichtig(0, 0));
    EXPECT_TRUE(durchsichtig(31, 31));
}

}  // namespace
