// The ground under a 100 km flight from a 1" model (one SRTM tile of 3601 by 3601 samples): the
// first draw, which finds the tile and reads what the flight and the view need, against the
// redraw, which draws what was read.

#include "flight/CSarnixDoc.h"
#include "flight/Koordinaten.h"
#include "render/Abbildung.h"
#include "render/Ansicht.h"
#include "render/Gelaende.h"
#include "render/Graphen.h"
#include "terrain/Gelaende.h"

#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <cmath>
#include <fstream>
#include <string>

namespace {

constexpr int kante = 3601;

// Ridges and valleys a few kilometres across, 400 to 3000 m.
int16_t Berg(int s, int z)
{
    const double x = s / 120.0;
    const double y = z / 120.0;
    return static_cast<int16_t>(1700 + 700 * std::sin(x) * std::cos(y * 0.7) + 500 * std::sin(0.31 * x + 0.23 * y) +
                                100 * std::sin(3.1 * x) * std::sin(2.3 * y));
}

struct Modell {
    QTemporaryDir ordner;
    Modell()
    {
        std::string bytes(std::size_t(kante) * kante * 2, '\0');
        for (int z = 0; z < kante; ++z)
            for (int s = 0; s < kante; ++s) {
                const auto v = static_cast<uint16_t>(Berg(s, z));
                bytes[(std::size_t(z) * kante + s) * 2] = static_cast<char>(v >> 8);
                bytes[(std::size_t(z) * kante + s) * 2 + 1] = static_cast<char>(v & 0xFF);
            }
        std::ofstream((ordner.path() + "/N46E007.hgt").toStdString(), std::ios::binary).write(bytes.data(), std::streamsize(bytes.size()));
    }
    std::string Pfad() const { return ordner.path().toStdString(); }
};

const Modell& Kachel()
{
    static const Modell modell;
    return modell;
}

// From 46.1° 7.1° to 46.8° 7.9°, about 100 km, at one fix a second and 60 km/h, weaving.
CSarnixDoc& Flug()
{
    static CSarnixDoc doc = [] {
        CSarnixDoc d;
        d.meterProBreite = 0.185185f;
        d.meterProLaenge = 0.1287f;
        constexpr int fixe = 6000;
        Fenster& a = d.ausdehnung;
        a = {0, 0, 0, 0, INT32_MAX, INT32_MAX};
        for (int t = 0; t < fixe; ++t) {
            const double f = double(t) / fixe;
            CDaten fix;
            fix.zeit = 36000 + t;
            fix.breite = koordinatenNullpunkt + int32_t((46.1 + 0.7 * f + 0.01 * std::sin(t / 50.0)) * 600000);
            fix.laenge = koordinatenNullpunkt + int32_t((7.1 + 0.8 * f) * 600000);
            fix.hoehe = int16_t(2500 + 600 * std::sin(t / 700.0));
            fix.hatPosition = 1;
            d.datenListe.push_back(fix);
            a.hoeheMax = std::max<int32_t>(a.hoeheMax, fix.hoehe);
            a.breiteMax = std::max(a.breiteMax, fix.breite);
            a.laengeMax = std::max(a.laengeMax, fix.laenge);
            a.breiteMin = std::min(a.breiteMin, fix.breite);
            a.laengeMin = std::min(a.laengeMin, fix.laenge);
        }
        d.geladen = 1;
        return d;
    }();
    return doc;
}

// A full-HD window: the plan view on the left, the barogram looking north on the right.
CAnsicht Ansicht()
{
    CAnsicht a;
    a.grafikanzahl = 2;
    a.zoomFenster = Flug().ausdehnung;
    a.ansicht.grafik[0] = {{60, 60, 930, 1020}, Grundriss, KeineFaerbung};
    a.ansicht.grafik[1] = {{990, 60, 1860, 1020}, BarogrammNord, KeineFaerbung};
    return a;
}

struct Gelesen {
    std::vector<float> grund;
    ReliefRaster raster;
    QImage relief;
};

Gelesen Lesen(GelaendeQuelle& quelle, CAnsicht& ansicht)
{
    CSarnixDoc& doc = Flug();
    Gelesen g;
    g.grund = quelle.HoehenEntlang(doc.datenListe);
    FensterAnpassen(ansicht, doc, 0);
    g.raster = ReliefRasterVon(doc, ansicht, 0);
    const std::vector<float> hoehen =
        quelle.HoehenGitter({g.raster.west, g.raster.ost, g.raster.sued, g.raster.nord, g.raster.spalten, g.raster.zeilen});
    g.relief = ReliefBild(g.raster, hoehen);
    return g;
}

void Zeichnen(CAnsicht& ansicht, QImage& bild, const Gelesen* g)
{
    CSarnixDoc& doc = Flug();
    bild.fill(Qt::white);
    QPainter maler(&bild);
    Zeichenflaeche f(maler);
    if (g)
        ZeichneRelief(f, g->raster, g->relief);
    ZeichneGrundriss(doc, ansicht, f, 0);
    FensterAnpassen(ansicht, doc, 1);
    if (g)
        ZeichneGelaendeprofil(doc, ansicht, f, 1, g->grund);
    ZeichneBarogrammNord(doc, ansicht, f, 1);
}

// Finding the tile, reading the ground under every fix and the relief of the plan view, and
// drawing it all: what the first picture of a flight costs with a model.
void BM_GelaendeErsterZug(benchmark::State& state)
{
    const std::string pfad = Kachel().Pfad();
    QImage bild(1920, 1080, QImage::Format_RGB32);
    for (auto _ : state) {
        CAnsicht ansicht = Ansicht();
        GelaendeQuelle quelle(pfad);
        const Gelesen g = Lesen(quelle, ansicht);
        Zeichnen(ansicht, bild, &g);
        benchmark::DoNotOptimize(bild.bits());
    }
}
BENCHMARK(BM_GelaendeErsterZug)->Unit(benchmark::kMillisecond);

// A redraw with the ground already read, against the same redraw without ground.
void BM_GelaendeNeuZeichnen(benchmark::State& state)
{
    const bool mitGelaende = state.range(0) != 0;
    GelaendeQuelle quelle(Kachel().Pfad());
    CAnsicht ansicht = Ansicht();
    const Gelesen g = Lesen(quelle, ansicht);
    QImage bild(1920, 1080, QImage::Format_RGB32);
    for (auto _ : state) {
        Zeichnen(ansicht, bild, mitGelaende ? &g : nullptr);
        benchmark::DoNotOptimize(bild.bits());
    }
}
BENCHMARK(BM_GelaendeNeuZeichnen)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// A zoomed view read again: the blocks are in memory, only the grid is interpolated anew.
void BM_GelaendeReliefAusSpeicher(benchmark::State& state)
{
    GelaendeQuelle quelle(Kachel().Pfad());
    CAnsicht ansicht = Ansicht();
    Lesen(quelle, ansicht);
    for (auto _ : state) {
        const Gelesen g = Lesen(quelle, ansicht);
        benchmark::DoNotOptimize(g.relief.bits());
    }
}
BENCHMARK(BM_GelaendeReliefAusSpeicher)->Unit(benchmark::kMillisecond);

}  // namespace
