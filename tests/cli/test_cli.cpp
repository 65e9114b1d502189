// sarnix-cli as scripts use it: help and faults of every command, several files per call, the
// PNG with a palette that decodes to the very pixels drawn.

#include "TestHilfen.h"
#include "cli/CliPng.h"
#include "flight/CSarnixDoc.h"
#include "pipeline/FensterBild.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using test::Lauf;

QString Programm() { return QCoreApplication::applicationDirPath() + QStringLiteral("/../app/sarnix-cli"); }

Lauf Starte(const QStringList& argumente)
{
    return test::Starte(Programm(), QStringList{QStringLiteral("--sprache"), QStringLiteral("de")} + argumente);
}

QString Probe(const char* name) { return QString::fromStdString(test::Sample(name)); }

bool GleichePixel(QImage a, QImage b)
{
    return a.convertToFormat(QImage::Format_RGB32) == b.convertToFormat(QImage::Format_RGB32);
}

class Cli : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!QFileInfo(Programm()).isExecutable())
            GTEST_SKIP() << "sarnix-cli is not built";
        ASSERT_TRUE(ordner.isValid());
    }
    QString Ziel(const QString& name) const { return ordner.filePath(name); }
    QTemporaryDir ordner;
};

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
    const QImage bild = FensterBild(doc, wahl);

    // The size the default writer gives, as the yardstick for "not larger".
    QBuffer ueblich;
    ASSERT_TRUE(ueblich.open(QIODevice::WriteOnly));
    ASSERT_TRUE(bild.save(&ueblich, "PNG"));

    for (const int faeden : {1, 2, 4}) {
        QBuffer puffer;
        ASSERT_TRUE(puffer.open(QIODevice::WriteOnly));
        ASSERT_TRUE(cli::SchreibePng(bild, puffer, faeden));
        puffer.close();
        ASSERT_TRUE(puffer.open(QIODevice::ReadOnly));
        QImageReader leser(&puffer, "png");
        const QImage gelesen = leser.read();
        EXPECT_EQ(gelesen.format(), QImage::Format_Indexed8) << faeden;
        EXPECT_TRUE(GleichePixel(gelesen, bild)) << faeden;
        EXPECT_LE(puffer.size(), ueblich.size() * 11 / 10) << faeden;
    }
}

// Bands whose colours come in other orders and partly only in one band, a transparent colour
// first met far down, and a stripe pattern that changes at every band border: every thread
// count gives the same pixels and the same palette.
TEST(Png, BaenderGebenDieselbenPixelUndFarben)
{
    QImage bild(1600, 1000, QImage::Format_ARGB32);
    for (int y = 0; y < bild.height(); ++y) {
        auto* zeile = reinterpret_cast<QRgb*>(bild.scanLine(y));
        const int streifen = y / 7;
        for (int x = 0; x < bild.width(); ++x) {
            const int farbe = y < 500 ? (x / 16 + streifen) % 120 : 119 - (x / 9 + streifen) % 150;
            zeile[x] = farbe >= 0 ? qRgb(farbe, 255 - farbe, farbe * 7 % 256) : qRgba(0, 0, -farbe, 100);
        }
    }
    bild.setPixel(1599, 999, qRgba(9, 9, 9, 0));
    QList<QRgb> palette;
    for (const int faeden : {1, 2, 3, 8}) {
        QBuffer puffer;
        ASSERT_TRUE(puffer.open(QIODevice::WriteOnly));
        ASSERT_TRUE(cli::SchreibePng(bild, puffer, faeden));
        const QImage gelesen = QImage::fromData(puffer.data(), "PNG");
        ASSERT_EQ(gelesen.format(), QImage::Format_Indexed8) << faeden;
        EXPECT_EQ(gelesen.convertToFormat(QImage::Format_ARGB32), bild) << faeden;
        if (palette.isEmpty())
            palette = gelesen.colorTable();
        EXPECT_EQ(gelesen.colorTable(), palette) << faeden;
    }
    EXPECT_EQ(palette.size(), 151);
}

// Noise of 256 colours hardly compresses: the output outgrows the room first set aside for it.
TEST(Png, RauschenPasstNichtInDenErstenPuffer)
{
    QImage bild(1100, 1000, QImage::Format_RGB32);
    uint32_t zufall = 12345;
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x) {
            zufall = zufall * 1664525u + 1013904223u;
            const int farbe = static_cast<int>(zufall >> 24);
            bild.setPixel(x, y, qRgb(farbe, farbe ^ 0x5a, 255 - farbe));
        }
    for (const int faeden : {1, 2}) {
        QBuffer puffer;
        ASSERT_TRUE(puffer.open(QIODevice::WriteOnly));
        ASSERT_TRUE(cli::SchreibePng(bild, puffer, faeden));
        EXPECT_GT(puffer.size(), bild.width() * bild.height() / 2) << faeden;
        const QImage gelesen = QImage::fromData(puffer.data(), "PNG");
        EXPECT_EQ(gelesen.format(), QImage::Format_Indexed8) << faeden;
        EXPECT_TRUE(GleichePixel(gelesen, bild)) << faeden;
    }
}

// Each band alone fits a palette, together they do not: the picture keeps all its colours.
TEST(Png, BaenderMitZusammenZuVielenFarben)
{
    QImage bild(1200, 1000, QImage::Format_RGB32);
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x)
            bild.setPixel(x, y, y < 500 ? qRgb(x % 200, 0, 0) : qRgb(0, x % 200, 1));
    QBuffer puffer;
    ASSERT_TRUE(puffer.open(QIODevice::WriteOnly));
    ASSERT_TRUE(cli::SchreibePng(bild, puffer, 2));
    const QImage gelesen = QImage::fromData(puffer.data(), "PNG");
    EXPECT_NE(gelesen.format(), QImage::Format_Indexed8);
    EXPECT_TRUE(GleichePixel(gelesen, bild));
}

TEST(Png, MehrFarbenAlsPlatzBleibenRgb)
{
    QImage verlauf(300, 2, QImage::Format_RGB32);
    for (int x = 0; x < 300; ++x) {
        verlauf.setPixel(x, 0, qRgb(x % 256, x / 256, 7));
        verlauf.setPixel(x, 1, qRgb(5, 0, 7));
    }
    EXPECT_TRUE(cli::MitPalette(verlauf).isNull());
    const QImage zwei = verlauf.copy(0, 0, 256, 2);
    const QImage palette = cli::MitPalette(zwei);
    ASSERT_FALSE(palette.isNull());
    EXPECT_EQ(palette.colorCount(), 256);
    EXPECT_TRUE(GleichePixel(palette, zwei));

    QBuffer puffer;
    ASSERT_TRUE(puffer.open(QIODevice::WriteOnly));
    ASSERT_TRUE(cli::SchreibePng(verlauf, puffer));
    EXPECT_TRUE(GleichePixel(QImage::fromData(puffer.data(), "PNG"), verlauf));
}

TEST(Png, DurchsichtigeFarbenUndSchreibfehler)
{
    QImage bild(40, 3, QImage::Format_ARGB32);
    bild.fill(Qt::transparent);
    for (int x = 0; x < 40; x += 3)
        bild.setPixel(x, 1, qRgba(200, 10, 10, 128));
    bild.setPixel(39, 2, qRgb(0, 0, 255));
    QBuffer puffer;
    ASSERT_TRUE(puffer.open(QIODevice::WriteOnly));
    ASSERT_TRUE(cli::SchreibePng(bild, puffer));
    const QImage gelesen = QImage::fromData(puffer.data(), "PNG");
    EXPECT_EQ(gelesen.format(), QImage::Format_Indexed8);
    EXPECT_EQ(gelesen.convertToFormat(QImage::Format_ARGB32), bild);

    // A device that takes nothing: the failure is reported, not a picture.
    QBuffer zu;
    ASSERT_TRUE(zu.open(QIODevice::ReadOnly));
    EXPECT_FALSE(cli::SchreibePng(bild, zu));
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
    const QString ordnerName = Ziel(QStringLiteral("bilder/"));
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
