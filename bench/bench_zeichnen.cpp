// The window's whole draw for a day-long flight (86 400 fixes) at 1920 x 1080: erase and draw
// everything, and a colour change drawn over the picture; one pane and two.

#include "bench/Tagesflug.h"
#include "render/Ansicht.h"
#include "render/Zeichenflaeche.h"
#include "pipeline/Zeichnen.h"

#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

namespace {

// The view after the first draw of the flight, with the given panes.
CAnsicht Ansicht(int8_t anzahl, int8_t rechteArt, QImage& bild)
{
    CSarnixDoc& doc = Tagesflug();
    CAnsicht a;
    a.einstellungenLaden = 0;
    a.grafikanzahl = anzahl;
    a.zeitmarken = 1;
    a.ansicht.grafik[0].farbe = Variowerte;
    a.ansicht.grafik[1].art = rechteArt;
    a.ansicht.grafik[1].farbe = Flughoehe;
    NeuZeichnen(doc, a, bild);
    return a;
}

void NeuZeichnenBench(benchmark::State& state, int8_t anzahl, int8_t rechteArt)
{
    QImage bild(1920, 1080, QImage::Format_RGB32);
    CAnsicht a = Ansicht(anzahl, rechteArt, bild);
    for (auto _ : state)
        NeuZeichnen(Tagesflug(), a, bild);
    FixeZaehlen(state);
}

void FarbwechselBench(benchmark::State& state, int8_t anzahl, int8_t rechteArt)
{
    QImage bild(1920, 1080, QImage::Format_RGB32);
    CAnsicht a = Ansicht(anzahl, rechteArt, bild);
    int8_t farbe = Wind;
    for (auto _ : state) {
        farbe = farbe == Wind ? Flughoehe : Wind;
        a.ansicht.grafik[0].farbe = farbe;
        QPainter maler(&bild);
        Zeichenflaeche f(maler);
        Zeichnen(Tagesflug(), a, f);
    }
    FixeZaehlen(state);
}

void NeuZeichnenEineGrafik(benchmark::State& s) { NeuZeichnenBench(s, 1, Grundriss); }
void NeuZeichnenGrundrissUndBarogramm(benchmark::State& s) { NeuZeichnenBench(s, 2, BarogrammWest); }
void NeuZeichnenGrundrissUndTemperatur(benchmark::State& s)
{
    NeuZeichnenBench(s, 2, Temperaturverlauf);
}
void FarbwechselEineGrafik(benchmark::State& s) { FarbwechselBench(s, 1, Grundriss); }
void FarbwechselGrundrissUndBarogramm(benchmark::State& s) { FarbwechselBench(s, 2, BarogrammWest); }

BENCHMARK(NeuZeichnenEineGrafik)->Unit(benchmark::kMillisecond);
BENCHMARK(NeuZeichnenGrundrissUndBarogramm)->Unit(benchmark::kMillisecond);
BENCHMARK(NeuZeichnenGrundrissUndTemperatur)->Unit(benchmark::kMillisecond);
BENCHMARK(FarbwechselEineGrafik)->Unit(benchmark::kMillisecond);
BENCHMARK(FarbwechselGrundrissUndBarogramm)->Unit(benchmark::kMillisecond);

}  // namespace
