// Scores of hand-made tracks near the equator, where a degree of longitude is a·π/180 =
// 111 319.49 m and one of latitude a(1−e²)·π/180 = 110 574.28 m, so that every leg follows from
// Pythagoras to well under the 10 m the legs are rounded to; the two real logs against the
// leagues' published scores; inputs that give no score.

#include "flight/CDaten.h"
#include "flight/Geodaete.h"
#include "flight/Koordinaten.h"
#include "flight/Wertung.h"

#include "flight/CSarnixDoc.h"
#include "common/Dateien.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

struct Ecke {
    double breite, laenge;  // degrees
};

// A fix a second; between the corners one every 0.01° when zwischen, so the search has groups
// to bound, otherwise the corners alone.
std::vector<CDaten> Spur(const std::vector<Ecke>& ecken, bool zwischen)
{
    std::vector<CDaten> fixe;
    const auto fix = [&](double b, double l) {
        CDaten f;
        f.zeit = 36000 + static_cast<int32_t>(fixe.size());
        f.breite = koordinatenNullpunkt + static_cast<int32_t>(std::lround(b * 600000));
        f.laenge = koordinatenNullpunkt + static_cast<int32_t>(std::lround(l * 600000));
        f.hatPosition = 1;
        f.hoehe = 1000;
        fixe.push_back(f);
    };
    for (size_t i = 0; i < ecken.size(); ++i) {
        const Ecke& b = i + 1 < ecken.size() ? ecken[i + 1] : ecken[i];
        // The short way, across the 180th meridian where that is shorter.
        const double dl = std::remainder(b.laenge - ecken[i].laenge, 360.0);
        const int schritte = zwischen ? std::max(1, static_cast<int>(std::hypot(b.breite - ecken[i].breite, dl) / 0.01)) : 1;
        for (int s = 0; s < schritte; ++s) {
            const double t = static_cast<double>(s) / schritte;
            fix(ecken[i].breite + t * (b.breite - ecken[i].breite), std::remainder(ecken[i].laenge + t * dl, 360.0));
        }
    }
    while (fixe.size() < 5)
        fix(ecken.back().breite, ecken.back().laenge);
    return fixe;
}

struct Fall {
    const char* name;
    const char* regeln;
    std::vector<Ecke> ecken;
    bool zwischen;
    const char* art;
    double punkte, strecke;
    double schliessung;  // -1: none
};

TEST(Wertung, HandgemachteSpurenHabenIhrVonHandGerechnetesOptimum)
{
    const Ecke A{0, 0}, B{0, 0.1};
    const std::vector<Fall> faelle = {
        // 10.02 km out and back: a flat triangle closed to 0 m, 20.04 km × 1.4.
        {"hin und zurück", "xcontest", {A, {0, 0.09}, A}, true, "dreieck-geschlossen", 28.06, 20.04, 0},
        // Sides 11.13, 10.45, 10.45 km, the last fix 0.005° north of the first: 0.55 km gap.
        {"FAI mit Lücke", "xcontest", {A, B, {0.08, 0.05}, {0.005, 0}}, true, "fai-geschlossen", 50.37, 31.48, 0.55},
        {"FAI mit Lücke, FFVL: 3 km frei", "ffvl", {A, B, {0.08, 0.05}, {0.005, 0}}, true, "fai", 44.84, 32.03, 0.55},
        // OLC: 11.13 + 10.45 + 9.99 km around the open triangle beat the FAI triangle's 31.48 km.
        {"FAI mit Lücke, OLC", "olc", {A, B, {0.08, 0.05}, {0.005, 0}}, true, "frei", 31.57, 31.57, -1},
        // Four legs of 12.43 km; every triangle's closing is far beyond 20 %.
        {"Zickzack", "xcontest", {A, {0.05, 0.1}, {0, 0.2}, {0.05, 0.3}, {0, 0.4}}, true, "frei", 49.72, 49.72, -1},
        // Four diagonals of 15.69 km beat the closed FAI triangle 11.13 + 11.06 + 15.69 km × 1.6 = 60.61.
        {"Rechteck zweimal", "xcontest", {A, B, {0.1, 0.1}, {0.1, 0}, A, B, {0.1, 0.1}, {0.1, 0}, A}, true, "frei", 62.76, 62.76, -1},
        // Base 11.13 km, sides 14.38 km: 27.90 % (flat); sides 14.24 km: 28.10 % (FAI).
        {"27,9 %", "xcontest", {A, B, {0.11995, 0.05}, A}, false, "dreieck-geschlossen", 55.85, 39.89, 0},
        {"28,1 %", "xcontest", {A, B, {0.11855, 0.05}, A}, false, "fai-geschlossen", 63.38, 39.61, 0},
        // Sides 11.13, 11.40, 11.40 km (33.93 km); the gap 4.9, 5.1, 19.9 and 20.1 % of it.
        {"Schluss 4,9 %", "xcontest", {A, B, {0.09, 0.05}, {0.01504, 0}}, false, "fai-geschlossen", 51.63, 32.27, 1.66},
        {"Schluss 5,1 %", "xcontest", {A, B, {0.09, 0.05}, {0.01565, 0}}, false, "fai", 45.08, 32.20, 1.73},
        {"Schluss 19,9 %", "xcontest", {A, B, {0.09, 0.05}, {0.06108, 0}}, false, "fai", 38.05, 27.18, 6.75},
        {"Schluss 20,1 %", "xcontest", {A, B, {0.09, 0.05}, {0.06169, 0}}, false, "frei", 28.92, 28.92, -1},
        // 42.77 km: 5 % is 2.14 km, so 3 km close it, and are free.
        {"FFVL 2,9 km", "ffvl", {A, {0, 0.13}, {0.11, 0.065}, {0.02623, 0}}, false, "fai", 59.88, 42.77, 2.90},
        {"FFVL 3,1 km", "ffvl", {A, {0, 0.13}, {0.11, 0.065}, {0.02804, 0}}, false, "frei", 40.22, 40.22, -1},
        // 81.97 km: 5 % is 4.10 km; of a 3.5 km gap 0.5 km count.
        {"FFVL 5 % über 3 km", "ffvl", {A, {0, 0.25}, {0.21, 0.125}, {0.03165, 0}}, false, "fai", 114.06, 81.47, 3.50},
        // The closed triangle of "FAI mit Lücke" across the 180th meridian.
        {"180. Längengrad", "xcontest", {{0, 179.95}, {0, -179.95}, {0.08, 180}, {0, 179.95}}, true, "fai-geschlossen", 51.25, 32.03, 0},
        // Over the north pole: 0.1° of the meridian, where a degree is a/√(1−e²)·π/180 = 111.69 km.
        {"über den Pol", "xcontest", {{89.95, 0}, {89.95, 180}, {89.95, 0}}, false, "dreieck-geschlossen", 31.28, 22.34, 0},
    };
    for (const Fall& f : faelle) {
        const Wertung w = Werte(Spur(f.ecken, f.zwischen), 0, 100000, *RegelnFuer(f.regeln));
        EXPECT_TRUE(w.Gewertet()) << f.name << ": " << w.fehler;
        EXPECT_TRUE(w.optimal) << f.name;
        EXPECT_EQ(w.art, f.art) << f.name;
        EXPECT_NEAR(w.punkte, f.punkte, 0.001) << f.name;
        EXPECT_NEAR(w.strecke, f.strecke, 0.001) << f.name;
        EXPECT_NEAR(w.schliessung.value_or(-1), f.schliessung, 0.001) << f.name;
    }
}

// The leagues filter the tracks and measure in their own way: a few tenths of a percent apart.
TEST(Wertung, EchteFluegeWieDieLiga)
{
    const struct {
        const char* datei;
        const char* art;
        double liga;
    } fluege[] = {{"pg-brazil-caico-11h.igc", "frei", 465.33}, {"pg-valais-9h-task-vario.igc", "fai-geschlossen", 362.70}};
    for (const auto& f : fluege) {
        CSarnixDoc doc;
        ASSERT_TRUE(doc.OnOpenDocument(test::Testdaten(std::string("igc/") + f.datei)));
        const Wertung w = WerteFlug(doc.datenListe, *RegelnFuer("xcontest"));
        EXPECT_EQ(w.art, f.art) << f.datei;
        EXPECT_TRUE(w.optimal) << f.datei;
        EXPECT_NEAR(w.punkte / f.liga, 1.0, 0.003) << f.datei << ": " << w.punkte;
    }
}

TEST(Wertung, OhneWertungMitGrund)
{
    std::vector<CDaten> vier = Spur({{0, 0}, {0, 0.1}}, true);
    vier.resize(4);
    std::vector<CDaten> ohnePosition = Spur({{0, 0}, {0, 0.1}}, true);
    for (CDaten& f : ohnePosition)
        f.hatPosition = 0;
    const std::vector<CDaten> stehend = Spur({{46, 7}}, false);
    std::vector<CDaten> rueckwaerts = Spur({{0, 0}, {0, 0.1}}, true);
    rueckwaerts[4].zeit -= 60;
    const struct {
        const std::vector<CDaten>& fixe;
        const char* grund;
    } faelle[] = {
        {vier, "weniger als 5 Fixe mit Position"},
        {ohnePosition, "weniger als 5 Fixe mit Position"},
        {stehend, "alle Fixe an einem Ort"},
        {rueckwaerts, "die Zeit läuft rückwärts"},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(Werte(f.fixe, 0, f.fixe.size() - 1, *RegelnFuer("xcontest")).fehler, f.grund);
    EXPECT_EQ(WerteFlug(stehend, *RegelnFuer("xcontest")).fehler, "kein Start gefunden");
}

// The measure of the Windows build against GeographicLib's, from 10 m to 1000 km, at the
// poles, across the 180th meridian and between nearly antipodal points.
TEST(Wertung, VincentyWieGeographicLib)
{
    if (!geodaete::MitBibliothek())
        GTEST_SKIP() << "ohne GeographicLib gebaut";
    const double strecken[][4] = {
        {46.5, 7.5, 46.50009, 7.5},  {46.5, 7.5, 46.5, 7.6},      {-6.4, -37.1, -5.5, -41.1},  {46.5, 7.5, 52.5, 13.4},
        {0, 179.95, 0, -179.95},     {-16.5, 179.9, -17.0, -179.4}, {89.99, 0, 89.99, 180},    {-89.9, 45, -88.0, -135},
        {0, 0, 0, 9},                {10, 20, -10, -160.5},       {0.5, 0, -0.5, 179.7},
    };
    for (const auto& s : strecken)
        EXPECT_NEAR(geodaete::StreckeOhneBibliothek(s[0], s[1], s[2], s[3]), geodaete::Strecke(s[0], s[1], s[2], s[3]), 0.001)
            << s[0] << " " << s[1] << " " << s[2] << " " << s[3];
}

}  // namespace
