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
