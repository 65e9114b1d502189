// Files as Windows hands them over: names with umlauts, spaces and other scripts, files that
// another program holds open, and the real logs with the same numbers on every system.

#include "Dateien.h"
#include "Saetze.h"

#include "flight/CSarnixDoc.h"
#include "flight/Flugphasen.h"
#include "flight/Wertung.h"

#include <gtest/gtest.h>

namespace {

// Two fixes a second apart at 11:00:00, 500 m and 501 m pressure altitude.
const std::string igcLog = "AXXX001\r\nHFDTE150726\r\n"
                           "B1100000500000N00640000EA0050000510\r\n"
                           "B1100010500001N00640000EA0050100511\r\n";
const std::string vrlFlug = "@SX\r\n" + saetze::beispielFix + "\r\n" + saetze::beispielFix + "\r\n";

}  // namespace

TEST(DateiPfade, UmlauteLeerzeichenUndAndereSchriften)
{
    struct Fall {
        const char* name;
        const std::string& inhalt;
        int32_t hoeheZweiterFix;
    };
    const Fall faelle[] = {
        {"Flüge über den Wänden/Zürich Nord 1.vrl", vrlFlug, 900},
        {"Ærø Ölfjäll/Größe ß.igc", igcLog, 501},
        {"Πτήση 飛行/ログ 1.igc", igcLog, 501},
        {"Kopie von Flug (2)..vrl", vrlFlug, 900},
    };
    for (const Fall& f : faelle) {
        const std::string pfad = test::TempDateiNamens(f.name, f.inhalt);
        CSarnixDoc doc;
        OeffnenFehler fehler = OeffnenFehler::Unbekannt;
        ASSERT_TRUE(doc.OnOpenDocument(pfad, &fehler)) << f.name << ": " << FehlerText(fehler, pfad);
        ASSERT_EQ(doc.datenListe.size(), 2u) << f.name;
        EXPECT_EQ(doc.datenListe[1].hoehe, f.hoeheZweiterFix) << f.name;
        EXPECT_EQ(doc.dateiname, pfad);
    }
}

TEST(DateiPfade, AndererHaeltDieDateiOffen)
{
    using Teilt = test::FremderZugriff::Teilt;
    struct Fall {
        bool schreibt;
        Teilt teilt;
        OeffnenFehler fehler;  // on Windows; other systems know no sharing
    };
    const Fall faelle[] = {
        {false, Teilt::Lesen, OeffnenFehler::Keiner},  // a viewer
        {false, Teilt::Alles, OeffnenFehler::Keiner},  // an indexer
        {true, Teilt::Lesen, OeffnenFehler::Keiner},   // a logger still writing
        {true, Teilt::Nichts, OeffnenFehler::Zugriffsverletzung},  // a copy program
    };
#ifdef _WIN32
    constexpr bool teilt = true;
#else
    constexpr bool teilt = false;
#endif
    for (const Fall& f : faelle) {
        for (const std::string* inhalt : {&igcLog, &vrlFlug}) {
            const std::string pfad = test::TempDatei(*inhalt, inhalt == &igcLog ? ".igc" : ".vrl");
            const test::FremderZugriff anderer(pfad, f.schreibt, f.teilt);
            ASSERT_TRUE(anderer.Offen());
            CSarnixDoc doc;
            OeffnenFehler fehler = OeffnenFehler::Keiner;
            const OeffnenFehler erwartet = teilt ? f.fehler : OeffnenFehler::Keiner;
            EXPECT_EQ(doc.OnOpenDocument(pfad, &fehler), erwartet == OeffnenFehler::Keiner);
            EXPECT_EQ(fehler, erwartet) << FehlerText(fehler, pfad);
            EXPECT_EQ(doc.datenListe.size(), erwartet == OeffnenFehler::Keiner ? 2u : 0u);
        }
    }
}

TEST(DateiPfade, UrsachenWieAufJedemSystem)
{
    struct Fall {
        std::string name;
        OeffnenFehler windows, sonst;
    };
    const Fall faelle[] = {
        {"Ölfjäll/gibt es nicht.vrl", OeffnenFehler::NichtGefunden, OeffnenFehler::NichtGefunden},
        // Characters Windows does not allow in a name.
        {"Flug <1>?.vrl", OeffnenFehler::UngueltigerPfad, OeffnenFehler::NichtGefunden},
        {std::string(256, 'a') + ".igc", OeffnenFehler::UngueltigerPfad, OeffnenFehler::UngueltigerPfad},
        {"", OeffnenFehler::UngueltigerPfad, OeffnenFehler::UngueltigerPfad},  // the folder itself
        // Devices on Windows in every folder.
        {"aux.vrl", OeffnenFehler::UngueltigerPfad, OeffnenFehler::NichtGefunden},
        {"Com1.Flug.igc", OeffnenFehler::UngueltigerPfad, OeffnenFehler::NichtGefunden},
        {"nul", OeffnenFehler::UngueltigerPfad, OeffnenFehler::NichtGefunden},
    };
    for (const Fall& f : faelle) {
        const std::string pfad = test::TempPfad(f.name);
        OeffnenFehler fehler = OeffnenFehler::Keiner;
        EXPECT_FALSE(CSarnixDoc().OnOpenDocument(pfad, &fehler)) << f.name;
#ifdef _WIN32
        EXPECT_EQ(fehler, f.windows) << FehlerText(fehler, pfad);
#else
        EXPECT_EQ(fehler, f.sonst) << FehlerText(fehler, pfad);
#endif
    }
}

TEST(DateiPfade, EchteLogsMitAllenFixen)
{
    // The number of B records of each log (grep -c '^B').
    const std::pair<const char*, size_t> logs[] = {
        {"hg-wales-u2-1h.igc", 2001},           {"pg-brazil-caico-11h.igc", 38675},
        {"pg-isere-7min-ladlod.igc", 424},      {"pg-riederalp-1h-vfix.igc", 4886},
        {"pg-valais-9h-task-vario.igc", 32315}, {"sp-germany-asw19-4h-task-oat.igc", 4047},
        {"sp-nz-duodiscus-6h-midnight.igc", 6752}, {"sp-quebec-asw27-3h-tas-oat.igc", 9908},
        {"sp-quebec-pik20-7h.igc", 12536},
    };
    for (const auto& [name, fixe] : logs) {
        CSarnixDoc doc;
        ASSERT_TRUE(doc.OnOpenDocument(test::Testdaten(std::string("igc/") + name))) << name;
        EXPECT_EQ(doc.datenListe.size(), fixe) << name;
    }
}

TEST(DateiPfade, PhasenUndWertungEchterLogsUeberallGleich)
{
    // As the phases dialog and the score show them on Linux, where the score measures with
    // GeographicLib; Windows measures without it.
    struct Fall {
        const char* name;
        size_t phasen;
        int thermiken;
        int32_t startZeit, landeZeit;
        double mittelSteigen;  // m/s, to 0.01
        double gleitzahl;      // to 0.1
        const char* art;
        double punkte;
    };
    const Fall faelle[] = {
        // 12:17:02 to 13:23:50, 10:18:40 to 14:38:41
        {"hg-wales-u2-1h.igc", 33, 16, 44222, 48230, 0.30, 8.2, "frei", 12.05},
        {"sp-germany-asw19-4h-task-oat.igc", 61, 30, 37120, 52721, 1.19, 37.3, "dreieck-geschlossen", 297.28},
    };
    for (const Fall& f : faelle) {
        CSarnixDoc doc;
        ASSERT_TRUE(doc.OnOpenDocument(test::Testdaten(std::string("igc/") + f.name))) << f.name;
        const FlugAnalyse analyse = AnalysiereFlug(doc);
        const FlugStatistik& s = analyse.statistik;
        EXPECT_EQ(analyse.phasen.size(), f.phasen) << f.name;
        EXPECT_EQ(s.anzahlThermiken, f.thermiken) << f.name;
        EXPECT_EQ(s.startZeit, f.startZeit) << f.name;
        EXPECT_EQ(s.landeZeit, f.landeZeit) << f.name;
        EXPECT_NEAR(s.mittelSteigen, f.mittelSteigen, 0.005) << f.name;
        EXPECT_NEAR(s.mittlereGleitzahl.value_or(0), f.gleitzahl, 0.05) << f.name;
        const Wertung w = WerteFlug(doc.datenListe, *RegelnFuer("xcontest"));
        EXPECT_EQ(w.art, f.art) << f.name;
        EXPECT_NEAR(w.punkte, f.punkte, 0.005) << f.name;
    }
}
