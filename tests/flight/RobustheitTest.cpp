// Damaged recordings: whatever the bytes, the reader ends, stays in bounds and gives a flight whose
// colours are all in the table.

#include "Dateien.h"

#include "flight/CSarnixDoc.h"
#include "flight/FarbIndex.h"
#include "tools/VrlGenerator.h"

#include <gtest/gtest.h>

#include <random>

namespace {

void PruefeFlug(const CSarnixDoc& doc)
{
    for (const CDaten& f : doc.datenListe)
        for (int8_t art = -1; art <= 5; ++art) {
            const int index = FarbIndex(art, f, doc, ReferenzExakt);
            ASSERT_GE(index, 0);
            ASSERT_LT(index, CSarnixDoc::anzahlFarben);
        }
    for (const CWegPunkt& w : doc.wegpunktListe)
        ASSERT_LE(w.name.size(), 11u);
}

}  // namespace

TEST(Robustheit, VeraenderteAufzeichnungen)
{
    const std::string vorlage = vrlgen::Erzeuge({vrlgen::FlugArt::Strecke, 1500, 3});
    std::mt19937 zufall(4711);
    for (int runde = 0; runde < 60; ++runde) {
        std::string text = vorlage;
        const int eingriffe = 1 + static_cast<int>(zufall() % 200);
        for (int i = 0; i < eingriffe; ++i) {
            const size_t stelle = zufall() % text.size();
            switch (zufall() % 4) {
            case 0:
                text[stelle] = static_cast<char>(zufall() % 256);
                break;
            case 1:
                text.erase(stelle, zufall() % 40);
                break;
            case 2:
                text.insert(stelle, zufall() % 300, static_cast<char>(zufall() % 256));
                break;
            default:
                text[stelle] = "\n\r0F9a "[zufall() % 7];
                break;
            }
        }
        CSarnixDoc doc;
        // A change in the first bytes may leave no recording at all.
        const bool aufzeichnung = text.starts_with("@SX");
        ASSERT_EQ(doc.OnOpenDocument(test::TempDatei(text)), aufzeichnung) << runde;
        PruefeFlug(doc);
        EXPECT_LE(doc.datenListe.size(), text.size() / 31);
    }
}

TEST(Robustheit, ZufaelligeBytes)
{
    std::mt19937 zufall(815);
    for (int runde = 0; runde < 40; ++runde) {
        std::string text = "@SX";
        const size_t laenge = zufall() % 20000;
        for (size_t i = 0; i < laenge; ++i)
            text.push_back(zufall() % 5 == 0 ? '\n' : static_cast<char>(zufall() % 256));
        CSarnixDoc doc;
        ASSERT_TRUE(doc.OnOpenDocument(test::TempDatei(text)));
        EXPECT_EQ(doc.geladen, 1);
        PruefeFlug(doc);
    }
}

TEST(Robustheit, ExtremeFelder)
{
    // Highest and lowest coordinates, altitudes at both ends of 16 bits, the largest speeds.
    const std::string kopf = "@SX" + std::string(75, 'F') + "\n";
    std::string datei = kopf;
    for (const char* fix : {"7FFFFF7FFFFF7FFFFFFFFFFFFFFF03", "800000800000800000FF00FFFFFF01",
                            "FFFFFFFFFFFFFFFFFFFFFFFFFFFFFF", "000000000000000000000000000000"})
        datei += std::string(fix) + "\n";
    CSarnixDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(test::TempDatei(datei)));
    ASSERT_EQ(doc.datenListe.size(), 4u);
    EXPECT_EQ(doc.datenListe[0].hoehe, 32767);
    EXPECT_EQ(doc.datenListe[1].hoehe, -32768);
    EXPECT_EQ(doc.datenListe[0].breite, 500000000 + 100 * 0x7FFFFF);
    EXPECT_EQ(doc.Zusammenfassung().maxHoehe, "-1 m");  // signed, like the fixes' altitude
    EXPECT_EQ(doc.Zusammenfassung().flugstrecke, "6553.5 km");
    EXPECT_EQ(doc.Zusammenfassung().maxSteigen, "25.5 m/s");
    PruefeFlug(doc);
}

TEST(Robustheit, KopierteLagenWandernMitJederVerfeinerung)
{
    // Every even fix copies the position before its predecessor is refined, then both move 75
    // outward: a run without position creeps 75 units every second fix.
    const std::string ohne = std::string(27, '0') + "FF0\n";
    std::string datei = "@SX\n" + std::string(27, '0') + "003\n" + std::string(27, '0') + "003\n"
                        + "7FFFFF7FFFFF" + std::string(15, '0') + "003\n";
    for (int i = 0; i < 20000; ++i)
        datei += ohne;
    CSarnixDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(test::TempDatei(datei)));
    ASSERT_EQ(doc.datenListe.size(), 20003u);
    const int32_t anfang = 500000000 + 100 * 0x7FFFFF;
    EXPECT_EQ(doc.datenListe[2].breite, anfang + 75);
    EXPECT_EQ(doc.datenListe.back().breite, anfang + 10000 * 75);
    EXPECT_EQ(doc.datenListe.back().laenge, anfang + 10000 * 75);
}
