// The temperature profile: air temperature across, altitude upward, one dot per fix of the
// section last shown in a plan view.

#include "flight/CSarnixDoc.h"
#include "flight/TemperaturReferenz.h"
#include "render/Abbildung.h"
#include "render/Gitter.h"
#include "render/Graphen.h"
#include "render/Stil.h"
#include "render/Strich.h"

#include <QCoreApplication>
#include <algorithm>

namespace {

constexpr int64_t nullGrad = 2732;  // 0 °C in 0.1 K

}  // namespace

void ZeichneTemperaturverlauf(const CSarnixDoc& doc, const CAnsicht& ansicht, Zeichenflaeche& f,
                              int pane)
{
    const Grafik* grafik = GrafikVon(ansicht, pane);
    // Without fixes there is no temperature range to show, as the other graphs draw nothing.
    if (doc.datenListe.empty() || !grafik)
        return;
    if (!doc.hatTemperatur) {
        // Dots at 0 K would be a profile of nothing: say so instead.
        ZeichneHoehenachse(doc, ansicht, f, pane);
        const QString text = QCoreApplication::translate("Temperaturverlauf", "Keine Temperatur aufgezeichnet");
        const Rechteck& e = grafik->ecke;
        const Groesse g = f.GetTextExtentPoint(text);
        f.TextOut(e.left + (e.right - e.left - g.cx) / 2, e.top + (e.bottom - e.top - g.cy) / 2, text);
        return;
    }

    int64_t tMin = 50000;
    int64_t tMax = 0;
    int64_t hMax = 0;
    int64_t hMin = 0;
    for (const CDaten& fix : doc.datenListe) {
        tMin = std::min<int64_t>(tMin, fix.temperatur);
        tMax = std::max<int64_t>(tMax, fix.temperatur);
        hMax = std::max<int64_t>(hMax, fix.hoehe);
        hMin = std::min<int64_t>(hMin, fix.hoehe);
    }
    const int64_t hUnten = HoehenSkalaVon(hMin, hMax).unten;
    int64_t tRechts = tMax + (tMax - tMin) / 9;
    int64_t tLinks = tMin + (tMin - tRechts) / 10;
    if (tRechts <= tLinks) {
        // One temperature for the whole flight: a scale of 1 K about it.
        tRechts = tMax + 5;
        tLinks = tMax - 5;
    }
    const int32_t rechts = AufInt32(tRechts);
    const int32_t links = AufInt32(tLinks);

    const Rechteck& ecke = grafik->ecke;
    const int32_t W = ecke.right - ecke.left;
    const int32_t H = ecke.bottom - ecke.top;
    // With no altitude range every dot lies on the bottom edge.
    const float sv = hMax > hUnten ? static_cast<float>(H) / static_cast<float>(hMax - hUnten) : 0.0f;
    const float st = static_cast<float>(W) / static_cast<float>(int64_t{rechts} - links);

    ZeichneTemperaturachse(doc, ansicht, f, pane, rechts, links, st);

    // The physical reference is a line the pilot can read; the instrument's is left undrawn as
    // it always was.
    if (ansicht.temperaturReferenz == ReferenzPhysikalisch) {
        const Zeichenflaeche::StiftWahl stift(f, Stift{1, RGB(0, 0, 0)});
        bool neu = true;
        for (int64_t h = std::max<int64_t>(hUnten, 0) / 5 * 5; h <= hMax; h += 5) {
            const auto k = static_cast<size_t>(h / 5);
            if (k >= doc.temperaturProfilPhysikalisch.size())
                break;
            const TemperaturSlot& slot = doc.temperaturProfilPhysikalisch[k];
            if (slot.steigung == 0.0f && slot.basis == 0.0f) {
                neu = true;
                continue;
            }
            const double t = (static_cast<double>(slot.basis) - static_cast<double>(slot.steigung) * static_cast<double>(h)) * 10.0;
            const int32_t px = PixelAus(static_cast<float>(ecke.left + W) + static_cast<float>(t - rechts) * st);
            const int32_t py = PixelAus(static_cast<float>(ecke.top + H) - static_cast<float>(h - hUnten) * sv);
            if (neu)
                f.MoveToEx(px, py);
            else
                f.LineTo(px, py);
            neu = false;
        }
    }

    if (!ansicht.grundrissFenster)
        return;
    const Fenster& ausschnitt = *ansicht.grundrissFenster;
    for (const CDaten& fix : doc.datenListe) {
        if (!fix.hatPosition || !ImFenster(ausschnitt, fix.laenge, fix.breite))
            continue;
        const int32_t px = PixelAus(static_cast<float>(ecke.left + W)
                                    + static_cast<float>(int64_t{fix.temperatur} - rechts) * st);
        const int32_t py = PixelAus(static_cast<float>(ecke.top + H)
                                    - static_cast<float>(fix.hoehe - hUnten) * sv);
        f.Tupfen(px, py, FixFarbe(doc, grafik->farbe, ansicht.temperaturReferenz, fix));
    }
}

void ZeichneTemperaturachse(const CSarnixDoc& doc, const CAnsicht& ansicht, Zeichenflaeche& f,
                            int pane, int32_t tRechts, int32_t tLinks, float st)
{
    const Grafik* grafik = GrafikVon(ansicht, pane);
    if (!grafik)
        return;
    ZeichneHoehenachse(doc, ansicht, f, pane);

    const Rechteck& ecke = grafik->ecke;
    const int64_t spanne = int64_t{tRechts} - tLinks;
    if (spanne < 0)
        return;
    const int64_t schritt = 5 * (1 + spanne / 50);
    const float W = static_cast<float>(ecke.right - ecke.left);

    const Zeichenflaeche::StiftWahl stift(f, Stift{1, stil::gitterGrau});
    const Zeichenflaeche::SchriftWahl schrift(f, stil::Beschriftung(f.AktuelleSchrift(), true));
    const Gitterwerte werte = GitterwerteIn(tLinks, int64_t{tRechts} + 1, schritt, nullGrad);
    for (int64_t i = 0; i < werte.anzahl; ++i) {
        const int64_t t = werte.erster + i * werte.schritt;
        const double grad = static_cast<double>(t - nullGrad) / 10.0;
        const int32_t x =
            ecke.left + PixelAus(static_cast<float>(t - tRechts) * st + W);
        SenkrechteGitterlinie(f, ecke, x, QString::asprintf("%0.1f °C", grad),
                              Reihenfolge::TextZuerst);
    }
}
