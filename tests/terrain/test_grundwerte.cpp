// The ground at take-off and landing and the lowest pass above it, from heights per fix.

#include "terrain/GrundWerte.h"

#include "flight/Koordinaten.h"

#include <cmath>
#include <gtest/gtest.h>

// 120 s on the ground at 1000 m, climbing 10 m/s to 2500 m while flying east, over a valley at
// 300 m with one summit of 2300 m under the fix of second 700, gliding down to a field at 500 m
// from second 1200, landing at 1320 and standing there.
TEST(GrundWerte, StartLandungUndTiefsterUeberflug)
{
    std::vector<CDaten> fixe;
    std::vector<float> grund;
    for (int t = 0; t < 1500; ++t) {
        CDaten fix;
        fix.zeit = 36000 + t;
        fix.hatPosition = 1;
        fix.breite = koordinatenNullpunkt + 46 * 600000;
        fix.laenge = koordinatenNullpunkt + 8 * 600000 + 100 * std::clamp(t - 120, 0, 1200);
        const int steigen = std::min(2500, 1000 + 10 * std::max(t - 120, 0));
        fix.hoehe = static_cast<int16_t>(t < 1200 ? steigen : std::max(500, 2500 - (t - 1200) * 2000 / 120));
        fixe.push_back(fix);
        grund.push_back(t < 130 ? 1000.0f : t == 700 ? 2300.0f : t < 1200 ? 300.0f : 500.0f);
    }
    const GrundWerte w = GrundWerteVon(fixe, FindeFluege(fixe), grund);
    EXPECT_EQ(w.startGrund, 1000.0f);
    EXPECT_EQ(w.landeGrund, 500.0f);
    EXPECT_EQ(w.tiefsterAbstand, 200.0f);
    EXPECT_EQ(w.tiefsterFix, 700u);

    // Without a model under the flight there is nothing to say.
    const GrundWerte ohne = GrundWerteVon(fixe, FindeFluege(fixe), std::vector<float>(fixe.size(), std::nanf("")));
    EXPECT_FALSE(ohne.startGrund || ohne.landeGrund || ohne.tiefsterAbstand);
}
