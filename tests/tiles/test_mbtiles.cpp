// MBTiles files written here: rows counted from the south, the metadata, and damaged or locked
// files.

#include "TestHilfen.h"

#include "flight/CSarnixDoc.h"
#include "pipeline/Zeichnen.h"
#include "render/Ansicht.h"
#include "tiles/Kartendienst.h"

#include <QBuffer>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QVariant>
#include <gtest/gtest.h>

namespace {

QByteArray Einfarbig(QRgb farbe)
{
    QImage bild(256, 256, QImage::Format_RGB32);
    bild.fill(farbe);
    QByteArray daten;
    QBuffer puffer(&daten);
    puffer.open(QIODevice::WriteOnly);
    bild.save(&puffer, "PNG");
    return daten;
}

// Zoom 1 only: north-west red, north-east green, south-west blue, south-east black.
void Schreibe(const QString& pfad)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("schreiben"));
    db.setDatabaseName(pfad);
    ASSERT_TRUE(db.open());
    QSqlQuery q(db);
    q.exec(QStringLiteral("CREATE TABLE metadata (name text, value text)"));
    q.exec(QStringLiteral("CREATE TABLE tiles (zoom_level integer, tile_column integer, tile_row integer, tile_data blob)"));
    q.exec(QStringLiteral("INSERT INTO metadata VALUES ('attribution', '© Alpenkarte'), ('maxzoom', '1')"));
    const QRgb farben[2][2] = {{0xFFFF0000, 0xFF00FF00}, {0xFF0000FF, 0xFF000000}};  // [y][x] from the north
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 2; ++x) {
            q.prepare(QStringLiteral("INSERT INTO tiles VALUES (1, ?, ?, ?)"));
            q.addBindValue(x);
            q.addBindValue(1 - y);  // TMS: row 0 is the southern one
            q.addBindValue(Einfarbig(farben[y][x]));
            ASSERT_TRUE(q.exec());
        }
    }
    q.finish();
    db.close();
}

}  // namespace

TEST(MbTiles, ZeilenVonSuedenGezaehltUndDieMetadaten)
{
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath(QStringLiteral("welt.mbtiles"));
    Schreibe(pfad);
    QSqlDatabase::removeDatabase(QStringLiteral("schreiben"));
    Kartendienst d(KartenQuelle{QStringLiteral("Welt"), {}, pfad, 30, {}});
    // A small region would want zoom 10; the file ends at 1.
    QImage bild(512, 512, QImage::Format_RGB32);
    const Kartendienst::Ergebnis e = d.Zeichne(bild, {-180, 180, 80, -80, 512, 512});
    EXPECT_EQ(e.zoom, 1);
    EXPECT_EQ(e.fehlend, 0);
    EXPECT_EQ(bild.pixel(100, 100), 0xFFFF8080u);  // lightened red, north-west
    EXPECT_EQ(bild.pixel(400, 100), 0xFF80FF80u);
    EXPECT_EQ(bild.pixel(100, 400), 0xFF8080FFu);
    EXPECT_EQ(bild.pixel(400, 400), 0xFF808080u);
    EXPECT_EQ(d.Namensnennung(), QStringLiteral("© Alpenkarte"));
    EXPECT_EQ(d.Zeichne(bild, {7, 8, 47, 46, 512, 512}).zoom, 1);
    EXPECT_TRUE(d.Hinweis().isEmpty()) << d.Hinweis().toStdString();
}

TEST(MbTiles, BeschaedigtOderGesperrt)
{
    QTemporaryDir ordner;
    const QString kaputt = ordner.filePath(QStringLiteral("kaputt.mbtiles"));
    QFile f(kaputt);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(4096, 'x'));
    f.close();
    const QString gesperrt = ordner.filePath(QStringLiteral("gesperrt.mbtiles"));
    Schreibe(gesperrt);
    {
        QSqlDatabase db = QSqlDatabase::database(QStringLiteral("schreiben"));
        db.open();
        QSqlQuery q(db);
        ASSERT_TRUE(q.exec(QStringLiteral("BEGIN EXCLUSIVE")));
    }
    for (const QString& pfad : {kaputt, gesperrt, ordner.filePath(QStringLiteral("fehlt.mbtiles"))}) {
        Kartendienst d(KartenQuelle{QStringLiteral("X"), {}, pfad, 30, {}});
        QImage bild(64, 64, QImage::Format_RGB32);
        bild.fill(Qt::white);
        d.Zeichne(bild, {0, 1, 1, 0, 64, 64});
        EXPECT_EQ(bild.pixel(32, 32), 0xFFFFFFFFu);
        EXPECT_TRUE(d.Hinweis().startsWith(QStringLiteral("MBTiles-Datei"))) << d.Hinweis().toStdString();
    }
    QSqlDatabase::database(QStringLiteral("schreiben")).close();
    QSqlDatabase::removeDatabase(QStringLiteral("schreiben"));
}

TEST(MbTiles, KarteUnterDemGrundrissNurWennEingeschaltet)
{
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath(QStringLiteral("welt.mbtiles"));
    Schreibe(pfad);
    QSqlDatabase::removeDatabase(QStringLiteral("schreiben"));
    Kartendienst karte(KartenQuelle{QStringLiteral("Welt"), {}, pfad, 30, {}});
    CSarnixDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(test::Testdaten("igc/pg-riederalp-1h-vfix.igc")));
    // Count the pixels of the lightened north-east tile (46° N, 8° E), and those of the
    // attribution's grey, with the map off and on.
    const auto zaehlen = [&](Kartendienst* k, QRgb farbe) {
        CAnsicht a;
        a.einstellungenLaden = 0;
        a.karte = k;
        a.zoomFenster = doc.ausdehnung;
        QImage bild(800, 600, QImage::Format_RGB32);
        NeuZeichnen(doc, a, bild);
        int n = 0;
        for (int y = 0; y < bild.height(); ++y)
            for (int x = 0; x < bild.width(); ++x)
                n += bild.pixel(x, y) == farbe;
        return n;
    };
    EXPECT_EQ(zaehlen(nullptr, 0xFF80FF80), 0);
    EXPECT_EQ(zaehlen(nullptr, 0xFF3C3C3C), 0);
    // The pane is 800 - 60 - 160 by 600 - 2 * 60 pixels: most of its 278 400 are map.
    EXPECT_GT(zaehlen(&karte, 0xFF80FF80), 200000);
    EXPECT_GT(zaehlen(&karte, 0xFF3C3C3C), 20);  // "© Alpenkarte"
}

TEST(MbTiles, KommandozeileSagtWasFehlt)
{
    QTemporaryDir ordner;
    const QString bild = ordner.filePath(QStringLiteral("karte.png"));
    const QString flug = QString::fromStdString(test::Testdaten("igc/pg-riederalp-1h-vfix.igc"));
    struct Fall {
        const char* karte;
        int code;
        const char* fehler;
    };
    // Port 9 of this computer refuses at once; the picture is written with the track alone.
    for (const Fall& f : {Fall{"http://127.0.0.1:9/{z}/{x}/{y}.png", 0, "Kacheln fehlen; Kachelserver nicht erreichbar"},
                          Fall{"http://127.0.0.1:9/{x}/{y}.png", 2, "Der Kartenadresse fehlt {z}"}}) {
        const test::Lauf l = test::Starte(test::SarnixCli(), {QStringLiteral("render"), flug, QStringLiteral("-o"), bild,
                                                              QStringLiteral("--karte"), QLatin1String(f.karte),
                                                              QStringLiteral("--karten-wartezeit"), QStringLiteral("5")});
        EXPECT_EQ(l.code, f.code) << f.karte;
        EXPECT_TRUE(l.fehler.contains(QLatin1String(f.fehler))) << l.fehler.toStdString();
    }
    EXPECT_TRUE(QImage(bild).width() == 1280);
}
