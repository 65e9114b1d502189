// What one wheel notch or one step of a drag costs: the zoom window changes, then the window is
// drawn anew. A day-long flight (86 400 fixes) in one pane at 1920 x 1080 has 16 ms for it; the
// same at ratio 2 (3840 x 2160 device pixels) for comparison.

#include "bench/Tagesflug.h"
#include "pipeline/ZoomSchwenk.h"
#include "pipeline/Zeichnen.h"
#include "render/Ansicht.h"

#include <QImage>
#include <benchmark/benchmark.h>

namespace {

// One pane coloured by climb with time marks, after the first draw.
CAnsicht ErstesBild(QImage& bild)
{
    CSarnixDoc& doc = Tagesflug();
    CAnsicht a;
    a.einstellungenLaden = 0;
    a.zeitmarken = 1;
    a.ansicht.grafik[0].farbe = Variowerte;
    NeuZeichnen(doc, a, bild);
    return a;
}

// Notches in and out in turn about a point left of the middle, so every step shows most of the
// flight as a user zooming around it would see.
void RadStufe(benchmark::State& state, double verhaeltnis)
{
    QImage bild = Leinwand(1920, 1080, verhaeltnis);
    CAnsicht a = ErstesBild(bild);
    const Punkt zeiger{700, 500};
    int stufe = 0;
    for (auto _ : state) {
        const int winkel = (stufe++ / 3) % 2 == 0 ? 120 : -120;
        ZoomUmPunkt(a, Tagesflug(), 0, zeiger, RadFaktor(winkel));
        NeuZeichnen(Tagesflug(), a, bild);
    }
    FixeZaehlen(state);
}

// A drag to and fro by up to 200 pixels.
void ZiehSchritt(benchmark::State& state, double verhaeltnis)
{
    QImage bild = Leinwand(1920, 1080, verhaeltnis);
    CAnsicht a = ErstesBild(bild);
    Schwenk schwenk;
    schwenk.Beginnen(a, Tagesflug(), Punkt{800, 500});
    int schritt = 0;
    for (auto _ : state) {
        const int weg = (schritt++ % 40) * 10;
        const int x = weg <= 200 ? 800 + weg : 1200 - weg;
        schwenk.Ziehen(a, Punkt{x, 500 + x / 8});
        NeuZeichnen(Tagesflug(), a, bild);
    }
    FixeZaehlen(state);
}

void RadStufeEineGrafik(benchmark::State& s) { RadStufe(s, 1.0); }
void ZiehSchrittEineGrafik(benchmark::State& s) { ZiehSchritt(s, 1.0); }
void RadStufeEineGrafikVerhaeltnis2(benchmark::State& s) { RadStufe(s, 2.0); }
void ZiehSchrittEineGrafikVerhaeltnis2(benchmark::State& s) { ZiehSchritt(s, 2.0); }

BENCHMARK(RadStufeEineGrafik)->Unit(benchmark::kMillisecond);
BENCHMARK(ZiehSchrittEineGrafik)->Unit(benchmark::kMillisecond);
BENCHMARK(RadStufeEineGrafikVerhaeltnis2)->Unit(benchmark::kMillisecond);
BENCHMARK(ZiehSchrittEineGrafikVerhaeltnis2)->Unit(benchmark::kMillisecond);

}  // namespace
