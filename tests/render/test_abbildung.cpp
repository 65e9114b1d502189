// The aspect fit of the zoom window and the mapping of positions to pane pixels.

#include "render/Abbildung.h"

#include "GraphHilfen.h"

#include <gtest/gtest.h>

using namespace graph;

namespace {

// 60 000 by 30 000 units at 0.125 and 0.25 m per unit: 7500 m square.
struct Anpassung : ::testing::Test {
    CSarnixDoc doc;
    CAnsicht ansicht;
    void SetUp() override
    {
        Einrichten(doc, FensterAus(1000000, 1060000, 2000000, 2030000), 0.125f, 0.25f);
        ansicht.zoomFenster = doc.ausdehnung;
        ansicht.zoomFenster.hoeheMax = 1234;
        ansicht.zoomFenster.hoeheMin = -5;
    }
};

}  // namespace

TEST_F(Anpassung, BreiteScheibeBekommtMehrLaenge)
{
    // 600 x 300 pixels: 12.5 m per pixel across, 25 m up; longitude widened to 25 m per pixel.
    ansicht.ansicht.grafik[0].ecke = {0, 0, 599, 299};
    FensterAnpassen(ansicht, doc, 0);
    const Fenster& a = ansicht.anzeigeFenster;
    EXPECT_EQ(a.laengeMin, 970000);
    EXPECT_EQ(a.laengeMax, 1090000);
    EXPECT_EQ(a.breiteMin, 2000000);
    EXPECT_EQ(a.breiteMax, 2030000);
    EXPECT_EQ(a.hoeheMax, 1234);
    EXPECT_EQ(a.hoeheMin, -5);
    EXPECT_EQ(ansicht.zoomFenster.laengeMin, 1000000);  // the chosen window stays
}

TEST_F(Anpassung, HoheScheibeBekommtMehrBreite)
{
    // 300 x 600 pixels: 25 m per pixel across, 12.5 m up; latitude widened by 15 000 each side.
    ansicht.ansicht.grafik[1].ecke = {100, 50, 399, 649};
    FensterAnpassen(ansicht, doc, 1);
    const Fenster& a = ansicht.anzeigeFenster;
    EXPECT_EQ(a.laengeMin, 1000000);
    EXPECT_EQ(a.laengeMax, 1060000);
    EXPECT_EQ(a.breiteMin, 1985000);
    EXPECT_EQ(a.breiteMax, 2045000);
}

TEST_F(Anpassung, BeiNullGradBleibtDasFensterMittig)
{
    // Near 500 000 000 a float carries the limits to 32 units; the window stays centred.
    Einrichten(doc, FensterAus(500000000, 500060000, 500000000, 500030000), 0.125f, 0.25f);
    ansicht.zoomFenster = doc.ausdehnung;
    ansicht.ansicht.grafik[0].ecke = {0, 0, 599, 299};
    FensterAnpassen(ansicht, doc, 0);
    const Fenster& a = ansicht.anzeigeFenster;
    EXPECT_NEAR(a.laengeMin, 499970000, 32);
    EXPECT_NEAR(a.laengeMax, 500090000, 32);
    EXPECT_EQ(a.breiteMin, 500000000);
    EXPECT_EQ(a.breiteMax, 500030000);
}

TEST_F(Anpassung, EinzigePositionWirdAufMindestgroesseGeweitet)
{
    ansicht.zoomFenster = FensterAus(1000000, 1000000, 2000000, 2000000);
    ansicht.ansicht.grafik[0].ecke = {0, 0, 599, 299};
    FensterAnpassen(ansicht, doc, 0);
    const Fenster& a = ansicht.anzeigeFenster;
    // 300 units each way, then the longitude widened to the pane's aspect.
    EXPECT_EQ(a.breiteMin, 1999850);
    EXPECT_EQ(a.breiteMax, 2000150);
    EXPECT_EQ(a.laengeMin, 999400);
    EXPECT_EQ(a.laengeMax, 1000600);
    EXPECT_EQ(PixelVon(ansicht, doc, 0, Grundriss, 1000000, 2000000, 0), (Punkt{299, 149}));
}

TEST_F(Anpassung, UnbrauchbareFaktorenUndLeereScheibenBleibenEndlich)
{
    for (const float faktor : {0.0f, -1.0f, std::numeric_limits<float>::infinity(),
                               std::numeric_limits<float>::quiet_NaN()}) {
        doc.meterProLaenge = faktor;
        ansicht.ansicht.grafik[0].ecke = {0, 0, 599, 299};
        FensterAnpassen(ansicht, doc, 0);
        // Taken as 1 m per unit: 100 m per pixel across, so the latitude is widened.
        const Fenster& a = ansicht.anzeigeFenster;
        EXPECT_EQ(a.laengeMin, 1000000) << faktor;
        EXPECT_EQ(a.breiteMin, 1955000) << faktor;
        EXPECT_EQ(a.breiteMax, 2075000) << faktor;
        const Punkt p = PixelVon(ansicht, doc, 0, Grundriss, 1030000, 2015000, 0);
        EXPECT_GE(p.x, 0);
        EXPECT_LE(p.x, 599);
    }
    doc.meterProLaenge = 0.125f;
    for (const Rechteck ecke : {Rechteck{10, 10, 9, 300}, Rechteck{10, 10, 300, 8},
                                Rechteck{10, 10, -50, -50}}) {
        ansicht.ansicht.grafik[0].ecke = ecke;
        FensterAnpassen(ansicht, doc, 0);
        EXPECT_EQ(ansicht.anzeigeFenster, ansicht.zoomFenster);
        const Punkt p = PixelVon(ansicht, doc, 0, BarogrammNord, 1030000, 2015000, 500);
        EXPECT_LT(std::abs(p.x), 1000);
        EXPECT_LT(std::abs(p.y), 1000);
    }
}

TEST(Abbildung, EinFixInAllenDreiArten)
{
    CSarnixDoc doc;
    // 25 600 by 3200 units, 3200 m by 800 m on a pane of 400 by 200 pixels; 1600 m high.
    Einrichten(doc, FensterAus(1000000, 1025600, 2000000, 2003200, 1600), 0.125f, 0.25f);
    const CAnsicht ansicht = AnsichtMit({100, 50, 500, 250}, Grundriss, doc.ausdehnung);
    EXPECT_EQ(PixelVon(ansicht, doc, 0, Grundriss, 1008000, 2001600, 800), (Punkt{225, 150}));
    EXPECT_EQ(PixelVon(ansicht, doc, 0, BarogrammWest, 1008000, 2001600, 800), (Punkt{300, 150}));
    EXPECT_EQ(PixelVon(ansicht, doc, 0, BarogrammNord, 1008000, 2001600, 800), (Punkt{225, 150}));
    // Window corners: west-south at the bottom left, altitude 0 on the bottom edge.
    EXPECT_EQ(PixelVon(ansicht, doc, 0, Grundriss, 1000000, 2000000, 0), (Punkt{100, 250}));
    EXPECT_EQ(PixelVon(ansicht, doc, 0, BarogrammNord, 1025600, 2000000, 1600), (Punkt{500, 50}));
    EXPECT_EQ(PixelVon(ansicht, doc, 0, BarogrammWest, 1000000, 2003200, -160), (Punkt{500, 270}));
}

TEST(Abbildung, KeineHoeheLegtAllesAufDenUnterrand)
{
    CSarnixDoc doc;
    Einrichten(doc, FensterAus(1000000, 1025600, 2000000, 2003200, 0), 0.125f, 0.25f);
    const CAnsicht ansicht = AnsichtMit({100, 50, 500, 250}, BarogrammWest, doc.ausdehnung);
    EXPECT_EQ(PixelVon(ansicht, doc, 0, BarogrammWest, 1008000, 2001600, 800).y, 250);
    EXPECT_EQ(PixelVon(ansicht, doc, 0, BarogrammWest, 1008000, 2001600, -50).y, 250);
}

TEST(Abbildung, RiesigeFensterLaufenNichtUeber)
{
    // Endless zooming out: limits near the ends of int32.
    CSarnixDoc doc;
    Einrichten(doc, FensterAus(-2000000000, 2000000000, -2100000000, 2100000000), 0.185f, 0.185f);
    CAnsicht ansicht = AnsichtMit({0, 0, 1919, 1079}, Grundriss, doc.ausdehnung);
    FensterAnpassen(ansicht, doc, 0);
    EXPECT_LT(ansicht.anzeigeFenster.laengeMin, ansicht.anzeigeFenster.laengeMax);
    EXPECT_LT(ansicht.anzeigeFenster.breiteMin, ansicht.anzeigeFenster.breiteMax);
    const Punkt p = PixelVon(ansicht, doc, 0, Grundriss, 0, 0, 0);
    EXPECT_NEAR(p.x, 960, 2);
    EXPECT_NEAR(p.y, 540, 2);
}
