// Ground heights read from tiles written here: SRTM .hgt byte by byte, GeoTIFF through GDAL.

#include "terrain/Gelaende.h"

#include "flight/Koordinaten.h"

#include <gdal_priv.h>
#include <ogr_spatialref.h>

#include <QTemporaryDir>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <thread>

namespace fs = std::filesystem;

namespace {

using Hoehen = std::function<double(int spalte, int zeile)>;

// An SRTM tile: n by n big-endian 16-bit samples, row 0 on the northern edge.
void SchreibeHgt(const fs::path& pfad, int n, const Hoehen& h, std::size_t abschneiden = 0)
{
    std::string bytes;
    for (int z = 0; z < n; ++z)
        for (int s = 0; s < n; ++s) {
            const auto v = static_cast<uint16_t>(static_cast<int16_t>(std::lround(h(s, z))));
            bytes += static_cast<char>(v >> 8);
            bytes += static_cast<char>(v & 0xFF);
        }
    std::ofstream(pfad, std::ios::binary).write(bytes.data(), std::streamsize(bytes.size() - abschneiden));
}

// A float GeoTIFF of `baender` equal bands; `epsg` 4326 takes degrees, origin at the north-west
// corner of the first sample.
void SchreibeTiff(const fs::path& pfad, int breite, int hoehe, double west, double nord, double schritt,
                  const Hoehen& h, int epsg = 4326, std::optional<double> keinWert = {}, int baender = 1)
{
    GDALAllRegister();
    GDALDriver* treiber = GetGDALDriverManager()->GetDriverByName("GTiff");
    GDALDatasetUniquePtr ds(treiber->Create(pfad.c_str(), breite, hoehe, baender,
                                            baender == 1 ? GDT_Float32 : GDT_Byte, nullptr));
    std::array<double, 6> gt{west, schritt, 0.0, nord, 0.0, -schritt};
    ds->SetGeoTransform(gt.data());
    OGRSpatialReference bezug;
    bezug.importFromEPSG(epsg);
    ds->SetSpatialRef(&bezug);
    std::vector<float> werte;
    for (int z = 0; z < hoehe; ++z)
        for (int s = 0; s < breite; ++s)
            werte.push_back(static_cast<float>(h(s, z)));
    for (int b = 1; b <= baender; ++b) {
        if (keinWert)
            ds->GetRasterBand(b)->SetNoDataValue(*keinWert);
        if (baender == 3)
            ds->GetRasterBand(b)->SetColorInterpretation(GDALColorInterp(GCI_RedBand + b - 1));
        EXPECT_EQ(ds->GetRasterBand(b)->RasterIO(GF_Write, 0, 0, breite, hoehe, werte.data(), breite, hoehe,
                                                 GDT_Float32, 0, 0, nullptr),
                  CE_None);
    }
}

struct Gelaende : ::testing::Test {
    QTemporaryDir tmp;
    fs::path ordner() const { return fs::path(tmp.path().toStdString()); }
};

// A cone 3000 m high on N46E007 (3", 1201 samples): 2 m lower per sample away from 46.5° 7.5°.
double Kegel(int s, int z) { return 3000.0 - 2.0 * std::hypot(s - 600, z - 600); }

}  // namespace

TEST_F(Gelaende, KegelAusHgt)
{
    SchreibeHgt(ordner() / "N46E007.hgt", 1201, Kegel);
    GelaendeQuelle q(ordner().string());
    ASSERT_EQ(q.AnzahlKacheln(), 1u);
    struct Fall {
        double breite, laenge, erwartet;
    } faelle[] = {
        {46.5, 7.5, 3000.0},                       // the top, on a sample
        {46.5, 7.5 + 100 / 1200.0, 2800.0},        // 100 samples east
        {46.5 - 0.5 / 1200, 7.5, 2999.0},          // halfway to the next row: (3000 + 2998) / 2
        {46.5 + 30 / 1200.0, 7.5 - 40 / 1200.0, 2900.0},  // 3-4-5: 50 samples away
        {46.0, 7.0, 3000.0 - 2.0 * std::hypot(600, 600)},  // the south-west corner sample
    };
    for (const Fall& f : faelle)
        EXPECT_NEAR(q.Hoehe(f.breite, f.laenge).value_or(-1), f.erwartet, 0.51) << f.breite << " " << f.laenge;
    EXPECT_FALSE(q.Hoehe(45.9, 7.5));
}

// A plane rising 10 m per 0.001° east and 2 m per 0.001° south, over fixes and a grid.
TEST_F(Gelaende, GeneigteEbeneAusGeoTiff)
{
    SchreibeTiff(ordner() / "ebene.tif", 2000, 1000, 8.0, 47.0, 0.001, [](int s, int z) { return 500.0 + 10 * s + 2 * z; });
    GelaendeQuelle q(ordner().string());
    auto fix = [](double b, double l) {
        CDaten d;
        d.breite = koordinatenNullpunkt + static_cast<int32_t>(std::lround(b * 600000));
        d.laenge = koordinatenNullpunkt + static_cast<int32_t>(std::lround(l * 600000));
        return d;
    };
    // Sample centres lie at 8.0005° + k 0.001°: 8.0123° is 11.8 samples east, 46.9543° 45.2 south.
    const std::vector<CDaten> fixe{fix(46.9543, 8.0123), fix(46.5005, 8.0005), fix(46.9, 10.5), CDaten{}};
    const std::vector<float> h = q.HoehenEntlang(fixe);
    ASSERT_EQ(h.size(), 4u);
    EXPECT_NEAR(h[0], 500 + 118 + 90.4, 0.01);
    EXPECT_NEAR(h[1], 500 + 0 + 2 * 499, 0.01);
    EXPECT_TRUE(std::isnan(h[2]));
    EXPECT_TRUE(std::isnan(h[3]));

    // A grid eight samples apart is read from every eighth sample and still lies on the plane.
    const GelaendeGitter gitter{8.1005, 8.9005, 46.2005, 46.9005, 101, 71};
    const std::vector<float> g = q.HoehenGitter(gitter);
    ASSERT_EQ(g.size(), 101u * 71u);
    EXPECT_NEAR(g[0], 500 + 1000 + 2 * 99, 0.01);
    EXPECT_NEAR(g[70 * 101 + 100], 500 + 9000 + 2 * 799, 0.01);
    EXPECT_NEAR(g[35 * 101 + 50], 500 + 5000 + 2 * 449, 0.01);
}

// Voids: SRTM's -32768, and a GeoTIFF's own no-data value.
TEST_F(Gelaende, LueckenSindUnbekannt)
{
    SchreibeHgt(ordner() / "N46E007.hgt", 1201, [](int s, int z) { return s >= 600 && z >= 600 ? -32768 : 1000; });
    SchreibeTiff(ordner() / "luecke.tif", 100, 100, 9.0, 47.0, 0.01, [](int s, int) { return s < 50 ? -9999.0 : 700.0; }, 4326, -9999.0);
    GelaendeQuelle q(ordner().string());
    const double z = 1 / 1200.0;
    struct Fall {
        double breite, laenge;
        std::optional<float> erwartet;
    } faelle[] = {
        {46.3, 7.8, std::nullopt},              // inside the void
        {46.5, 7.5 - z, 1000.0f},               // on the last sample before it
        {46.5 + 0.5 * z, 7.5 - 0.5 * z, std::nullopt},  // touching it
        {46.8, 7.2, 1000.0f},
        {46.5, 9.3, std::nullopt},
        {46.5, 9.7, 700.0f},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(q.Hoehe(f.breite, f.laenge), f.erwartet) << f.breite << " " << f.laenge;
}

// Two GeoTIFFs side by side at 8.1°: heights interpolate across the seam as in one model, and
// two .hgt tiles sharing their edge column agree on it.
TEST_F(Gelaende, NahtZwischenKacheln)
{
    auto ebene = [](double west) { return [west](int s, int) { return 10000 * (west - 8.0 + (s + 0.5) * 0.001); }; };
    SchreibeTiff(ordner() / "a.tif", 100, 100, 8.0, 47.0, 0.001, ebene(8.0));
    SchreibeTiff(ordner() / "b.tif", 100, 100, 8.1, 47.0, 0.001, ebene(8.1));
    SchreibeHgt(ordner() / "N45E007.hgt", 1201, [](int s, int) { return s; });
    SchreibeHgt(ordner() / "N45E008.hgt", 1201, [](int s, int) { return 1200 + s; });
    GelaendeQuelle q(ordner().string());
    ASSERT_EQ(q.AnzahlKacheln(), 4u);
    for (const double l : {8.0995, 8.0999, 8.1, 8.1003, 8.1005})
        EXPECT_NEAR(q.Hoehe(46.95, l).value_or(-1), 10000 * (l - 8.0), 0.01) << l;
    for (const double l : {7.999, 8.0, 8.001})
        EXPECT_NEAR(q.Hoehe(45.5, l).value_or(-1), 1200 * (l - 7.0), 0.01) << l;
}

// A fine model over part of a coarse one answers there, also for a track that enters it from the
// coarse one: 500 m outside, 900 m inside.
TEST_F(Gelaende, FeinereKachelGiltAuchEntlangDerSpur)
{
    SchreibeHgt(ordner() / "N46E008.hgt", 1201, [](int, int) { return 500; });
    SchreibeTiff(ordner() / "fein.tif", 100, 100, 8.5, 46.51, 0.0001, [](int, int) { return 900; });
    GelaendeQuelle q(ordner().string());
    const auto fix = [](double laenge, double breite) {
        CDaten d;
        d.laenge = static_cast<int32_t>(std::lround(koordinatenNullpunkt + laenge * einheitenProGrad));
        d.breite = static_cast<int32_t>(std::lround(koordinatenNullpunkt + breite * einheitenProGrad));
        d.hatPosition = 1;
        return d;
    };
    const std::vector<float> grund = q.HoehenEntlang(std::vector<CDaten>{fix(8.49, 46.505), fix(8.505, 46.505)});
    EXPECT_FLOAT_EQ(grund[0], 500.0f);
    EXPECT_FLOAT_EQ(grund[1], 900.0f);
}

// A tile in UTM zone 32: 9° E on the equator is easting 500 000, northing 0 by the zone's
// definition. Heights there rise one metre per 10 m east from easting 499 000.
TEST_F(Gelaende, AndereProjektionWirdUmgerechnet)
{
    SchreibeTiff(ordner() / "utm.tif", 200, 200, 499000.0, 1000.0, 10.0, [](int s, int) { return s + 0.5; }, 32632);
    GelaendeQuelle q(ordner().string());
    ASSERT_EQ(q.AnzahlKacheln(), 1u);
    EXPECT_NEAR(q.Hoehe(0.0, 9.0).value_or(-1), 100.0, 0.01);
    EXPECT_NEAR(q.Hoehe(0.005, 9.0).value_or(-1), 100.0, 0.01);
    EXPECT_FALSE(q.Hoehe(0.0, 9.5));
}

// What cannot give heights is named, and whatever else is there still answers.
TEST_F(Gelaende, SchlechteDateienWerdenBenannt)
{
    using A = GelaendeHinweisArt;
    const fs::path o = ordner();
    SchreibeHgt(o / "N46E007.hgt", 1201, [](int, int) { return 1234; });
    std::ofstream(o / "N47E007.hgt", std::ios::binary) << std::string(1000, '\0');
    SchreibeHgt(o / "N48E007.hgt", 1201, [](int, int) { return 1; }, 5000);
    SchreibeTiff(o / "foto.tif", 10, 10, 7.0, 50.0, 0.1, [](int, int) { return 128; }, 4326, {}, 3);
    for (int i = 0; i < 2000; ++i)
        std::ofstream(o / ("notiz" + std::to_string(i) + ".txt")) << i;
    GelaendeQuelle q(o.string());
    EXPECT_EQ(q.AnzahlKacheln(), 1u);
    EXPECT_EQ(q.Hinweise(), (std::vector<GelaendeHinweis>{{A::NichtLesbar, (o / "N47E007.hgt").string()},
                                                           {A::NichtLesbar, (o / "N48E007.hgt").string()},
                                                           {A::KeineHoehen, (o / "foto.tif").string()}}));
    EXPECT_EQ(q.Hoehe(46.5, 7.5), 1234.0f);

    struct Fall {
        fs::path ordner;
        A art;
    } leer[] = {{o / "fehlt", A::KeinOrdner}, {o / "leer", A::KeineKacheln}};
    fs::create_directory(o / "leer");
    for (const Fall& f : leer)
        EXPECT_EQ(GelaendeQuelle(f.ordner.string()).Hinweise(), (std::vector<GelaendeHinweis>{{f.art, f.ordner.string()}}));
}

// A tile rewritten while open is read again; questions from two threads get the same answers.
TEST_F(Gelaende, GeaenderteKachelUndZweiFaeden)
{
    const fs::path p = ordner() / "N46E007.hgt";
    SchreibeHgt(p, 1201, [](int, int) { return 100; });
    GelaendeQuelle q(ordner().string());
    EXPECT_EQ(q.Hoehe(46.5, 7.5), 100.0f);
    SchreibeHgt(p, 1201, [](int, int) { return 200; });
    fs::last_write_time(p, fs::last_write_time(p) + std::chrono::seconds(2));
    EXPECT_EQ(q.Hoehe(46.5, 7.5), 200.0f);
    EXPECT_EQ(q.Hinweise(), (std::vector<GelaendeHinweis>{{GelaendeHinweisArt::Geaendert, p.string()}}));

    std::vector<float> a, b;
    const std::vector<CDaten> fixe(5000, CDaten{0, 0, koordinatenNullpunkt + 4500000, koordinatenNullpunkt + 27900000});
    std::thread t([&] { a = q.HoehenEntlang(fixe); });
    b = q.HoehenEntlang(fixe);
    t.join();
    EXPECT_EQ(a, b);
    EXPECT_EQ(b.back(), 200.0f);
}
