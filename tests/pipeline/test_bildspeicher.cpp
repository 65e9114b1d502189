// The canvas of a large window lies in memory of its own: it must behave as any QImage does.

#include "pipeline/Bildspeicher.h"
#include "pipeline/Zeichnen.h"

#include <QPainter>
#include <gtest/gtest.h>

TEST(Bildspeicher, GrosseLeinwandVerhaeltSichWieJedesBild)
{
    // 1920 x 1080 at ratio 2: 32 MB, well above the size that gets memory of its own.
    QImage bild = Leinwand(1920, 1080, 2.0);
    ASSERT_FALSE(bild.isNull());
    EXPECT_EQ(bild.size(), QSize(3840, 2160));
    EXPECT_EQ(bild.format(), QImage::Format_RGB32);
    EXPECT_EQ(bild.bytesPerLine(), 3840 * 4);
    EXPECT_DOUBLE_EQ(bild.devicePixelRatio(), 2.0);

    bild.fill(Qt::white);
    {
        QPainter maler(&bild);
        maler.fillRect(QRect(0, 1079, 1920, 1), Qt::red);  // logical: the last two rows, the end of the memory
    }
    EXPECT_EQ(bild.pixel(3839, 2159), qRgb(255, 0, 0));

    // A copy that is changed goes its own way, and outlives the original.
    QImage kopie = bild;
    kopie.setPixel(0, 0, qRgb(1, 2, 3));
    EXPECT_EQ(bild.pixel(0, 0), qRgb(255, 255, 255));
    bild = QImage();
    EXPECT_EQ(kopie.pixel(3839, 2159), qRgb(255, 0, 0));
    EXPECT_EQ(kopie.pixel(0, 0), qRgb(1, 2, 3));
}

TEST(Bildspeicher, KleineUndUnmoeglicheGroessen)
{
    const QImage klein = RgbBild(3, 2);
    ASSERT_FALSE(klein.isNull());
    EXPECT_EQ(klein.format(), QImage::Format_RGB32);
    // Memory for more than 2 GB is refused here as QImage refuses it.
    EXPECT_TRUE(RgbBild(1 << 20, 1 << 20).isNull());
    EXPECT_TRUE(RgbBild(0, 10).isNull());
}
