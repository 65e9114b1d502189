// The physical temperature reference: on air of a known lapse rate with warm thermal cores it
// colours the cores warm and the sinking air neutral; its gaps take the neighbours' lines; the
// instrument's reference stays the default.

#include "flight/Arten.h"
#include "flight/CSarnixDoc.h"
#include "flight/FarbIndex.h"
#include "flight/TemperaturReferenz.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// Standard air: 15 °C at sea level, 6.5 K colder per kilometre; in 0.1 K.
int32_t Luft(int hoehe) { return static_cast<int32_t>(std::lround(2881.5 - 0.065 * hoehe)); }

CDaten Fix(int hoehe, int32_t temperatur, int16_t vario)
{
    CDaten f;
    f.hoehe = static_cast<int16_t>(hoehe);
    f.temperatur = temperatur;
    f.vario = vario;
    f.hatPosition = 1;
    f.breite = 528000000;
    f.laenge = 506000000;
    return f;
}

// Sinking air from 500 to 2500 m, and thermal cores 1.5 K warmer at every altitude.
CSarnixDoc Tag()
{
    CSarnixDoc doc;
    for (int h = 500; h <= 2500; h += 1) {
        doc.datenListe.push_back(Fix(h, Luft(h), -12));
        if (h % 4 == 0)
            doc.datenListe.push_back(Fix(h, Luft(h) + 15, 25));
    }
    doc.geladen = 1;
    doc.BerechneAusdehnung();
    doc.BerechneMassstab();
    doc.BerechneTemperaturProfil();
    return doc;
}

}  // namespace

TEST(TemperaturReferenz, PhysikalischFaerbtKerneWarmUndSinkendeLuftNeutral)
{
    CSarnixDoc doc = Tag();
    EXPECT_EQ(&ReferenzProfil(doc, ReferenzExakt), &doc.temperaturProfil);

    // Neutral is index 50; +1.5 K is (150 + 100) × 101 / 200 = 126.
    int neutral = 0, warm = 0, sinkend = 0, kerne = 0;
    for (const CDaten& f : doc.datenListe) {
        const int index = FarbIndex(Temperaturgradient, f, doc, ReferenzPhysikalisch);
        if (f.vario < 0) {
            ++sinkend;
            neutral += std::abs(index - 50) <= 3;
        } else {
            ++kerne;
            warm += std::abs(index - 126) <= 3;
        }
    }
    EXPECT_EQ(neutral, sinkend);
    EXPECT_EQ(warm, kerne);
    // The line is the air's own lapse rate.
    for (const int h : {600, 1500, 2400}) {
        const TemperaturSlot& s = doc.temperaturProfilPhysikalisch[static_cast<size_t>(h / 5)];
        EXPECT_NEAR(s.steigung, 0.0065, 0.0002) << h;
        EXPECT_NEAR(s.basis - s.steigung * h, Luft(h) * 0.1, 0.05) << h;
    }
}

TEST(TemperaturReferenz, LueckenNehmenDieNachbarn)
{
    CSarnixDoc doc;
    for (int h = 1000; h <= 1500; ++h)
        doc.datenListe.push_back(Fix(h, Luft(h), -12));
    doc.datenListe.push_back(Fix(3000, 2000, 30));  // climbing: no part of the line
    doc.BerechneAusdehnung();
    doc.BerechneTemperaturProfil();
    const auto& p = doc.temperaturProfilPhysikalisch;
    // Below the data every slot holds the lowest fitted line, above it the highest.
    EXPECT_NEAR(p[0].steigung, 0.0065, 0.0003);
    EXPECT_EQ(p[0].steigung, p[150].steigung);
    EXPECT_EQ(p[0].basis, p[150].basis);
    EXPECT_NEAR(p[1200].steigung, 0.0065, 0.0003);
    EXPECT_EQ(p[1200].steigung, p[400].steigung);
    EXPECT_EQ(p[1200].basis, p[400].basis);
    // Within the data each band has its own line.
    EXPECT_NEAR(p[250].basis - p[250].steigung * 1250, Luft(1250) * 0.1, 0.05);
}

TEST(TemperaturReferenz, OhneSinkendeLuftBleibtAllesNeutral)
{
    CSarnixDoc doc;
    for (int h = 1000; h <= 1100; ++h)
        doc.datenListe.push_back(Fix(h, Luft(h) + 30, 20));
    doc.BerechneAusdehnung();
    doc.BerechneTemperaturProfil();
    for (const TemperaturSlot& s : doc.temperaturProfilPhysikalisch)
        ASSERT_EQ(s.steigung, 0.0f);
    EXPECT_EQ(FarbIndex(Temperaturgradient, doc.datenListe.front(), doc, ReferenzPhysikalisch), 50);
}
