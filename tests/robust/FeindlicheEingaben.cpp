// Whatever the download cable produced (truncated transfers, other instruments' files, hand-edited
// files, flights of many hours) opens into a sane document that every graph, colour mode and the
// printed map can show without crashing, and that exports as well-formed GPX and KML.

#include "Plausibel.h"
#include "RobustHilfen.h"
#include "TestHilfen.h"

#include "flight/CSarnixDoc.h"
#include "export/Gpx.h"
#include "export/Kml.h"

#include <QBuffer>
#include <QXmlStreamReader>

#include <gtest/gtest.h>
#include <cstdio>
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace {

using robust::Fix;
using robust::FixZeile;
using robust::KopfZeile;
using robust::Umfang;
using robust::ZeitZeile;

struct Eingabe {
    std::string name;
    std::function<std::string()> inhalt;
    std::optional<size_t> fixe;       // the fix count, where worked out by hand
    std::optional<size_t> wegpunkte;  // the route point count, likewise
    Umfang umfang = Umfang::Voll;
};

std::string Zufall(size_t anzahl, unsigned saat)
{
    std::mt19937 zufall(saat);
    std::string bytes(anzahl, '\0');
    for (char& c : bytes)
        c = static_cast<char>(zufall() & 0xFF);
    return bytes;
}

// Ends the route-point phase at once: the second fix carries the pair "00".
std::string Phasenende()
{
    return FixZeile(Fix{.a = '1', .b = '1'}) + FixZeile(Fix{});
}

std::string Fixe(size_t anzahl, const std::function<Fix(size_t)>& fix)
{
    std::string text;
    for (size_t i = 0; i < anzahl; ++i)
        text += FixZeile(fix(i));
    return text;
}

std::string Ersetzt(std::string text, const std::string& von, const std::string& durch)
{
    for (size_t stelle = 0; (stelle = text.find(von, stelle)) != std::string::npos; stelle += durch.size())
        text.replace(stelle, von.size(), durch);
    return text;
}

// A short, ordinary flight: header, time, one route point, then 40 fixes.
std::string NormalerFlug()
{
    std::string text = KopfZeile() + ZeitZeile(13, 5, 12);
    return text + Phasenende() + Fixe(40, [](size_t i) {
               return Fix{.breite = 0x045948u + static_cast<uint32_t>(i % 7),
                          .laenge = 0x0107DEu + static_cast<uint32_t>(i),
                          .hoehe = 900 + static_cast<int>(i) * 3,
                          .a = "0123456789ABCDEF"[i % 16],
                          .b = "FEDCBA9876543210"[i % 16],
                          .flag = i % 4 == 3 ? '2' : '3'};
           });
}

// Route-point text of `zeichen` characters, then the two time records that close the block.
std::string WegpunktBlock(size_t zeichen)
{
    std::string text;
    for (size_t i = 0; i < zeichen / 2 + zeichen % 2; ++i)
        text += FixZeile(Fix{.flag = '2'}) + FixZeile(Fix{.a = '4', .b = static_cast<char>('1' + i % 9), .flag = '1'});
    return text + ZeitZeile(10, 0, 1) + ZeitZeile(10, 0, 2);
}

std::string DateiInhalt(const std::string& pfad)
{
    std::ifstream datei(pfad, std::ios::binary);
    return {std::istreambuf_iterator<char>(datei), std::istreambuf_iterator<char>()};
}

// An IGC B record; latitude and longitude in thousandths of a minute, negative south and west.
std::string IgcFix(int zeit, int64_t breite, int64_t laenge, int hoehe, char gueltig = 'A',
                   const std::string& rest = "")
{
    char z[96];
    const int64_t b = breite < 0 ? -breite : breite;
    const int64_t l = laenge < 0 ? -laenge : laenge;
    std::snprintf(z, sizeof z, "B%02d%02d%02d%02d%05d%c%03d%05d%c%c%05d%05d", zeit / 3600 % 24, zeit / 60 % 60,
                  zeit % 60, static_cast<int>(b / 60000), static_cast<int>(b % 60000), breite < 0 ? 'S' : 'N',
                  static_cast<int>(l / 60000), static_cast<int>(l % 60000), laenge < 0 ? 'W' : 'E', gueltig,
                  hoehe, hoehe);
    return z + rest + "\r\n";
}

std::string IgcFixe(size_t anzahl, const std::function<std::string(size_t)>& fix)
{
    std::string text = "AXXX001\r\nHFDTE150726\r\n";
    for (size_t i = 0; i < anzahl; ++i)
        text += fix(i);
    return text;
}

std::vector<Eingabe> Eingaben()
{
    std::vector<Eingabe> e;
    const auto dazu = [&e](std::string name, std::function<std::string()> inhalt,
                           std::optional<size_t> fixe = std::nullopt,
                           std::optional<size_t> wegpunkte = std::nullopt, Umfang umfang = Umfang::Voll) {
        e.push_back({std::move(name), std::move(inhalt), fixe, wegpunkte, umfang});
    };

    dazu("leere Datei", [] { return std::string(); }, 0, 0);
    dazu("nur die Magie", [] { return std::string("@SX"); }, 0, 0);
    dazu("Magie mit Zeilenende", [] { return std::string("@SX\r\n"); }, 0, 0);
    dazu("fast die Magie", [] { return std::string("@S") + FixZeile(Fix{}); }, 0, 0);
    dazu("Magie klein geschrieben", [] { return "@sx\n" + FixZeile(Fix{}); }, 0, 0);
    dazu("Magie und Müll", [] { return "@SX" + Zufall(4096, 1); });
    dazu("Magie, Müll und Nullbytes", [] { return "@SX" + Ersetzt(Zufall(4096, 2), "\n", std::string(1, '\0')); });
    dazu("Zufallsdaten", [] { return "#" + Zufall(65536, 3); }, 0, 0);
    dazu("nur Zeilenenden", [] { return "@SX" + std::string(5000, '\n'); }, 0, 0);
    // Another recorder's IGC log is read as one.
    dazu("fremdes Gerät", [] {
        return std::string("AXXX001 FLIGHT RECORDER\nHFDTE150726\n"
                           "B1305124730000N01115500EA0090000900\nB1305134730010N01115510EA0090100901\n");
    }, 2, 0);
    dazu("fremdes Gerät hinter der Magie", [] {
        return std::string("@SX\nB1305124730000N01115500EA009000090\nB1305134730010N01115510EA009010090\n");
    });
    // 10 MB in one line: read in pieces of 198 characters, of which only the last counts; its
    // 31 characters make it a fix record.
    dazu("eine Zeile von 10 MB", [] { return "@SX" + std::string(10485909, 'A') + "\n"; }, 1, 0, Umfang::Knapp);
    dazu("Zeilen jeder Länge von 0 bis 200", [] {
        std::string text = "@SX\n";
        const std::string muster = "0459480107DE03840F3C5000B54003";
        for (size_t laenge = 0; laenge <= 200; ++laenge) {
            std::string zeile;
            while (zeile.size() < laenge)
                zeile += muster;
            zeile.resize(laenge);
            text += zeile + "\n";
        }
        return text;
    }, 1);  // only the line of 30 characters and its line feed is a fix record
    dazu("Fix ohne letztes Zeilenende", [] { return "@SX\n" + FixZeile(Fix{}).substr(0, 30); }, 0);
    dazu("CR LF", [] { return Ersetzt(NormalerFlug(), "\n", "\r\n"); }, 42, 0);
    dazu("nur CR", [] { return Ersetzt(NormalerFlug(), "\n", "\r"); });
    dazu("CR CR LF", [] { return Ersetzt(NormalerFlug(), "\n", "\r\r\n"); }, 0, 0);
    dazu("fremde Zeichen in jedem Feld", [] {
        std::string text = KopfZeile() + Phasenende();
        const std::string fremd{' ', 'G', 'g', 'z', ':', '@', '-', '+', '.', '\0', '\x7F', '\x80', '\xFF'};
        const std::string zeile = FixZeile(Fix{});
        for (size_t stelle = 0; stelle < 30; ++stelle)
            for (const char c : fremd) {
                std::string kaputt = zeile;
                kaputt[stelle] = c;
                text += kaputt;
            }
        return text;
    }, 2 + 30 * 13);
    dazu("fremde Zeichen im Kopf", [] {
        std::string kopf = KopfZeile();
        for (size_t i = 3; i < 78; ++i)
            kopf[i] = "\xFF-+ G\0"[i % 6];
        return kopf + Phasenende();
    }, 2, 0);
    dazu("Kleinbuchstaben", [] {
        std::string text = "@SX\n";
        for (const char flag : std::string("0123456789abcdefABCDEF"))
            for (const uint32_t wert : {0xabcdefu, 0xfedcbau, 0x045948u})
                text += FixZeile(Fix{.breite = wert, .laenge = wert, .hoehe = 0xabc, .flag = flag});
        std::string klein;
        for (const char c : text)
            klein += static_cast<char>(c >= 'A' && c <= 'F' ? c - 'A' + 'a' : c);
        return klein;
    }, 66);
    dazu("Routenphase ohne Ende", [] {
        std::string text = "@SX\n" + ZeitZeile(8, 0, 0);
        for (int block = 0; block < 200; ++block)
            text += WegpunktBlock(48);
        return text;
    }, 200 * 48, 200);
    dazu("Wegpunktblöcke von 0 bis 100 Zeichen", [] {
        std::string text = "@SX\n" + ZeitZeile(8, 0, 0);
        for (size_t zeichen = 0; zeichen <= 100; zeichen += 2)
            text += WegpunktBlock(zeichen);
        return text + Phasenende() + Fixe(10, [](size_t) { return Fix{}; });
    }, 2550 + 12, 51);  // 2 fixes per 2 characters: 0 + 2 + ... + 100 fixes, then 12 more
    dazu("100 000 Zeitsätze", [] {
        std::string text = "@SX\n";
        for (int i = 0; i < 100000; ++i)
            text += ZeitZeile(i / 3600 % 24, i / 60 % 60, i % 60);
        return text + Phasenende() + Fixe(10, [](size_t) { return Fix{}; });
    }, 12, 49999, Umfang::Knapp);
    dazu("Zeitsatz mit Unsinn", [] {
        return "@SX\n" + std::string("-9-9-9ABCDEFGH\n") + Phasenende() + std::string("999999ABCDEFGH\n");
    }, 2, 0);

    // Coordinates at and beyond the ends of their range: 0, the largest positive and negative
    // values, and ±180° (1 080 000 hundredths of an arc minute).
    const std::vector<uint32_t> grenzwerte{0x000000, 0x7FFFFF, 0x800000, 0xFFFFFF, 0x107AC0, 0xEF853F, 0x000001, 0xFFFFFE};
    dazu("Koordinaten an den Grenzen", [grenzwerte] {
        std::string text = "@SX\n" + Phasenende();
        for (const uint32_t breite : grenzwerte)
            for (const uint32_t laenge : grenzwerte)
                text += FixZeile(Fix{.breite = breite, .laenge = laenge, .a = 'F', .b = 'F'});
        return text;
    }, 2 + 64);
    for (const uint32_t wert : grenzwerte)
        dazu("alle Fixe auf " + std::to_string(wert), [wert] {
            return "@SX\n" + Phasenende() + Fixe(20, [wert](size_t) { return Fix{.breite = wert, .laenge = wert, .a = 'F', .b = 'F'}; });
        }, 22);
    // At the poles and just short of them the metres per longitude unit are all but 0.
    for (const uint32_t pol : {0x083D60u, 0x083D5Fu, 0xF7C29Fu, 0xF7C2A0u})
        dazu("am Pol " + std::to_string(pol), [pol] {
            return "@SX\n" + Fixe(100, [pol](size_t i) {
                return Fix{.breite = pol, .laenge = 0x0107DEu + static_cast<uint32_t>(i)};
            });
        }, 100);
    dazu("über den Nullmeridian und den Äquator", [] {
        return "@SX\n" + Phasenende() + Fixe(200, [](size_t i) {
            const uint32_t wert = (0xFFFFFFu - 100u + static_cast<uint32_t>(i)) & 0xFFFFFFu;
            return Fix{.breite = wert, .laenge = wert, .a = "05AF"[i % 4], .b = "F0A5"[i % 4]};
        });
    }, 202);
    dazu("über die Datumsgrenze", [] {
        return "@SX\n" + Phasenende() + Fixe(200, [](size_t i) {
            // 179.99° E, 180°, then 179.99° W onward: the file's values jump at 180°.
            const uint32_t laenge = i < 100 ? 0x107AC0u - 100u + static_cast<uint32_t>(i)
                                            : 0xEF853Fu + static_cast<uint32_t>(i - 100);
            return Fix{.breite = 0x020000, .laenge = laenge};
        });
    }, 202);
    dazu("Höhen -32768 und 32767", [] {
        return "@SX\n" + Phasenende() + Fixe(50, [](size_t i) {
            return Fix{.breite = 0x045948u + static_cast<uint32_t>(i), .hoehe = i % 2 ? 32767 : -32768,
                       .vario = 255, .tas = 255, .sog = 255, .temperatur = 0xFFF, .flag = i % 3 ? '1' : '0'};
        });
    }, 52);
    // hoeheMax stays 0 and the barograms' altitude scale has nothing to divide by.
    dazu("alle Höhen negativ", [] {
        return "@SX\n" + Fixe(60, [](size_t i) {
            return Fix{.breite = 0x045948u + static_cast<uint32_t>(i), .hoehe = -1 - static_cast<int>(i), .vario = 10, .flag = '1'};
        });
    }, 60);
    dazu("alle Höhen 0 bei 0 K", [] {
        return "@SX\n" + Fixe(60, [](size_t i) {
            return Fix{.laenge = 0x0107DEu + static_cast<uint32_t>(i), .hoehe = 0, .vario = 10, .temperatur = 0, .flag = '1'};
        });
    }, 60);
    dazu("Sinkflug bei gleicher Höhe und Temperatur", [] {
        return "@SX\n" + Fixe(200, [](size_t i) {
            return Fix{.breite = 0x045948u + static_cast<uint32_t>(i % 3), .hoehe = 1000, .vario = 30, .flag = '1'};
        });
    }, 200);
    dazu("ein einziger Fix", [] { return "@SX\n" + FixZeile(Fix{}); }, 1);
    dazu("eine einzige Position", [] {
        return "@SX\n" + Fixe(100, [](size_t i) {
            return Fix{.hoehe = static_cast<int>(i), .flag = i == 50 ? '1' : '0'};
        });
    }, 100);
    dazu("keine Positionen", [] {
        return KopfZeile() + Fixe(300, [](size_t i) {
            return Fix{.hoehe = 500 + static_cast<int>(i), .vario = 40, .flag = i % 2 ? '2' : '0'};
        });
    }, 300);
    // Steep sinking at 6 km and 409.5 K: the band sums pass 4 000 000 000 and wrap.
    dazu("Sinkflug, der die Summen überlaufen lässt", [] {
        return "@SX\n" + Phasenende() + Fixe(20000, [](size_t i) {
            return Fix{.breite = 0x045948u + static_cast<uint32_t>(i % 100),
                       .hoehe = i % 1000 == 999 ? 32767 : 6000 - static_cast<int>(i % 140),
                       .vario = 200, .temperatur = 0xFFF, .flag = '1'};
        });
    }, 20002);
    dazu("2 000 000 Fixe", [] {
        std::string text = "@SX\n" + Phasenende();
        text.reserve(text.size() + 2000000 * 31);
        for (uint32_t i = 0; i < 2000000; ++i)
            text += FixZeile(Fix{.breite = 0x045948u + i % 1000, .laenge = 0x0107DEu + i / 1000,
                                 .hoehe = static_cast<int>(i % 3000), .vario = static_cast<int>(i % 50)});
        return text;
    }, 2000002, 0, Umfang::Knapp);

    // IGC logs: the real ones of every logger, and what a broken logger or editor could write.
    for (const char* log : {"pg-isere-7min-ladlod.igc", "sp-nz-duodiscus-6h-midnight.igc", "hg-wales-u2-1h.igc",
                            "pg-valais-ausschnitt.igc", "pg-brazil-ausschnitt.igc", "pg-riederalp-ausschnitt.igc",
                            "sp-quebec-asw27-ausschnitt.igc", "sp-quebec-pik20-ausschnitt.igc",
                            "sp-germany-asw19-ausschnitt.igc"})
        dazu(std::string("IGC ") + log, [log] { return DateiInhalt(test::Testdaten(std::string("igc/") + log)); });
    dazu("IGC nur ungültige Fixe", [] {
        return IgcFixe(50, [](size_t i) { return IgcFix(36000 + static_cast<int>(i), 2760000, 420000, 900, 'V'); });
    }, 50);
    dazu("IGC am Pol und an der Datumsgrenze", [] {
        return IgcFixe(200, [](size_t i) {
            const int64_t laenge = i % 2 ? 180 * 60000 - 1 : -(180 * 60000 - 1);
            return IgcFix(36000 + static_cast<int>(i), i % 3 ? 90 * 60000 - 1 : -(90 * 60000 - 1), laenge, 100);
        });
    }, 200);
    dazu("IGC Höhen an den Grenzen des Feldes", [] {
        return IgcFixe(100, [](size_t i) {
            return IgcFix(36000 + static_cast<int>(i), 2760000 + static_cast<int64_t>(i), 420000, i % 2 ? 99999 : -9999);
        });
    }, 100);
    dazu("IGC alle Fixe zur selben Sekunde", [] {
        return IgcFixe(100, [](size_t i) { return IgcFix(36000, 2760000 + static_cast<int64_t>(i), 420000, 900); });
    }, 100);
    dazu("IGC Zeit springt wild", [] {
        return IgcFixe(300, [](size_t i) {
            return IgcFix(static_cast<int>((i * 7919) % 86400), 2760000 + static_cast<int64_t>(i), 420000, 900);
        });
    }, 300);
    dazu("IGC Temperatur und Fahrt an den Grenzen", [] {
        return "AXXX001\r\nI033638TAS3942OAT4347VAT\r\n" + IgcFixe(100, [](size_t i) {
            return IgcFix(36000 + static_cast<int>(i), 2760000 + static_cast<int64_t>(i), 420000, 900, 'A',
                          i % 2 ? "999-999-9999" : "000999999999");
        });
    }, 100);
    dazu("IGC Müll, BOM und gemischte Zeilenenden", [] {
        std::string text = "\xEF\xBB\xBF" + IgcFixe(60, [](size_t i) {
            std::string fix = IgcFix(36000 + static_cast<int>(i), 2760000 + static_cast<int64_t>(i), 420000, 900);
            if (i % 3 == 0)
                fix.erase(fix.size() - 2, 1);  // LF only
            if (i % 5 == 0)
                fix += Zufall(40, static_cast<unsigned>(i)) + "\n";
            return fix;
        });
        return text;
    });
    dazu("IGC 24 Stunden jede Sekunde", [] {
        std::string text = IgcFixe(0, nullptr);
        text.reserve(86400 * 37 + 64);
        for (int i = 0; i < 86400; ++i)
            text += IgcFix(i, 2760000 + i % 500, 420000 + i / 100, 500 + i % 1500);
        return text;
    }, 86400, 0, Umfang::Knapp);
    return e;
}

TEST(FeindlicheEingaben, JedeEingabeGibtEinPlausiblesDokumentDasSichZeichnenUndDruckenLaesst)
{
    const std::vector<Eingabe> eingaben = Eingaben();
    int zuege = 0;
    size_t versucht = 0;
    for (const Eingabe& eingabe : eingaben) {
        // Two million fixes take minutes under the sanitizers; the release build runs them.
        if (robust::unterSanitizer && eingabe.name == "2 000 000 Fixe")
            continue;
        SCOPED_TRACE(eingabe.name);
        ++versucht;
        const std::string inhalt = eingabe.inhalt();
        const std::string pfad = test::TempDatei(inhalt);
        CSarnixDoc doc;
        const bool mitMagie = inhalt.starts_with("@SX");
        // Without the magic only an IGC log with a fix opens.
        ASSERT_EQ(doc.OnOpenDocument(pfad), mitMagie || eingabe.name.find("IGC") != std::string::npos
                                                || eingabe.name == "fremdes Gerät");
        EXPECT_EQ(robust::DokumentFehler(doc, mitMagie, inhalt.size()), "");
        if (eingabe.fixe) {
            EXPECT_EQ(doc.datenListe.size(), *eingabe.fixe);
        }
        if (eingabe.wegpunkte) {
            EXPECT_EQ(doc.wegpunktListe.size(), *eingabe.wegpunkte);
        }

        zuege += robust::AllesZeichnen(doc, eingabe.umfang);
        const int erwartet = doc.geladen && !doc.datenListe.empty() ? 1 : 0;
        EXPECT_EQ(robust::KarteAufBild(doc, 0, true), erwartet);
        if (eingabe.umfang == Umfang::Voll) {
            for (const int massstab : {25000, 1000000})
                EXPECT_EQ(robust::KarteAufBild(doc, massstab, true), erwartet);
        }
    }
    std::printf("[ Sarnix ] %zu feindliche Eingaben, %d Zeichnungen\n", versucht, zuege);
}

}  // namespace

namespace {

// Well-formed XML, and no more points than fixes.
void ExportGeht(const CSarnixDoc& doc, ExportFormat format)
{
    ExportWahl wahl;
    wahl.format = format;
    wahl.zeitzone = QTimeZone::utc();
    QBuffer puffer;
    puffer.open(QIODevice::WriteOnly);
    ExportBericht bericht;
    const bool ok = format == ExportFormat::Gpx ? SchreibeGpx(doc, wahl, puffer, &bericht)
                                                : SchreibeKml(doc, wahl, puffer, &bericht);
    EXPECT_TRUE(ok);
    QXmlStreamReader leser(puffer.data());
    while (!leser.atEnd())
        leser.readNext();
    EXPECT_FALSE(leser.hasError()) << leser.errorString().toStdString();
    EXPECT_LE(bericht.punkte, static_cast<int64_t>(doc.datenListe.size()));
}

TEST(FeindlicheEingaben, JedeEingabeLaesstSichExportieren)
{
    for (const Eingabe& eingabe : Eingaben()) {
        // The inputs of millions of fixes are left to the drawing test.
        if (eingabe.umfang == Umfang::Knapp)
            continue;
        SCOPED_TRACE(eingabe.name);
        CSarnixDoc doc;
        if (!doc.OnOpenDocument(test::TempDatei(eingabe.inhalt())) || !doc.geladen)
            continue;
        ExportGeht(doc, ExportFormat::Gpx);
        ExportGeht(doc, ExportFormat::Kml);
    }
}

// A transfer that ended every line with CR LF shows the same flight, pixel for pixel.
TEST(FeindlicheEingaben, CrLfZeigtDenselbenFlugWieLf)
{
    const std::string lf = NormalerFlug();
    CSarnixDoc mitLf;
    CSarnixDoc mitCrLf;
    ASSERT_TRUE(mitLf.OnOpenDocument(test::TempDatei(lf)));
    ASSERT_TRUE(mitCrLf.OnOpenDocument(test::TempDatei(Ersetzt(lf, "\n", "\r\n"))));
    ASSERT_EQ(mitCrLf.datenListe.size(), mitLf.datenListe.size());
    for (size_t i = 0; i < mitLf.datenListe.size(); ++i) {
        EXPECT_EQ(mitCrLf.datenListe[i].breite, mitLf.datenListe[i].breite) << i;
        EXPECT_EQ(mitCrLf.datenListe[i].laenge, mitLf.datenListe[i].laenge) << i;
        EXPECT_EQ(mitCrLf.datenListe[i].hoehe, mitLf.datenListe[i].hoehe) << i;
    }
    EXPECT_EQ(mitCrLf.startplatz, "SCHWARZENBG");
    EXPECT_EQ(mitCrLf.Zusammenfassung().flugdauer, mitLf.Zusammenfassung().flugdauer);

    QImage bildLf;
    QImage bildCrLf;
    robust::AllesZeichnen(mitLf, Umfang::Knapp, &bildLf);
    robust::AllesZeichnen(mitCrLf, Umfang::Knapp, &bildCrLf);
    EXPECT_GT(test::NichtWeiss(bildLf), 0);
    EXPECT_TRUE(bildCrLf == bildLf);
}

}  // namespace
