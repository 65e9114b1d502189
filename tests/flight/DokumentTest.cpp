// The flight document: emptying, opening and its failures, reopening.

#include "Saetze.h"
#include "Dateien.h"

#include "flight/CSarnixDoc.h"
#include "flight/DateiLesen.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#ifndef _WIN32
#include <unistd.h>
#endif

using namespace saetze;

namespace {

std::string Inhalt(const std::string& pfad)
{
    std::ifstream f(std::filesystem::path(std::u8string(pfad.begin(), pfad.end())), std::ios::binary);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}

// A flight with a header, a route point and a few fixes.
std::string ErsterFlug()
{
    const std::string punkt = Wegpunkt("0384", "4E4F5244", "06", "485904", "DE0701");
    std::string datei = Kopf{}.Satz() + MitWegpunkten({punkt}).substr(4);
    for (int i = 0; i < 20; ++i)
        datei += Fix('0', '0', '1');
    return datei;
}

}  // namespace

TEST(Dokument, NeuIstLeer)
{
    const CSarnixDoc doc;
    EXPECT_EQ(doc.geladen, 0);
    EXPECT_EQ(doc.ausdehnung.hoeheMax, 0);
    EXPECT_EQ(doc.ausdehnung.hoeheMin, 100000);
    EXPECT_EQ(doc.ausdehnung.breiteMax, 0);
    EXPECT_EQ(doc.ausdehnung.laengeMax, 0);
    EXPECT_EQ(doc.ausdehnung.breiteMin, 1000000000);
    EXPECT_EQ(doc.ausdehnung.laengeMin, 1000000000);
    EXPECT_EQ(doc.dateiname, " ");
    EXPECT_EQ(doc.startplatz, " ");
    EXPECT_EQ(doc.Zusammenfassung().maxSinken, " ");
}

TEST(Dokument, LeerenLaesstKeinenFlug)
{
    CSarnixDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(test::TempDatei(ErsterFlug())));
    doc.Leeren();
    EXPECT_EQ(doc.geladen, 0);
    EXPECT_EQ(doc.meterProLaenge, 0.0f);
    EXPECT_TRUE(doc.datenListe.empty());
    EXPECT_TRUE(doc.wegpunktListe.empty());
    for (const TemperaturSlot& slot : doc.temperaturProfil)
        ASSERT_TRUE(slot.steigung == 0.0f && slot.basis == 0.0f);
}

TEST(Dokument, NeuerWegpunkt)
{
    const CWegPunkt punkt;
    EXPECT_EQ(punkt.art, 5);
    EXPECT_EQ(punkt.nummer, 0);
    EXPECT_TRUE(punkt.name.empty());
}

TEST(Oeffnen, ZweiteDateiLaesstNichtsVonDerErsten)
{
    CSarnixDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(test::TempDatei(ErsterFlug())));
    ASSERT_EQ(doc.Zusammenfassung().flugdauer, "01:30");
    ASSERT_EQ(doc.wegpunktListe.size(), 1u);
    ASSERT_GT(doc.datenListe.size(), 20u);

    const std::string zweite = test::TempDatei("@SX\n" + beispielFix + "\n");
    ASSERT_TRUE(doc.OnOpenDocument(zweite));
    EXPECT_EQ(doc.geladen, 1);
    EXPECT_EQ(doc.dateiname, zweite);
    EXPECT_EQ(doc.datenListe.size(), 1u);
    EXPECT_TRUE(doc.wegpunktListe.empty());
    EXPECT_EQ(doc.Zusammenfassung().flugdauer, " ");
    EXPECT_EQ(doc.startplatz, " ");
    EXPECT_EQ(doc.flugdatum, " ");
    EXPECT_EQ(doc.ausdehnung.hoeheMax, 900);
    EXPECT_EQ(doc.ausdehnung.hoeheMin, 900);
}

TEST(Oeffnen, FehlendeDateiBehaeltDenFlug)
{
    CSarnixDoc doc;
    const std::string erste = test::TempDatei(ErsterFlug());
    ASSERT_TRUE(doc.OnOpenDocument(erste));
    const size_t fixe = doc.datenListe.size();

    const std::string fehlt = test::TempPfad("gibt-es-nicht-4711/flug.vrl");
    OeffnenFehler fehler = OeffnenFehler::Keiner;
    EXPECT_FALSE(doc.OnOpenDocument(fehlt, &fehler));
    EXPECT_EQ(fehler, OeffnenFehler::NichtGefunden);
    EXPECT_EQ(FehlerText(fehler, fehlt), fehlt + " wurde nicht gefunden.");
    EXPECT_EQ(doc.geladen, 1);
    EXPECT_EQ(doc.dateiname, erste);
    EXPECT_EQ(doc.datenListe.size(), fixe);
    EXPECT_EQ(doc.Zusammenfassung().flugdauer, "01:30");
}

TEST(Oeffnen, OrdnerUndLeererPfadSindUngueltig)
{
    CSarnixDoc doc;
    OeffnenFehler fehler = OeffnenFehler::Keiner;
    EXPECT_FALSE(doc.OnOpenDocument(test::TempPfad("."), &fehler));
    EXPECT_EQ(fehler, OeffnenFehler::UngueltigerPfad);
    EXPECT_FALSE(doc.OnOpenDocument("", &fehler));
    EXPECT_EQ(fehler, OeffnenFehler::UngueltigerPfad);
    EXPECT_EQ(FehlerText(fehler, "C:\\a<b"), "C:\\a<b enthält eine ungültige Pfadangabe.");
}

TEST(Oeffnen, GeraeteDateiWirdNichtGelesen)
{
#ifdef _WIN32
    GTEST_SKIP() << "no /dev/zero";
#else
    CSarnixDoc doc;
    OeffnenFehler fehler = OeffnenFehler::Keiner;
    EXPECT_FALSE(doc.OnOpenDocument("/dev/zero", &fehler));
    EXPECT_EQ(fehler, OeffnenFehler::UngueltigerPfad);
#endif
}

TEST(Oeffnen, OhneLeserechtVerwehrt)
{
#ifdef _WIN32
    GTEST_SKIP() << "permissions on Windows only make a file read-only";
#else
    if (geteuid() == 0)
        GTEST_SKIP() << "the superuser reads every file";
#endif
    const std::string pfad = test::TempDatei(ErsterFlug());
    namespace fs = std::filesystem;
    fs::permissions(test::AlsPfad(pfad), fs::perms::owner_write);
    CSarnixDoc doc;
    OeffnenFehler fehler = OeffnenFehler::Keiner;
    const bool ok = doc.OnOpenDocument(pfad, &fehler);
    fs::permissions(test::AlsPfad(pfad), fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_FALSE(ok);
    EXPECT_EQ(fehler, OeffnenFehler::ZugriffVerweigert);
    EXPECT_EQ(doc.geladen, 0);
}

TEST(Oeffnen, UmlautPfad)
{
    const std::string utf8 = test::TempDateiNamens("Flug über den Wändén.vrl", "@SX\n" + beispielFix + "\n");
    CSarnixDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(utf8));
    EXPECT_EQ(doc.dateiname, utf8);
    EXPECT_EQ(doc.datenListe.size(), 1u);
}

TEST(Oeffnen, DateiBleibtUnveraendert)
{
    const std::string inhalt = ErsterFlug();
    const std::string pfad = test::TempDatei(inhalt);
    const auto vorher = std::filesystem::last_write_time(test::AlsPfad(pfad));
    CSarnixDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(pfad));
    EXPECT_EQ(Inhalt(pfad), inhalt);
    EXPECT_EQ(std::filesystem::last_write_time(test::AlsPfad(pfad)), vorher);
}

TEST(Fehlertexte, AlleUrsachen)
{
    const std::string p = "D:\\Flüge\\a.vrl";
    EXPECT_EQ(FehlerText(OeffnenFehler::ZuVieleDateien, p),
              p + " konnte nicht geöffnet werden, da zu viele Dateien geöffnet sind.");
    EXPECT_EQ(FehlerText(OeffnenFehler::ZugriffVerweigert, p), "Zugriff auf " + p + " wurde verwehrt.");
    EXPECT_EQ(FehlerText(OeffnenFehler::Zugriffsverletzung, p),
              "Eine Zugriffsverletzung ist während des Zugriffs auf " + p + " aufgetreten.");
    EXPECT_EQ(FehlerText(OeffnenFehler::HardwareFehler, p),
              "Ein Hardware-E/A-Fehler wurde während des Zugriffs auf " + p + " gemeldet.");
    EXPECT_EQ(FehlerText(OeffnenFehler::Unbekannt, p),
              "Ein unbekannter Fehler ist beim Zugriff auf " + p + " aufgetreten.");
    // A path holding %1 itself is not expanded twice.
    EXPECT_EQ(FehlerText(OeffnenFehler::NichtGefunden, "%1.vrl"), "%1.vrl wurde nicht gefunden.");
}

TEST(Fehlertexte, BetriebssystemFehler)
{
    EXPECT_EQ(FehlerAusErrno(ENOENT), OeffnenFehler::NichtGefunden);
    EXPECT_EQ(FehlerAusErrno(ENOTDIR), OeffnenFehler::NichtGefunden);
    EXPECT_EQ(FehlerAusErrno(ENAMETOOLONG), OeffnenFehler::UngueltigerPfad);
    EXPECT_EQ(FehlerAusErrno(EISDIR), OeffnenFehler::UngueltigerPfad);
    EXPECT_EQ(FehlerAusErrno(EMFILE), OeffnenFehler::ZuVieleDateien);
    EXPECT_EQ(FehlerAusErrno(ENFILE), OeffnenFehler::ZuVieleDateien);
    EXPECT_EQ(FehlerAusErrno(EACCES), OeffnenFehler::ZugriffVerweigert);
    EXPECT_EQ(FehlerAusErrno(EROFS), OeffnenFehler::ZugriffVerweigert);
    EXPECT_EQ(FehlerAusErrno(EBUSY), OeffnenFehler::Zugriffsverletzung);
    EXPECT_EQ(FehlerAusErrno(ETXTBSY), OeffnenFehler::Zugriffsverletzung);
    EXPECT_EQ(FehlerAusErrno(EIO), OeffnenFehler::HardwareFehler);
    EXPECT_EQ(FehlerAusErrno(ENOSPC), OeffnenFehler::Unbekannt);
}

TEST(Oeffnen, ZuLangerPfad)
{
    const std::string pfad = test::TempPfad(std::string(5000, 'a') + ".vrl");
    CSarnixDoc doc;
    OeffnenFehler fehler = OeffnenFehler::Keiner;
    EXPECT_FALSE(doc.OnOpenDocument(pfad, &fehler));
    EXPECT_EQ(fehler, OeffnenFehler::UngueltigerPfad);
}

// Bytes of every value, longer than one read block, so growing and copying are both exercised.
TEST(DateiLesen, LiefertJedesByteUnveraendert)
{
    std::string bytes(3 * (1 << 20) + 17, '\0');
    for (size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<char>((i * 7919) % 256);
    const std::string pfad = test::TempDatei(bytes);

    DateiInhalt ausDatei;
    ASSERT_EQ(LiesDatei(pfad, ausDatei), OeffnenFehler::Keiner);
    EXPECT_EQ(ausDatei.Text(), bytes);

    std::FILE* strom = std::fopen(pfad.c_str(), "rb");
    ASSERT_NE(strom, nullptr);
    DateiInhalt ausStrom;
    EXPECT_EQ(LiesStrom(strom, ausStrom), OeffnenFehler::Keiner);
    std::fclose(strom);
    EXPECT_EQ(ausStrom.Text(), bytes);

    DateiInhalt leer;
    ASSERT_EQ(LiesDatei(test::TempDatei(""), leer), OeffnenFehler::Keiner);
    EXPECT_EQ(leer.Groesse(), 0u);
}

TEST(DateiLesen, InhaltAusDemSpeicherGleichtDerDatei)
{
    const std::string inhalt = ErsterFlug();
    CSarnixDoc ausDatei;
    ASSERT_TRUE(ausDatei.OnOpenDocument(test::TempDatei(inhalt)));
    CSarnixDoc ausSpeicher;
    ASSERT_TRUE(ausSpeicher.OeffneInhalt("-", inhalt));
    EXPECT_FALSE(ausSpeicher.OeffneInhalt("-", "kein Flug"));
    EXPECT_EQ(ausSpeicher.dateiname, "-");
    EXPECT_EQ(ausSpeicher.geladen, 1);
    ASSERT_EQ(ausSpeicher.datenListe.size(), ausDatei.datenListe.size());
    for (size_t i = 0; i < ausDatei.datenListe.size(); ++i) {
        EXPECT_EQ(ausSpeicher.datenListe[i].laenge, ausDatei.datenListe[i].laenge);
        EXPECT_EQ(ausSpeicher.datenListe[i].hoehe, ausDatei.datenListe[i].hoehe);
    }
    EXPECT_EQ(ausSpeicher.wegpunktListe.size(), 1u);
    EXPECT_EQ(ausSpeicher.startplatz, ausDatei.startplatz);
}
