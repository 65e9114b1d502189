// The map under the plan view: the warp of a 1920 x 1080 picture from tiles in memory, the
// cache lookup of one tile (disk cache and MBTiles), and the window's redraw and wheel notch for
// the day-long flight with every tile at hand. 16 ms for a redraw and a notch, 1 ms a lookup.

#include "bench/Tagesflug.h"
#include "flight/Koordinaten.h"
#include "pipeline/Zeichnen.h"
#include "pipeline/ZoomSchwenk.h"
#include "render/Ansicht.h"
#include "tiles/KachelAblage.h"
#include "tiles/Kartendienst.h"
#include "tiles/MbTiles.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QVariant>
#include <benchmark/benchmark.h>

namespace {

// A tile with some structure, so that its PNG is of a real tile's size (about 20 KiB).
QByteArray BeispielKachel(int64_t x, int64_t y)
{
    QImage bild(256, 256, QImage::Format_RGB32);
    bild.fill(QColor(230, 225, 210));
    QPainter maler(&bild);
    maler.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < 40; ++i) {
        maler.setPen(QPen(QColor::fromHsv(static_cast<int>((x * 7 + y * 13 + i * 29) % 360), 120, 200), 1 + i % 4));
        maler.drawLine(static_cast<int>((x + i * 37) % 256), (i * 53) % 256, static_cast<int>((y + i * 91) % 256), (i * 17) % 256);
    }
    maler.end();
    QByteArray daten;
    QBuffer puffer(&daten);
    puffer.open(QIODevice::WriteOnly);
    bild.save(&puffer, "PNG");
    return daten;
}

// An MBTiles file with every tile of the region at zooms 0 to groessterZoom.
QString Regionsdatei(const QTemporaryDir& ordner, const KartenAusschnitt& region, int groessterZoom)
{
    const QString pfad = ordner.filePath(QStringLiteral("region.mbtiles"));
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("bench"));
        db.setDatabaseName(pfad);
        db.open();
        QSqlQuery q(db);
        q.exec(QStringLiteral("CREATE TABLE tiles (zoom_level integer, tile_column integer, tile_row integer, tile_data blob)"));
        q.exec(QStringLiteral("CREATE UNIQUE INDEX t ON tiles (zoom_level, tile_column, tile_row)"));
        db.transaction();
        for (int z = 0; z <= groessterZoom; ++z) {
            for (const KachelNummer& k : KachelnIm(region, z)) {
                q.prepare(QStringLiteral("INSERT INTO tiles VALUES (?, ?, ?, ?)"));
                q.addBindValue(z);
                q.addBindValue(static_cast<qlonglong>(k.x));
                q.addBindValue(static_cast<qlonglong>((int64_t{1} << z) - 1 - k.y));
                q.addBindValue(BeispielKachel(k.x, k.y));
                q.exec();
            }
        }
        db.commit();
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("bench"));
    return pfad;
}

const KartenAusschnitt alpen{7.0, 8.8, 46.8, 45.8, 1920, 1080};  // about 0.001° per pixel: zoom 10

void VerzerrenAusDemSpeicher(benchmark::State& state)
{
    QTemporaryDir ordner;
    Kartendienst dienst(KartenQuelle{QStringLiteral("Region"), {}, Regionsdatei(ordner, alpen, 10), 10, {}});
    QImage bild(1920, 1080, QImage::Format_RGB32);
    dienst.Zeichne(bild, alpen);  // decoded once; every later picture comes from memory
    for (auto _ : state) {
        dienst.Zeichne(bild, alpen);
        benchmark::DoNotOptimize(bild.constBits());
    }
}

void NachschlagenImPlattenspeicher(benchmark::State& state)
{
    QTemporaryDir ordner;
    KachelAblage ablage(ordner.path(), QStringLiteral("q"), int64_t{1} << 30);
    for (int64_t x = 0; x < 32; ++x)
        for (int64_t y = 0; y < 32; ++y)
            ablage.Schreibe(10, x, y, {BeispielKachel(x, y), {}, "\"e\"", {}});
    int64_t i = 0;
    for (auto _ : state) {
        ++i;
        benchmark::DoNotOptimize(ablage.Lies(10, i % 32, (i / 32) % 32));
    }
}

void NachschlagenInMbTiles(benchmark::State& state)
{
    QTemporaryDir ordner;
    MbTiles datei(Regionsdatei(ordner, alpen, 10));
    const std::vector<KachelNummer> kacheln = KachelnIm(alpen, 10);
    size_t i = 0;
    for (auto _ : state) {
        const KachelNummer& k = kacheln[i++ % kacheln.size()];
        benchmark::DoNotOptimize(datei.Kachel(k.zoom, k.x, k.y));
    }
}

// The day-long flight's extent in degrees, with a pane's worth of margin.
KartenAusschnitt FlugGebiet()
{
    const Fenster& f = Tagesflug().ausdehnung;
    const auto grad = [](int32_t v) { return static_cast<double>(int64_t{v} - koordinatenNullpunkt) / 600000.0; };
    const double rand = (grad(f.laengeMax) - grad(f.laengeMin)) * 0.6;
    return {grad(f.laengeMin) - rand, grad(f.laengeMax) + rand, grad(f.breiteMax) + rand, grad(f.breiteMin) - rand, 1920, 1080};
}

// The window's plan view of the day-long flight coloured by climb, with the map: every tile
// of the zooms the notches pass through has been drawn once, so it is in memory.
struct MitKarte {
    QTemporaryDir ordner;
    Kartendienst dienst{KartenQuelle{QStringLiteral("Region"), {}, Regionsdatei(ordner, FlugGebiet(), 14), 19, {}}};
    QImage bild = Leinwand(1920, 1080, 1.0);
    CAnsicht a;
    MitKarte()
    {
        a.einstellungenLaden = 0;
        a.zeitmarken = 1;
        a.ansicht.grafik[0].farbe = Variowerte;
        a.karte = &dienst;
        NeuZeichnen(Tagesflug(), a, bild);
    }
};

void NeuZeichnenMitKarte(benchmark::State& state)
{
    MitKarte m;
    for (auto _ : state)
        NeuZeichnen(Tagesflug(), m.a, m.bild);
    FixeZaehlen(state);
}

void RadStufeMitKarte(benchmark::State& state)
{
    MitKarte m;
    const Punkt zeiger{700, 500};
    const auto stufe = [&](int i) {
        ZoomUmPunkt(m.a, Tagesflug(), 0, zeiger, RadFaktor((i / 3) % 2 == 0 ? 120 : -120));
        NeuZeichnen(Tagesflug(), m.a, m.bild);
    };
    for (int i = 0; i < 6; ++i)
        stufe(i);  // the tiles of each step into memory
    int i = 0;
    for (auto _ : state)
        stufe(i++);
    FixeZaehlen(state);
}

BENCHMARK(NeuZeichnenMitKarte)->Unit(benchmark::kMillisecond);
BENCHMARK(RadStufeMitKarte)->Unit(benchmark::kMillisecond);
BENCHMARK(VerzerrenAusDemSpeicher)->Unit(benchmark::kMillisecond);
BENCHMARK(NachschlagenImPlattenspeicher)->Unit(benchmark::kMicrosecond);
BENCHMARK(NachschlagenInMbTiles)->Unit(benchmark::kMicrosecond);

}  // namespace
