// The ground profile under the barograms.

#include "render/Gelaende.h"

#include "flight/CSarnixDoc.h"
#include "render/Abbildung.h"
#include "render/ZeitAbbildung.h"

#include <QCoreApplication>

#include <algorithm>
#include <climits>
#include <cmath>
#include <optional>
#include <vector>

namespace {

constexpr int32_t keinGrund = INT32_MAX;

// The highest ground row per column of the pane; `lage` gives a fix's column and ground row, or
// nothing for a fix the track leaves out.
template <class Lage>
std::vector<int32_t> Oberkanten(const CSarnixDoc& doc, std::span<const float> grund, const Rechteck& ecke, Lage lage)
{
    std::vector<int32_t> oben(size_t(ecke.right - ecke.left), keinGrund);
    const auto eintragen = [&](int64_t x, int64_t y) {
        if (x >= ecke.left && x < ecke.right) {
            int32_t& o = oben[size_t(x - ecke.left)];
            o = static_cast<int32_t>(std::min<int64_t>(o, y));
        }
    };
    Punkt vorher;
    bool verbunden = false;
    for (size_t i = 0; i < doc.datenListe.size(); ++i) {
        const std::optional<Punkt> p = std::isnan(grund[i]) ? std::nullopt : lage(doc.datenListe[i], grund[i]);
        if (!p) {
            verbunden = false;
            continue;
        }
        const Punkt a = verbunden ? vorher : *p;
        const Punkt& b = *p;
        const int64_t von = std::max<int64_t>(std::min(a.x, b.x), ecke.left);
        const int64_t bis = std::min<int64_t>(std::max(a.x, b.x), int64_t{ecke.right} - 1);
        for (int64_t x = von; x <= bis; ++x) {
            const double t = a.x == b.x ? 0.0 : double(x - a.x) / double(b.x - a.x);
            eintragen(x, a.x == b.x ? std::min(a.y, b.y) : std::lround(a.y + t * (b.y - a.y)));
        }
        vorher = b;
        verbunden = true;
    }
    return oben;
}

}  // namespace

void ZeichneGelaendeprofil(const CSarnixDoc& doc, const CAnsicht& ansicht, Zeichenflaeche& f, int pane,
                           std::span<const float> grund)
{
    const Grafik* grafik = GrafikVon(ansicht, pane);
    if (!grafik || grund.size() != doc.datenListe.size() || grafik->ecke.right <= grafik->ecke.left)
        return;
    const Rechteck& ecke = grafik->ecke;
    const auto meter = [](float h) { return static_cast<int32_t>(std::clamp(std::lround(h), -100000L, 100000L)); };

    std::vector<int32_t> oben;
    if (grafik->art == BarogrammZeit) {
        // The track's rule: a clock that runs back breaks it.
        const ZeitAbbildung abbildung(ansicht, doc, pane);
        int32_t zuletzt = INT32_MIN;
        oben = Oberkanten(doc, grund, ecke, [&](const CDaten& fix, float h) -> std::optional<Punkt> {
            const bool weiter = fix.zeit >= zuletzt;
            zuletzt = fix.zeit;
            if (!weiter || !abbildung.Innen(fix.zeit))
                return std::nullopt;
            return Punkt{abbildung.Spalte(fix.zeit), abbildung.HoehenZeile(meter(h))};
        });
    } else if (grafik->art == BarogrammWest || grafik->art == BarogrammNord) {
        const Abbildung abbildung(ansicht, doc, pane, grafik->art);
        oben = Oberkanten(doc, grund, ecke, [&](const CDaten& fix, float h) -> std::optional<Punkt> {
            if (!fix.hatPosition || !abbildung.Innen(fix.laenge, fix.breite))
                return std::nullopt;
            return abbildung.Pixel(fix.laenge, fix.breite, meter(h));
        });
    } else {
        return;
    }

    // Row by row, as the image lies in memory: a column at a time would touch a cache line per
    // pixel.
    const int32_t hoechste = *std::min_element(oben.begin(), oben.end());
    for (int32_t y = std::max(hoechste, ecke.top); y <= ecke.bottom && hoechste != keinGrund; ++y) {
        for (size_t s = 0; s < oben.size();) {
            if (oben[s] > y) {
                ++s;
                continue;
            }
            size_t e = s + 1;
            while (e < oben.size() && oben[e] <= y)
                ++e;
            const int32_t x = ecke.left + static_cast<int32_t>(s);
            f.FillRect({x, y, x + static_cast<int32_t>(e - s), y + 1}, stil::erdFarbe);
            s = e;
        }
    }
}

void ZeichneGelaende(const CSarnixDoc& doc, const CAnsicht& ansicht, Zeichenflaeche& f, int pane)
{
    const GelaendeAnsicht* gelaende = ansicht.gelaende.get();
    const Grafik* grafik = GrafikVon(ansicht, pane);
    if (!gelaende || !grafik)
        return;
    if (grafik->art != Grundriss) {
        ZeichneGelaendeprofil(doc, ansicht, f, pane, gelaende->grund);
        return;
    }
    if (!ansicht.gelaendeRelief || pane < 0 || pane >= int(gelaende->raster.size()))
        return;
    const auto p = static_cast<size_t>(pane);
    if (gelaende->raster[p] == ReliefRasterVon(doc, ansicht, pane))
        ZeichneRelief(f, gelaende->raster[p], gelaende->relief[p], ansicht.karte != nullptr);
}

QStringList GelaendeZeilen(const CAnsicht& ansicht, std::ptrdiff_t index, int32_t hoehe)
{
    const GelaendeAnsicht* gelaende = ansicht.gelaende.get();
    if (!gelaende || index < 0 || size_t(index) >= gelaende->grund.size() || std::isnan(gelaende->grund[size_t(index)]))
        return {};
    const long grund = std::lround(gelaende->grund[size_t(index)]);
    return {QCoreApplication::translate("Gelaende", "Grund: %1 Meter").arg(grund),
            QCoreApplication::translate("Gelaende", "über Grund: %1 Meter").arg(hoehe - grund)};
}
