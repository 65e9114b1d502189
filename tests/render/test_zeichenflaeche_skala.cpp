// The surface on a canvas with a device pixel ratio: coordinates stay logical, the pixels are
// the device's.

#include "render/Zeichenflaeche.h"

#include "ZeichenHilfen.h"

#include <QPainter>
#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <utility>

namespace {

constexpr QRgb Weiss = 0xFFFFFFFFu;
constexpr QRgb Schwarz = 0xFF000000u;

using test::Pixel;
using test::Tinte;
using test::TintenRahmen;
using test::Zeichne;

// A white canvas of w x h logical pixels at ratio r.
QImage Leinwand(int w, int h, double r)
{
    QImage bild(int(std::lround(w * r)), int(std::lround(h * r)), QImage::Format_RGB32);
    bild.setDevicePixelRatio(r);
    bild.fill(Weiss);
    return bild;
}

std::set<Pixel> Block(int x0, int y0, int x1, int y1)  // inclusive
{
    std::set<Pixel> p;
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x)
            p.insert({x, y});
    return p;
}

// Neighbouring pixels differ, so a pixel inverted twice or not at all shows.
QImage Muster(int w, int h, double r)
{
    return test::Muster(Leinwand(w, h, r));
}

}  // namespace

TEST(ZeichenflaecheSkala, PixelUndFlaechenDeckenIhreGeraetepixel)
{
    const QImage zwei = Zeichne(Leinwand(20, 10, 2.0), [](Zeichenflaeche& f) {
        f.SetPixel(3, 4, RGB(255, 0, 0));
        f.FillRect({10, 1, 12, 3}, RGB(0, 0, 255));
        f.SetPixel(20, 0, RGB(0, 0, 0));  // just outside
    });
    std::set<Pixel> erwartet = Block(6, 8, 7, 9);
    erwartet.merge(Block(20, 2, 23, 5));
    EXPECT_EQ(Tinte(zwei), erwartet);
    EXPECT_EQ(zwei.pixel(6, 8), 0xFFFF0000u);
    EXPECT_EQ(zwei.pixel(23, 5), 0xFF0000FFu);

    // At 1.5 the logical pixels take one or two device pixels in turn, without gap or overlap.
    const QImage anderthalb = Zeichne(Leinwand(8, 2, 1.5), [](Zeichenflaeche& f) {
        for (int x = 0; x < 8; x += 2)
            f.SetPixel(x, 1, RGB(0, 0, 0));
    });
    EXPECT_EQ(Tinte(anderthalb), (std::set<Pixel>{{0, 1}, {0, 2}, {3, 1}, {3, 2}, {6, 1}, {6, 2}, {9, 1}, {9, 2}}));
    const QImage voll = Zeichne(Leinwand(8, 2, 1.5), [](Zeichenflaeche& f) {
        for (int x = 0; x < 8; ++x)
            f.SetPixel(x, 0, RGB(0, 0, 0));
    });
    EXPECT_EQ(Tinte(voll), Block(0, 0, 11, 0));
}

TEST(ZeichenflaecheSkala, EinPixelLinieIstZweiGeraetepixelBreitOhneEndpunkt)
{
    const QImage waagrecht = Zeichne(Leinwand(20, 10, 2.0), [](Zeichenflaeche& f) {
        f.MoveToEx(2, 3);
        f.LineTo(10, 3);
    });
    EXPECT_EQ(Tinte(waagrecht), Block(4, 6, 19, 7));

    const QImage senkrecht = Zeichne(Leinwand(20, 10, 2.0), [](Zeichenflaeche& f) {
        f.MoveToEx(5, 9);
        f.LineTo(5, 1);
    });
    EXPECT_EQ(Tinte(senkrecht), Block(10, 4, 11, 19));

    // A diagonal is stepped at device resolution, not in blocks of two.
    const QImage schraeg = Zeichne(Leinwand(20, 20, 2.0), [](Zeichenflaeche& f) {
        f.MoveToEx(0, 0);
        f.LineTo(12, 4);
    });
    EXPECT_EQ(Tinte(schraeg).size(), 24u * 2u);
    bool halberSchritt = false;
    for (const auto& [x, y] : Tinte(schraeg))
        halberSchritt = halberSchritt || (x % 2 == 1 && !Tinte(schraeg).count({x - 1, y}));
    EXPECT_TRUE(halberSchritt);
}

TEST(ZeichenflaecheSkala, BreiterStiftWaechstMit)
{
    // Width 3 covers logical rows 9..11, at ratio 2 device rows 18..23.
    const QImage bild = Zeichne(Leinwand(40, 20, 2.0), [](Zeichenflaeche& f) {
        Zeichenflaeche::StiftWahl breit(f, {3, RGB(0, 0, 0)});
        f.MoveToEx(5, 10);
        f.LineTo(30, 10);
    });
    const QRect r = TintenRahmen(bild);
    EXPECT_EQ(r.top(), 18);
    EXPECT_EQ(r.bottom(), 23);
    for (int y = 18; y <= 23; ++y)
        EXPECT_EQ(bild.pixel(40, y), Schwarz) << y;
    // Round ends reach half the pen beyond both end points.
    EXPECT_GE(r.left(), 7);
    EXPECT_LE(r.right(), 63);
}

TEST(ZeichenflaecheSkala, InvertierenStelltBeiJedemVerhaeltnisWiederHer)
{
    for (const double r : {1.25, 1.5, 1.75, 2.0, 3.0}) {
        const QImage vorher = Muster(60, 50, r);
        QImage bild = vorher;
        {
            QPainter maler(&bild);
            Zeichenflaeche f(maler);
            const Zeichenflaeche::RasterWahl invertieren(f, R2_NOT);
            const auto alles = [&] {
                {
                    // The rubber band: a hollow rectangle, over the edge too.
                    const Zeichenflaeche::PinselWahl hohl(f, {true, RGB(0, 0, 0)});
                    f.Rectangle(50, 45, 3, 2);
                    f.Rectangle(10, 10, 70, 30);
                }
                f.Ellipse(26, 16, 34, 24);  // the track cursor's marker
                const Zeichenflaeche::StiftWahl breit(f, {3, RGB(255, 0, 0)});
                f.MoveToEx(2, 2);
                f.LineTo(58, 20);
                f.LineTo(30, 48);
            };
            alles();
            EXPECT_NE(bild, vorher) << r;
            alles();
        }
        EXPECT_EQ(bild, vorher) << r;
    }
}

TEST(ZeichenflaecheSkala, BandInvertiertJedenGeraetepixelEinmal)
{
    for (const double r : {1.5, 2.0}) {
        QImage bild = Leinwand(40, 40, r);
        bild.fill(Schwarz);
        bild = Zeichne(bild, [](Zeichenflaeche& f) {
            const Zeichenflaeche::RasterWahl invertieren(f, R2_NOT);
            const Zeichenflaeche::PinselWahl hohl(f, {true, RGB(0, 0, 0)});
            f.Rectangle(5, 6, 30, 25);
        });
        // The outline is one logical pixel wide, so round(r) device pixels; nothing inside.
        const int breite = int(std::lround(r));
        const int l = int(std::floor(5 * r));
        const int t = int(std::floor(6 * r));
        const int rr = int(std::floor(30 * r));
        const int b = int(std::floor(25 * r));
        for (int y = 0; y < bild.height(); ++y)
            for (int x = 0; x < bild.width(); ++x) {
                const bool innen = x >= l && x < rr && y >= t && y < b;
                const bool rand = innen && (x < l + breite || x >= rr - breite || y < t + breite || y >= b - breite);
                EXPECT_EQ(bild.pixel(x, y), rand ? Weiss : Schwarz) << r << ": " << x << "," << y;
            }
    }
}

TEST(ZeichenflaecheSkala, SchriftInDoppelterPixelgroesse)
{
    const QString text = QStringLiteral("Höhe: 1234 Meter");
    const auto schreibe = [&](double r, Groesse& g) {
        return Zeichne(Leinwand(200, 60, r), [&](Zeichenflaeche& f) {
            const Zeichenflaeche::SchriftWahl schrift(f, LogFont{-12, 0, 0, 800, 0x20, {}});
            g = f.GetTextExtentPoint(text);
            f.TextOut(10, 20, text);
        });
    };
    Groesse eins;
    Groesse zwei;
    const QRect r1 = TintenRahmen(schreibe(1.0, eins));
    const QRect r2 = TintenRahmen(schreibe(2.0, zwei));
    // The layout keeps its logical measures ...
    EXPECT_NEAR(zwei.cx, eins.cx, 2);
    EXPECT_EQ(zwei.cy, eins.cy);
    // ... while the glyphs are drawn twice as large, in the same place.
    EXPECT_NEAR(r2.height(), 2 * r1.height(), 3);
    EXPECT_NEAR(r2.width(), 2 * r1.width(), 6);
    EXPECT_NEAR(r2.left(), 2 * r1.left(), 2);
    EXPECT_NEAR(r2.top(), 2 * r1.top(), 3);
}

TEST(ZeichenflaecheSkala, EllipseRundInVollerAufloesung)
{
    // The cursor marker at ratio 2 covers a 16 x 16 box with a disc, not a doubled 8 x 8 one.
    const QImage bild = Zeichne(Leinwand(20, 20, 2.0), [](Zeichenflaeche& f) {
        const Zeichenflaeche::PinselWahl voll(f, {false, RGB(0, 0, 0)});
        f.Ellipse(6, 6, 14, 14);
    });
    EXPECT_EQ(TintenRahmen(bild), QRect(12, 12, 16, 16));
    bool ungeradeKante = false;
    for (int y = 12; y < 28; ++y) {
        int links = 28;
        for (int x = 12; x < 28; ++x)
            if (bild.pixel(x, y) != Weiss) {
                links = x;
                break;
            }
        ungeradeKante = ungeradeKante || links % 2 == 1;
    }
    EXPECT_TRUE(ungeradeKante);
}
