// Extent and metres per coordinate unit.

#include "flight/CSarnixDoc.h"

#include <gtest/gtest.h>

namespace {

constexpr int32_t grad = 600000;
constexpr int32_t null = 500000000;

CDaten FixBei(int32_t breite, int32_t laenge, int16_t hoehe, int32_t hatPosition = 1)
{
    CDaten f;
    f.breite = breite;
    f.laenge = laenge;
    f.hoehe = hoehe;
    f.hatPosition = hatPosition;
    return f;
}

}  // namespace

TEST(Ausdehnung, NurFixeMitPosition)
{
    CSarnixDoc doc;
    doc.datenListe = {FixBei(null + 47 * grad, null + 11 * grad, 900), FixBei(null + 48 * grad, null + 12 * grad, 1500),
                      FixBei(null + 50 * grad, null + 20 * grad, 3000, 0), FixBei(null, null, -200, 0)};
    doc.BerechneAusdehnung();
    EXPECT_EQ(doc.ausdehnung.hoeheMax, 1500);
    EXPECT_EQ(doc.ausdehnung.hoeheMin, 900);
    EXPECT_EQ(doc.ausdehnung.breiteMax, null + 48 * grad);
    EXPECT_EQ(doc.ausdehnung.breiteMin, null + 47 * grad);
    EXPECT_EQ(doc.ausdehnung.laengeMax, null + 12 * grad);
    EXPECT_EQ(doc.ausdehnung.laengeMin, null + 11 * grad);
}

TEST(Ausdehnung, OhnePositionBleibenStartwerte)
{
    CSarnixDoc doc;
    doc.datenListe = {FixBei(null, null, 500, 0), FixBei(null, null, 600, 0)};
    doc.BerechneAusdehnung();
    EXPECT_EQ(doc.ausdehnung.hoeheMax, 0);
    EXPECT_EQ(doc.ausdehnung.hoeheMin, 100000);
    EXPECT_EQ(doc.ausdehnung.breiteMin, 1000000000);
}

TEST(Ausdehnung, NegativeHoehenLassenHoeheMaxBeiNull)
{
    CSarnixDoc doc;
    doc.datenListe = {FixBei(null, null, -20), FixBei(null, null, -5)};
    doc.BerechneAusdehnung();
    EXPECT_EQ(doc.ausdehnung.hoeheMax, 0);
    EXPECT_EQ(doc.ausdehnung.hoeheMin, -20);
}

TEST(Massstab, NordUndSuedGleich)
{
    CSarnixDoc nord;
    nord.ausdehnung.breiteMax = null + 48 * grad;
    nord.ausdehnung.breiteMin = null + 47 * grad;
    nord.BerechneMassstab();
    EXPECT_EQ(nord.meterProBreite, 0.18518518f);
    EXPECT_NEAR(nord.meterProLaenge, 0.1251093, 5e-8);

    CSarnixDoc sued;
    sued.ausdehnung.breiteMax = null - 47 * grad;
    sued.ausdehnung.breiteMin = null - 48 * grad;
    sued.BerechneMassstab();
    EXPECT_EQ(sued.meterProBreite, nord.meterProBreite);
    EXPECT_EQ(sued.meterProLaenge, nord.meterProLaenge);
}

TEST(Massstab, AmAequator)
{
    CSarnixDoc doc;
    doc.ausdehnung.breiteMax = null;
    doc.ausdehnung.breiteMin = null;
    doc.BerechneMassstab();
    // cos 0 = 1: 4000 / 216 / 100 in single precision.
    EXPECT_EQ(doc.meterProLaenge, 0.18518518f);
}
