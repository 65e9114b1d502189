// The PNG writer: palettes across bands, transparency, too many colours, noise, write failures;
// every picture decodes to the very pixels written.

#include "render/PngSchreiben.h"

#include <QBuffer>
#include <QImage>
#include <gtest/gtest.h>

#include <cstdint>

namespace {

bool GleichePixel(const QImage& a, const QImage& b)
{
    return a.convertToFormat(QImage::Format_RGB32) == b.convertToFormat(QImage::Format_RGB32);
}

}  // namespace

// Bands whose colours come in other orders and partly only in one band, a transparent colour
// first met far down, and a stripe pattern that changes at every band border: every thread
// count gives the same pixels and the same palette.
TEST(Png, BaenderGebenDieselbenPixelUndFarben)
{
    QImage bild(1600, 1000, QImage::Format_ARGB32);
    for (int y = 0; y < bild.height(); ++y) {
        auto* zeile = reinterpret_cast<QRgb*>(bild.scanLine(y));
        const int streifen = y / 7;
        for (int x = 0; x < bild.width(); ++x) {
            const int farbe = y < 500 ? (x / 16 + streifen) % 120 : 119 - (x / 9 + streifen) % 150;
            zeile[x] = farbe >= 0 ? qRgb(farbe, 255 - farbe, farbe * 7 % 256) : qRgba(0, 0, -farbe, 100);
        }
    }
    bild.setPixel(1599, 999, qRgba(9, 9, 9, 0));
    QList<QRgb> palette;
    for (const int faeden : {1, 2, 3, 8}) {
        QBuffer puffer;
        ASSERT_TRUE(puffer.open(QIODevice::WriteOnly));
        ASSERT_TRUE(SchreibePng(bild, puffer, faeden));
        const QImage gelesen = QImage::fromData(puffer.data(), "PNG");
        ASSERT_EQ(gelesen.format(), QImage::Format_Indexed8) << faeden;
        EXPECT_EQ(gelesen.convertToFormat(QImage::Format_ARGB32), bild) << faeden;
        if (palette.isEmpty())
            palette = gelesen.colorTable();
        EXPECT_EQ(gelesen.colorTable(), palette) << faeden;
    }
    EXPECT_EQ(palette.size(), 151);
}

// Noise of 256 colours hardly compresses: the output outgrows the room first set aside for it.
TEST(Png, RauschenPasstNichtInDenErstenPuffer)
{
    QImage bild(1100, 1000, QImage::Format_RGB32);
    uint32_t zufall = 12345;
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x) {
            zufall = zufall * 1664525u + 1013904223u;
            const int farbe = static_cast<int>(zufall >> 24);
            bild.setPixel(x, y, qRgb(farbe, farbe ^ 0x5a, 255 - farbe));
        }
    for (const int faeden : {1, 2}) {
        QBuffer puffer;
        ASSERT_TRUE(puffer.open(QIODevice::WriteOnly));
        ASSERT_TRUE(SchreibePng(bild, puffer, faeden));
        EXPECT_GT(puffer.size(), bild.width() * bild.height() / 2) << faeden;
        const QImage gelesen = QImage::fromData(puffer.data(), "PNG");
        EXPECT_EQ(gelesen.format(), QImage::Format_Indexed8) << faeden;
        EXPECT_TRUE(GleichePixel(gelesen, bild)) << faeden;
    }
}

// Each band alone fits a palette, together they do not: the picture keeps all its colours.
TEST(Png, BaenderMitZusammenZuVielenFarben)
{
    QImage bild(1200, 1000, QImage::Format_RGB32);
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x)
            bild.setPixel(x, y, y < 500 ? qRgb(x % 200, 0, 0) : qRgb(0, x % 200, 1));
    QBuffer puffer;
    ASSERT_TRUE(puffer.open(QIODevice::WriteOnly));
    ASSERT_TRUE(SchreibePng(bild, puffer, 2));
    const QImage gelesen = QImage::fromData(puffer.data(), "PNG");
    EXPECT_NE(gelesen.format(), QImage::Format_Indexed8);
    EXPECT_TRUE(GleichePixel(gelesen, bild));
}

TEST(Png, MehrFarbenAlsPlatzBleibenRgb)
{
    QImage verlauf(300, 2, QImage::Format_RGB32);
    for (int x = 0; x < 300; ++x) {
        verlauf.setPixel(x, 0, qRgb(x % 256, x / 256, 7));
        verlauf.setPixel(x, 1, qRgb(5, 0, 7));
    }
    EXPECT_TRUE(MitPalette(verlauf).isNull());
    const QImage zwei = verlauf.copy(0, 0, 256, 2);
    const QImage palette = MitPalette(zwei);
    ASSERT_FALSE(palette.isNull());
    EXPECT_EQ(palette.colorCount(), 256);
    EXPECT_TRUE(GleichePixel(palette, zwei));

    QBuffer puffer;
    ASSERT_TRUE(puffer.open(QIODevice::WriteOnly));
    ASSERT_TRUE(SchreibePng(verlauf, puffer));
    EXPECT_TRUE(GleichePixel(QImage::fromData(puffer.data(), "PNG"), verlauf));
}

TEST(Png, DurchsichtigeFarbenUndSchreibfehler)
{
    QImage bild(40, 3, QImage::Format_ARGB32);
    bild.fill(Qt::transparent);
    for (int x = 0; x < 40; x += 3)
        bild.setPixel(x, 1, qRgba(200, 10, 10, 128));
    bild.setPixel(39, 2, qRgb(0, 0, 255));
    QBuffer puffer;
    ASSERT_TRUE(puffer.open(QIODevice::WriteOnly));
    ASSERT_TRUE(SchreibePng(bild, puffer));
    const QImage gelesen = QImage::fromData(puffer.data(), "PNG");
    EXPECT_EQ(gelesen.format(), QImage::Format_Indexed8);
    EXPECT_EQ(gelesen.convertToFormat(QImage::Format_ARGB32), bild);

    // A device that takes nothing: the failure is reported, not a picture.
    QBuffer zu;
    ASSERT_TRUE(zu.open(QIODevice::ReadOnly));
    EXPECT_FALSE(SchreibePng(bild, zu));
}
