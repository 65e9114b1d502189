// Exporting a 24-hour flight (86 400 fixes) as GPX and as coloured KML, written to disk the way
// the window and sarnix-cli write it; the file size is reported.

#include "flight/CSarnixDoc.h"
#include "export/Exportieren.h"
#include "export/Gpx.h"
#include "export/Kml.h"
#include "tools/VrlGenerator.h"

#include <QBuffer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

const CSarnixDoc& TagesFlug()
{
    static const CSarnixDoc doc = [] {
        QTemporaryDir ordner;
        const std::string pfad = ordner.path().toStdString() + "/tag.vrl";
        vrlgen::Schreibe({vrlgen::FlugArt::Lang, 86400, 1}, pfad);
        CSarnixDoc d;
        d.OnOpenDocument(pfad);
        return d;
    }();
    return doc;
}

void Export(benchmark::State& state, ExportFormat format, int8_t farbe)
{
    const CSarnixDoc& doc = TagesFlug();
    QTemporaryDir ordner;
    const QString ziel = ordner.filePath(format == ExportFormat::Gpx ? QStringLiteral("tag.gpx") : QStringLiteral("tag.kml"));
    ExportWahl wahl;
    wahl.format = format;
    wahl.farbe = farbe;
    ExportErgebnis ergebnis;
    for (auto _ : state) {
        ergebnis = Exportiere(doc, ziel, wahl);
        if (!ergebnis.geschrieben)
            state.SkipWithError("not written");
    }
    state.counters["fixe"] = static_cast<double>(doc.datenListe.size());
    state.counters["punkte"] = static_cast<double>(ergebnis.bericht.punkte);
    state.counters["stuecke"] = static_cast<double>(ergebnis.bericht.stuecke);
    state.counters["MB"] = static_cast<double>(QFileInfo(ziel).size()) / 1e6;
}

void GpxTag(benchmark::State& state) { Export(state, ExportFormat::Gpx, KeineFaerbung); }
void KmlTagVario(benchmark::State& state) { Export(state, ExportFormat::Kml, Variowerte); }
void KmlTagHoehe(benchmark::State& state) { Export(state, ExportFormat::Kml, Flughoehe); }

}  // namespace

BENCHMARK(GpxTag)->Unit(benchmark::kMillisecond);
BENCHMARK(KmlTagVario)->Unit(benchmark::kMillisecond);
BENCHMARK(KmlTagHoehe)->Unit(benchmark::kMillisecond);

namespace {

// The writing alone, into memory: what the export costs without the disk.
void GpxImSpeicher(benchmark::State& state)
{
    const CSarnixDoc& doc = TagesFlug();
    for (auto _ : state) {
        QBuffer puffer;
        puffer.open(QIODevice::WriteOnly);
        SchreibeGpx(doc, ExportWahl{}, puffer);
        benchmark::DoNotOptimize(puffer.data().data());
    }
}

void KmlImSpeicher(benchmark::State& state)
{
    const CSarnixDoc& doc = TagesFlug();
    ExportWahl wahl;
    wahl.format = ExportFormat::Kml;
    for (auto _ : state) {
        QBuffer puffer;
        puffer.open(QIODevice::WriteOnly);
        SchreibeKml(doc, wahl, puffer);
        benchmark::DoNotOptimize(puffer.data().data());
    }
}

}  // namespace

BENCHMARK(GpxImSpeicher)->Unit(benchmark::kMillisecond);
BENCHMARK(KmlImSpeicher)->Unit(benchmark::kMillisecond);
