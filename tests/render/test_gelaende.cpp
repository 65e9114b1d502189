// The ground under the barograms and the shaded relief, from heights given per fix and per pixel.

#include "render/Gelaende.h"

#include "GraphHilfen.h"

#include "flight/Koordinaten.h"

#include <cmath>
#include <limits>
#include <gtest/gtest.h>
#include <vector>

using namespace graph;

namespace {

constexpr QRgb erde = 0xFFDECDAAu;
constexpr float luecke = std::numeric_limits<float>::quiet_NaN();

}  // namespace

// A north barogram of 400 by 200 pixels at (20, 20), 0 to 1000 m: 500 m lies on row 120, 250 m on
// row 170, the bottom edge on row 220. Fixes sit in the middle of their columns.
TEST(Gelaendeprofil, GrundUnterDerSpurBisZumUnterenRand)
{
    CSarnixDoc doc;
    Einrichten(doc, FensterAus(1000000, 1004000, 2000000, 2002005, 1000));
    const CAnsicht ansicht = AnsichtMit({20, 20, 420, 220}, BarogrammNord, doc.ausdehnung);
    const int spalten[] = {100, 110, 115, 130, 131};
    const std::vector<float> grund{500, 250, luecke, 500, 500};
    for (const int x : spalten)
        doc.datenListe.push_back(Fix(1000000 + 10 * (x - 20) + 5, 2001002, 900));
    const QImage bild = Zeichne(460, 260, [&](Zeichenflaeche& f) { ZeichneGelaendeprofil(doc, ansicht, f, 0, grund); });

    struct Fall {
        int x;
        int oben;  // first earth row, or -1 for a blank column
    } faelle[] = {
        {99, -1}, {100, 120}, {105, 145}, {110, 170}, {112, -1}, {120, -1}, {130, 120}, {131, 120}, {132, -1},
    };
    for (const Fall& f : faelle) {
        if (f.oben < 0) {
            EXPECT_EQ(Anzahl(bild, erde, QRect(f.x, 0, 1, 260)), 0) << f.x;
            continue;
        }
        EXPECT_EQ(bild.pixel(f.x, f.oben - 1), weiss) << f.x;
        EXPECT_EQ(Anzahl(bild, erde, QRect(f.x, 0, 1, 260)), 221 - f.oben) << f.x;
        EXPECT_EQ(bild.pixel(f.x, 220), erde) << f.x;
    }
}

// Shading of the middle of three by three pixels 10 m apart: flat ground mixes the two relief
// colours by cos 45° = 0.707; a slope of 45° rising east faces the north-western light
// ((1/2 + 0.707) / √2 = 0.854), one rising north is turned from it (0.146).
TEST(Relief, SchattierungNachHang)
{
    ReliefRaster r;
    r.ecke = {10, 10, 13, 13};
    r.spalten = r.zeilen = 3;
    r.meterSpalte = r.meterZeile = 10.0;
    struct Fall {
        const char* name;
        std::vector<float> hoehen;
        QRgb mitte;
    } faelle[] = {
        {"flach", {100, 100, 100, 100, 100, 100, 100, 100, 100}, qRgb(215, 211, 203)},
        {"steigt nach Osten", {90, 100, 110, 90, 100, 110, 90, 100, 110}, qRgb(235, 232, 226)},
        {"fällt nach Osten", {110, 100, 90, 110, 100, 90, 110, 100, 90}, qRgb(140, 131, 117)},
        {"steigt nach Norden", {110, 110, 110, 100, 100, 100, 90, 90, 90}, qRgb(140, 131, 117)},
        {"Lücke links", {100, 100, 100, luecke, 100, 110, 100, 100, 100}, qRgb(235, 232, 226)},
        {"Lücke", {100, 100, 100, 100, luecke, 100, 100, 100, 100}, 0u},
    };
    for (const Fall& f : faelle) {
        const QImage relief = ReliefBild(r, f.hoehen);
        EXPECT_EQ(relief.pixel(1, 1), f.mitte) << f.name;
        const QImage bild = Zeichne(20, 20, [&](Zeichenflaeche& fl) { ZeichneRelief(fl, r, relief); });
        EXPECT_EQ(bild.pixel(11, 11), f.mitte ? f.mitte : weiss) << f.name;
        EXPECT_EQ(bild.pixel(9, 9), weiss) << f.name;
    }
}

// The relief of a pane 400 by 200 pixels over 4000 by 2000 units from 8° E 46° N: one point per
// pixel, ten units (1/60 000 °) apart, the first half a pixel in.
TEST(Relief, EinPunktJePixel)
{
    CSarnixDoc doc;
    const int32_t l0 = koordinatenNullpunkt + 8 * 600000;
    const int32_t b0 = koordinatenNullpunkt + 46 * 600000;
    Einrichten(doc, FensterAus(l0, l0 + 4000, b0, b0 + 2000));
    const CAnsicht ansicht = AnsichtMit({20, 20, 420, 220}, Grundriss, doc.ausdehnung);
    const ReliefRaster r = ReliefRasterVon(doc, ansicht, 0);
    EXPECT_EQ(r.spalten, 400);
    EXPECT_EQ(r.zeilen, 200);
    EXPECT_NEAR(r.west, 8.0 + 5 / 600000.0, 1e-9);
    EXPECT_NEAR(r.ost, 8.0 + 3995 / 600000.0, 1e-9);
    EXPECT_NEAR(r.sued, 46.0 + 5 / 600000.0, 1e-9);
    EXPECT_NEAR(r.nord, 46.0 + 1995 / 600000.0, 1e-9);
    EXPECT_NEAR(r.meterSpalte, 10.0, 1e-4);
}

// The readout at the track cursor: the ground under the fix and the altitude above it.
TEST(Gelaendeprofil, AnzeigeUeberGrund)
{
    CAnsicht ansicht;
    EXPECT_TRUE(GelaendeZeilen(ansicht, 0, 1500).isEmpty());
    auto gelaende = std::make_shared<GelaendeAnsicht>();
    gelaende->grund = {812.4f, luecke};
    ansicht.gelaende = gelaende;
    EXPECT_EQ(GelaendeZeilen(ansicht, 0, 1500), (QStringList{"Grund: 812 Meter", "über Grund: 688 Meter"}));
    EXPECT_TRUE(GelaendeZeilen(ansicht, 1, 1500).isEmpty());
    EXPECT_TRUE(GelaendeZeilen(ansicht, 2, 1500).isEmpty());
}
