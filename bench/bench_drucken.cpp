// The printed map of a day-long flight: onto an A4 image at 300 dpi and as a 600 dpi PDF.

#include "bench/Tagesflug.h"
#include "printmap/KarteDrucken.h"
#include "printmap/SeitenMass.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <benchmark/benchmark.h>

namespace {

DruckWahl Vorschlag(int v)
{
    return {v, 1};
}

void KarteAlsBild(benchmark::State& state)
{
    const CSarnixDoc& doc = Tagesflug();
    QImage bild(2480, 3508, QImage::Format_RGB32);  // A4 at 300 dpi
    const auto mass = SeitenMassAus(bild.width(), bild.height(), 300, 300);
    for (auto _ : state) {
        bild.fill(Qt::white);
        QPainter maler(&bild);
        Zeichenflaeche f(maler);
        benchmark::DoNotOptimize(KarteDrucken(doc, f, *mass, Vorschlag));
    }
    state.counters["fixe"] = static_cast<double>(doc.datenListe.size());
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(doc.datenListe.size()));
}
BENCHMARK(KarteAlsBild)->Unit(benchmark::kMillisecond);

void KarteAlsPdf(benchmark::State& state)
{
    const CSarnixDoc& doc = Tagesflug();
    for (auto _ : state) {
        QBuffer puffer;
        puffer.open(QIODevice::WriteOnly);
        QPdfWriter schreiber(&puffer);
        schreiber.setResolution(600);
        schreiber.setPageSize(QPageSize(QPageSize::A4));
        schreiber.setPageMargins(QMarginsF());
        {
            QPainter maler(&schreiber);
            const auto mass = SeitenMassAus(schreiber.width(), schreiber.height(), 600, 600);
            Zeichenflaeche f(maler);
            KarteDrucken(doc, f, *mass, Vorschlag);
        }
        state.counters["bytes"] = static_cast<double>(puffer.size());
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(doc.datenListe.size()));
}
BENCHMARK(KarteAlsPdf)->Unit(benchmark::kMillisecond);

}  // namespace
