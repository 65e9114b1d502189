// IGC times as the pilot reads them: local time where the log names its zone, else UTC marked so.

#include "flight/CSarnixDoc.h"
#include "flight/Ortszeit.h"

#include "Dateien.h"

#include <gtest/gtest.h>

#include <optional>
#include <utility>
#include <string>

TEST(Ortszeit, DieFormenDerZonenAngabe)
{
    const std::pair<const char*, std::optional<int32_t>> faelle[] = {
        {"-3", -180},    {"2.00", 120},  {"-4.0", -240}, {"+5.5", 330},  {"5,75", 345},   {"+05:30", 330},
        {" 3 ", 180},    {"UTC+2", 120}, {"UTC", 0},     {"+14", 840},   {"", std::nullopt},
        {"-15", std::nullopt}, {"MEZ", std::nullopt},     {"2 Std", std::nullopt}, {"+5:7", std::nullopt}};
    for (const auto& [text, minuten] : faelle)
        EXPECT_EQ(ZonenMinuten(text), minuten) << text;
}

TEST(Ortszeit, LandezeitWieSieDerPilotLiest)
{
    // Landings at 17:55 UTC in Quebec (zone -4.0), 11:48 UTC in the Valais (2.00), 20:20 UTC in
    // Brazil without a zone; a .vrl keeps the time of its clock.
    const struct {
        const char* datei;
        const char* ortszeit;
        const char* utc;
    } faelle[] = {
        {"igc/sp-quebec-asw27-ausschnitt.igc", "13:55", "17:55 UTC"},
        {"igc/pg-valais-ausschnitt.igc", "13:48", "11:48 UTC"},
        {"igc/pg-brazil-caico-11h.igc", "20:20 UTC", "20:20 UTC"},
    };
    for (const auto& fall : faelle) {
        CSarnixDoc doc;
        ASSERT_TRUE(doc.OnOpenDocument(test::Testdaten(fall.datei))) << fall.datei;
        EXPECT_EQ(AnzeigeUhrzeit(doc.Zusammenfassung().landezeit, doc.zeitBezug), fall.ortszeit) << fall.datei;
        doc.WaehleOrtszeit(false);
        EXPECT_EQ(AnzeigeUhrzeit(doc.Zusammenfassung().landezeit, doc.zeitBezug), fall.utc) << fall.datei;
        doc.WaehleOrtszeit(true);
    }
    CSarnixDoc vrl;
    ASSERT_TRUE(vrl.OnOpenDocument(test::Sample("lokalflug-1h.vrl")));
    vrl.WaehleOrtszeit(false);
    EXPECT_EQ(AnzeigeUhrzeit(vrl.Zusammenfassung().landezeit, vrl.zeitBezug), "12:04");
}
