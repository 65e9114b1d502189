// Tile numbers, the zoom a view asks for, and the sources' addresses.

#include "tiles/KartenQuelle.h"
#include "tiles/KartenWarp.h"
#include "tiles/Mercator.h"

#include <gtest/gtest.h>

TEST(Mercator, KachelnBekannterOrte)
{
    struct Fall {
        double laenge, breite;
        int zoom;
        int64_t x, y;
    };
    // Worked out with x = (lon + 180) / 360 * 2^z and y = (1 - asinh(tan lat) / pi) / 2 * 2^z.
    for (const Fall& f : {Fall{0, 0, 1, 1, 1}, Fall{13.4, 52.5, 10, 550, 335}, Fall{7.75, 46.0, 12, 2136, 1457},
                          Fall{8.0, 46.5, 14, 8556, 5795}, Fall{-180, 89.9, 0, 0, 0}, Fall{179.999, -89.9, 3, 7, 7}}) {
        EXPECT_EQ(static_cast<int64_t>(KachelXVon(f.laenge, f.zoom)), f.x) << f.laenge;
        // Beyond 85.0511° the first and last rows go on: the poles have no row of their own.
        EXPECT_EQ(std::min<int64_t>(static_cast<int64_t>(KachelYVon(f.breite, f.zoom)), (1 << f.zoom) - 1), f.y) << f.breite;
    }
    EXPECT_NEAR(BreiteVonKachelY(0, 5), 85.0511, 1e-4);
    EXPECT_NEAR(LaengeVonKachelX(550.1155556, 10), 13.4, 1e-6);
    EXPECT_EQ(KachelSpalteUmlaufend(-1, 3), 7);  // just west of the 180° meridian
    EXPECT_EQ(KachelSpalteUmlaufend(9, 3), 1);
}

TEST(Mercator, ZoomFolgtDemMassstabUndDemBildschirm)
{
    struct Fall {
        double gradProPixel, verhaeltnis;
        int groessterZoom, zoom;
    };
    // log2(360 / (256 * deg per device pixel)), rounded: 0.005° -> 8.14, 0.05° -> 4.81,
    // 0.0001° -> 13.78 and at ratio 2 -> 14.78.
    for (const Fall& f : {Fall{0.005, 1, 19, 8}, Fall{0.05, 1, 19, 5}, Fall{0.0001, 1, 19, 14}, Fall{0.0001, 2, 19, 15},
                          Fall{1e-7, 1, 19, 19}, Fall{1e-7, 1, 12, 12}, Fall{360.0 / 256, 1, 19, 0}, Fall{500, 1, 19, 0},
                          Fall{0, 1, 19, 0}, Fall{-1, 1, 19, 0}}) {
        EXPECT_EQ(ZoomFuer(f.gradProPixel, f.verhaeltnis, f.groessterZoom), f.zoom) << f.gradProPixel;
    }
}

TEST(Mercator, KachelnDesAusschnittsVonDerMitteAus)
{
    // 0..20° E, 40..60° N at zoom 5: columns 16 (0°) to 17.78 (20°), rows 9.29 (60°) to 12.11
    // (40°): two columns, four rows; the first two are the middle ones.
    const auto k = KachelnIm({0, 20, 60, 40, 400, 400}, 5);
    ASSERT_EQ(k.size(), 8u);
    EXPECT_TRUE(k[0].y == 10 || k[0].y == 11);
    // Across the 180° meridian: 170° E to 170° W at zoom 2 wraps from column 3 to column 0.
    const auto um = KachelnIm({170, 190, 1, -1, 100, 10}, 2);
    ASSERT_EQ(um.size(), 4u);
    for (const KachelNummer& n : um)
        EXPECT_TRUE(n.x == 3 || n.x == 0) << n.x;
    // Only the Arctic beyond 85.05°: nothing to fetch.
    EXPECT_TRUE(KachelnIm({0, 10, 89, 86, 100, 100}, 4).empty());
}

TEST(KartenQuelle, AdressenUndFehler)
{
    const QString v = QStringLiteral("https://{s}.tiles.example/{z}/{x}/{y}.png");
    EXPECT_EQ(KachelAdresse(v, 10, 550, 335), QStringLiteral("https://a.tiles.example/10/550/335.png"));
    EXPECT_EQ(KachelAdresse(v, 10, 551, 335), QStringLiteral("https://b.tiles.example/10/551/335.png"));
    EXPECT_TRUE(VorlagenFehler(v).isEmpty());
    EXPECT_TRUE(VorlagenFehler(StandardQuelle().vorlage).isEmpty());
    EXPECT_EQ(VorlagenFehler(QStringLiteral("https://tiles.example/{x}/{y}.png")), QStringLiteral("Der Kartenadresse fehlt {z}"));
    EXPECT_FALSE(VorlagenFehler(QStringLiteral("file:///{z}/{x}/{y}.png")).isEmpty());
    EXPECT_EQ(StandardQuelle().namensnennung, QStringLiteral("© OpenStreetMap-Mitwirkende"));

    const std::vector<KartenQuelle> bekannt = QuellenAusText({QStringLiteral("Topo\thttps://topo.example/{z}/{x}/{y}.png\t17\t© Topo")});
    ASSERT_EQ(bekannt.size(), 2u);
    EXPECT_EQ(QuellenAlsText(bekannt), QStringList{QStringLiteral("Topo\thttps://topo.example/{z}/{x}/{y}.png\t17\t© Topo")});
    EXPECT_EQ(QuelleAus(QStringLiteral("topo"), bekannt).groessterZoom, 17);
    EXPECT_EQ(QuelleAus(QStringLiteral("openstreetmap"), bekannt), StandardQuelle());
    EXPECT_TRUE(QuelleAus(QStringLiteral("alpen.mbtiles"), bekannt).IstDatei());
    EXPECT_EQ(QuelleAus(QStringLiteral("http://127.0.0.1:8/{z}/{x}/{y}.png"), bekannt).vorlage,
              QStringLiteral("http://127.0.0.1:8/{z}/{x}/{y}.png"));
}
