// Flights within a log: real logs rewritten as other recorders write them keep their take-off,
// landing and phases; a stop on the ground splits a log into two flights, a recorder gap ends
// one; walks and car trips are no flight.

#include "flight/CSarnixDoc.h"
#include "flight/Fluege.h"
#include "flight/Flugphasen.h"
#include "tools/IgcVarianten.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <sstream>

namespace {

std::string Lies(const std::string& name)
{
    std::ifstream ein(std::string(SARNIX_TESTDATA_DIR) + "/igc/" + name, std::ios::binary);
    std::stringstream text;
    text << ein.rdbuf();
    return text.str();
}

FlugAnalyse Analyse(const std::string& igc, std::vector<CDaten>* fixe = nullptr)
{
    CSarnixDoc doc;
    EXPECT_TRUE(doc.OeffneInhalt("variante.igc", igc));
    if (fixe)
        *fixe = doc.datenListe;
    return AnalysiereFlug(doc);
}

// A few fixes apart: a repeated position now and then makes the launch look slower.
constexpr int32_t wenigeFixe = 40;

}  // namespace

TEST(Fluege, VariantenDerEchtenLogsGebenDieselbenFluege)
{
    for (const char* name : {"hg-wales-u2-1h.igc", "pg-riederalp-1h-vfix.igc", "sp-germany-asw19-4h-task-oat.igc",
                             "sp-quebec-asw27-3h-tas-oat.igc"}) {
        const std::string igc = Lies(name);
        std::vector<CDaten> fixe;
        const FlugAnalyse original = Analyse(igc, &fixe);
        ASSERT_EQ(original.fluege.size(), 1u) << name;
        const FlugStatistik& o = original.statistik;
        const int32_t mitte = fixe[fixe.size() / 2].zeit;
        const int32_t schnitt = fixe[static_cast<size_t>(0.6 * static_cast<double>(fixe.size()))].zeit;
        constexpr int32_t pause = 35 * 60;
        struct Erwartung {
            std::vector<std::pair<int32_t, int32_t>> fluege;  // take-off and landing times
        };
        for (const igcvarianten::Variante& v : igcvarianten::Alle(igc)) {
            SCOPED_TRACE(std::string(name) + " " + v.name);
            Erwartung e{{{o.startZeit, o.landeZeit}}};
            if (v.name == "pause-35min")
                e.fluege = {{o.startZeit, mitte}, {mitte + pause, o.landeZeit + pause}};
            else if (v.name == "luecke-40min")
                e.fluege = {{o.startZeit, std::min(schnitt, o.landeZeit)}};
            const FlugAnalyse a = Analyse(v.text);
            ASSERT_EQ(a.fluege.size(), e.fluege.size());
            for (size_t i = 0; i < e.fluege.size(); ++i) {
                EXPECT_NEAR(a.fluege[i].statistik.startZeit, e.fluege[i].first, wenigeFixe);
                EXPECT_NEAR(a.fluege[i].statistik.landeZeit, e.fluege[i].second, wenigeFixe);
                EXPECT_GE(a.fluege[i].statistik.landeZeit, a.fluege[i].statistik.startZeit);
            }
            if (v.name == "luecke-40min")
                continue;
            // A circle more or less where the turn was just one whole circle.
            EXPECT_NEAR(a.statistik.anzahlThermiken, o.anzahlThermiken, 2);
            EXPECT_NEAR(a.statistik.anteilKreisen, o.anteilKreisen, 0.03);
        }
    }
}

namespace {

// A stretch of a made-up log, one fix a second, heading north.
struct Abschnitt {
    int sekunden;
    double tempo = 0.0;    // m/s over the ground
    double steigen = 0.0;  // m/s, turning into sinking every five minutes
    double zittern = 0.0;  // m of GPS jitter in position and altitude
    bool position = true;
};

std::vector<CDaten> Log(std::initializer_list<Abschnitt> abschnitte)
{
    std::vector<CDaten> fixe;
    double nord = 0.0, hoehe = 1000.0;
    uint32_t zufall = 1;
    const auto zitter = [&zufall](double meter) {
        zufall = zufall * 1664525u + 1013904223u;
        return (static_cast<double>(zufall >> 8) / 16777216.0 * 2.0 - 1.0) * meter;
    };
    constexpr double meterProEinheit = 1852.0 / 10000.0;
    for (const Abschnitt& a : abschnitte)
        for (int s = 0; s < a.sekunden; ++s) {
            nord += a.tempo;
            hoehe += (fixe.size() / 300 % 2 ? -1.0 : 1.0) * a.steigen;
            CDaten f;
            f.zeit = 12 * 3600 + static_cast<int32_t>(fixe.size());
            f.hatPosition = a.position ? 1 : 0;
            f.breite = 500000000 + 28200000 + static_cast<int32_t>(std::lround((nord + zitter(a.zittern)) / meterProEinheit));
            f.laenge = 500000000 + 6000000 + static_cast<int32_t>(std::lround(zitter(a.zittern) / meterProEinheit));
            f.hoehe = static_cast<int16_t>(std::lround(hoehe + zitter(a.zittern)));
            fixe.push_back(f);
        }
    return fixe;
}

}  // namespace

TEST(Fluege, OhneFlugUndSchwierigeLogs)
{
    const Abschnitt boden{300, 0.0, 0.0, 3.0};
    const Abschnitt flug{1800, 10.0, 1.5, 1.0};
    struct Fall {
        const char* name;
        std::vector<CDaten> fixe;
        std::vector<std::pair<int32_t, int32_t>> fluege;  // seconds after the first fix
    };
    const Fall faelle[] = {
        {"Stehen mit Zittern", Log({{3600, 0.0, 0.0, 5.0}}), {}},
        {"Wanderung bergauf", Log({{7200, 1.0, 0.3, 3.0}}), {}},
        {"Autofahrt", Log({{900, 20.0, 0.0, 2.0}, {60, 0.0, 0.0, 2.0}, {900, 20.0, 0.0, 2.0}}), {}},
        {"Ein Flug", Log({boden, flug, boden}), {{299, 2100}}},
        {"24 Stunden", Log({boden, {86400, 10.0, 1.5, 1.0}, boden}), {{299, 86700}}},
        {"Ohne Position zwischen zwei Fluegen",
         Log({boden, flug, boden, {2100, 0.0, 0.0, 0.0, false}, boden, flug, boden}), {{299, 2100}, {4799, 6600}}},
        {"Luecke im Flug", Log({boden, flug, {600, 10.0, 0.0, 0.0, false}, flug, boden}), {{299, 4500}}},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        const std::vector<Flugabschnitt> fluege = FindeFluege(f.fixe);
        ASSERT_EQ(fluege.size(), f.fluege.size());
        for (size_t i = 0; i < fluege.size(); ++i) {
            EXPECT_NEAR(fluege[i].startZeit - f.fixe.front().zeit, f.fluege[i].first, 5);
            EXPECT_NEAR(fluege[i].landeZeit - f.fixe.front().zeit, f.fluege[i].second, 5);
        }
    }
}
