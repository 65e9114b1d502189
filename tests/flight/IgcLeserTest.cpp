// Reading IGC logs: real logs of every kind of logger, the header, extensions, route points,
// derived values, the summary and damaged input.

#include "Dateien.h"

#include "flight/CSarnixDoc.h"
#include "flight/TemperaturProfil.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <tuple>

namespace {

CSarnixDoc Log(const std::string& name, HoehenQuelle quelle = HoehenQuelle::Automatisch)
{
    CSarnixDoc doc;
    doc.hoehenQuelle = quelle;
    EXPECT_TRUE(doc.OnOpenDocument(test::Testdaten("igc/" + name))) << name;
    return doc;
}

CSarnixDoc Text(const std::string& inhalt, HoehenQuelle quelle = HoehenQuelle::Automatisch)
{
    CSarnixDoc doc;
    doc.hoehenQuelle = quelle;
    EXPECT_TRUE(doc.OnOpenDocument(test::TempDatei(inhalt, ".igc")));
    return doc;
}

// The fix recorded at hh:mm:ss of the first day, or nullptr.
const CDaten* Um(const CSarnixDoc& doc, int h, int m, int s, int tag = 0)
{
    const int32_t zeit = tag * 86400 + h * 3600 + m * 60 + s;
    for (const CDaten& fix : doc.datenListe)
        if (fix.zeit == zeit)
            return &fix;
    return nullptr;
}

// A B record at a time in seconds, position in thousandths of a minute north and east.
std::string B(int zeit, int breite, int laenge, int druck, int gnss, char gueltig = 'A',
              const std::string& rest = "")
{
    char z[80];
    std::snprintf(z, sizeof z, "B%02d%02d%02d%02d%05dN%03d%05dE%c%05d%05d", zeit / 3600 % 24,
                  zeit / 60 % 60, zeit % 60, breite / 60000, breite % 60000, laenge / 60000,
                  laenge % 60000, gueltig, druck, gnss);
    return z + rest + "\r\n";
}

const std::string kopf = "AXXX001\r\nHFDTE150726\r\n";
constexpr int elfUhr = 11 * 3600;

}  // namespace

TEST(IgcEchteLogs, ErsterFixJedesLoggers)
{
    struct Fall {
        const char* datei;
        int32_t zeit, breite, laenge;
        int16_t hoehe;
    };
    // Degrees and minutes of the first B record worked out by hand: (deg * 60 + min) * 10 000.
    const Fall faelle[] = {
        {"pg-isere-7min-ladlod.igc", 60419, 526980828, 503499883, 1719},     // LAD/LOD digits, GNSS
        {"hg-wales-u2-1h.igc", 43945, 531534280, 497918690, 307},             // N/W, pressure
        {"sp-nz-duodiscus-6h-midnight.igc", 81797, 473307480, 601993230, 468},  // S/E
        {"pg-brazil-ausschnitt.igc", 70800, 496706880, 475531160, 2126},      // S/W, no barometer
    };
    for (const Fall& f : faelle) {
        const CSarnixDoc doc = Log(f.datei);
        ASSERT_FALSE(doc.datenListe.empty()) << f.datei;
        const CDaten& fix = doc.datenListe.front();
        EXPECT_EQ(fix.zeit, f.zeit) << f.datei;
        EXPECT_EQ(fix.breite, f.breite) << f.datei;
        EXPECT_EQ(fix.laenge, f.laenge) << f.datei;
        EXPECT_EQ(fix.hoehe, f.hoehe) << f.datei;
        EXPECT_EQ(fix.hatPosition, 1) << f.datei;
        EXPECT_EQ(doc.geladen, 1);
        EXPECT_TRUE(doc.igc.istIgc);
    }
}

TEST(IgcEchteLogs, AnzahlFixeUndKopf)
{
    const CSarnixDoc wales = Log("hg-wales-u2-1h.igc");
    EXPECT_EQ(wales.datenListe.size(), 2001u);
    EXPECT_EQ(wales.flugdatum, "05-08-18");
    EXPECT_EQ(wales.igc.pilot, "Julian Todd");
    EXPECT_EQ(wales.igc.muster, "WW U2");
    EXPECT_EQ(wales.igc.kennzeichen, "HSMWorks");
    EXPECT_EQ(wales.igc.logger, "FLYTEC,6030");
    EXPECT_EQ(wales.igc.signatur, "signiert, nicht geprüft");
    EXPECT_EQ(wales.igc.hoehe, "druck");
    EXPECT_FALSE(wales.hatTemperatur);

    const CSarnixDoc isere = Log("pg-isere-7min-ladlod.igc");
    EXPECT_EQ(isere.datenListe.size(), 424u);
    EXPECT_EQ(isere.flugdatum, "20-02-23");  // HFDTEDATE:200223,03
    EXPECT_EQ(isere.igc.hoehe, "gnss");
    EXPECT_EQ(isere.igc.erweiterungen, (std::vector<std::string>{"LAD", "LOD"}));

    // Skytraxx writes its own header names and a site.
    const CSarnixDoc ried = Log("pg-riederalp-ausschnitt.igc");
    EXPECT_EQ(ried.igc.pilot, "Yannick Lagger");
    EXPECT_EQ(ried.startplatz, "Riederalp");
    EXPECT_EQ(ried.flugdatum, "17-04-21");
    EXPECT_EQ(ried.igc.logger, "XSX001 SKYTRAXX V1.60 SN:2726125672");  // from the A record

    // Both date forms in one file: the first one counts.
    const CSarnixDoc pik = Log("sp-quebec-pik20-ausschnitt.igc");
    EXPECT_EQ(pik.flugdatum, "14-06-20");
    EXPECT_EQ(pik.igc.kennzeichen, "C-FLPS");
}

TEST(IgcEchteLogs, MitternachtZaehltWeiter)
{
    const CSarnixDoc doc = Log("sp-nz-duodiscus-6h-midnight.igc");
    ASSERT_EQ(doc.datenListe.size(), 6752u);
    ASSERT_NE(Um(doc, 23, 59, 59), nullptr);
    const CDaten* danach = Um(doc, 0, 0, 1, 1);
    ASSERT_NE(danach, nullptr);
    EXPECT_EQ(danach->zeit, 86401);
    EXPECT_EQ(doc.datenListe.back().zeit, 86400 + 4 * 3600 + 43 * 60 + 1);
    for (size_t i = 1; i < doc.datenListe.size(); ++i)
        ASSERT_GT(doc.datenListe[i].zeit, doc.datenListe[i - 1].zeit) << i;
    // The summary shows times of day and a duration over midnight.
    EXPECT_EQ(doc.Zusammenfassung().startzeit.substr(0, 2), "22");
    EXPECT_EQ(doc.Zusammenfassung().landezeit.substr(0, 2), "04");
    EXPECT_EQ(doc.Zusammenfassung().flugdauer, "05:54");
}

TEST(IgcEchteLogs, UngueltigeFixeBehaltenDieLetztePosition)
{
    const CSarnixDoc doc = Log("pg-riederalp-ausschnitt.igc");
    const CDaten* vorher = Um(doc, 9, 32, 26);
    ASSERT_NE(vorher, nullptr);
    for (int s = 27; s <= 29; ++s) {
        const CDaten* v = Um(doc, 9, 32, s);
        ASSERT_NE(v, nullptr);
        EXPECT_EQ(v->hatPosition, 0);
        EXPECT_EQ(v->breite, vorher->breite);
        EXPECT_EQ(v->laenge, vorher->laenge);
    }
    EXPECT_EQ(Um(doc, 9, 32, 30)->hatPosition, 1);

    // A V fix reports GNSS altitude 0: with GNSS altitude chosen it keeps the altitude before.
    const CSarnixDoc gnss = Log("pg-valais-ausschnitt.igc", HoehenQuelle::Gnss);
    const CDaten* v = Um(gnss, 11, 43, 16);
    ASSERT_NE(v, nullptr);
    EXPECT_EQ(v->hatPosition, 0);
    EXPECT_EQ(v->hoehe, Um(gnss, 11, 43, 15)->hoehe);
    EXPECT_GT(v->hoehe, 3500);
}

TEST(IgcEchteLogs, HoehenQuelle)
{
    // Pressure altitude below sea level at a low airfield, GNSS altitude above it.
    EXPECT_EQ(Log("sp-germany-asw19-ausschnitt.igc").datenListe.front().hoehe, 1060);
    const CSarnixDoc automatisch = Log("sp-quebec-pik20-ausschnitt.igc");
    EXPECT_EQ(automatisch.datenListe.front().hoehe, -103);
    EXPECT_EQ(automatisch.igc.hoehe, "druck");
    const CSarnixDoc gnss = Log("sp-quebec-pik20-ausschnitt.igc", HoehenQuelle::Gnss);
    EXPECT_EQ(gnss.datenListe.front().hoehe, 39);
    EXPECT_EQ(gnss.igc.hoehe, "gnss");
    // Pressure chosen for a logger without barometer: its zeros, as recorded.
    const CSarnixDoc druck = Log("pg-isere-7min-ladlod.igc", HoehenQuelle::Druck);
    EXPECT_EQ(druck.datenListe.front().hoehe, 0);
    EXPECT_EQ(druck.igc.hoehe, "druck");
}

TEST(IgcEchteLogs, ErweiterungenInTheirUnits)
{
    // LXNAV: TAS and GSP in 0.01 km/h, VAT in 0.01 m/s, OAT in 0.1 °C.
    const CSarnixDoc lx = Log("sp-quebec-asw27-ausschnitt.igc");
    EXPECT_TRUE(lx.hatTemperatur);
    const CDaten* f = Um(lx, 17, 49, 47);
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->tas, 833);
    EXPECT_EQ(f->sog, 994);
    EXPECT_EQ(f->vario, -4);
    EXPECT_EQ(f->temperatur, 2732 + 121);

    // Flytec: TAS in whole km/h.
    const CSarnixDoc hg = Log("hg-wales-u2-1h.igc");
    const CDaten* g = Um(hg, 12, 28, 31);
    ASSERT_NE(g, nullptr);
    EXPECT_EQ(g->tas, 380);

    // Oudie: VAR in 0.1 m/s, GSP in 0.01 km/h.
    const CSarnixDoc oudie = Log("pg-valais-ausschnitt.igc");
    EXPECT_FALSE(oudie.hatTemperatur);
    for (const CDaten& fix : oudie.datenListe)
        ASSERT_LT(std::abs(fix.vario), 120);
}

TEST(IgcAufbereitung, ErweiterungenJederBreite)
{
    // One to nine characters wide, with a sign; a damaged or cut-off field keeps the value before.
    const std::string i = "I043636TAS3740OAT4148VAT4957GSP\r\n";
    const CSarnixDoc doc = Text(kopf + i + B(elfUhr, 3000000, 400000, 500, 510, 'A', "7-01200123456004512000")
                                + B(elfUhr + 1, 3000001, 400000, 501, 511, 'A', "x12 40001234x0045"));
    ASSERT_EQ(doc.datenListe.size(), 2u);
    for (const CDaten& fix : doc.datenListe) {
        EXPECT_EQ(fix.tas, 70);                // "7", whole km/h
        EXPECT_EQ(fix.temperatur, 2732 - 12);  // "-012", 0.1 °C
        EXPECT_EQ(fix.vario, 12);              // "00123456", four decimals of m/s
        EXPECT_EQ(fix.sog, 45);                // "004512000", five decimals of km/h
    }
}

TEST(IgcEchteLogs, DeklarierteAufgabeWirdZuRoutenpunkten)
{
    const CSarnixDoc doc = Log("sp-germany-asw19-ausschnitt.igc");
    // Takeoff and landing are blank (0°/0°) and left out.
    ASSERT_EQ(doc.wegpunktListe.size(), 6u);
    const auto& w = doc.wegpunktListe;
    EXPECT_EQ(w[0].name, "006Langenfeld-Wiescheid");
    EXPECT_EQ(w[0].art, 4);  // start
    EXPECT_EQ(w[0].breite, 500000000 + (51 * 60 + 8) * 10000 + 4830);
    EXPECT_EQ(w[0].laenge, 500000000 + (6 * 60 + 59) * 10000 + 1170);
    for (size_t i = 1; i <= 4; ++i) {
        EXPECT_EQ(w[i].art, 6);
        EXPECT_EQ(w[i].nummer, i);
    }
    EXPECT_EQ(w[5].name, "002Zielkreis");
    EXPECT_EQ(w[5].art, 1);  // finish
    EXPECT_EQ(w[5].nummer, 0);

    // Without a declaration line; names with trailing blanks.
    const CSarnixDoc hg = Log("hg-wales-u2-1h.igc");
    ASSERT_EQ(hg.wegpunktListe.size(), 8u);
    EXPECT_EQ(hg.wegpunktListe.front().name, "TAKEOFF");
    EXPECT_EQ(hg.wegpunktListe.front().art, 3);
    EXPECT_EQ(hg.wegpunktListe.back().name, "LANDING");
    EXPECT_EQ(hg.wegpunktListe.back().art, 2);
    EXPECT_LT(hg.wegpunktListe.back().laenge, 500000000);  // west
}

TEST(IgcEchteLogs, HoehenausreisserZaehlenNicht)
{
    // GNSS altitude jumps to 5462 m for two fixes; the flight never was above 2875 m.
    const CSarnixDoc brasil = Log("pg-brazil-ausschnitt.igc");
    EXPECT_LT(brasil.ausdehnung.hoeheMax, 3000);
    EXPECT_LT(Um(brasil, 19, 45, 23)->hoehe, 3000);
    // One fix at 890 m between fixes at 300 m.
    const CSarnixDoc hg = Log("hg-wales-u2-1h.igc");
    EXPECT_LT(Um(hg, 12, 17, 31)->hoehe, 400);
    EXPECT_EQ(hg.Zusammenfassung().startplatzHoehe, "300 m");
}

TEST(IgcAufbereitung, SteigenUndFahrtAusDenFixen)
{
    // 1 m altitude steps up and down each second: no climb worth showing.
    std::string log = kopf;
    for (int i = 0; i < 60; ++i)
        log += B(elfUhr + i, 46 * 60000, 7 * 60000 + i, 1000 + i % 2, 1050);
    // Then a steady 2 m/s climb, flying north at 0.1 min (185.2 m) in 10 s: 66.7 km/h.
    for (int i = 0; i < 60; ++i)
        log += B(elfUhr + 60 + i, 46 * 60000 + 10 * i, 7 * 60000 + 60, 1000 + 2 * i, 1050);
    const CSarnixDoc doc = Text(log);
    ASSERT_EQ(doc.datenListe.size(), 120u);
    for (int i = 5; i < 54; ++i)
        EXPECT_LE(std::abs(doc.datenListe[static_cast<size_t>(i)].vario), 1) << i;
    const CDaten& steigen = doc.datenListe[90];
    EXPECT_EQ(steigen.vario, 20);
    EXPECT_NEAR(steigen.sog, 667, 3);
}

TEST(IgcAufbereitung, HoehensprungIstKeinSteigen)
{
    // Sinking 2 m/s, and the receiver's altitude steps up by 120 m from one second to the next,
    // as a phone's does when it finds its altitude again: no glider climbs like that.
    std::string log = kopf;
    for (int i = 0; i < 120; ++i)
        log += B(elfUhr + i, 46 * 60000 + 10 * i, 7 * 60000, 0, 2000 - 2 * i + (i >= 60 ? 120 : 0));
    const CSarnixDoc doc = Text(log);
    ASSERT_EQ(doc.datenListe.size(), 120u);
    for (const CDaten& fix : doc.datenListe)
        EXPECT_NEAR(fix.vario, -20, 2) << fix.zeit - elfUhr;
    EXPECT_EQ(doc.Zusammenfassung().maxSteigen, "0.0 m/s");
    EXPECT_EQ(doc.Zusammenfassung().maxSinken, "2.0 m/s");

    // The real log: the altitude comes back from a two-fix glitch 104 m higher than it left.
    const CSarnixDoc brasil = Log("pg-brazil-ausschnitt.igc");
    EXPECT_LT(Um(brasil, 19, 45, 23)->vario, 30);
}

TEST(IgcAufbereitung, ZusammenfassungAusDenFixen)
{
    // A minute on the ground, ten minutes at 66.7 km/h climbing 1 m/s, a minute on the ground.
    std::string log = kopf + "HFSITSITE:Wasserkuppe\r\n";
    int zeit = elfUhr;
    for (int i = 0; i < 60; ++i)
        log += B(zeit++, 50 * 60000, 10 * 60000, 800, 850);
    for (int i = 0; i < 600; ++i)
        log += B(zeit++, 50 * 60000 + 10 * i, 10 * 60000, 800 + i, 850);
    for (int i = 0; i < 60; ++i)
        log += B(zeit++, 50 * 60000 + 6000, 10 * 60000, 1399, 850);
    const CSarnixDoc doc = Text(log);
    EXPECT_EQ(doc.startplatz, "Wasserkuppe");
    EXPECT_EQ(doc.flugdatum, "15-07-26");
    // Take-off on the last fix at the launch spot, landing on the first at the landing spot.
    const FlugZusammenfassung& z = doc.Zusammenfassung();
    EXPECT_EQ(z.startzeit, "11:01");
    EXPECT_EQ(z.landezeit, "11:11");
    EXPECT_EQ(z.flugdauer, "00:10");
    EXPECT_EQ(z.maxHoehe, "1399 m");
    EXPECT_EQ(z.maxSteigen, "1.0 m/s");
    EXPECT_EQ(z.maxSinken, "0.0 m/s");
    EXPECT_EQ(z.flugstrecke, "11.1 km");  // six minutes of arc north
}

TEST(IgcAufbereitung, ZusammenfassungDesZuletztGeoeffnetenLogs)
{
    // Worked out when asked for: a log opened after that has its own. Neither flies, so each is
    // summed up whole.
    constexpr int ort = 50 * 60000;
    CSarnixDoc doc;
    ASSERT_TRUE(doc.OeffneInhalt("a.igc", kopf + B(elfUhr, ort, ort, 800, 850) + B(elfUhr + 120, ort, ort, 800, 850)));
    EXPECT_EQ(doc.Zusammenfassung().flugdauer, "00:02");
    ASSERT_TRUE(doc.OeffneInhalt("b.igc", kopf + B(elfUhr, ort, ort, 800, 850) + B(elfUhr + 600, ort, ort, 800, 850)));
    EXPECT_EQ(doc.Zusammenfassung().flugdauer, "00:10");
}

TEST(IgcFehlerhaft, ZeilenendenBomUndLeerzeichen)
{
    const std::string fixe[] = {B(elfUhr, 3000000, 400000, 500, 510), B(elfUhr + 1, 3000001, 400000, 501, 511)};
    std::string crlf = kopf + fixe[0] + fixe[1];
    std::string lf = crlf;
    std::erase(lf, '\r');
    std::string cr = crlf;
    std::erase(cr, '\n');
    const std::string gemischt = "AXXX001\nHFDTE150726\r\n" + fixe[0].substr(0, fixe[0].size() - 2) + "\r"
                                 + fixe[1].substr(0, fixe[1].size() - 2) + "   \t";
    for (const std::string& inhalt : {crlf, lf, cr, "\xEF\xBB\xBF" + crlf, gemischt}) {
        const CSarnixDoc doc = Text(inhalt);
        ASSERT_EQ(doc.datenListe.size(), 2u);
        EXPECT_EQ(doc.datenListe[1].hoehe, 501);
        EXPECT_EQ(doc.flugdatum, "15-07-26");
    }
}

TEST(IgcFehlerhaft, KaputteSaetzeWerdenUebersprungen)
{
    const std::string gut = B(elfUhr, 3000000, 400000, 500, 510);
    std::string log = kopf + gut;
    log += gut.substr(0, 20) + "\r\n";                                // cut off
    log += "B1100010560000N00400000EA0050000510\r\n";                 // minute 60
    log += "B1100029100000N00400000EA0050000510\r\n";                 // 91° north
    log += "B1100030500000N18100000EA0050000510\r\n";                 // 181° east
    log += "B2500000500000N00400000EA0050000510\r\n";                 // hour 25
    log += "B1100040500000X00400000EA0050000510\r\n";                 // no hemisphere
    log += "B11000505000x0N00400000EA0050000510\r\n";                 // letter among digits
    log += "B1100060500000N00400000EX0050000510\r\n";                 // validity neither A nor V
    log += "\x01\x02 junk \xff\xfe\r\nLXCT rubbish\r\nE110007PEV\r\n";  // junk and other records
    log += B(elfUhr + 10, 3000000, 400000, -12, 510);                    // negative altitude
    const CSarnixDoc doc = Text(log);
    ASSERT_EQ(doc.datenListe.size(), 2u);
    EXPECT_EQ(doc.datenListe[1].zeit, elfUhr + 10);
    EXPECT_EQ(doc.datenListe[1].hoehe, -12);
}

TEST(IgcFehlerhaft, ZeitRueckwaerts)
{
    // Two seconds back is logger jitter; more than an hour back is the next day.
    const std::string log = kopf + B(elfUhr, 3000000, 400000, 500, 510)
                            + B(elfUhr - 2, 3000000, 400000, 500, 510)
                            + B(elfUhr - 7200, 3000000, 400000, 500, 510);
    const CSarnixDoc doc = Text(log);
    ASSERT_EQ(doc.datenListe.size(), 3u);
    EXPECT_EQ(doc.datenListe[1].zeit, elfUhr - 2);
    EXPECT_EQ(doc.datenListe[2].zeit, 86400 + elfUhr - 7200);
}

TEST(IgcFehlerhaft, OhneDatumOeffnetOhneDatum)
{
    const CSarnixDoc doc = Text("AXXX001\r\nHFPLTPILOT:Otto\r\n" + B(elfUhr, 3000000, 400000, 500, 510));
    EXPECT_EQ(doc.datenListe.size(), 1u);
    EXPECT_EQ(doc.flugdatum, " ");
    EXPECT_TRUE(doc.igc.datum.empty());
    EXPECT_EQ(doc.igc.pilot, "Otto");
}

TEST(IgcFehlerhaft, OhneFixBleibtDerVorigeFlug)
{
    CSarnixDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(test::Testdaten("igc/pg-isere-7min-ladlod.igc")));
    const std::string kopfOhneFix = kopf + "HFPLTPILOT:Otto\r\nI013638TAS\r\nLXCT nothing\r\n";
    OeffnenFehler fehler = OeffnenFehler::Keiner;
    EXPECT_FALSE(doc.OnOpenDocument(test::TempDatei(kopfOhneFix, ".igc"), &fehler));
    EXPECT_EQ(fehler, OeffnenFehler::KeineAufzeichnung);
    EXPECT_EQ(FehlerText(fehler, "x.igc"), "x.igc ist keine Flugaufzeichnung.");
    EXPECT_EQ(doc.datenListe.size(), 424u);
    EXPECT_EQ(doc.igc.pilot, "Sylvain Pasutto");
}

TEST(IgcFehlerhaft, LangeZeileUndKaputterISatz)
{
    // A 10 MB line, an I record naming columns beyond any line and one inside the B record.
    std::string log = "AXXX001\r\nI033640TAS4199OAT2030VAT\r\nHFDTE150726\r\n";
    log += "L" + std::string(10 << 20, 'x') + "\r\n";
    log += B(elfUhr, 3000000, 400000, 500, 510, 'A', "00450");
    const std::string zweiter = B(elfUhr + 1, 3000000, 400000, 500, 510);
    log += zweiter.substr(0, zweiter.size() - 2) + std::string(10 << 20, 'x') + "\r\n";
    const CSarnixDoc doc = Text(log);
    ASSERT_EQ(doc.datenListe.size(), 2u);
    EXPECT_EQ(doc.datenListe[0].tas, 45);  // "00450": 4.50 km/h in five digits
    EXPECT_EQ(doc.datenListe[1].tas, 45);  // a field holding no number keeps the value before
    EXPECT_EQ(doc.datenListe[0].temperatur, 2732);
}

TEST(IgcAufgabe, LeererWendepunktVerbrauchtKeineNummer)
{
    // A turnpoint left blank in the middle of the task: the points shown are numbered 1, 2.
    const std::string c = "C150726120000150726000000000002\r\n"
                          "C0000000N00000000EStart-Platz\r\n"
                          "C5100000N00700000EAbflug\r\n"
                          "C5110000N00710000EWende A\r\n"
                          "C0000000N00000000ELeer\r\n"
                          "C5120000N00720000EWende B\r\n"
                          "C5130000N00730000EZiel\r\n"
                          "C0000000N00000000ELandung\r\n";
    const CSarnixDoc doc = Text(kopf + c + B(elfUhr, 3060000, 420000, 500, 520));
    ASSERT_EQ(doc.wegpunktListe.size(), 4u);
    const auto& w = doc.wegpunktListe;
    EXPECT_EQ(w[0].art, 4);
    EXPECT_EQ(w[1].nummer, 1);
    EXPECT_EQ(w[2].name, "Wende B");
    EXPECT_EQ(w[2].nummer, 2);
    EXPECT_EQ(w[3].art, 1);
}
