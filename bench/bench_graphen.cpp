// Drawing speed of the graphs on a long flight: the plan view and a barogram, each alone and the
// two side by side on a full-HD canvas; the time barogram against the barogram looking west.

#include "flight/CSarnixDoc.h"
#include "render/Ansicht.h"
#include "render/Graphen.h"
#include "render/Zeichenflaeche.h"

#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

#include <cmath>
#include <string>

namespace {

// A day-long flight at one fix a second: circling in thermals that drift with the wind, then
// gliding on, 86 400 fixes.
void TagesFlug(CSarnixDoc& doc)
{
    doc.Leeren();
    doc.meterProBreite = 0.185185f;
    doc.meterProLaenge = 0.127f;
    double laenge = 507900000.0;
    double breite = 527900000.0;
    double hoehe = 800.0;
    doc.datenListe.reserve(86400);
    for (int t = 0; t < 86400; ++t) {
        const int phase = t % 1200;
        if (phase < 600) {  // ten minutes of circling, 40 s a turn
            const double w = phase * 2.0 * 3.14159265 / 40.0;
            laenge += 800.0 * std::cos(w) + 40.0;
            breite += 550.0 * std::sin(w) + 10.0;
            hoehe += 1.5;
        } else {  // ten minutes of gliding
            const double richtung = (t / 1200) * 0.7;
            laenge += 1200.0 * std::cos(richtung);
            breite += 800.0 * std::sin(richtung);
            hoehe -= 1.4;
        }
        CDaten fix;
        fix.zeit = 8 * 3600 + t % 36000;
        fix.laenge = static_cast<int32_t>(laenge);
        fix.breite = static_cast<int32_t>(breite);
        fix.hoehe = static_cast<int16_t>(hoehe);
        fix.vario = static_cast<int16_t>((t % 1200) < 600 ? 15 : -14);
        fix.temperatur = 2900 - static_cast<int32_t>(hoehe / 150.0);
        fix.hatPosition = 1;
        doc.datenListe.push_back(fix);
    }
    Fenster& a = doc.ausdehnung;
    for (const CDaten& fix : doc.datenListe) {
        a.hoeheMax = std::max<int32_t>(a.hoeheMax, fix.hoehe);
        a.hoeheMin = std::min<int32_t>(a.hoeheMin, fix.hoehe);
        a.breiteMax = std::max(a.breiteMax, fix.breite);
        a.laengeMax = std::max(a.laengeMax, fix.laenge);
        a.breiteMin = std::min(a.breiteMin, fix.breite);
        a.laengeMin = std::min(a.laengeMin, fix.laenge);
    }
    doc.geladen = 1;
}

const CSarnixDoc& Flug()
{
    static CSarnixDoc doc;
    static const bool fertig = (TagesFlug(doc), true);
    (void)fertig;
    return doc;
}

// The bundled six-hour cross-country flight, 21 600 fixes.
const CSarnixDoc& Streckenflug()
{
    static CSarnixDoc doc;
    static const bool fertig =
        doc.OnOpenDocument(std::string(SARNIX_SAMPLES_DIR) + "/streckenflug-6h.vrl");
    (void)fertig;
    return doc;
}

// Two panes side by side in a 1920 x 1080 window, as the view lays them out.
CAnsicht ZweiScheiben(const CSarnixDoc& doc, int8_t rechts)
{
    CAnsicht ansicht;
    ansicht.zoomFenster = doc.ausdehnung;
    ansicht.grafikanzahl = 2;
    ansicht.zeitmarken = 1;
    ansicht.wegpunkte = 1;
    ansicht.ansicht.grafik[0] = {Rechteck{60, 160, 930, 1020}, Grundriss, Variowerte};
    ansicht.ansicht.grafik[1] = {Rechteck{990, 160, 1860, 1020}, rechts, Flughoehe};
    return ansicht;
}

// Draws on a white 1920 x 1080 canvas as often as the benchmark asks.
template <class Zeichnen>
void Wiederholen(benchmark::State& state, CSarnixDoc& doc, CAnsicht& ansicht, Zeichnen&& zeichnen)
{
    QImage bild(1920, 1080, QImage::Format_RGB32);
    for (auto _ : state) {
        bild.fill(Qt::white);
        QPainter maler(&bild);
        Zeichenflaeche f(maler);
        zeichnen(doc, ansicht, f);
    }
    state.counters["Fixes"] = static_cast<double>(doc.datenListe.size());
}

template <class Zeichnen>
void Messen(benchmark::State& state, Zeichnen&& zeichnen, const CSarnixDoc& flug = Flug())
{
    CSarnixDoc doc = flug;
    if (doc.datenListe.empty()) {
        state.SkipWithError("no flight");
        return;
    }
    CAnsicht ansicht = ZweiScheiben(doc, BarogrammNord);
    Wiederholen(state, doc, ansicht, zeichnen);
}

void BM_Grundriss(benchmark::State& state)
{
    Messen(state, [](CSarnixDoc& doc, CAnsicht& ansicht, Zeichenflaeche& f) {
        ZeichneGrundriss(doc, ansicht, f, 0);
    });
}

void BM_BarogrammNord(benchmark::State& state)
{
    Messen(state, [](CSarnixDoc& doc, CAnsicht& ansicht, Zeichenflaeche& f) {
        ZeichneBarogrammNord(doc, ansicht, f, 1);
    });
}

// The whole picture of two panes: titles, plan view and barogram.
void BM_ZweiScheiben(benchmark::State& state)
{
    Messen(state, [](CSarnixDoc& doc, CAnsicht& ansicht, Zeichenflaeche& f) {
        ZeichneTitel(doc, ansicht, f, 0);
        ZeichneGrundriss(doc, ansicht, f, 0);
        ZeichneTitel(doc, ansicht, f, 1);
        ZeichneBarogrammNord(doc, ansicht, f, 1);
    });
}

void BM_StreckenflugZweiScheiben(benchmark::State& state)
{
    Messen(
        state,
        [](CSarnixDoc& doc, CAnsicht& ansicht, Zeichenflaeche& f) {
            ZeichneGrundriss(doc, ansicht, f, 0);
            ZeichneBarogrammNord(doc, ansicht, f, 1);
        },
        Streckenflug());
}

}  // namespace

// The day-long flight with a clock that runs on past midnight instead of starting again, as the
// time barogram needs it, drawn alone on a 1920 x 1080 canvas.
template <class Zeichnen>
void EineScheibe(benchmark::State& state, Zeichnen&& zeichnen)
{
    CSarnixDoc doc = Flug();
    for (size_t t = 0; t < doc.datenListe.size(); ++t)
        doc.datenListe[t].zeit = 8 * 3600 + static_cast<int32_t>(t);
    CAnsicht ansicht;
    ansicht.zoomFenster = doc.ausdehnung;
    ansicht.zeitmarken = 1;
    ansicht.ansicht.grafik[0] = {Rechteck{60, 60, 1760, 1020}, BarogrammWest, Variowerte};
    Wiederholen(state, doc, ansicht, zeichnen);
}

void BM_TagBarogrammWest(benchmark::State& state)
{
    EineScheibe(state, [](CSarnixDoc& doc, CAnsicht& ansicht, Zeichenflaeche& f) {
        ansicht.ansicht.grafik[0].art = BarogrammWest;
        ZeichneBarogrammWest(doc, ansicht, f, 0);
    });
}

void BM_TagBarogrammZeit(benchmark::State& state)
{
    EineScheibe(state, [](CSarnixDoc& doc, CAnsicht& ansicht, Zeichenflaeche& f) {
        ansicht.ansicht.grafik[0].art = BarogrammZeit;
        ZeichneBarogrammZeit(doc, ansicht, f, 0);
    });
}

BENCHMARK(BM_TagBarogrammWest)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TagBarogrammZeit)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StreckenflugZweiScheiben)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Grundriss)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BarogrammNord)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ZweiScheiben)->Unit(benchmark::kMillisecond);
