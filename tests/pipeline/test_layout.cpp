// Pane rectangles for single and split view, narrow and low windows, and the selection strip.

#include "TestHilfen.h"
#include "render/Ansicht.h"
#include "render/Zeichenflaeche.h"
#include "pipeline/Layout.h"

#include <QPainter>
#include <gtest/gtest.h>

namespace {

Rechteck Client(int breite, int hoehe) { return Rechteck{0, 0, breite, hoehe}; }

TEST(Layout, EinzelgrafikLaesstRechtsPlatzFuerDieLegende)
{
    CAnsicht a;
    a.ansicht.grafik[1].ecke = Rechteck{1, 2, 3, 4};
    BerechneLayout(a, Client(800, 600));
    EXPECT_EQ(a.ansicht.grafik[0].ecke, (Rechteck{60, 60, 640, 540}));
    EXPECT_EQ(a.ansicht.grafik[1].ecke, (Rechteck{1, 2, 3, 4}));  // the hidden pane is untouched
    EXPECT_EQ(a.randOben, 60);
    EXPECT_EQ(a.randRechts, 160);
    EXPECT_EQ(a.client, Client(800, 600));
}

TEST(Layout, GeteilteGrafikTeiltUmDieMitte)
{
    CAnsicht a;
    a.grafikanzahl = 2;
    BerechneLayout(a, Client(800, 600));
    EXPECT_EQ(a.ansicht.grafik[0].ecke, (Rechteck{60, 220, 397, 540}));
    EXPECT_EQ(a.ansicht.grafik[1].ecke, (Rechteck{457, 220, 795, 540}));
    EXPECT_EQ(a.randOben, 220);
    EXPECT_EQ(a.randRechts, 5);
}

TEST(Layout, ZurueckZurEinzelgrafikNimmtDieRaenderWieder)
{
    CAnsicht a;
    a.grafikanzahl = 2;
    BerechneLayout(a, Client(800, 600));
    a.grafikanzahl = 1;
    BerechneLayout(a, Client(800, 600));
    EXPECT_EQ(a.ansicht.grafik[0].ecke, (Rechteck{60, 60, 640, 540}));
    EXPECT_EQ(a.ansicht.grafik[1].ecke, (Rechteck{457, 220, 795, 540}));
}

TEST(Layout, SchmalesFensterGibtLeereGrafikStattVerkehrter)
{
    CAnsicht a;
    BerechneLayout(a, Client(200, 300));
    EXPECT_EQ(a.ansicht.grafik[0].ecke, (Rechteck{40, 60, 40, 240}));
    BerechneLayout(a, Client(100, 300));
    EXPECT_EQ(a.ansicht.grafik[0].ecke, (Rechteck{-60, 60, -60, 240}));
    BerechneLayout(a, Client(220, 300));
    EXPECT_EQ(a.ansicht.grafik[0].ecke, (Rechteck{60, 60, 60, 240}));
}

TEST(Layout, SehrSchmalesGeteiltesFensterLegtAllesAnDenRechtenRand)
{
    CAnsicht a;
    a.grafikanzahl = 2;
    BerechneLayout(a, Client(50, 300));
    EXPECT_EQ(a.ansicht.grafik[0].ecke, (Rechteck{45, 220, 45, 240}));
    EXPECT_EQ(a.ansicht.grafik[1].ecke, (Rechteck{45, 220, 45, 240}));
    // 65 pixels is not yet narrow by that rule: the halves come out reversed.
    BerechneLayout(a, Client(65, 300));
    EXPECT_EQ(a.ansicht.grafik[0].ecke, (Rechteck{60, 220, 30, 240}));
    EXPECT_EQ(a.ansicht.grafik[1].ecke, (Rechteck{90, 220, 60, 240}));
}

TEST(Layout, NiedrigesFensterWirdNichtBegrenzt)
{
    CAnsicht a;
    a.grafikanzahl = 2;
    BerechneLayout(a, Client(800, 100));
    EXPECT_EQ(a.ansicht.grafik[0].ecke.top, 220);
    EXPECT_EQ(a.ansicht.grafik[0].ecke.bottom, 40);
}

TEST(Layout, AndereGrafikanzahlLaesstDieRechteckeStehen)
{
    CAnsicht a;
    a.ansicht.grafik[0].ecke = Rechteck{1, 2, 3, 4};
    a.grafikanzahl = 3;
    BerechneLayout(a, Client(800, 600));
    EXPECT_EQ(a.ansicht.grafik[0].ecke, (Rechteck{1, 2, 3, 4}));
}

TEST(Layout, KlickWaehltDieGrafikNachX)
{
    CAnsicht a;
    a.grafikanzahl = 2;
    BerechneLayout(a, Client(800, 600));
    EXPECT_EQ(GrafikBeiX(a, 396), 0);
    EXPECT_EQ(GrafikBeiX(a, 397), 1);  // the left pane's right edge already belongs to the right
    EXPECT_EQ(GrafikBeiX(a, 430), 1);
}

class Streifen : public ::testing::Test {
protected:
    // Draws the strips on a red canvas, so that white strips show.
    QImage Zeichne(const CAnsicht& a)
    {
        QImage bild(800, 600, QImage::Format_RGB32);
        bild.fill(Qt::red);
        QPainter maler(&bild);
        Zeichenflaeche f(maler);
        ZeichneAuswahlStreifen(a, f);
        return bild;
    }
    static constexpr QRgb blau = qRgb(0, 50, 255);
    static constexpr QRgb weiss = qRgb(255, 255, 255);
    static constexpr QRgb rot = qRgb(255, 0, 0);
};

TEST_F(Streifen, GeteiltRechtsAktiv)
{
    CAnsicht a;
    a.grafikanzahl = 2;
    a.aktiveGrafik = 1;
    BerechneLayout(a, Client(800, 600));
    const QImage bild = Zeichne(a);
    // Left strip: 60 px left of 60 up to 397 (excluded); right strip: 397 up to 795.
    for (int y = 594; y < 600; ++y) {
        EXPECT_EQ(bild.pixel(0, y), weiss) << y;
        EXPECT_EQ(bild.pixel(396, y), weiss) << y;
        EXPECT_EQ(bild.pixel(397, y), blau) << y;
        EXPECT_EQ(bild.pixel(794, y), blau) << y;
        EXPECT_EQ(bild.pixel(795, y), rot) << y;
    }
    EXPECT_EQ(bild.pixel(100, 593), rot);
    EXPECT_EQ(bild.pixel(500, 593), rot);
}

TEST_F(Streifen, EinzelgrafikZeigtNurDenLinken)
{
    CAnsicht a;
    BerechneLayout(a, Client(800, 600));
    QImage bild = Zeichne(a);
    EXPECT_EQ(bild.pixel(0, 599), blau);
    EXPECT_EQ(bild.pixel(639, 594), blau);
    EXPECT_EQ(bild.pixel(640, 599), rot);

    a.aktiveGrafik = 1;  // a click in the legend strip selects the hidden pane
    bild = Zeichne(a);
    EXPECT_EQ(bild.pixel(0, 599), weiss);
    EXPECT_EQ(bild.pixel(639, 594), weiss);
}

}  // namespace
