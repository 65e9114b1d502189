// Wheel zoom, key zoom and dragging the view, checked by where the flight lands on the screen.

#include "flight/CSarnixDoc.h"
#include "pipeline/ZoomSchwenk.h"
#include "render/Abbildung.h"
#include "render/Ansicht.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

// A pane of 400 x 200 pixels at (100, 100) showing 100 units per pixel both ways; with equal
// metres per unit the window already has the pane's aspect, so the fit leaves it as it is.
class ZoomSchwenkTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        a.ansicht.grafik[0].ecke = Rechteck{100, 100, 499, 299};
        a.ansicht.grafik[1].ecke = Rechteck{600, 100, 999, 299};
        a.zoomFenster = Fenster{2000, 500, 500'019'968, 500'039'936, 500'000'000, 500'000'000};
        doc.geladen = 1;
        a.ausdehnungUebernommen = 1;
        doc.meterProBreite = 1.0f;
        doc.meterProLaenge = 1.0f;
    }

    // The pixel a ground position is drawn at in pane `pane`, after the fit of the next draw.
    Punkt PixelNachZeichnen(int pane, int32_t laenge, int32_t breite, int32_t hoehe = 1000)
    {
        CAnsicht kopie = a;
        FensterAnpassen(kopie, doc, pane);
        return PixelVon(kopie, doc, pane, kopie.ansicht.grafik[static_cast<size_t>(pane)].art, laenge, breite, hoehe);
    }

    static double Spanne(int32_t min, int32_t max) { return double(int64_t{max} - min); }

    CAnsicht a;
    CSarnixDoc doc;
};

}  // namespace

TEST(RadFaktor, EineRastenstufeUndFeineRaeder)
{
    EXPECT_DOUBLE_EQ(RadFaktor(120), 1.0 / std::sqrt(2.0));
    EXPECT_DOUBLE_EQ(RadFaktor(-120), std::sqrt(2.0));
    EXPECT_DOUBLE_EQ(RadFaktor(240), 0.5);
    EXPECT_DOUBLE_EQ(RadFaktor(0), 1.0);
    // A touchpad's eighth of a notch, eight times, zooms as one notch.
    EXPECT_NEAR(std::pow(RadFaktor(15), 8), RadFaktor(120), 1e-12);
    // Absurd turns count as twenty notches, never infinite or zero.
    EXPECT_NEAR(RadFaktor(std::numeric_limits<int>::max()), std::pow(2.0, -10), 1e-12);
    EXPECT_NEAR(RadFaktor(std::numeric_limits<int>::min()), std::pow(2.0, 10), 1e-9);
}

TEST_F(ZoomSchwenkTest, RadZoomtUmDenPunktUnterDemZeiger)
{
    // The fix drawn at (200, 150); the mapping has 399 x 199 pixels across the window.
    const int32_t laenge = 500'010'020;
    const int32_t breite = 500'014'900;
    ASSERT_EQ(PixelNachZeichnen(0, laenge, breite), (Punkt{200, 150}));

    ASSERT_TRUE(ZoomUmPunkt(a, doc, 0, {200, 150}, RadFaktor(120)));
    EXPECT_NEAR(Spanne(a.zoomFenster.laengeMin, a.zoomFenster.laengeMax), 39'936 / std::sqrt(2.0), 2);
    EXPECT_EQ(a.zoomFenster.hoeheMax, 2000);
    const Punkt p = PixelNachZeichnen(0, laenge, breite);
    EXPECT_NEAR(p.x, 200, 1);
    EXPECT_NEAR(p.y, 150, 1);

    // Five notches in and five out: back where it started, well within a pixel (100 units).
    for (int i = 0; i < 4; ++i)
        ZoomUmPunkt(a, doc, 0, {200, 150}, RadFaktor(120));
    for (int i = 0; i < 5; ++i)
        ZoomUmPunkt(a, doc, 0, {200, 150}, RadFaktor(-120));
    EXPECT_NEAR(a.zoomFenster.laengeMin, 500'000'000, 16);
    EXPECT_NEAR(a.zoomFenster.laengeMax, 500'039'936, 16);
    EXPECT_NEAR(a.zoomFenster.breiteMin, 500'000'000, 16);
    EXPECT_NEAR(a.zoomFenster.breiteMax, 500'019'968, 16);
}

TEST_F(ZoomSchwenkTest, EckenUndRaenderBleibenStehen)
{
    // Zooming at the bottom left corner keeps that corner's position there.
    ASSERT_TRUE(ZoomUmPunkt(a, doc, 0, {100, 299}, 0.5));
    EXPECT_EQ(a.zoomFenster.laengeMin, 500'000'000);
    EXPECT_EQ(a.zoomFenster.breiteMin, 500'000'000);
    EXPECT_EQ(a.zoomFenster.laengeMax, 500'019'968);
    EXPECT_EQ(a.zoomFenster.breiteMax, 500'009'984);
    // A pointer beyond the pane (held by the window) counts as on its edge.
    const Fenster vorher = a.zoomFenster;
    CAnsicht b = a;
    ZoomUmPunkt(a, doc, 0, {-500, 5000}, 0.5);
    ZoomUmPunkt(b, doc, 0, {100, 299}, 0.5);
    EXPECT_EQ(a.zoomFenster, b.zoomFenster);
    EXPECT_NE(a.zoomFenster, vorher);
}

TEST_F(ZoomSchwenkTest, GrenzenOhneUeberlauf)
{
    // Endless zooming in stops at the band's smallest window and stays drawable.
    int schritte = 0;
    while (ZoomUmPunkt(a, doc, 0, {321, 123}, RadFaktor(120)) && schritte < 1000)
        ++schritte;
    EXPECT_LT(schritte, 20);
    EXPECT_NEAR(Spanne(a.zoomFenster.breiteMin, a.zoomFenster.breiteMax), 300, 40);
    EXPECT_GT(Spanne(a.zoomFenster.laengeMin, a.zoomFenster.laengeMax), 300);
    EXPECT_FALSE(ZoomUmPunkt(a, doc, 0, {321, 123}, RadFaktor(12000)));

    // Endless zooming out saturates far beyond the earth without wrapping around ...
    for (int i = 0; i < 1000; ++i)
        ZoomUmPunkt(a, doc, 0, {250, 200}, RadFaktor(-std::numeric_limits<int>::max()));
    EXPECT_LT(a.zoomFenster.laengeMin, a.zoomFenster.laengeMax);
    EXPECT_LT(a.zoomFenster.breiteMin, a.zoomFenster.breiteMax);
    EXPECT_LE(a.zoomFenster.laengeMin, -1'000'000'000);
    EXPECT_GE(a.zoomFenster.laengeMax, 1'000'000'000);
    // ... and zooming in again works from there.
    const Fenster weit = a.zoomFenster;
    EXPECT_TRUE(ZoomUmPunkt(a, doc, 0, {300, 200}, RadFaktor(240)));
    EXPECT_LT(Spanne(a.zoomFenster.laengeMin, a.zoomFenster.laengeMax), Spanne(weit.laengeMin, weit.laengeMax));

    // Factors that mean nothing change nothing.
    const Fenster jetzt = a.zoomFenster;
    for (const double f : {0.0, -1.0, std::nan(""), std::numeric_limits<double>::infinity()})
        EXPECT_FALSE(ZoomUmPunkt(a, doc, 0, {300, 200}, f));
    EXPECT_EQ(a.zoomFenster, jetzt);
}

TEST_F(ZoomSchwenkTest, BarogrammZoomtNurLaengsSeinerAchse)
{
    // Split view: plan view left, barogram looking west right (north to the right).
    a.grafikanzahl = 2;
    a.ansicht.grafik[1].art = BarogrammWest;
    EXPECT_EQ(ZoomGrafikBei(a, {700, 200}), 1);
    const int32_t breite = 500'005'020;  // under x = 700 of the right pane
    const Punkt vorher = PixelNachZeichnen(1, 500'020'000, breite, 1500);
    ASSERT_EQ(vorher.x, 700);

    ASSERT_TRUE(ZoomUmPunkt(a, doc, 1, {700, 200}, 0.5));
    const Punkt nachher = PixelNachZeichnen(1, 500'020'000, breite, 1500);
    EXPECT_NEAR(nachher.x, 700, 1);
    EXPECT_EQ(nachher.y, vorher.y);  // altitude from 0 to the highest, as always
    EXPECT_EQ(a.zoomFenster.hoeheMax, 2000);
    // The longitude the barogram does not show zooms about its middle.
    EXPECT_EQ(int64_t{a.zoomFenster.laengeMin} + a.zoomFenster.laengeMax, int64_t{500'000'000} + 500'039'936);
}

TEST_F(ZoomSchwenkTest, NurGezeigteGrafikenMitZoomfenster)
{
    a.ansicht.grafik[0].art = Temperaturverlauf;
    EXPECT_EQ(ZoomGrafikBei(a, {200, 150}), -1);
    EXPECT_FALSE(ZoomUmPunkt(a, doc, 0, {200, 150}, 0.5));
    // The right pane is not shown in single view; the legend strip is no pane.
    a.ansicht.grafik[0].art = Grundriss;
    EXPECT_EQ(ZoomGrafikBei(a, {700, 150}), -1);
    EXPECT_EQ(ZoomGrafikBei(a, {550, 150}), -1);
    EXPECT_FALSE(ZoomUmPunkt(a, doc, 1, {700, 150}, 0.5));
    // No flight: nothing zooms or moves.
    doc.geladen = 0;
    EXPECT_FALSE(ZoomUmPunkt(a, doc, 0, {200, 150}, 0.5));
    EXPECT_FALSE(ZoomUmMitte(a, doc, 0.5));
    EXPECT_FALSE(Schwenk().Beginnen(a, doc, {200, 150}));
}

TEST_F(ZoomSchwenkTest, TastenZoomenUmDieMitte)
{
    ASSERT_TRUE(ZoomUmMitte(a, doc, RadFaktor(120)));
    ASSERT_TRUE(ZoomUmMitte(a, doc, RadFaktor(120)));
    // Two notches: half the span about the same middle.
    EXPECT_NEAR(a.zoomFenster.laengeMin, 500'009'984, 1);
    EXPECT_NEAR(a.zoomFenster.laengeMax, 500'029'952, 1);
    EXPECT_NEAR(a.zoomFenster.breiteMin, 500'004'992, 1);
    EXPECT_NEAR(a.zoomFenster.breiteMax, 500'014'976, 1);
    // Only temperature profiles: nothing to zoom.
    a.ansicht.grafik[0].art = Temperaturverlauf;
    EXPECT_FALSE(ZoomUmMitte(a, doc, 0.5));
}

TEST_F(ZoomSchwenkTest, ZiehenNimmtDenFlugMit)
{
    const int32_t laenge = 500'010'020;
    const int32_t breite = 500'014'900;
    ASSERT_EQ(PixelNachZeichnen(0, laenge, breite), (Punkt{200, 150}));
    Schwenk s;
    ASSERT_TRUE(s.Beginnen(a, doc, {200, 150}));
    EXPECT_TRUE(s.Ziehen(a, {260, 120}));
    EXPECT_TRUE(s.Ziehen(a, {250, 130}));
    const Punkt p = PixelNachZeichnen(0, laenge, breite);
    EXPECT_NEAR(p.x, 250, 1);
    EXPECT_NEAR(p.y, 130, 1);
    // Back to the start point: the window is exactly as before, no rounding has added up.
    for (int x = 250; x >= 200; --x)
        s.Ziehen(a, {x, 150 + (x - 200) % 7});
    s.Ziehen(a, {200, 150});
    EXPECT_EQ(a.zoomFenster, (Fenster{2000, 500, 500'019'968, 500'039'936, 500'000'000, 500'000'000}));
    s.Beenden();
    EXPECT_FALSE(s.Ziehen(a, {300, 300}));
}

TEST_F(ZoomSchwenkTest, ZiehenWeitAusDemFensterBleibtHeil)
{
    Schwenk s;
    ASSERT_TRUE(s.Beginnen(a, doc, {200, 150}));
    for (const Punkt p : {Punkt{-2'000'000'000, 150}, Punkt{2'000'000'000, 2'000'000'000}, Punkt{200, -2'000'000'000}}) {
        s.Ziehen(a, p);
        // The window moves whole or stops at the range's edge; it never shrinks or turns over.
        EXPECT_EQ(Spanne(a.zoomFenster.laengeMin, a.zoomFenster.laengeMax), 39'936);
        EXPECT_EQ(Spanne(a.zoomFenster.breiteMin, a.zoomFenster.breiteMax), 19'968);
    }
}

TEST_F(ZoomSchwenkTest, BarogrammZiehtNurQuer)
{
    a.ansicht.grafik[0].art = BarogrammNord;
    Schwenk s;
    ASSERT_TRUE(s.Beginnen(a, doc, {300, 200}));
    EXPECT_FALSE(s.Ziehen(a, {300, 100}));  // up and down: the altitude axis stays
    ASSERT_TRUE(s.Ziehen(a, {250, 100}));   // 50 px to the left: the east comes into view
    EXPECT_EQ(a.zoomFenster.laengeMin, 500'005'005);  // 50 px of 39 936 / 399 units
    EXPECT_EQ(a.zoomFenster.breiteMin, 500'000'000);
}
