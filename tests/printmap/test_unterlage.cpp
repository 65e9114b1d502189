// The map and the relief under the printed track. The worked example at 1:100 000 on a page of
// 100 × 50 mm at 10 pixels a millimetre: 10 km east-west fill the 1000 pixels from E 8°10' to
// E 8°18', the 4 km north-south take 400 of the 500 pixels, widened by 2000 units (0.2') each side.
// The underlay is drawn at 150 dpi: 591 × 295 pixels. At zoom 13 the tile columns 4282, 4283 and
// 4284 begin at E 8.173828°, 8.217773° and 8.261719°: pixels 53.7, 383.3 and 712.9 from the west.

#include "KartenHilfen.h"
#include "TestHilfen.h"

#include "pipeline/GelaendeLesen.h"
#include "printmap/KartenUnterlage.h"
#include "printmap/Seitenplan.h"
#include "tiles/KachelAblage.h"
#include "tiles/Kartendienst.h"

#include <QBuffer>
#include <QTemporaryDir>
#include <fstream>
#include <gtest/gtest.h>

using namespace karte;

namespace {

// Even tile columns red, odd ones blue; the map lightens both halfway to white.
constexpr QRgb rot = 0xFFFF8080u;
constexpr QRgb blau = 0xFF8080FFu;

struct Unterlage : ::testing::Test {
    CSarnixDoc doc;
    QTemporaryDir ordner;
    // A server that is never asked: printing takes the tiles the cache holds.
    KartenQuelle quelle{QStringLiteral("Test"), QStringLiteral("http://127.0.0.1:9/{z}/{x}/{y}.png"), {}, 19,
                        QStringLiteral("© Test")};

    void SetUp() override
    {
        ZehnMalVier(doc);
        KachelAblage ablage(ordner.path(), QuellenKennung(quelle), int64_t{1} << 30);
        QByteArray png[2];
        for (int ungerade = 0; ungerade < 2; ++ungerade) {
            QImage kachel(256, 256, QImage::Format_RGB32);
            kachel.fill(ungerade ? Qt::blue : Qt::red);
            QBuffer puffer(&png[ungerade]);
            kachel.save(&puffer, "PNG");
        }
        for (int x = 4280; x <= 4286; ++x)
            for (int y = 2888; y <= 2896; ++y)
                ASSERT_TRUE(ablage.Schreibe(13, x, y, {png[x % 2], QDateTime::currentDateTimeUtc().addDays(7), {}, {}}));
    }
    // The page with the underlay; portrait pages turn the map.
    QImage Seite(int breite, int hoehe, const DruckUnterlage& unterlage)
    {
        QImage bild = test::LeeresBild(breite, hoehe);
        EXPECT_EQ(Drucke(doc, bild, 254, [&](int) { return DruckWahl{100000, 0, {}, unterlage}; }), 1);
        return bild;
    }
};

}  // namespace

TEST_F(Unterlage, RasterFacesNorthOnEitherPage)
{
    const auto quer = KartenLage::Berechne(doc, *SeitenMassAus(1000, 500, 254, 254), false, 100000);
    const auto hoch = KartenLage::Berechne(doc, *SeitenMassAus(500, 1000, 254, 254), true, 100000);
    for (const auto& [lage, feld] : {std::pair{quer, Rechteck{0, 0, 1000, 500}}, std::pair{hoch, Rechteck{0, 0, 500, 1000}}}) {
        const UnterlageRaster r = UnterlageRasterVon(lage, feld);
        EXPECT_NEAR(r.ausschnitt.west, 8.0 + 10.0 / 60, 1e-9);
        EXPECT_NEAR(r.ausschnitt.ost, 8.3, 1e-9);
        EXPECT_NEAR(r.ausschnitt.sued, 46.0 + 39.8 / 60, 1e-9);
        EXPECT_NEAR(r.ausschnitt.nord, 46.0 + 41.8 / 60, 1e-9);
        EXPECT_EQ(r.ausschnitt.breite, 591);
        EXPECT_EQ(r.ausschnitt.hoehe, 295);
        EXPECT_NEAR(r.meterSpalte, 10000.0 / 591, 1e-9);
    }
}

TEST_F(Unterlage, MapFromTheCacheRunsEastAlongTheTurnedPage)
{
    Kartendienst karte(quelle, ordner.path());
    UnterlageErgebnis summe;
    const QImage quer = Seite(1000, 500, {&karte, nullptr, &summe});
    EXPECT_EQ(quer.pixel(200, 150), rot);   // column 4282
    EXPECT_EQ(quer.pixel(450, 150), blau);  // column 4283
    EXPECT_EQ(quer.pixel(800, 300), rot);   // column 4284
    // Turned, east runs up the page: the same columns from the bottom.
    const QImage hoch = Seite(500, 1000, {&karte, nullptr, &summe});
    EXPECT_EQ(hoch.pixel(40, 800), rot);
    EXPECT_EQ(hoch.pixel(40, 450), blau);
    EXPECT_EQ(hoch.pixel(40, 150), rot);
    EXPECT_EQ(summe.kachelnFehlend, 0);
    EXPECT_EQ(karte.Offen(), 0);  // nothing was fetched
}

// Flat ground at 1000 m, lit at 45°: every pixel the flat shade (215, 211, 203); over the map the
// relief darkens it: red (255, 128, 128) becomes (215, 106, 102).
TEST_F(Unterlage, ReliefAloneAndOverTheMap)
{
    const std::string bytes(size_t{1201} * 1201 * 2, '\0');
    std::string hoehen = bytes;
    for (size_t i = 0; i < hoehen.size(); i += 2) {
        hoehen[i] = char(1000 >> 8);
        hoehen[i + 1] = char(1000 & 0xFF);
    }
    std::ofstream((ordner.path() + "/N46E008.hgt").toStdString(), std::ios::binary).write(hoehen.data(), std::streamsize(hoehen.size()));
    const GelaendeDienst gelaende(ordner.path().toStdString());
    EXPECT_EQ(Seite(1000, 500, {nullptr, &gelaende}).pixel(450, 150), qRgb(215, 211, 203));
    Kartendienst karte(quelle, ordner.path());
    EXPECT_EQ(Seite(1000, 500, {&karte, &gelaende}).pixel(200, 150), qRgb(215, 106, 102));
}
