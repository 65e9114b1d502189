// The printed map as pixels: grid lines where the scale puts them, the thick black track, time
// marks and the marks left out at the right edge. Pages of 1200 × 1703 pixels at 150 dpi
// (203.2 mm × 288.37 mm, 5.906 pixels a millimetre): thin pen 2, thick pen 10 pixels.

#include "KartenHilfen.h"
#include "TestHilfen.h"

#include <gtest/gtest.h>

using namespace karte;

namespace {

int SchwarzeIm(const QImage& bild, const QRect& r)
{
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            n += Schwarz(bild, x, y) ? 1 : 0;
    return n;
}

// The worked example at 1:50 000, turned: north to the left, east up. A minute of latitude
// (10 000 units, 2500 m, 50 mm) is 295.28 pixels across, a minute of longitude (1250 m, 25 mm)
// 147.64 pixels up. The window is widened by 12 320 latitude units (61.6 mm) and 17 674
// longitude units (44.19 mm), so N 46°40' lies at x = 1200 - 363.78 = 836 and E 8°10' at
// y = 1703 - 260.93 = 1442.
struct GedrehteKarte : ::testing::Test {
    CSarnixDoc doc;
    QImage bild = test::LeeresBild(1200, 1703);
    KartenInfo info;
    void SetUp() override
    {
        ZehnMalVier(doc);
        ASSERT_EQ(Drucke(doc, bild, 150, Vorschlag(0), &info), 1);
        ASSERT_TRUE(info.gedreht);
        ASSERT_EQ(info.massstab, 50000);
    }
};

}  // namespace

TEST_F(GedrehteKarte, BreitenkreiseSenkrecht)
{
    // N 46°39' at 836.22 + 295.28, 46°40' at 836.22, 46°41' at 540.94, 46°42' at 245.67;
    // two pixels wide, below the labels and above the header.
    for (const int x : {1131, 836, 540, 245}) {
        EXPECT_TRUE(Schwarz(bild, x, 1550)) << x;
        EXPECT_TRUE(Schwarz(bild, x + 1, 1550)) << x;
        EXPECT_TRUE(Weiss(bild, x - 1, 1550)) << x;
        EXPECT_TRUE(Weiss(bild, x + 2, 1550)) << x;
    }
    EXPECT_TRUE(Weiss(bild, 690, 1550));
}

TEST_F(GedrehteKarte, MeridianeWaagrecht)
{
    // E 8°09' at 1442.07 + 147.64, 8°10' at 1442.07, 8°11' at 1294.43, 8°15' at 703.88.
    for (const int y : {1589, 1442, 1294, 703}) {
        EXPECT_TRUE(Schwarz(bild, 1000, y)) << y;
        EXPECT_TRUE(Schwarz(bild, 1000, y + 1)) << y;
        EXPECT_TRUE(Weiss(bild, 1000, y - 1)) << y;
        EXPECT_TRUE(Weiss(bild, 1000, y + 2)) << y;
    }
    EXPECT_TRUE(Weiss(bild, 1000, 1370));
}

TEST_F(GedrehteKarte, LinieOhnePlatzFuerIhreBeschriftungFehlt)
{
    // E 8°19' would lie at y = 113, closer to the top than its level label is long.
    for (int y = 108; y <= 120; ++y)
        EXPECT_TRUE(Weiss(bild, 1000, y)) << y;
    // E 8°18' at y = 260.97 has room.
    EXPECT_TRUE(Schwarz(bild, 1000, 260));
}

TEST_F(GedrehteKarte, SpurDickUndSchwarz)
{
    // From (836, 1442) in the south-west to (363, 260) in the north-east, steeply: in the row
    // at y = 860, between the grid lines, the ten-pixel pen shows as a run of ten to twelve.
    EXPECT_GE(SchwarzeIm(bild, QRect(560, 860, 100, 1)), 10);
    EXPECT_LE(SchwarzeIm(bild, QRect(560, 860, 100, 1)), 12);
    EXPECT_TRUE(Schwarz(bild, 836, 1440));
    EXPECT_TRUE(Schwarz(bild, 364, 262));
    EXPECT_TRUE(Weiss(bild, 700, 400));
}

TEST_F(GedrehteKarte, KopfzeileUntenLinks)
{
    EXPECT_GT(SchwarzeIm(bild, QRect(0, 1680, 150, 23)), 50);
    EXPECT_EQ(SchwarzeIm(bild, QRect(0, 1620, 150, 40)), 0);
}

namespace {

// Ten kilometres square, not turned, at 1:50 000: x = (L - Lmin + 640) × 0.014764,
// y = 1703 - (B - Bmin + 17 674) × 0.014764; grid lines every 147.64 pixels (x 452, 600, 747,
// ..., y 851, 703, 556, ...).
void Quadrat(CSarnixDoc& doc)
{
    Einrichten(doc, bias + 4900000, bias + 4980000, bias + 28000000, bias + 28080000, 0.125f, 0.125f);
}

}  // namespace

TEST(Zeitmarken, KreisUndUhrzeitNebenDemFix)
{
    // The mark at 09:06 lies at (526, 777), the one at 09:08 at (1146, 777): its circle would
    // fit, its label not. The track runs level between them, rows 773 to 782.
    CSarnixDoc doc;
    Quadrat(doc);
    Fix(doc, 9 * 3600 + 6 * 60, bias + 4935000, bias + 28045000);
    Fix(doc, 9 * 3600 + 8 * 60, bias + 4977000, bias + 28045000);
    QImage bild = test::LeeresBild(1200, 1703);
    KartenInfo info;
    ASSERT_EQ(Drucke(doc, bild, 150, Vorschlag(1), &info), 1);
    ASSERT_FALSE(info.gedreht);

    // The circle's top and bottom rows, outside the track; white inside.
    EXPECT_TRUE(Schwarz(bild, 526, 762));
    EXPECT_TRUE(Schwarz(bild, 526, 791));
    EXPECT_TRUE(Weiss(bild, 526, 767));
    EXPECT_TRUE(Weiss(bild, 526, 761));
    // "09:06" from x = 546, its digits rising above the track (the grid line at x = 600 kept out).
    EXPECT_GT(SchwarzeIm(bild, QRect(546, 762, 50, 10)), 10);
    // The mark at the right edge is left out with its circle.
    EXPECT_TRUE(Weiss(bild, 1146, 762));
    EXPECT_TRUE(Weiss(bild, 1146, 791));
    EXPECT_EQ(SchwarzeIm(bild, QRect(1131, 760, 50, 12)), 0);
}

TEST(Zeitmarken, OhneZeitmarkenKeinKreis)
{
    CSarnixDoc doc;
    Quadrat(doc);
    Fix(doc, 9 * 3600 + 6 * 60, bias + 4935000, bias + 28045000);
    Fix(doc, 9 * 3600 + 8 * 60, bias + 4977000, bias + 28045000);
    QImage bild = test::LeeresBild(1200, 1703);
    ASSERT_EQ(Drucke(doc, bild, 150, Vorschlag(0)), 1);
    EXPECT_TRUE(Weiss(bild, 526, 762));
    EXPECT_EQ(SchwarzeIm(bild, QRect(546, 762, 50, 10)), 0);
}

TEST(Zeitmarken, NurZurVollenMarkenzeit)
{
    // Fewer than 1800 fixes: every two minutes; 09:05 is no mark time.
    CSarnixDoc doc;
    Quadrat(doc);
    Fix(doc, 9 * 3600 + 5 * 60, bias + 4935000, bias + 28045000);
    QImage bild = test::LeeresBild(1200, 1703);
    ASSERT_EQ(Drucke(doc, bild, 150, Vorschlag(1)), 1);
    EXPECT_EQ(SchwarzeIm(bild, QRect(510, 760, 85, 35)), 0);
}

TEST(Spur, FixeAufDemselbenPixelZiehenKeineLinie)
{
    // Two fixes one unit apart fall on the same pixel: no segment, no dot of the thick pen.
    CSarnixDoc doc;
    Quadrat(doc);
    Fix(doc, 36001, bias + 4935000, bias + 28045000);
    Fix(doc, 36003, bias + 4935001, bias + 28045000);
    QImage bild = test::LeeresBild(1200, 1703);
    ASSERT_EQ(Drucke(doc, bild, 150, Vorschlag(0)), 1);
    EXPECT_EQ(SchwarzeIm(bild, QRect(510, 760, 35, 35)), 0);
}

TEST(Spur, FixeOhnePositionWerdenUebergangen)
{
    // The fix without a position is skipped: the line runs level from (526, 777) to (1116, 777)
    // instead of up to (821, 334) and back.
    CSarnixDoc doc;
    Quadrat(doc);
    Fix(doc, 36001, bias + 4935000, bias + 28045000);
    Fix(doc, 36002, bias + 4955000, bias + 28075000, 0);
    Fix(doc, 36003, bias + 4975000, bias + 28045000);
    QImage bild = test::LeeresBild(1200, 1703);
    ASSERT_EQ(Drucke(doc, bild, 150, Vorschlag(0)), 1);
    EXPECT_TRUE(Schwarz(bild, 800, 777));
    EXPECT_EQ(SchwarzeIm(bild, QRect(610, 420, 130, 130)), 0);
}

TEST(Spur, GrosserFlugBeiFeinemMassstabBleibtHeil)
{
    // 600 km at 1:25 000 runs far beyond the page; the device clips, nothing overflows.
    CSarnixDoc doc;
    Einrichten(doc, bias, bias + 4800000, bias + 28000000, bias + 28100000, 0.125f, 0.25f);
    for (int i = 0; i <= 100; ++i)
        Fix(doc, 36000 + i * 60, bias + i * 48000, bias + 28000000 + (i % 2) * 100000);
    QImage bild = test::LeeresBild(600, 850);
    KartenInfo info;
    EXPECT_EQ(Drucke(doc, bild, 75, Fest(25000), &info), 1);
    EXPECT_EQ(info.massstab, 25000);
    EXPECT_EQ(info.gitter, 5000);
}
