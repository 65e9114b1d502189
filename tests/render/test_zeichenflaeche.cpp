#include "render/Zeichenflaeche.h"

#include "TestHilfen.h"
#include "ZeichenHilfen.h"

#include <QPainter>
#include <gtest/gtest.h>

#include <set>
#include <utility>

namespace {

constexpr QRgb Weiss = 0xFFFFFFFFu;
constexpr QRgb Schwarz = 0xFF000000u;
constexpr QRgb Rot = 0xFFFF0000u;
constexpr QRgb Blau = 0xFF0000FFu;

using test::Muster;
using test::Pixel;
using test::Tinte;
using test::Zeichne;

}  // namespace

TEST(Zeichenflaeche, SetPixelSetztGenauEinenPixel)
{
    const QImage bild = Zeichne(20, 10, [](Zeichenflaeche& f) { f.SetPixel(3, 4, RGB(255, 0, 0)); });
    EXPECT_EQ(Tinte(bild), (std::set<Pixel>{{3, 4}}));
    EXPECT_EQ(bild.pixel(3, 4), Rot);
}

TEST(Zeichenflaeche, SetPixelAusserhalbWirdIgnoriert)
{
    const QImage bild = Zeichne(20, 10, [](Zeichenflaeche& f) {
        for (const auto& [x, y] : {Pixel{-1, 0}, Pixel{20, 0}, Pixel{0, -1}, Pixel{0, 10}, Pixel{-100000, 5},
                                   Pixel{5, 2147483647}, Pixel{-2147483647 - 1, -2147483647 - 1}})
            f.SetPixel(x, y, RGB(0, 0, 0));
        f.SetPixel(0, 0, RGB(0, 0, 0));
        f.SetPixel(19, 9, RGB(0, 0, 0));
    });
    EXPECT_EQ(Tinte(bild), (std::set<Pixel>{{0, 0}, {19, 9}}));
}

TEST(Zeichenflaeche, SetPixelMitTransformationZeichnetUeberDenMaler)
{
    QImage bild = test::LeeresBild(20, 20);
    {
        QPainter maler(&bild);
        maler.translate(5, 6);
        Zeichenflaeche f(maler);
        f.SetPixel(1, 1, RGB(0, 0, 255));
    }
    EXPECT_EQ(Tinte(bild), (std::set<Pixel>{{6, 7}}));
    EXPECT_EQ(bild.pixel(6, 7), Blau);
}

TEST(ZeichenflaecheLinie, EndpunktFehlt)
{
    struct Fall {
        Punkt von, bis;
        std::set<Pixel> erwartet;
    };
    const Fall faelle[] = {
        {{2, 3}, {6, 3}, {{2, 3}, {3, 3}, {4, 3}, {5, 3}}},  // horizontal
        {{6, 3}, {2, 3}, {{6, 3}, {5, 3}, {4, 3}, {3, 3}}},  // backwards
        {{4, 1}, {4, 5}, {{4, 1}, {4, 2}, {4, 3}, {4, 4}}},  // vertical
        {{1, 1}, {5, 5}, {{1, 1}, {2, 2}, {3, 3}, {4, 4}}},  // diagonal
        {{8, 1}, {5, 4}, {{8, 1}, {7, 2}, {6, 3}}},          // anti-diagonal
        {{2, 0}, {3, 6}, {{2, 0}, {2, 1}, {2, 2}, {3, 3}, {3, 4}, {3, 5}}},  // steep
        {{0, 0}, {6, 2}, {{0, 0}, {1, 0}, {2, 1}, {3, 1}, {4, 1}, {5, 2}}},  // shallow
    };
    for (const Fall& fall : faelle) {
        const QImage bild = Zeichne(12, 8, [&](Zeichenflaeche& f) {
            f.MoveToEx(fall.von.x, fall.von.y);
            f.LineTo(fall.bis.x, fall.bis.y);
            EXPECT_EQ(f.AktuellePosition(), fall.bis);
        });
        EXPECT_EQ(Tinte(bild), fall.erwartet) << fall.von.x << "," << fall.von.y << " -> " << fall.bis.x << ","
                                              << fall.bis.y;
    }
}

TEST(ZeichenflaecheLinie, ZumAktuellenPunktZeichnetNichts)
{
    const QImage bild = Zeichne(10, 10, [](Zeichenflaeche& f) {
        Zeichenflaeche::StiftWahl stift(f, {3, RGB(0, 0, 0)});
        f.MoveToEx(5, 5);
        f.LineTo(5, 5);
    });
    EXPECT_EQ(test::NichtWeiss(bild), 0);
}

TEST(ZeichenflaecheLinie, PolylinieSetztJedenPixelGenauEinmal)
{
    // Consecutive segments meet without a gap and without double drawing: inverted, each
    // pixel flips once.
    QImage bild = test::LeeresBild(20, 20);
    {
        QPainter maler(&bild);
        Zeichenflaeche f(maler);
        f.SetROP2(R2_NOT);
        f.MoveToEx(1, 1);
        f.LineTo(10, 1);
        f.LineTo(10, 10);
        f.LineTo(1, 1);
    }
    const auto tinte = Tinte(bild);
    for (const auto& p : tinte)
        EXPECT_EQ(bild.pixel(p.first, p.second), Schwarz);
    EXPECT_EQ(tinte.size(), 9u + 9u + 9u);
}

TEST(ZeichenflaecheLinie, WeitAusserhalbEndetSchnellUndRichtig)
{
    const QImage bild = Zeichne(50, 50, [](Zeichenflaeche& f) {
        f.MoveToEx(-2000000000, 10);
        f.LineTo(2000000000, 10);
        f.MoveToEx(20, -2147483647 - 1);
        f.LineTo(20, 2147483647);
    });
    for (int x = 0; x < 50; ++x)
        EXPECT_EQ(bild.pixel(x, 10), Schwarz) << x;
    for (int y = 0; y < 50; ++y)
        EXPECT_EQ(bild.pixel(20, y), Schwarz) << y;
    EXPECT_EQ(test::NichtWeiss(bild), 50 + 49);
}

TEST(ZeichenflaecheLinie, BreiteDreiDecktDreiZeilen)
{
    const QImage bild = Zeichne(30, 20, [](Zeichenflaeche& f) {
        Zeichenflaeche::StiftWahl stift(f, {3, RGB(255, 0, 0)});
        f.MoveToEx(10, 10);
        f.LineTo(20, 10);
    });
    for (int x = 10; x < 20; ++x)
        for (int y = 9; y <= 11; ++y)
            EXPECT_EQ(bild.pixel(x, y), Rot) << x << "," << y;
    for (int x = 0; x < 30; ++x) {
        EXPECT_EQ(bild.pixel(x, 8), Weiss) << x;
        EXPECT_EQ(bild.pixel(x, 12), Weiss) << x;
    }
    // Round ends reach at most one pixel beyond the end points.
    for (int y = 0; y < 20; ++y) {
        EXPECT_EQ(bild.pixel(8, y), Weiss);
        EXPECT_EQ(bild.pixel(22, y), Weiss);
    }
}

TEST(ZeichenflaecheLinie, BreiteNullWieEinsUnsinnigeBreiteEndet)
{
    const QImage null = Zeichne(20, 20, [](Zeichenflaeche& f) {
        Zeichenflaeche::StiftWahl stift(f, {0, RGB(0, 0, 0)});
        f.MoveToEx(2, 5);
        f.LineTo(12, 5);
    });
    EXPECT_EQ(test::NichtWeiss(null), 10);
    const QImage riesig = Zeichne(20, 20, [](Zeichenflaeche& f) {
        Zeichenflaeche::StiftWahl stift(f, {2000000000, RGB(0, 0, 0)});
        f.MoveToEx(2, 5);
        f.LineTo(12, 5);
        f.Ellipse(0, 0, 20, 20);
    });
    EXPECT_EQ(test::NichtWeiss(riesig), 400);
}

TEST(ZeichenflaecheLinie, BreiteDreiSteilDecktDreiSpalten)
{
    const QImage bild = Zeichne(30, 30, [](Zeichenflaeche& f) {
        Zeichenflaeche::StiftWahl stift(f, {3, RGB(0, 0, 255)});
        f.MoveToEx(10, 5);
        f.LineTo(12, 25);
    });
    // Every row the line passes is three pixels wide around the thin line's pixel.
    for (int y = 5; y < 25; ++y) {
        int anzahl = 0;
        for (int x = 0; x < 30; ++x)
            anzahl += bild.pixel(x, y) == Blau;
        EXPECT_EQ(anzahl, 3) << y;
    }
}

TEST(ZeichenflaecheLinie, StiftNachWahlZurueck)
{
    QImage bild = test::LeeresBild(20, 10);
    QPainter maler(&bild);
    {
        Zeichenflaeche f(maler);
        Zeichenflaeche::StiftWahl stift(f, {3, RGB(255, 0, 0)});
        EXPECT_EQ(f.AktuellerStift().breite, 3);
        {
            Zeichenflaeche::StiftWahl innen(f, {1, RGB(0, 0, 255)});
            EXPECT_EQ(f.AktuellerStift().farbe, RGB(0, 0, 255));
        }
        EXPECT_EQ(f.AktuellerStift().farbe, RGB(255, 0, 0));
    }
    {
        Zeichenflaeche f(maler);
        {
            Zeichenflaeche::StiftWahl stift(f, {3, RGB(255, 0, 0)});
        }
        EXPECT_EQ(f.AktuellerStift().breite, 1);
        EXPECT_EQ(f.AktuellerStift().farbe, RGB(0, 0, 0));
        f.MoveToEx(0, 5);
        f.LineTo(5, 5);
    }
    maler.end();
    EXPECT_EQ(bild.pixel(2, 5), Schwarz);
    EXPECT_EQ(bild.pixel(2, 4), Weiss);
}

TEST(ZeichenflaecheFigur, RechteckRechtsUntenAusgeschlossen)
{
    const QImage bild = Zeichne(20, 20, [](Zeichenflaeche& f) {
        Zeichenflaeche::PinselWahl pinsel(f, {false, RGB(0, 0, 255)});
        f.Rectangle(2, 3, 8, 7);
    });
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x) {
            const bool innen = x >= 2 && x <= 7 && y >= 3 && y <= 6;
            const bool rand = innen && (x == 2 || x == 7 || y == 3 || y == 6);
            EXPECT_EQ(bild.pixel(x, y), rand ? Schwarz : innen ? Blau : Weiss) << x << "," << y;
        }
}

TEST(ZeichenflaecheFigur, HohlerPinselZeichnetNurDenRand)
{
    QImage bild = test::LeeresBild(20, 20);
    bild.fill(qRgb(1, 2, 3));
    {
        QPainter maler(&bild);
        Zeichenflaeche f(maler);
        Zeichenflaeche::PinselWahl pinsel(f, {true, RGB(0, 0, 255)});
        // Corners may come in either order.
        f.Rectangle(12, 10, 4, 2);
        f.Ellipse(14, 14, 20, 20);
    }
    EXPECT_EQ(bild.pixel(4, 2), Schwarz);
    EXPECT_EQ(bild.pixel(11, 9), Schwarz);
    EXPECT_EQ(bild.pixel(12, 10), qRgb(1, 2, 3));
    EXPECT_EQ(bild.pixel(8, 6), qRgb(1, 2, 3));
    EXPECT_EQ(bild.pixel(17, 17), qRgb(1, 2, 3));
    EXPECT_EQ(bild.pixel(14, 17), Schwarz);
}

TEST(ZeichenflaecheFigur, EllipseInnerhalbDerBox)
{
    const QImage bild = Zeichne(30, 30, [](Zeichenflaeche& f) {
        Zeichenflaeche::PinselWahl pinsel(f, {false, RGB(255, 0, 0)});
        f.Ellipse(5, 6, 15, 16);
    });
    const auto tinte = Tinte(bild);
    int minX = 99, maxX = -1, minY = 99, maxY = -1;
    for (const auto& [x, y] : tinte) {
        minX = std::min(minX, x);
        maxX = std::max(maxX, x);
        minY = std::min(minY, y);
        maxY = std::max(maxY, y);
    }
    EXPECT_EQ(minX, 5);
    EXPECT_EQ(maxX, 14);
    EXPECT_EQ(minY, 6);
    EXPECT_EQ(maxY, 15);
    EXPECT_EQ(bild.pixel(10, 11), Rot);  // inside with the brush
    EXPECT_EQ(bild.pixel(5, 11), Schwarz);
    EXPECT_EQ(bild.pixel(14, 10), Schwarz);
    EXPECT_EQ(bild.pixel(5, 6), Weiss);  // the box's corners stay outside
    EXPECT_EQ(bild.pixel(14, 15), Weiss);
    // The outline is closed: each row's ink begins and ends with the pen.
    for (int y = 6; y <= 15; ++y) {
        int links = -1, rechts = -1;
        for (int x = 0; x < 30; ++x)
            if (bild.pixel(x, y) != Weiss) {
                if (links < 0)
                    links = x;
                rechts = x;
            }
        ASSERT_GE(links, 0) << y;
        EXPECT_EQ(bild.pixel(links, y), Schwarz) << y;
        EXPECT_EQ(bild.pixel(rechts, y), Schwarz) << y;
        for (int x = links; x <= rechts; ++x)
            EXPECT_NE(bild.pixel(x, y), Weiss) << x << "," << y;
    }
}

TEST(ZeichenflaecheFigur, LeereFigurenZeichnenNichts)
{
    const QImage bild = Zeichne(20, 20, [](Zeichenflaeche& f) {
        f.Rectangle(5, 5, 5, 10);
        f.Ellipse(5, 5, 10, 5);
        f.FillRect({5, 5, 4, 10}, RGB(0, 0, 0));
        f.FillRect({5, 5, 10, 5}, RGB(0, 0, 0));
    });
    EXPECT_EQ(test::NichtWeiss(bild), 0);
}

TEST(ZeichenflaecheFigur, FillRectKanten)
{
    const QImage bild = Zeichne(20, 20, [](Zeichenflaeche& f) {
        f.FillRect({3, 4, 7, 9}, RGB(0, 0, 255));
        f.FillRect({-5, 18, 100, 100}, RGB(255, 0, 0));
    });
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x) {
            const QRgb erwartet = y >= 18 ? Rot : (x >= 3 && x < 7 && y >= 4 && y < 9) ? Blau : Weiss;
            EXPECT_EQ(bild.pixel(x, y), erwartet) << x << "," << y;
        }
}

TEST(ZeichenflaecheInvertieren, ZweimalGezeichnetStelltJedenPixelWiederHer)
{
    const QImage vorher = Muster(60, 50);
    QImage bild = vorher;
    {
        QPainter maler(&bild);
        Zeichenflaeche f(maler);
        EXPECT_EQ(f.SetROP2(R2_NOT), R2_COPYPEN);
        const auto alles = [&] {
            f.Rectangle(3, 4, 40, 30);
            f.Ellipse(10, 12, 55, 47);
            {
                Zeichenflaeche::PinselWahl hohl(f, {true, RGB(0, 0, 0)});
                f.Rectangle(50, 45, -5, 2);  // reaches over the edge
            }
            Zeichenflaeche::StiftWahl breit(f, {3, RGB(255, 0, 0)});
            f.MoveToEx(2, 2);
            f.LineTo(58, 20);
            f.LineTo(30, 48);
        };
        alles();
        EXPECT_NE(bild, vorher);
        alles();
        EXPECT_EQ(f.SetROP2(R2_COPYPEN), R2_NOT);
    }
    EXPECT_EQ(bild, vorher);
}

TEST(ZeichenflaecheInvertieren, EinmalInvertiertJedenPixelGenauEinmal)
{
    QImage bild = test::LeeresBild(40, 40);
    bild.fill(Schwarz);
    {
        QPainter maler(&bild);
        Zeichenflaeche f(maler);
        f.SetROP2(R2_NOT);
        f.Ellipse(5, 5, 35, 25);  // default brush: filled, so outline and inside together
    }
    // Every pixel of the figure is white now (inverted once); none stays black inside, none grey.
    int weiss = 0;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x) {
            const QRgb p = bild.pixel(x, y);
            EXPECT_TRUE(p == Weiss || p == Schwarz) << x << "," << y;
            weiss += p == Weiss;
            if (y == 15 && x >= 5 && x < 35) {
                EXPECT_EQ(p, Weiss) << x;
            }
            if (x < 5 || x >= 35 || y < 5 || y >= 25) {
                EXPECT_EQ(p, Schwarz) << x << "," << y;
            }
        }
    EXPECT_GT(weiss, 400);  // about pi * 15 * 10 = 471
    EXPECT_LT(weiss, 600);
}

TEST(ZeichenflaecheInvertieren, BreiteLinieInvertiertUeberlappungEinmal)
{
    QImage bild = test::LeeresBild(30, 30);
    {
        QPainter maler(&bild);
        Zeichenflaeche f(maler);
        f.SetROP2(R2_NOT);
        Zeichenflaeche::StiftWahl breit(f, {3, RGB(0, 0, 0)});
        f.MoveToEx(5, 5);
        f.LineTo(20, 12);
    }
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 30; ++x) {
            const QRgb p = bild.pixel(x, y);
            EXPECT_TRUE(p == Weiss || p == Schwarz) << x << "," << y;
        }
    EXPECT_EQ(bild.pixel(12, 8), Schwarz);
}

TEST(ZeichenflaecheText, TintInnerhalbDerZelle)
{
    Groesse g;
    const int x = 20, y = 15;
    const QImage bild = Zeichne(200, 80, [&](Zeichenflaeche& f) {
        f.SetBkMode(TRANSPARENT);
        g = f.GetTextExtentPoint(QStringLiteral("Flughöhe 812"));
        f.TextOut(x, y, QStringLiteral("Flughöhe 812"));
    });
    EXPECT_GT(g.cx, 60);
    EXPECT_GE(g.cy, 16);
    const auto tinte = Tinte(bild);
    EXPECT_GT(tinte.size(), 50u);
    for (const auto& [px, py] : tinte) {
        EXPECT_TRUE(px >= x && px < x + g.cx && py >= y && py < y + g.cy) << px << "," << py;
        EXPECT_EQ(bild.pixel(px, py), Schwarz) << "text pixels carry exactly the text colour";
    }
}

TEST(ZeichenflaecheText, GedrehterTextLiestNachOben)
{
    Groesse g;
    const int x = 30, y = 150;
    QImage bild = Zeichne(100, 200, [&](Zeichenflaeche& f) {
        LogFont lf = f.AktuelleSchrift();
        lf.lfHeight = -10;
        lf.lfWidth = 5;
        lf.lfEscapement = 900;
        Zeichenflaeche::SchriftWahl schrift(f, lf);
        f.SetBkMode(TRANSPARENT);
        f.SetTextColor(RGB(0, 0, 255));
        g = f.GetTextExtentPoint(QStringLiteral("25 km/h Rückenwind"));
        f.TextOut(x, y, QStringLiteral("25 km/h Rückenwind"));
    });
    EXPECT_GT(g.cx, 40);
    const auto tinte = Tinte(bild);
    EXPECT_GT(tinte.size(), 30u);
    int minY = 1000;
    int maxY = -1;
    for (const auto& [px, py] : tinte) {
        EXPECT_TRUE(px >= x && px < x + g.cy && py >= y - g.cx && py < y) << px << "," << py;
        EXPECT_EQ(bild.pixel(px, py), Blau);
        minY = std::min(minY, py);
        maxY = std::max(maxY, py);
    }
    // The text reaches along most of its extent.
    EXPECT_GT(maxY - minY, g.cx * 3 / 4);
}

TEST(ZeichenflaecheText, HintergrundOpakWeissTransparentUnberuehrt)
{
    const auto zeichne = [](int modus) {
        QImage bild = test::LeeresBild(120, 40);
        bild.fill(qRgb(210, 210, 210));
        Groesse g;
        {
            QPainter maler(&bild);
            Zeichenflaeche f(maler);
            EXPECT_EQ(f.SetBkMode(modus), OPAQUE);
            g = f.GetTextExtentPoint(QStringLiteral("Wind"));
            f.TextOut(10, 5, QStringLiteral("Wind"));
            EXPECT_EQ(f.GetBkMode(), modus);
        }
        return std::pair{bild, g};
    };
    const auto [opak, g] = zeichne(OPAQUE);
    const auto [transparent, g2] = zeichne(TRANSPARENT);
    int weissOpak = 0;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 120; ++x) {
            const bool inZelle = x >= 10 && x < 10 + g.cx && y >= 5 && y < 5 + g.cy;
            if (!inZelle) {
                EXPECT_EQ(opak.pixel(x, y), qRgb(210, 210, 210)) << x << "," << y;
            }
            weissOpak += opak.pixel(x, y) == Weiss;
            EXPECT_NE(transparent.pixel(x, y), Weiss);
        }
    EXPECT_GT(weissOpak, g.cx * g.cy / 2);
    EXPECT_EQ(opak.pixel(10, 5), Weiss);
    EXPECT_EQ(opak.pixel(10 + g.cx - 1, 5 + g.cy - 1), Weiss);
}

TEST(ZeichenflaecheText, AusmassWaechstMitHoeheUndBreite)
{
    QImage bild = test::LeeresBild(10, 10);
    QPainter maler(&bild);
    Zeichenflaeche f(maler);
    const QString text = QStringLiteral("2467 Meter");
    const auto mit = [&](int hoehe, int breite) {
        LogFont lf = f.AktuelleSchrift();
        lf.lfHeight = hoehe;
        lf.lfWidth = breite;
        Zeichenflaeche::SchriftWahl s(f, lf);
        return f.GetTextExtentPoint(text);
    };
    const Groesse klein = mit(-10, 0);
    const Groesse gross = mit(-20, 0);
    EXPECT_GT(gross.cx, klein.cx);
    EXPECT_GT(gross.cy, klein.cy);
    EXPECT_GE(gross.cy, 20);
    // A positive height is the whole cell.
    EXPECT_NEAR(mit(30, 0).cy, 30, 2);
    // lfWidth: about that many pixels per character.
    const Groesse schmal = mit(-10, 3);
    const Groesse breit = mit(-10, 8);
    EXPECT_LT(schmal.cx, breit.cx);
    EXPECT_NEAR(breit.cx, 8 * text.size(), 3 * text.size());
    EXPECT_EQ(schmal.cy, klein.cy);
}

TEST(ZeichenflaecheText, SchriftUndFarbeNachWahlZurueck)
{
    QImage bild = test::LeeresBild(10, 10);
    QPainter maler(&bild);
    Zeichenflaeche f(maler);
    EXPECT_EQ(f.AktuelleSchrift(), LogFont{});
    const Groesse vorher = f.GetTextExtentPoint(QStringLiteral("Variowerte"));
    {
        LogFont lf = f.AktuelleSchrift();
        lf.lfHeight = -30;
        lf.lfWeight = 700;
        Zeichenflaeche::SchriftWahl s(f, lf);
        EXPECT_EQ(f.AktuelleSchrift().lfHeight, -30);
        EXPECT_GT(f.GetTextExtentPoint(QStringLiteral("Variowerte")).cx, vorher.cx);
    }
    EXPECT_EQ(f.AktuelleSchrift(), LogFont{});
    EXPECT_EQ(f.GetTextExtentPoint(QStringLiteral("Variowerte")).cx, vorher.cx);
    EXPECT_EQ(f.SetTextColor(RGB(1, 2, 3)), RGB(0, 0, 0));
    EXPECT_EQ(f.GetTextColor(), RGB(1, 2, 3));
}

// A weight below the thinnest named one (the printed map asks for 2 at 600 dpi) reads as
// regular, not as a hairline cut.
TEST(ZeichenflaecheText, KleinstesGewichtWieNormal)
{
    const auto schreibe = [](int gewicht) {
        return Zeichne(120, 30, [&](Zeichenflaeche& f) {
            LogFont lf = f.AktuelleSchrift();
            lf.lfHeight = -16;
            lf.lfWeight = gewicht;
            Zeichenflaeche::SchriftWahl s(f, lf);
            f.TextOut(2, 2, QStringLiteral("Maßstab 1:50000"));
        });
    };
    EXPECT_EQ(schreibe(2), schreibe(400));
    EXPECT_EQ(schreibe(0), schreibe(400));
    EXPECT_NE(schreibe(800), schreibe(400));
}

TEST(Zeichenflaeche, MalerZustandBleibt)
{
    QImage bild = test::LeeresBild(50, 50);
    QPainter maler(&bild);
    maler.setRenderHint(QPainter::Antialiasing, true);
    const QPen stift(Qt::green);
    maler.setPen(stift);
    {
        Zeichenflaeche f(maler);
        EXPECT_FALSE(maler.testRenderHint(QPainter::Antialiasing));
        LogFont lf;
        lf.lfEscapement = 900;
        Zeichenflaeche::SchriftWahl s(f, lf);
        f.TextOut(10, 40, QStringLiteral("Text"));
        EXPECT_TRUE(maler.transform().isIdentity());
        EXPECT_EQ(maler.pen(), stift);
    }
    EXPECT_TRUE(maler.testRenderHint(QPainter::Antialiasing));
}

// Painters with a transform (such as a print page) go through QPainter instead of the pixels.
TEST(ZeichenflaecheUmweg, FigurenWieAufDemBild)
{
    const auto figuren = [](Zeichenflaeche& f) {
        Zeichenflaeche::PinselWahl pinsel(f, {false, RGB(0, 0, 255)});
        f.Ellipse(3, 4, 17, 13);
        f.Rectangle(20, 2, 30, 12);
        f.FillRect({2, 20, 12, 25}, RGB(255, 0, 0));
        f.SetPixel(35, 35, RGB(0, 255, 0));
    };
    const QImage direkt = Zeichne(50, 50, [&](Zeichenflaeche& f) {
        QPainter& maler = f.painter();
        maler.translate(7, 3);
        figuren(f);  // a transform set on the painter: the surface must honour it
    });
    QImage erwartet = test::LeeresBild(50, 50);
    {
        QPainter maler(&erwartet);
        Zeichenflaeche f(maler);
        // Same figures moved by hand on the direct path.
        Zeichenflaeche::PinselWahl pinsel(f, {false, RGB(0, 0, 255)});
        f.Ellipse(10, 7, 24, 16);
        f.Rectangle(27, 5, 37, 15);
        f.FillRect({9, 23, 19, 28}, RGB(255, 0, 0));
        f.SetPixel(42, 38, RGB(0, 255, 0));
    }
    EXPECT_EQ(direkt, erwartet);
}

TEST(ZeichenflaecheUmweg, BreiteLinieUndInvertieren)
{
    const QImage vorher = Muster(40, 30);
    QImage bild = vorher;
    {
        QPainter maler(&bild);
        maler.translate(2, 1);
        Zeichenflaeche f(maler);
        {
            Zeichenflaeche::StiftWahl stift(f, {3, RGB(255, 0, 0)});
            f.MoveToEx(5, 10);
            f.LineTo(25, 10);
        }
        for (int x = 8; x < 27; ++x)
            for (int y = 10; y <= 12; ++y)
                EXPECT_EQ(bild.pixel(x, y), Rot) << x << "," << y;
        EXPECT_NE(bild.pixel(15, 9), Rot);
        EXPECT_NE(bild.pixel(15, 13), Rot);

        const QImage mitLinie = bild;
        f.SetROP2(R2_NOT);
        const auto alles = [&] {
            f.Rectangle(1, 1, 30, 20);
            f.Ellipse(4, 3, 36, 27);
            Zeichenflaeche::StiftWahl stift(f, {3, RGB(0, 0, 0)});
            f.MoveToEx(0, 0);
            f.LineTo(35, 25);
        };
        alles();
        EXPECT_NE(bild, mitLinie);
        alles();
        EXPECT_EQ(bild, mitLinie);
    }
}
