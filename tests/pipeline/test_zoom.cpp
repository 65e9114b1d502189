// Zoom arithmetic worked out by hand: the rubber band to a new zoom window, the minimum size,
// clamping into the pane, the pane rule, and zooming out.

#include "flight/CSarnixDoc.h"
#include "render/Ansicht.h"
#include "pipeline/Zoom.h"

#include <QPainter>
#include <gtest/gtest.h>
#include <initializer_list>
#include <limits>

namespace {

// A pane of 400 x 200 pixels at (100, 100), aspect 2, showing 100 units per pixel both ways.
class Band : public ::testing::Test {
protected:
    void SetUp() override
    {
        a.ansicht.grafik[0].ecke = Rechteck{100, 100, 500, 300};
        a.anzeigeFenster = Fenster{2000, 500, 500'020'000, 500'040'000, 500'000'000, 500'000'000};
        a.zoomFenster = a.anzeigeFenster;
        doc.geladen = 1;
    }

    // Press, drag and release as the armed band sees them.
    bool Ziehe(Punkt von, Punkt bis)
    {
        QImage bild(600, 500, QImage::Format_RGB32);
        bild.fill(Qt::white);
        QPainter maler(&bild);
        Zeichenflaeche f(maler);
        a.zoomBereit = 1;
        BandDruecken(a, doc, von);
        BandBewegen(a, f, bis);
        return BandLoslassen(a, bis);
    }

    // Arms the band, presses at von and moves through the points, on a white canvas.
    QImage Bewege(Punkt von, std::initializer_list<Punkt> wege)
    {
        QImage bild(600, 500, QImage::Format_RGB32);
        bild.fill(Qt::white);
        QPainter maler(&bild);
        Zeichenflaeche f(maler);
        a.zoomBereit = 1;
        BandDruecken(a, doc, von);
        for (const Punkt p : wege)
            BandBewegen(a, f, p);
        return bild;
    }

    static constexpr QRgb weiss = qRgb(255, 255, 255);
    static constexpr QRgb schwarz = qRgb(0, 0, 0);
    CAnsicht a;
    CSarnixDoc doc;
};

TEST_F(Band, BandMitDemSeitenverhaeltnisDerGrafikWirdDasZoomfenster)
{
    ASSERT_TRUE(Ziehe({200, 150}, {280, 190}));
    EXPECT_EQ(a.zoomFenster.laengeMin, 500'010'000);
    EXPECT_EQ(a.zoomFenster.laengeMax, 500'018'000);
    EXPECT_EQ(a.zoomFenster.breiteMax, 500'015'000);
    EXPECT_EQ(a.zoomFenster.breiteMin, 500'011'000);
    EXPECT_EQ(a.zoomFenster.hoeheMax, 2000);  // altitudes are not zoomed
    EXPECT_EQ(a.zoomBereit, 0);
    EXPECT_EQ(a.zoomZiehen, 0);
}

TEST_F(Band, SchmalesBandWirdUmSeineMitteVerbreitert)
{
    // 20 x 40 pixels; at the pane's aspect it becomes 80 wide, from x 170 to 250.
    ASSERT_TRUE(Ziehe({220, 190}, {200, 150}));
    EXPECT_EQ(a.zoomFenster.laengeMin, 500'007'000);
    EXPECT_EQ(a.zoomFenster.laengeMax, 500'015'000);
    EXPECT_EQ(a.zoomFenster.breiteMax, 500'015'000);
    EXPECT_EQ(a.zoomFenster.breiteMin, 500'011'000);
}

TEST_F(Band, FlachesBandWirdUmSeineMitteErhoeht)
{
    // 80 x 10 pixels becomes 40 high, from y 150 to 190.
    ASSERT_TRUE(Ziehe({200, 165}, {280, 175}));
    EXPECT_EQ(a.zoomFenster.laengeMin, 500'010'000);
    EXPECT_EQ(a.zoomFenster.laengeMax, 500'018'000);
    EXPECT_EQ(a.zoomFenster.breiteMax, 500'015'000);
    EXPECT_EQ(a.zoomFenster.breiteMin, 500'011'000);
}

TEST_F(Band, KlickOhneBewegungGibtEinQuadratVon300UmDenPunkt)
{
    ASSERT_TRUE(Ziehe({300, 200}, {300, 200}));
    EXPECT_EQ(a.zoomFenster.laengeMin, 500'020'000 - 150);
    EXPECT_EQ(a.zoomFenster.laengeMax, 500'020'000 + 150);
    EXPECT_EQ(a.zoomFenster.breiteMin, 500'010'000 - 150);
    EXPECT_EQ(a.zoomFenster.breiteMax, 500'010'000 + 150);
}

TEST_F(Band, BandBis300EinheitenWirdAnAllenVierSeitenUm150Erweitert)
{
    a.anzeigeFenster = Fenster{2000, 500, 500'000'200, 500'000'400, 500'000'000, 500'000'000};
    ASSERT_TRUE(Ziehe({100, 100}, {400, 250}));  // exactly 300 units wide
    EXPECT_EQ(a.zoomFenster.laengeMin, 500'000'000 - 150);
    EXPECT_EQ(a.zoomFenster.laengeMax, 500'000'300 + 150);
    EXPECT_EQ(a.zoomFenster.breiteMax, 500'000'200 + 150);
    EXPECT_EQ(a.zoomFenster.breiteMin, 500'000'050 - 150);

    ASSERT_TRUE(Ziehe({100, 100}, {401, 250}));  // 301 units: left as it is
    EXPECT_EQ(a.zoomFenster.laengeMin, 500'000'000);
    EXPECT_EQ(a.zoomFenster.laengeMax, 500'000'301);
}

TEST_F(Band, BandUeberDenRandWirdAufDieGrafikBegrenzt)
{
    ASSERT_TRUE(Ziehe({20, 30}, {650, 480}));
    EXPECT_EQ(a.bandStart, (Punkt{100, 100}));
    EXPECT_EQ(a.bandEnde, (Punkt{500, 300}));
    EXPECT_EQ(a.zoomFenster.laengeMin, 500'000'000);
    EXPECT_EQ(a.zoomFenster.laengeMax, 500'040'000);
    EXPECT_EQ(a.zoomFenster.breiteMax, 500'020'000);
    EXPECT_EQ(a.zoomFenster.breiteMin, 500'000'000);
}

TEST_F(Band, GezeichnetesBandBleibtInDerGrafik)
{
    const QImage bild = Bewege({300, 250}, {{590, 490}});
    for (int y = 0; y < 500; ++y) {
        for (int x = 0; x < 600; ++x) {
            if (x > 500 || y > 300) {
                ASSERT_EQ(bild.pixel(x, y), weiss) << x << "," << y;
            }
        }
    }
    EXPECT_EQ(bild.pixel(400, 250), schwarz);  // top edge, inverted from white
    EXPECT_EQ(bild.pixel(300, 275), schwarz);  // left edge
    EXPECT_EQ(a.bandAktuell, (Punkt{500, 300}));
}

TEST_F(Band, NeuesBandLoeschtDasVorige)
{
    const QImage bild = Bewege({200, 200}, {{300, 250}, {350, 280}});
    EXPECT_EQ(bild.pixel(299, 225), weiss);    // right edge of the first band, gone
    EXPECT_EQ(bild.pixel(250, 249), weiss);    // its bottom edge, gone
    EXPECT_EQ(bild.pixel(349, 225), schwarz);  // right edge of the band now
    EXPECT_EQ(bild.pixel(250, 200), schwarz);  // the shared top edge stays
}

TEST_F(Band, NurDieRechteGrafikAlsGrundrissNimmtDasBand)
{
    a.ansicht.grafik[0] = Grafik{Rechteck{60, 220, 400, 540}, BarogrammWest, KeineFaerbung};
    a.ansicht.grafik[1] = Grafik{Rechteck{460, 220, 780, 540}, Grundriss, KeineFaerbung};
    a.anzeigeFenster = Fenster{2000, 500, 500'032'000, 500'032'000, 500'000'000, 500'000'000};
    EXPECT_EQ(BandGrafik(a), 1);
    ASSERT_TRUE(Ziehe({100, 300}, {800, 600}));  // pressed in the left pane
    EXPECT_EQ(a.bandStart, (Punkt{460, 300}));
    EXPECT_EQ(a.bandEnde, (Punkt{780, 540}));
    // 320 x 240 pixels in a square pane: 320 high, from y 260 to 580.
    EXPECT_EQ(a.zoomFenster.laengeMin, 500'000'000);
    EXPECT_EQ(a.zoomFenster.laengeMax, 500'032'000);
    EXPECT_EQ(a.zoomFenster.breiteMax, 500'028'000);
    EXPECT_EQ(a.zoomFenster.breiteMin, 499'996'000);
}

TEST_F(Band, OhneGrundrissArbeitetDasBandNicht)
{
    a.ansicht.grafik[0].art = Temperaturverlauf;
    a.ansicht.grafik[1].art = BarogrammNord;
    const Fenster vorher = a.zoomFenster;
    EXPECT_EQ(BandGrafik(a), -1);
    EXPECT_FALSE(Ziehe({200, 150}, {280, 190}));
    EXPECT_EQ(a.zoomFenster, vorher);
    EXPECT_EQ(a.zoomBereit, 0);  // disarmed all the same
}

TEST_F(Band, OhneFlugBeginntKeinBand)
{
    doc.geladen = 0;
    a.zoomBereit = 1;
    EXPECT_FALSE(BandDruecken(a, doc, {200, 150}));
    EXPECT_EQ(a.zoomZiehen, 0);
}

TEST_F(Band, GrafikOhneFlaecheLaesstDasZoomfensterStehen)
{
    a.ansicht.grafik[0].ecke = Rechteck{40, 60, 40, 240};
    const Fenster vorher = a.zoomFenster;
    EXPECT_FALSE(Ziehe({40, 100}, {40, 200}));
    EXPECT_EQ(a.zoomFenster, vorher);

    a.ansicht.grafik[0].ecke = Rechteck{60, 220, 400, 40};  // a window lower than its margins
    EXPECT_FALSE(Ziehe({100, 100}, {200, 200}));
    EXPECT_EQ(a.zoomFenster, vorher);
}

TEST_F(Band, GrossesFensterAufBreiterGrafikLaeuftNichtUeber)
{
    // 4000 pixels across 800 000 000 units: the products pass 2^31 by far.
    a.ansicht.grafik[0].ecke = Rechteck{0, 0, 4000, 2000};
    a.anzeigeFenster = Fenster{2000, 500, 900'000'000, 900'000'000, 300'000'000, 100'000'000};
    a.bandStart = {3000, 1500};
    a.bandEnde = {3400, 1700};
    ASSERT_TRUE(BandZuFenster(a, 0));
    EXPECT_EQ(a.zoomFenster.laengeMin, 700'000'000);
    EXPECT_EQ(a.zoomFenster.laengeMax, 780'000'000);
    EXPECT_EQ(a.zoomFenster.breiteMax, 450'000'000);
    EXPECT_EQ(a.zoomFenster.breiteMin, 390'000'000);
}

TEST(Zoom, VerkleinernWaechstUmZweiMalDieGezeigteHoehe)
{
    CAnsicht a;
    a.anzeigeFenster.breiteMax = 500'001'000;
    a.anzeigeFenster.breiteMin = 500'000'000;
    a.zoomFenster = a.anzeigeFenster;
    a.zoomFenster.laengeMax = 7;
    Verkleinern(a);
    EXPECT_EQ(a.zoomFenster.breiteMax, 500'002'000);
    EXPECT_EQ(a.zoomFenster.breiteMin, 499'999'000);
    EXPECT_EQ(a.zoomFenster.laengeMax, 7);  // the aspect fit widens the longitude

    a.anzeigeFenster = a.zoomFenster;  // what the next draw shows
    Verkleinern(a);
    EXPECT_EQ(a.zoomFenster.breiteMax - a.zoomFenster.breiteMin, 9'000);
}

TEST(Zoom, VerkleinernOhneEndeLaeuftNichtUm)
{
    CAnsicht a;
    a.anzeigeFenster.breiteMax = 528'030'000;
    a.anzeigeFenster.breiteMin = 528'000'000;
    a.zoomFenster = a.anzeigeFenster;
    for (int i = 0; i < 60; ++i) {
        Verkleinern(a);
        a.anzeigeFenster = a.zoomFenster;
        ASSERT_LT(a.zoomFenster.breiteMin, a.zoomFenster.breiteMax) << i;
    }
    // The span still fits 32 bits, as the renderers compute it.
    EXPECT_LE(int64_t{a.zoomFenster.breiteMax} - a.zoomFenster.breiteMin,
              int64_t{std::numeric_limits<int32_t>::max()});
    EXPECT_LE(a.zoomFenster.breiteMin, 0);
}

TEST(Zoom, PunktWirdGetrenntInXUndYAnDenRandGelegt)
{
    const Rechteck r{100, 100, 500, 400};
    EXPECT_EQ(InsRechteck({50, 250}, r), (Punkt{100, 250}));
    EXPECT_EQ(InsRechteck({300, 450}, r), (Punkt{300, 400}));
    EXPECT_EQ(InsRechteck({600, 10}, r), (Punkt{500, 100}));
    EXPECT_EQ(InsRechteck({300, 250}, r), (Punkt{300, 250}));
}

}  // namespace
