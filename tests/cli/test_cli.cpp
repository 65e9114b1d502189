// sarnix-cli as scripts use it: help and faults of every command, several files per call, a file
// that fails alone, the window's picture as PNG with a palette that decodes to the very pixels.

#include "TestHilfen.h"
#include "render/PngSchreiben.h"
#include "flight/CSarnixDoc.h"
#include "pipeline/BildWahl.h"
#include "cli/CliStapel.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <array>
#include <atomic>
#include <new>

namespace {

using test::Lauf;

using test::Probe;

Lauf Starte(const QStringList& argumente)
{
    return test::Starte(test::SarnixCli(), QStringList{QStringLiteral("--sprache"), QStringLiteral("de")} + argumente);
}

bool GleichePixel(QImage a, QImage b)
{
    return a.convertToFormat(QImage::Format_RGB32) == b.convertToFormat(QImage::Format_RGB32);
}

using Cli = test::CliTest;

}  // namespace

TEST(Png, PaletteGibtDieselbenPixel)
{
    CSarnixDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(test::Sample("streckenflug-6h.vrl")));
    BildWahl wahl;
    wahl.breite = 1920;  // large enough to be compressed in bands
    wahl.hoehe = 1080;
    wahl.grafikanzahl = 2;
    wahl.zeitmarken = 1;
    wahl.wegpunkte = 1;
    wahl.rechteArt = Temperaturverlauf;
    wahl.rechteFarbe = Temperaturgradient;
    const QImage bild = WahlBild(doc, wahl);

    // The size the default writer gives, as the yardstick for "not larger".
    QBuffer ueblich;
    ASSERT_TRUE(ueblich.open(QIODevice::WriteOnly));
    ASSERT_TRUE(bild.save(&ueblich, "PNG"));

    for (const int faeden : {1, 2, 4}) {
        QBuffer puffer;
        ASSERT_TRUE(puffer.open(QIODevice::WriteOnly));
        ASSERT_TRUE(SchreibePng(bild, puffer, faeden));
        puffer.close();
        ASSERT_TRUE(puffer.open(QIODevice::ReadOnly));
        QImageReader leser(&puffer, "png");
        const QImage gelesen = leser.read();
        EXPECT_EQ(gelesen.format(), QImage::Format_Indexed8) << faeden;
        EXPECT_TRUE(GleichePixel(gelesen, bild)) << faeden;
        EXPECT_LE(puffer.size(), ueblich.size() * 11 / 10) << faeden;
    }
}

// A file that fails on a worker thread (out of memory) fails alone: exit code 1, the others done.
TEST(Stapel, AusfallEinerDateiTrifftNurSie)
{
    for (const int auftraege : {1, 3}) {
        std::array<std::atomic<int>, 5> erledigt{};
        const int code = cli::Parallel(5, auftraege, [&](qsizetype i) {
            if (i == 2)
                throw std::bad_alloc();
            ++erledigt[static_cast<size_t>(i)];
            return 0;
        });
        EXPECT_EQ(code, 1) << auftraege;
        for (size_t i = 0; i < erledigt.size(); ++i)
            EXPECT_EQ(erledigt[i], i == 2 ? 0 : 1) << auftraege << " " << i;
    }
}

TEST_F(Cli, HilfeZuJedemBefehl)
{
    const Lauf uebersicht = Starte({QStringLiteral("--help")});
    EXPECT_EQ(uebersicht.code, 0);
    for (const char* befehl : {"info", "render", "print", "export"}) {
        EXPECT_TRUE(uebersicht.aus.contains(QLatin1String(befehl)));
        const QString aufruf = QStringLiteral("Aufruf: sarnix-cli %1").arg(QLatin1String(befehl));
        const Lauf hilfe = Starte({QLatin1String(befehl), QStringLiteral("--help")});
        EXPECT_EQ(hilfe.code, 0) << befehl;
        EXPECT_TRUE(hilfe.aus.startsWith(aufruf)) << hilfe.aus.toStdString();
        EXPECT_TRUE(hilfe.fehler.isEmpty()) << hilfe.fehler.toStdString();
        // Taken out before the command parses its options, yet every command's usage names it.
        EXPECT_TRUE(hilfe.aus.contains(QStringLiteral("--hoehe gnss|druck"))) << befehl;
        const Lauf help = Starte({QStringLiteral("help"), QLatin1String(befehl)});
        EXPECT_EQ(help.code, 0);
        EXPECT_EQ(help.aus, hilfe.aus);
    }
    // The overview names the help command in the language it is written in.
    EXPECT_TRUE(uebersicht.aus.contains(QStringLiteral("help BEFEHL")));
    const Lauf englisch = test::Starte(test::SarnixCli(), {QStringLiteral("--sprache"), QStringLiteral("en"), QStringLiteral("--help")});
    EXPECT_TRUE(englisch.aus.contains(QStringLiteral("help COMMAND"))) << englisch.aus.toStdString();
    const Lauf version = Starte({QStringLiteral("--version")});
    EXPECT_EQ(version.code, 0);
    EXPECT_TRUE(version.aus.startsWith(QStringLiteral("sarnix-cli 1."))) << version.aus.toStdString();
}

TEST_F(Cli, FalscheAufrufeNennenDenFehlerMitAufruf)
{
    const QString datei = Probe("lokalflug-1h.vrl");
    const Lauf unbekannt = Starte({QStringLiteral("render"), datei, QStringLiteral("-o"), Ziel("a.png"), QStringLiteral("--farbig")});
    EXPECT_EQ(unbekannt.code, 2);
    EXPECT_TRUE(unbekannt.aus.isEmpty());
    EXPECT_TRUE(unbekannt.fehler.contains(QStringLiteral("--farbig"))) << unbekannt.fehler.toStdString();
    EXPECT_TRUE(unbekannt.fehler.contains(QStringLiteral("Aufruf: sarnix-cli render")));

    const Lauf ohneWert = Starte({QStringLiteral("print"), datei, QStringLiteral("--dpi")});
    EXPECT_EQ(ohneWert.code, 2);
    EXPECT_TRUE(ohneWert.fehler.contains(QStringLiteral("--dpi"))) << ohneWert.fehler.toStdString();

    EXPECT_EQ(Starte({QStringLiteral("zeichne"), datei}).code, 2);
    EXPECT_EQ(Starte({}).code, 2);
    // Several inputs need a folder to write into; -j needs a count.
    EXPECT_EQ(Starte({QStringLiteral("render"), datei, datei, QStringLiteral("-o"), Ziel("a.png")}).code, 2);
    EXPECT_EQ(Starte({QStringLiteral("render"), datei, QStringLiteral("-o"), Ziel("a.png"), QStringLiteral("-j"), QStringLiteral("0")}).code, 2);
    EXPECT_FALSE(QFileInfo::exists(Ziel("a.png")));
}

TEST_F(Cli, MehrereDateienInEinenOrdnerParallel)
{
    const QStringList proben{Probe("lokalflug-1h.vrl"), Probe("suedwest-3h.vrl"), Probe("streckenflug-6h.vrl")};
    const QString ordnerName = Ziel("bilder/");
    const Lauf lauf = Starte(QStringList{QStringLiteral("render")} + proben
                             + QStringList{QStringLiteral("-o"), ordnerName, QStringLiteral("-j"), QStringLiteral("2"),
                                           QStringLiteral("--panes"), QStringLiteral("2"), QStringLiteral("--size"),
                                           QStringLiteral("640x400")});
    ASSERT_EQ(lauf.code, 0) << lauf.fehler.toStdString();
    // One picture per input, named after it, and nothing half-written left beside them.
    EXPECT_EQ(QDir(ordnerName).entryList(QDir::Files, QDir::Name),
              (QStringList{QStringLiteral("lokalflug-1h.png"), QStringLiteral("streckenflug-6h.png"),
                           QStringLiteral("suedwest-3h.png")}));

    // Each the same as when drawn alone.
    const Lauf allein = Starte({QStringLiteral("render"), proben[1], QStringLiteral("-o"), Ziel("allein.png"), QStringLiteral("--panes"),
                                QStringLiteral("2"), QStringLiteral("--size"), QStringLiteral("640x400")});
    ASSERT_EQ(allein.code, 0);
    EXPECT_TRUE(GleichePixel(QImage(ordnerName + QStringLiteral("suedwest-3h.png")), QImage(Ziel("allein.png"))));

    // print writes PDF into the folder, one JSON line per map in the order given.
    const Lauf karten = Starte(QStringList{QStringLiteral("print")} + proben.mid(0, 2)
                               + QStringList{QStringLiteral("-o"), ordnerName, QStringLiteral("--dpi"), QStringLiteral("50")});
    ASSERT_EQ(karten.code, 0) << karten.fehler.toStdString();
    const QStringList zeilen = karten.aus.trimmed().split(QLatin1Char('\n'));
    ASSERT_EQ(zeilen.size(), 2);
    EXPECT_TRUE(zeilen[0].contains(QStringLiteral("lokalflug-1h.vrl")));
    EXPECT_TRUE(zeilen[1].contains(QStringLiteral("suedwest-3h.vrl")));
    EXPECT_TRUE(QFileInfo::exists(ordnerName + QStringLiteral("lokalflug-1h.pdf")));
}

TEST_F(Cli, FehlschlagLaesstAlteAusgabeStehen)
{
    // A failed write must not leave a truncated picture under the name.
    const QString ziel = Ziel("bild.png");
    QFile alt(ziel);
    ASSERT_TRUE(alt.open(QIODevice::WriteOnly));
    alt.write("alt");
    alt.close();
    const Lauf lauf = Starte({QStringLiteral("render"), Ziel("fehlt.vrl"), QStringLiteral("-o"), ziel});
    EXPECT_EQ(lauf.code, 1);
    ASSERT_TRUE(alt.open(QIODevice::ReadOnly));
    EXPECT_EQ(alt.readAll(), QByteArray("alt"));
}

TEST_F(Cli, HandbuchNenntJedeOptionDerHilfe)
{
    const Lauf handbuch = Starte({QStringLiteral("--man")});
    ASSERT_EQ(handbuch.code, 0);
    EXPECT_TRUE(handbuch.aus.startsWith(QStringLiteral(".TH SARNIX-CLI 1")));
    const QRegularExpression option(QStringLiteral("(?:^|[ ,])(--?[a-z][a-z-]*)"));
    for (const char* befehl : {"info", "render", "print"}) {
        EXPECT_TRUE(handbuch.aus.contains(QStringLiteral(".SH BEFEHL %1").arg(QString::fromLatin1(befehl).toUpper())));
        const Lauf hilfe = Starte({QLatin1String(befehl), QStringLiteral("--help")});
        const QString optionen = hilfe.aus.section(QStringLiteral("Optionen:\n"), 1);
        int gefunden = 0;
        for (const QString& zeile : optionen.split(QLatin1Char('\n'))) {
            const auto treffer = option.match(zeile);
            if (!zeile.startsWith(QStringLiteral("  -")) || !treffer.hasMatch())
                continue;
            ++gefunden;
            QString roff = treffer.captured(1);
            roff.replace(QLatin1Char('-'), QStringLiteral("\\-"));
            EXPECT_TRUE(handbuch.aus.contains(roff)) << befehl << " " << treffer.captured(1).toStdString();
        }
        EXPECT_GE(gefunden, 3) << befehl;
    }
}

// Flat ground at 1000 m under the sample: info gives it at take-off, landing and under every fix;
// a folder without tiles gives nulls and names the folder; render draws it under the barogram, with
// a map too; the printed map carries the relief.
TEST_F(Cli, GelaendeInInfoUndDruck)
{
    QDir(ordner.path()).mkdir(QStringLiteral("dem"));
    QDir(ordner.path()).mkdir(QStringLiteral("leer"));
    QByteArray hoehen;
    for (int i = 0; i < 1201 * 1201; ++i)
        hoehen.append(char(1000 >> 8)).append(char(1000 & 0xFF));
    QFile kachel(Ziel("dem/N47E011.hgt"));
    ASSERT_TRUE(kachel.open(QIODevice::WriteOnly) && kachel.write(hoehen) == hoehen.size());
    kachel.close();
    const QString datei = Probe("lokalflug-1h.vrl");

    const Lauf info = Starte({QStringLiteral("info"), datei, QStringLiteral("--fixes"), QStringLiteral("--gelaende"), Ziel("dem")});
    ASSERT_EQ(info.code, 0) << info.fehler.toStdString();
    const QJsonObject flug = QJsonDocument::fromJson(info.aus.toUtf8()).object();
    EXPECT_EQ(flug[QStringLiteral("gelaende")][QStringLiteral("startGrundMeter")].toInt(), 1000);
    EXPECT_EQ(flug[QStringLiteral("gelaende")][QStringLiteral("landeGrundMeter")].toInt(), 1000);
    for (const QJsonValue fix : flug[QStringLiteral("fixes")].toArray())
        ASSERT_EQ(fix[QStringLiteral("grund")].toInt(), 1000);

    const Lauf ohne = Starte({QStringLiteral("info"), datei, QStringLiteral("--gelaende"), Ziel("leer")});
    EXPECT_EQ(ohne.code, 0);
    EXPECT_TRUE(QJsonDocument::fromJson(ohne.aus.toUtf8())[QStringLiteral("gelaende")][QStringLiteral("startGrundMeter")].isNull());
    EXPECT_TRUE(ohne.fehler.contains(QStringLiteral("Keine Höhenkacheln in"))) << ohne.fehler.toStdString();

    // With a map as well (here one that cannot be had), the barogram still stands on the ground.
    ASSERT_EQ(Starte({QStringLiteral("render"), datei, QStringLiteral("-o"), Ziel("nord.png"), QStringLiteral("--left"), QStringLiteral("nord"),
                      QStringLiteral("--gelaende"), Ziel("dem"), QStringLiteral("--karte"), Ziel("fehlt.mbtiles")}).code, 0);
    const QImage nord(Ziel("nord.png"));
    int erde = 0;
    for (int y = 0; y < nord.height(); ++y)
        for (int x = 0; x < nord.width(); ++x)
            erde += nord.pixel(x, y) == qRgb(222, 205, 170);
    EXPECT_GT(erde, 1000);

    for (const QString& mit : {QString(), Ziel("dem")}) {
        QStringList argumente{QStringLiteral("print"), datei, QStringLiteral("-o"), Ziel("karte.png"), QStringLiteral("--dpi"), QStringLiteral("50")};
        if (!mit.isEmpty())
            argumente << QStringLiteral("--gelaende") << mit;
        ASSERT_EQ(Starte(argumente).code, 0);
        // The flat shade fills the printable area (92 % of the sheet) beyond the track and grid.
        const double anteil = test::NichtWeiss(QImage(Ziel("karte.png"))) / (413.0 * 585.0);
        EXPECT_EQ(anteil > 0.8, !mit.isEmpty()) << anteil;
    }
}
