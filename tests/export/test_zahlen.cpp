// Coordinates and moments as the export files write them.

#include "export/FlugZeit.h"
#include "export/Strecken.h"
#include "export/Zahlen.h"

#include <QDateTime>
#include <gtest/gtest.h>

namespace {

std::string Grad(int32_t koordinate)
{
    std::string text;
    HaengeGradAn(text, GradE7(koordinate));
    return text;
}

std::string Zeit(int64_t sekunden)
{
    std::string text;
    HaengeUtcZeitAn(text, sekunden);
    return text;
}

std::string Zehntel(int64_t wert)
{
    std::string text;
    HaengeZehntelAn(text, wert);
    return text;
}

int64_t Utc(const char* iso) { return QDateTime::fromString(QString::fromLatin1(iso), Qt::ISODate).toSecsSinceEpoch(); }

}  // namespace

TEST(Koordinaten, SiebenStellenUndBeideHalbkugelnGleich)
{
    EXPECT_EQ(Grad(528500000), "47.5000000");    // 47°30.00' N
    EXPECT_EQ(Grad(506755000), "11.2583333");    // 11°15.50' E
    EXPECT_EQ(Grad(471500000), "-47.5000000");   // 47°30.00' S
    EXPECT_EQ(Grad(493245000), "-11.2583333");
    // One unit, 1/600 000 degree, still shows: 0.0000016667 rounds up.
    EXPECT_EQ(Grad(500000001), "0.0000017");
    EXPECT_EQ(Grad(499999999), "-0.0000017");
    EXPECT_EQ(Grad(500000000), "0.0000000");
}

TEST(Koordinaten, DatumsgrenzeUndPole)
{
    Lage lage;
    // 180° east and 180° west are the same meridian, which the formats call -180.
    ASSERT_TRUE(LageAus(500000000, 500000000 + 180 * 600000, lage));
    EXPECT_EQ(lage.laenge, -1800000000);
    ASSERT_TRUE(LageAus(500000000, 500000000 - 180 * 600000, lage));
    EXPECT_EQ(lage.laenge, -1800000000);
    ASSERT_TRUE(LageAus(500000000, 500000000 + 190 * 600000, lage));
    EXPECT_EQ(lage.laenge, -1700000000);
    ASSERT_TRUE(LageAus(500000000, 500000000 + 179 * 600000, lage));
    EXPECT_EQ(lage.laenge, 1790000000);

    ASSERT_TRUE(LageAus(500000000 + 90 * 600000, 500000000, lage));
    EXPECT_EQ(lage.breite, 900000000);
    ASSERT_TRUE(LageAus(500000000 - 90 * 600000, 500000000, lage));
    EXPECT_EQ(lage.breite, -900000000);
    EXPECT_FALSE(LageAus(500000000 + 90 * 600000 + 100, 500000000, lage));
    EXPECT_FALSE(LageAus(0, 500000000, lage));
}

TEST(Werte, ZehntelMitVorzeichen)
{
    EXPECT_EQ(Zehntel(168), "16.8");
    EXPECT_EQ(Zehntel(-5), "-0.5");
    EXPECT_EQ(Zehntel(0), "0.0");
    EXPECT_EQ(Zehntel(-2732), "-273.2");
}

TEST(Zeit, IsoInUtc)
{
    EXPECT_EQ(Zeit(0), "1970-01-01T00:00:00Z");
    EXPECT_EQ(Zeit(Utc("2026-07-14T09:05:01Z")), "2026-07-14T09:05:01Z");
    EXPECT_EQ(Zeit(Utc("2000-02-29T23:59:59Z")), "2000-02-29T23:59:59Z");
}

TEST(Flugdatum, TagMonatJahr)
{
    EXPECT_EQ(DatumAus("14-07-26"), QDate(2026, 7, 14));
    EXPECT_EQ(DatumAus("01-01-85"), QDate(1985, 1, 1));
    EXPECT_EQ(DatumAus("31-12-79"), QDate(2079, 12, 31));
    EXPECT_FALSE(DatumAus(" "));             // a recording without header
    EXPECT_FALSE(DatumAus("31-02-26"));      // no such day
    EXPECT_FALSE(DatumAus("1A-07-26"));
    EXPECT_FALSE(DatumAus("14-07-2026"));
}

TEST(Flugdatum, OrtszeitWirdUtc)
{
    const QTimeZone berlin("Europe/Berlin");
    ASSERT_TRUE(berlin.isValid());
    // Summer: two hours ahead of UTC; winter: one.
    EXPECT_EQ(FlugZeit("14-07-26", berlin).Utc(11 * 3600), Utc("2026-07-14T09:00:00Z"));
    EXPECT_EQ(FlugZeit("14-01-26", berlin).Utc(11 * 3600), Utc("2026-01-14T10:00:00Z"));
    // A flight on past midnight goes on into the next day.
    EXPECT_EQ(FlugZeit("31-12-26", QTimeZone::utc()).Utc(86400 + 10), Utc("2027-01-01T00:00:10Z"));
    EXPECT_FALSE(FlugZeit(" ", berlin).gueltig());
}

TEST(Flugdatum, SommerzeitBeginntImFlug)
{
    // 29 March 2026: at 02:00 local time the clocks go on to 03:00.
    const FlugZeit uhr("29-03-26", QTimeZone("Europe/Berlin"));
    EXPECT_EQ(uhr.Utc(1 * 3600 + 59 * 60 + 59), Utc("2026-03-29T00:59:59Z"));
    EXPECT_EQ(uhr.Utc(3 * 3600), Utc("2026-03-29T01:00:00Z"));
    // Asked again out of order, the earlier answer still holds.
    EXPECT_EQ(uhr.Utc(3600), Utc("2026-03-29T00:00:00Z"));
}
