// Throughput of the surface's pixel and line operations on a full-HD canvas.
#include "render/Zeichenflaeche.h"

#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

namespace {

// A day of fixes at one per second, as the plan view draws them: five pixels per fix, two panes.
void BM_SetPixelTag(benchmark::State& state)
{
    QImage bild(1920, 1080, QImage::Format_RGB32);
    bild.fill(Qt::white);
    QPainter maler(&bild);
    Zeichenflaeche f(maler);
    for (auto _ : state) {
        for (int pane = 0; pane < 2; ++pane)
            for (int i = 0; i < 86400; ++i) {
                const int x = 100 + pane * 900 + (i * 7) % 800;
                const int y = 100 + (i * 13) % 800;
                const COLORREF farbe = RGB(i & 0xFF, 0, 255);
                f.SetPixel(x, y, farbe);
                f.SetPixel(x + 1, y, farbe);
                f.SetPixel(x - 1, y, farbe);
                f.SetPixel(x, y + 1, farbe);
                f.SetPixel(x, y - 1, farbe);
            }
    }
    state.SetItemsProcessed(state.iterations() * 86400 * 2 * 5);
}
BENCHMARK(BM_SetPixelTag)->Unit(benchmark::kMillisecond);

// Track segments of a few pixels each with the width-3 pen.
void BM_LineToBreite3(benchmark::State& state)
{
    QImage bild(1920, 1080, QImage::Format_RGB32);
    bild.fill(Qt::white);
    QPainter maler(&bild);
    Zeichenflaeche f(maler);
    const Zeichenflaeche::StiftWahl stift(f, {3, RGB(255, 0, 0)});
    for (auto _ : state) {
        f.MoveToEx(960, 540);
        for (int i = 0; i < 86400; ++i)
            f.LineTo(100 + (i * 7) % 1700, 100 + (i * 3) % 880 + (i % 5));
    }
    state.SetItemsProcessed(state.iterations() * 86400);
}
BENCHMARK(BM_LineToBreite3)->Unit(benchmark::kMillisecond);

void BM_LineToKurz(benchmark::State& state)
{
    QImage bild(1920, 1080, QImage::Format_RGB32);
    bild.fill(Qt::white);
    QPainter maler(&bild);
    Zeichenflaeche f(maler);
    const Zeichenflaeche::StiftWahl stift(f, {static_cast<int>(state.range(0)), RGB(255, 0, 0)});
    for (auto _ : state) {
        f.MoveToEx(100, 100);
        for (int i = 0; i < 86400; ++i)
            f.LineTo(100 + (i % 1700) + (i & 3), 100 + (i / 100) % 880 + (i & 1) * 3);
    }
    state.SetItemsProcessed(state.iterations() * 86400);
}
BENCHMARK(BM_LineToKurz)->Arg(1)->Arg(3)->Unit(benchmark::kMillisecond);

}  // namespace
