// sarnix-cli export as the user runs it: exit codes, messages, the JSON line, and the files read
// back by a second program.

#include "ExportHilfen.h"
#include "TestHilfen.h"

#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using test::Lauf;
using test::Probe;
using test::Starte;

QString Programm() { return test::SarnixCli(); }

Lauf Export(const QStringList& argumente) { return Starte(Programm(), QStringList{QStringLiteral("export")} + argumente); }

QByteArray Inhalt(const QString& pfad)
{
    QFile datei(pfad);
    return datei.open(QIODevice::ReadOnly) ? datei.readAll() : QByteArray();
}

class CliExport : public test::CliTest {};

}  // namespace

TEST_F(CliExport, GpxUndKmlMitJsonZeile)
{
    Lauf l = Export({Probe("streckenflug-6h.vrl"), QStringLiteral("-o"), Ziel("f.gpx"), QStringLiteral("--zeitzone"),
                     QStringLiteral("Europe/Berlin")});
    ASSERT_EQ(l.code, 0) << l.fehler.toStdString();
    EXPECT_EQ(l.fehler, QString());
    EXPECT_TRUE(l.aus.startsWith(QStringLiteral("{\"format\": \"gpx\", \"punkte\": 21320, \"strecken\": 79, "
                                                "\"wegpunkte\": 10")))
        << l.aus.toStdString();
    EXPECT_EQ(exporttest::SchemaFehler(Inhalt(Ziel("f.gpx"))), QString());
    // The flight's date is 3 July 2026, local summer time two hours ahead.
    EXPECT_TRUE(Inhalt(Ziel("f.gpx")).contains("<time>2026-07-03T"));

    l = Export({Probe("suedwest-3h.vrl"), QStringLiteral("-o"), Ziel("f.KML"), QStringLiteral("--farbe"),
                QStringLiteral("temperatur")});
    ASSERT_EQ(l.code, 0) << l.fehler.toStdString();
    EXPECT_TRUE(l.aus.startsWith(QStringLiteral("{\"format\": \"kml\", \"punkte\": 10692"))) << l.aus.toStdString();
    const exporttest::KmlInhalt k = exporttest::LiesKml(Inhalt(Ziel("f.KML")));
    EXPECT_TRUE(k.fehlerfrei);
    EXPECT_EQ(k.ordner.at(1), "Gefärbt nach Temperaturgradient");
}

TEST_F(CliExport, FalscheAufrufeUndZiele)
{
    const QString probe = Probe("lokalflug-1h.vrl");
    // Usage errors: 2, with the usage line.
    for (const QStringList& argumente :
         {QStringList{probe, "-o", Ziel("f.kmz")}, QStringList{probe}, QStringList{"-o", Ziel("f.gpx")},
          QStringList{probe, "-o", Ziel("f.kml"), "--farbe", "lila"},
          QStringList{probe, "-o", Ziel("f.kml"), "--zeitzone", "Mond/Krater"},
          QStringList{probe, "-o", Ziel("f.kml"), "--unbekannt"}}) {
        const Lauf l = Export(argumente);
        EXPECT_EQ(l.code, 2) << argumente.join(' ').toStdString();
        EXPECT_TRUE(l.fehler.contains("Aufruf: sarnix-cli export DATEI... -o AUSGABE.gpx|AUSGABE.kml")) << l.fehler.toStdString();
    }
    // Help is no fault: on stdout, exit 0, in the overview once and in the manual page.
    for (const QStringList& argumente : {QStringList{"export", "--help"}, QStringList{"help", "export"}}) {
        const Lauf l = Starte(Programm(), argumente);
        EXPECT_EQ(l.code, 0) << argumente.join(' ').toStdString() << l.fehler.toStdString();
        EXPECT_TRUE(l.aus.contains("--zeitzone ZONE")) << l.aus.toStdString();
        EXPECT_TRUE(l.aus.contains("IGC-Datei sind UTC")) << l.aus.toStdString();
    }
    EXPECT_EQ(Starte(Programm(), {"--help"}).aus.count("\n  export "), 1);
    EXPECT_TRUE(Starte(Programm(), {"--man"}).aus.contains(".SH BEFEHL EXPORT"));
    // File errors: 1, with the reason.
    Lauf l = Export({Ziel("fehlt.vrl"), "-o", Ziel("f.gpx")});
    EXPECT_EQ(l.code, 1);
    EXPECT_TRUE(l.fehler.contains("wurde nicht gefunden.")) << l.fehler.toStdString();

    const QString kopie = Ziel("kopie.vrl");
    ASSERT_TRUE(QFile::copy(probe, kopie));
    const QByteArray vorher = Inhalt(kopie);
    l = Export({kopie, "-o", kopie + "/../kopie.vrl.gpx"});
    EXPECT_EQ(l.code, 1);
    const QString verweis = Ziel("verweis.kml");
    ASSERT_TRUE(QFile::link(kopie, verweis));
    l = Export({kopie, "-o", verweis});
    EXPECT_EQ(l.code, 1);
    EXPECT_TRUE(l.fehler.contains("sie wird nie überschrieben.")) << l.fehler.toStdString();
    EXPECT_EQ(Inhalt(kopie), vorher);

    l = Export({probe, "-o", ordner.path() + "/fehlt/f.gpx"});
    EXPECT_EQ(l.code, 1);
    EXPECT_TRUE(l.fehler.endsWith("konnte nicht geschrieben werden.\n")) << l.fehler.toStdString();
    l = Export({probe, "-o", ordner.path() + "/ordner.gpx"}) ;
    EXPECT_EQ(l.code, 0);
    // An existing folder is a folder to write into, as for every command.
    ASSERT_TRUE(QDir().mkdir(ordner.path() + "/ordner.kml"));
    l = Export({probe, "-o", ordner.path() + "/ordner.kml"});
    EXPECT_EQ(l.code, 0) << l.fehler.toStdString();
    EXPECT_TRUE(QFile::exists(ordner.path() + "/ordner.kml/lokalflug-1h.gpx"));
}

TEST_F(CliExport, KeineAufzeichnungUndKeinePositionen)
{
    QFile fremd(Ziel("fremd.vrl"));
    ASSERT_TRUE(fremd.open(QIODevice::WriteOnly));
    fremd.write("Kein Flug\n");
    fremd.close();
    Lauf l = Export({fremd.fileName(), "-o", Ziel("f.gpx")});
    EXPECT_EQ(l.code, 1);
    EXPECT_TRUE(l.fehler.endsWith("ist keine Flugaufzeichnung.\n")) << l.fehler.toStdString();
    EXPECT_FALSE(QFile::exists(Ziel("f.gpx")));

    // A recording whose fixes never had a position: an empty track, and the user is told.
    QFile leer(Ziel("leer.vrl"));
    ASSERT_TRUE(leer.open(QIODevice::WriteOnly));
    leer.write("@SX\n101500120626\n0459480107DE03840F3C5000B54002\n");
    leer.close();
    l = Export({leer.fileName(), "-o", Ziel("leer.gpx")});
    EXPECT_EQ(l.code, 0);
    EXPECT_TRUE(l.fehler.startsWith("Hinweis: Der Flug enthält keine Positionen")) << l.fehler.toStdString();
    EXPECT_TRUE(l.aus.contains("\"punkte\": 0"));
    EXPECT_EQ(exporttest::SchemaFehler(Inhalt(Ziel("leer.gpx"))), QString());
}

TEST_F(CliExport, GpsbabelLiestBeideFormate)
{
    const QString gpsbabel = QStandardPaths::findExecutable(QStringLiteral("gpsbabel"));
    ASSERT_FALSE(gpsbabel.isEmpty()) << "gpsbabel is missing; tools/abhaengigkeiten.sh installs it";
    const QString probe = Probe("lokalflug-1h.vrl");
    ASSERT_EQ(Export({probe, "-o", Ziel("f.gpx")}).code, 0);
    ASSERT_EQ(Export({probe, "-o", Ziel("f.kml")}).code, 0);
    // Track points as CSV, one line each after the header.
    const auto zeilen = [&](const char* format, const QString& datei) {
        const Lauf l = Starte(gpsbabel, {"-t", "-i", format, "-f", datei, "-x", "nuketypes,waypoints,routes", "-o",
                                         "unicsv,utc=0", "-F", "-"});
        EXPECT_EQ(l.code, 0) << l.fehler.toStdString();
        return l.aus.split('\n', Qt::SkipEmptyParts);
    };
    const QStringList gpx = zeilen("gpx", Ziel("f.gpx"));
    ASSERT_EQ(gpx.size(), 1 + 3560);
    EXPECT_TRUE(gpx.at(1).contains("47.660000,11.520000")) << gpx.at(1).toStdString();
    // The KML's timed track, and the coloured pieces after it; the first points are the track's.
    const QStringList kml = zeilen("kml", Ziel("f.kml"));
    ASSERT_GT(kml.size(), 1 + 3560);
    EXPECT_TRUE(kml.at(1).contains("47.660000,11.520000")) << kml.at(1).toStdString();
}

TEST_F(CliExport, IgcZeitenBleibenUtc)
{
    const QString log = QString::fromStdString(test::Testdaten("igc/sp-nz-duodiscus-6h-midnight.igc"));
    // A zone named for a whole folder is no fault on an IGC log: it is passed over, and said so.
    Lauf l = Export({log, "-o", Ziel("nz.gpx"), "--zeitzone", "Pacific/Auckland"});
    ASSERT_EQ(l.code, 0) << l.fehler.toStdString();
    EXPECT_TRUE(l.fehler.startsWith("Hinweis: Die Zeiten einer IGC-Datei sind UTC")) << l.fehler.toStdString();
    const QByteArray gpx = Inhalt(Ziel("nz.gpx"));
    EXPECT_TRUE(gpx.contains("<time>2016-11-08T22:43:17Z</time>"));
    EXPECT_TRUE(gpx.contains("<time>2016-11-09T04:43:01Z</time>"));
    EXPECT_FALSE(gpx.contains("sx:temperatur"));

    // Without temperature the temperature colouring leaves the track uncoloured, and says so.
    l = Export({log, "-o", Ziel("nz.kml"), "--farbe", "temperatur"});
    ASSERT_EQ(l.code, 0) << l.fehler.toStdString();
    EXPECT_TRUE(l.fehler.startsWith("Hinweis: Die Aufzeichnung enthält keine Temperatur")) << l.fehler.toStdString();
    EXPECT_EQ(exporttest::LiesKml(Inhalt(Ziel("nz.kml"))).ordner.at(1), "Ohne Färbung");
}
