// Reading recordings: records, fields, route points, refinement, line handling.

#include "Saetze.h"
#include "Dateien.h"

#include "flight/CSarnixDoc.h"

#include <gtest/gtest.h>

using namespace saetze;

namespace {

CSarnixDoc Geladen(const std::string& inhalt)
{
    CSarnixDoc doc;
    EXPECT_TRUE(doc.OnOpenDocument(test::TempDatei(inhalt)));
    return doc;
}

}  // namespace

TEST(Fixsatz, BeispielSatzGibtAlleWerte)
{
    const CSarnixDoc doc = Geladen("@SX\n" + beispielFix + "\n");
    ASSERT_EQ(doc.datenListe.size(), 1u);
    const CDaten& f = doc.datenListe[0];
    EXPECT_EQ(f.breite, 528500000);
    EXPECT_EQ(f.laenge, 506755000);
    EXPECT_EQ(f.hoehe, 900);
    EXPECT_EQ(f.vario, 15);
    EXPECT_EQ(f.tas, 300);
    EXPECT_EQ(f.sog, 400);
    EXPECT_EQ(f.temperatur, 2900);
    EXPECT_EQ(f.hatPosition, 1);
    EXPECT_EQ(f.zeit, 1);  // no time record before it
}

TEST(Fixsatz, KoordinatenBeiderHalbkugeln)
{
    // Hundredths of an arc minute in hexadecimal; negative angles as the ones' complement.
    const struct {
        const char* hex;
        int32_t breite;
    } faelle[] = {
        {"045948", 528500000},  // 285 000 hundredths of a minute: 47° 30' N
        {"FFFFFE", 499999900},
        {"000000", 500000000},
        {"FFFFFF", 500000000},
        {"7FFFFF", 500000000 + 100 * 0x7FFFFF},
        {"800000", 500000000 - 100 * 0x7FFFFF},
    };
    for (const auto& fall : faelle) {
        std::string z = beispielFix;
        z.replace(0, 6, fall.hex);
        const CSarnixDoc doc = Geladen("@SX\n" + z + "\n");
        ASSERT_EQ(doc.datenListe.size(), 1u) << fall.hex;
        EXPECT_EQ(doc.datenListe[0].breite, fall.breite) << fall.hex;
    }
}

TEST(Fixsatz, Flagziffer)
{
    const CSarnixDoc doc = Geladen("@SX\n" + Fix('0', '0', '3')
                                   + Fix('0', '0', '2', "000001000001" + beispielFix.substr(12))
                                   + Fix('0', '0', '0') + Fix('0', '0', 'b') + Fix('0', '0', 'e'));
    ASSERT_EQ(doc.datenListe.size(), 5u);
    const auto& d = doc.datenListe;
    // '2': no position of its own, the previous one copied; climbing.
    EXPECT_EQ(d[1].hatPosition, 0);
    EXPECT_EQ(d[1].breite, 528500000);
    EXPECT_EQ(d[1].laenge, 506755000);
    EXPECT_EQ(d[1].vario, 15);
    // '0': sinking, no position.
    EXPECT_EQ(d[2].hatPosition, 0);
    EXPECT_EQ(d[2].vario, -15);
    // Lower-case 'b' carries a position but never means climbing; 'e' means neither.
    EXPECT_EQ(d[3].hatPosition, 1);
    EXPECT_EQ(d[3].vario, -15);
    EXPECT_EQ(d[4].hatPosition, 0);
    EXPECT_EQ(d[4].vario, -15);
}

TEST(Fixsatz, Grundgeschwindigkeit)
{
    std::string datei = "@SX\n";
    for (const char* wert : {"00", "80", "81", "FF"}) {
        std::string z = beispielFix;
        z.replace(20, 2, wert);
        datei += z + "\n";
    }
    const CSarnixDoc doc = Geladen(datei);
    ASSERT_EQ(doc.datenListe.size(), 4u);
    EXPECT_EQ(doc.datenListe[0].sog, 0);
    EXPECT_EQ(doc.datenListe[1].sog, 640);
    EXPECT_EQ(doc.datenListe[2].sog, 650);
    EXPECT_EQ(doc.datenListe[3].sog, 1910);
}

TEST(Fixsatz, HoeheIstVorzeichenbehaftet)
{
    std::string z = beispielFix;
    z.replace(12, 4, "FF9C");
    const CSarnixDoc doc = Geladen("@SX\n" + z + "\n");
    ASSERT_EQ(doc.datenListe.size(), 1u);
    EXPECT_EQ(doc.datenListe[0].hoehe, -100);
}

TEST(Fixsatz, KleinbuchstabenUndFremdeZeichen)
{
    // Lower-case digits read like upper-case ones; any other non-digit counts 0.
    std::string klein = beispielFix;
    for (char& c : klein)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    std::string fremd = beispielFix;
    fremd.replace(0, 6, "04594G");
    fremd.replace(24, 3, "B:\xFF");
    const CSarnixDoc doc = Geladen("@SX\n" + klein + "\n" + fremd + "\n");
    ASSERT_EQ(doc.datenListe.size(), 2u);
    EXPECT_EQ(doc.datenListe[0].breite, 528500000);
    EXPECT_EQ(doc.datenListe[0].laenge, 506755000);
    EXPECT_EQ(doc.datenListe[0].temperatur, 2900);
    EXPECT_EQ(doc.datenListe[0].tas, 300);
    EXPECT_EQ(doc.datenListe[1].breite, 500000000 + 100 * 0x045940);
    EXPECT_EQ(doc.datenListe[1].temperatur, 0xB00);
}

TEST(Zeitsatz, ErsterSatzSetztUhr)
{
    const CSarnixDoc doc = Geladen("@SX\n" + Zeit("130500") + Fix('0', '0', '3') + Zeit("140000")
                                   + Fix('0', '0', '3'));
    ASSERT_EQ(doc.datenListe.size(), 2u);
    EXPECT_EQ(doc.datenListe[0].zeit, 13 * 3600 + 5 * 60 + 1);
    EXPECT_EQ(doc.datenListe[1].zeit, 13 * 3600 + 5 * 60 + 2);
}

TEST(Zeitsatz, DezimalfelderMitLeerzeichenUndVorzeichen)
{
    const CSarnixDoc doc = Geladen("@SX\n" + Zeit(" 1+2x5") + Fix('0', '0', '3'));
    ASSERT_EQ(doc.datenListe.size(), 1u);
    EXPECT_EQ(doc.datenListe[0].zeit, 3600 + 2 * 60 + 0 + 1);
}

TEST(Kopfsatz, Zusammenfassung)
{
    Kopf kopf;
    kopf.platz = std::string("M\xFChlberg   ", 11);
    const CSarnixDoc doc = Geladen(kopf.Satz());
    EXPECT_EQ(doc.geladen, 1);
    EXPECT_EQ(doc.flugdatum, "12-06-26");
    EXPECT_EQ(doc.Zusammenfassung().startzeit, "13:05");
    EXPECT_EQ(doc.Zusammenfassung().landezeit, "14:35");
    EXPECT_EQ(doc.Zusammenfassung().flugdauer, "01:30");
    EXPECT_EQ(doc.startplatz, std::string("M\xFChlberg   ", 11));
    EXPECT_EQ(doc.Zusammenfassung().startplatzHoehe, "1200 m");
    EXPECT_EQ(doc.Zusammenfassung().landeplatzHoehe, "700 m");
    EXPECT_EQ(doc.Zusammenfassung().maxHoehe, "2700 m");
    EXPECT_EQ(doc.Zusammenfassung().maxSteigen, "4.2 m/s");
    EXPECT_EQ(doc.Zusammenfassung().maxSinken, "2.5 m/s");
    EXPECT_EQ(doc.Zusammenfassung().flugstrecke, "312.6 km");
}

TEST(Kopfsatz, LandungVorDemStartIstAmNaechstenTag)
{
    Kopf kopf;
    kopf.start = "2243";
    kopf.lande = "0443";
    EXPECT_EQ(Geladen(kopf.Satz()).Zusammenfassung().flugdauer, "06:00");
    kopf.start = "2350";
    kopf.lande = "0010";
    EXPECT_EQ(Geladen(kopf.Satz()).Zusammenfassung().flugdauer, "00:20");
    kopf.start = "1400";
    kopf.lande = "1330";
    EXPECT_EQ(Geladen(kopf.Satz()).Zusammenfassung().flugdauer, "23:30");
    kopf.lande = "1400";
    EXPECT_EQ(Geladen(kopf.Satz()).Zusammenfassung().flugdauer, "00:00");
}

TEST(Kopfsatz, HoehenUnterNullSindVorzeichenbehaftet)
{
    Kopf kopf;
    kopf.startHoehe = "FFD6";  // -42 m
    kopf.landeHoehe = "FFFF";
    kopf.maxHoehe = "7FFF";
    const CSarnixDoc doc = Geladen(kopf.Satz());
    EXPECT_EQ(doc.Zusammenfassung().startplatzHoehe, "-42 m");
    EXPECT_EQ(doc.Zusammenfassung().landeplatzHoehe, "-1 m");
    EXPECT_EQ(doc.Zusammenfassung().maxHoehe, "32767 m");
    kopf.maxHoehe = "8000";
    EXPECT_EQ(Geladen(kopf.Satz()).Zusammenfassung().maxHoehe, "-32768 m");
}

TEST(Datei, NurMagieIstLeererGeladenerFlug)
{
    const std::string pfad = test::TempDatei("@SX");
    CSarnixDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(pfad));
    EXPECT_EQ(doc.geladen, 1);
    EXPECT_EQ(doc.dateiname, pfad);
    EXPECT_TRUE(doc.datenListe.empty());
    EXPECT_TRUE(doc.wegpunktListe.empty());
    EXPECT_EQ(doc.startplatz, " ");
    EXPECT_EQ(doc.Zusammenfassung().flugdauer, " ");
    EXPECT_EQ(doc.flugdatum, " ");
}

TEST(Datei, OhneMagieWirdAbgelehntUndDerFlugBleibt)
{
    CSarnixDoc doc;
    const std::string flug = test::TempDatei("@SX\n" + beispielFix + "\n");
    ASSERT_TRUE(doc.OnOpenDocument(flug));

    // A text file, a picture's first bytes, the magic in lower case, an empty file.
    for (const std::string& inhalt : {"@SY\n" + beispielFix + "\n", std::string("\x89PNG\r\n\x1a\n", 8),
                                     "@sx\n" + beispielFix + "\n", std::string()}) {
        SCOPED_TRACE(inhalt);
        const std::string pfad = test::TempDatei(inhalt);
        OeffnenFehler fehler = OeffnenFehler::Keiner;
        EXPECT_FALSE(doc.OnOpenDocument(pfad, &fehler));
        EXPECT_EQ(fehler, OeffnenFehler::KeineAufzeichnung);
        EXPECT_EQ(FehlerText(fehler, pfad), pfad + " ist keine Flugaufzeichnung.");
        EXPECT_EQ(doc.geladen, 1);
        EXPECT_EQ(doc.dateiname, flug);
        EXPECT_EQ(doc.datenListe.size(), 1u);
    }
}

TEST(Zeilen, CrLfWieLf)
{
    const CSarnixDoc doc = Geladen("@SX\r\n" + Zeit("101010").insert(14, "\r") + beispielFix + "\r\n");
    ASSERT_EQ(doc.datenListe.size(), 1u);
    EXPECT_EQ(doc.datenListe[0].zeit, 36611);
    EXPECT_EQ(doc.datenListe[0].hoehe, 900);
}

TEST(Zeilen, NurEinCrVorDemLfFaellt)
{
    // CR CR LF leaves 32 characters: no fix record.
    const CSarnixDoc doc = Geladen("@SX\n" + beispielFix + "\r\r\n");
    EXPECT_TRUE(doc.datenListe.empty());
}

TEST(Zeilen, LetzteZeileOhneZeilenvorschubFehlt)
{
    const CSarnixDoc doc = Geladen("@SX\n" + beispielFix + "\n" + beispielFix);
    EXPECT_EQ(doc.datenListe.size(), 1u);
}

TEST(Zeilen, LangeZeilenInStueckenVon198)
{
    // 198 characters and a fix record: the second piece is 31 long and counts.
    const std::string lang = std::string(198, 'x') + beispielFix + "\n";
    // 198 characters and a line feed: pieces of 198 and 1, nothing.
    const std::string genau = std::string(198, 'x') + "\n";
    // A fix record with one more character: 32, nothing.
    const std::string zuLang = beispielFix + "0\n";
    // 2 x 198 and a 15-character time record.
    const std::string zeit = std::string(396, '9') + Zeit("120000");
    const CSarnixDoc doc = Geladen("@SX\n" + zeit + lang + genau + zuLang);
    ASSERT_EQ(doc.datenListe.size(), 1u);
    EXPECT_EQ(doc.datenListe[0].zeit, 12 * 3600 + 1);
    EXPECT_EQ(doc.datenListe[0].hoehe, 900);
}

TEST(Zeilen, LeereUndFremdeZeilen)
{
    const CSarnixDoc doc = Geladen("@SX\n\n\n\x01\x02\n" + std::string(30, '\0') + "\n" + beispielFix + "\n");
    ASSERT_EQ(doc.datenListe.size(), 2u);
    EXPECT_EQ(doc.datenListe[0].hoehe, 0);  // 30 NUL bytes and a line feed are 31 characters
    EXPECT_EQ(doc.datenListe[1].hoehe, 900);
}

TEST(Wegpunkte, NameArtNummerUndLage)
{
    // NORD at 900 m, 47°30.00' N (0x045948 as pairs 48 59 04), 11°15.50' E (0x0107DE: DE 07 01).
    const std::string nord = Wegpunkt("0384", "4E4F524400414141", "06", "485904", "DE0701");
    // A marker of kind 2 in the south-west: 0°0.01' S and 0°0.02' W.
    const std::string sued = Wegpunkt("FFFF", "53", "02", "FEFFFF", "FDFFFF");
    const std::string zweiter = Wegpunkt("0000", "5A", "06", "000000", "000000");
    const CSarnixDoc doc = Geladen(MitWegpunkten({nord, sued, zweiter}) + Fix('1', '2', '3'));
    ASSERT_EQ(doc.wegpunktListe.size(), 3u);
    const CWegPunkt& p = doc.wegpunktListe[0];
    EXPECT_EQ(p.name, "NORD");
    EXPECT_EQ(p.hoehe, 900);
    EXPECT_EQ(p.art, 6);
    EXPECT_EQ(p.nummer, 1);
    EXPECT_EQ(p.breite, 528500000);
    EXPECT_EQ(p.laenge, 506755000);
    const CWegPunkt& s = doc.wegpunktListe[1];
    EXPECT_EQ(s.name, "S");
    EXPECT_EQ(s.hoehe, -1);
    EXPECT_EQ(s.art, 2);
    EXPECT_EQ(s.nummer, 0);
    EXPECT_EQ(s.breite, 499999900);
    EXPECT_EQ(s.laenge, 499999800);
    EXPECT_EQ(doc.wegpunktListe[2].nummer, 2);
    EXPECT_EQ(doc.wegpunktListe[2].name, "Z");
    // Every record was a fix: 3 blocks of 48, the end block and one more.
    EXPECT_EQ(doc.datenListe.size(), 3u * 48 + 3);
    EXPECT_EQ(doc.datenListe[0].zeit, 36001);
}

TEST(Wegpunkte, NameHoechstensElfZeichen)
{
    const std::string lang = Wegpunkt("0000", "4142434445464748494A4B4C", "01", "000000", "000000");
    const CSarnixDoc doc = Geladen(MitWegpunkten({lang}));
    ASSERT_EQ(doc.wegpunktListe.size(), 1u);
    EXPECT_EQ(doc.wegpunktListe[0].name, "ABCDEFGHIJK");
}

TEST(Wegpunkte, KurzerBlockWirdMitNullenAufgefuellt)
{
    // Ten characters: altitude 900 and the name "N"; art 0 and the position at 0°.
    const CSarnixDoc doc = Geladen(MitWegpunkten({"0103844E"}));
    ASSERT_EQ(doc.wegpunktListe.size(), 1u);
    const CWegPunkt& p = doc.wegpunktListe[0];
    EXPECT_EQ(p.hoehe, 900);
    EXPECT_EQ(p.name, "N");
    EXPECT_EQ(p.art, 0);
    EXPECT_EQ(p.breite, 500000000);
    EXPECT_EQ(p.laenge, 500000000);
}

TEST(Wegpunkte, LeererBlockUndZuLangerBlock)
{
    // A block of 96 characters keeps its first 80; an empty one still makes a point.
    const std::string erster = Wegpunkt("0064", "41", "03", "000000", "000000");
    const CSarnixDoc doc = Geladen(MitWegpunkten({erster + erster, ""}));
    ASSERT_EQ(doc.wegpunktListe.size(), 2u);
    EXPECT_EQ(doc.wegpunktListe[0].name, "A");
    EXPECT_EQ(doc.wegpunktListe[0].hoehe, 100);
    EXPECT_EQ(doc.wegpunktListe[0].art, 3);
    EXPECT_EQ(doc.wegpunktListe[1].name, "");
    EXPECT_EQ(doc.wegpunktListe[1].art, 0);
}

TEST(Wegpunkte, PhaseOhneEnde)
{
    // Route points never closed by a '00' pair: fixes are read, no refinement ever applies.
    std::string datei = "@SX\n" + Zeit("100000");
    for (int i = 0; i < 500; ++i)
        datei += Fix('F', 'F', '3') + (i % 7 == 0 ? Zeit("100000") : "");
    const CSarnixDoc doc = Geladen(datei);
    EXPECT_EQ(doc.datenListe.size(), 500u);
    for (const CDaten& f : doc.datenListe)
        ASSERT_EQ(f.breite, 528500000);
    EXPECT_FALSE(doc.wegpunktListe.empty());
}

TEST(Verfeinerung, GeradeFixeVerfeinernSichUndDenVorgaenger)
{
    // The end of the route points is the second fix of a block; the count goes on from there.
    const CSarnixDoc doc = Geladen("@SX\n" + Zeit("100000")
                                   + FixBei("045948", "0107DE", '7', '7')   // 1: no refinement
                                   + FixBei("045948", "0107DE", '0', '0')   // 2: ends the route points
                                   + FixBei("045948", "0107DE", 'F', 'F')   // 3: refined by fix 4
                                   + FixBei("FFFFFE", "FFFFFD", '5', '9')   // 4: A for 3, B for itself
                                   + FixBei("000000", "000000", '0', '0')   // 5
                                   + FixBei("000000", "0107DE", 'E', 'F'));  // 6: on the equator
    ASSERT_EQ(doc.datenListe.size(), 6u);
    const auto& d = doc.datenListe;
    EXPECT_EQ(d[0].breite, 528500000);
    EXPECT_EQ(d[1].breite, 528500000);
    EXPECT_EQ(d[1].laenge, 506755000);
    // d = 5: 25 on both.
    EXPECT_EQ(d[2].breite, 528500025);
    EXPECT_EQ(d[2].laenge, 506755025);
    // d = 9: 50 on latitude, 25 on longitude, away from 0° in the south-west.
    EXPECT_EQ(d[3].breite, 499999900 - 50);
    EXPECT_EQ(d[3].laenge, 499999800 - 25);
    // d = 14 on fix 5 at 0°/0°: stays. d = 15 on fix 6: latitude at 0° stays, longitude +75.
    EXPECT_EQ(d[4].breite, 500000000);
    EXPECT_EQ(d[4].laenge, 500000000);
    EXPECT_EQ(d[5].breite, 500000000);
    EXPECT_EQ(d[5].laenge, 506755075);
}

TEST(Verfeinerung, KopieVorDerVerfeinerungBleibtUnverfeinert)
{
    const CSarnixDoc doc = Geladen("@SX\n" + Zeit("100000") + Fix('0', '0', '3') + Fix('0', '0', '3')
                                   + Fix('0', '0', '3')      // 3: refined later by A = 'F'
                                   + Fix('F', '5', '2'));    // 4: copies 3 unrefined, then B = 5
    ASSERT_EQ(doc.datenListe.size(), 4u);
    EXPECT_EQ(doc.datenListe[2].breite, 528500075);
    EXPECT_EQ(doc.datenListe[2].laenge, 506755075);
    EXPECT_EQ(doc.datenListe[3].hatPosition, 0);
    EXPECT_EQ(doc.datenListe[3].breite, 528500025);
    EXPECT_EQ(doc.datenListe[3].laenge, 506755025);
}

TEST(Beispieldatei, AllesAusEinerDateiMitCrLf)
{
    CSarnixDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(test::Testdaten("beispielflug.vrl")));
    EXPECT_EQ(doc.startplatz, "Brauneck   ");
    EXPECT_EQ(doc.Zusammenfassung().flugdauer, "01:30");
    EXPECT_EQ(doc.Zusammenfassung().flugstrecke, "312.6 km");
    ASSERT_EQ(doc.wegpunktListe.size(), 1u);
    EXPECT_EQ(doc.wegpunktListe[0].name, "NORD");
    EXPECT_EQ(doc.wegpunktListe[0].nummer, 1);

    const auto& d = doc.datenListe;
    ASSERT_EQ(d.size(), 58u);
    EXPECT_EQ(d[0].zeit, 13 * 3600 + 5 * 60 + 1);
    EXPECT_EQ(d[57].zeit, 13 * 3600 + 5 * 60 + 58);
    // After the route point (48 fixes) and the end block: refinement 5, then 9.
    EXPECT_EQ(d[50].breite, 528500025);
    EXPECT_EQ(d[50].laenge, 506755025);
    EXPECT_EQ(d[51].breite, 528500050);
    EXPECT_EQ(d[51].laenge, 506755025);
    EXPECT_EQ(d[52].sog, 640);
    EXPECT_EQ(d[53].sog, 650);
    EXPECT_EQ(d[54].sog, 1910);
    EXPECT_EQ(d[55].hatPosition, 0);
    EXPECT_EQ(d[55].breite, 528500000);
    EXPECT_EQ(d[55].vario, 15);
    EXPECT_EQ(d[56].vario, -15);
    EXPECT_EQ(d[57].laenge, 499999900);

    EXPECT_EQ(doc.ausdehnung.breiteMax, 528500050);
    EXPECT_EQ(doc.ausdehnung.laengeMin, 499999900);
    EXPECT_EQ(doc.ausdehnung.hoeheMax, 900);
    EXPECT_EQ(doc.ausdehnung.hoeheMin, 900);
}
