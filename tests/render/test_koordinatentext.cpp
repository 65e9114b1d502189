// Coordinates as the user reads them: grid labels in the window and on the printed map, and the
// track cursor's readout.

#include "flight/Koordinaten.h"
#include "render/KoordinatenText.h"

#include <gtest/gtest.h>

namespace {

constexpr int64_t null = koordinatenNullpunkt;
constexpr int64_t grad = 600000;  // units per degree

TEST(KoordinatenText, GitterGradUndMinutenMitHalbkugel)
{
    EXPECT_EQ(KoordinatenText(null + 35000000, false), QStringLiteral("E 58°20.00'"));
    EXPECT_EQ(KoordinatenText(null - 35000000, false), QStringLiteral("W 58°20.00'"));
    EXPECT_EQ(KoordinatenText(null - grad, true), QStringLiteral("S 1°0.00'"));
    EXPECT_EQ(KoordinatenText(null + 28000000, true), QStringLiteral("N 46°40.00'"));
    EXPECT_EQ(KoordinatenText(null + 4920000, false), QStringLiteral("E 8°12.00'"));
    EXPECT_EQ(KoordinatenText(null - 5000, true), QStringLiteral("S 0°0.50'"));
    EXPECT_EQ(KoordinatenText(null + 180 * grad, false), QStringLiteral("E 180°0.00'"));
    // Thousandths of a minute are cut off, not rounded: the label never names a later line.
    EXPECT_EQ(KoordinatenText(528612345, true), QStringLiteral("N 47°41.23'"));
    EXPECT_EQ(KoordinatenText(null + 59 * grad + 599999, false), QStringLiteral("E 59°59.99'"));
    EXPECT_EQ(KoordinatenText(null - 59 * grad - 599999, false), QStringLiteral("W 59°59.99'"));
}

TEST(KoordinatenText, NullpunktZaehltAlsNordUndOst)
{
    EXPECT_EQ(KoordinatenText(null, true), QStringLiteral("N 0°0.00'"));
    EXPECT_EQ(KoordinatenText(null, false), QStringLiteral("E 0°0.00'"));
    EXPECT_EQ(KoordinatenText(null - 1, false), QStringLiteral("W 0°0.00'"));
    EXPECT_EQ(KoordinatenText(null, true, KoordinatenStil::Anzeige), QStringLiteral("N 0°0.0000'"));
    EXPECT_EQ(KoordinatenText(null - 100, false, KoordinatenStil::Anzeige), QStringLiteral("W 0°0.0100'"));
}

TEST(KoordinatenText, AnzeigeMitVierStellen)
{
    EXPECT_EQ(KoordinatenText(null + 8 * grad + 123456, false, KoordinatenStil::Anzeige),
              QStringLiteral("E 8°12.3456'"));
    EXPECT_EQ(KoordinatenText(null - 33 * grad - 10000, true, KoordinatenStil::Anzeige),
              QStringLiteral("S 33°1.0000'"));
    // A whole degree stays a whole degree, never "46°60.0000'".
    EXPECT_EQ(KoordinatenText(null + 47 * grad, true, KoordinatenStil::Anzeige), QStringLiteral("N 47°0.0000'"));
    EXPECT_EQ(KoordinatenText(null - 180 * grad, false, KoordinatenStil::Anzeige), QStringLiteral("W 180°0.0000'"));
}

TEST(KoordinatenText, AnzeigeZeigtDieRundungEinfacherGenauigkeit)
{
    // Up to 28 degrees the float holds every unit; beyond, neighbouring units read alike.
    EXPECT_EQ(KoordinatenText(null + 11 * grad + 334000, false, KoordinatenStil::Anzeige),
              QStringLiteral("E 11°33.4000'"));
    EXPECT_EQ(KoordinatenText(null + 47 * grad + 422975, true, KoordinatenStil::Anzeige),
              QStringLiteral("N 47°42.2975'"));
    EXPECT_EQ(KoordinatenText(null + 47 * grad + 422976, true, KoordinatenStil::Anzeige),
              QStringLiteral("N 47°42.2975'"));
}

}  // namespace
