#include "render/Abbildung.h"

#include "flight/CSarnixDoc.h"
#include "render/Gitter.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr int64_t mindestAusdehnung = 300;  // as small as a rubber-band zoom may get

// A float window limit truncated toward zero; beyond int32 (after endless zooming out) it stops
// at the largest float below 2^31.
int32_t GrenzeAus(float wert)
{
    constexpr float grenze = 2147483520.0f;
    if (std::isnan(wert))
        return 0;
    return static_cast<int32_t>(std::clamp(wert, -grenze, grenze));
}

// A single position has no extent: the fit would divide zero by zero.
void Mindestens(int32_t& min, int32_t& max)
{
    if (int64_t{max} > int64_t{min})
        return;
    const int64_t mitte = (int64_t{min} + max) / 2;
    min = AufInt32(mitte - mindestAusdehnung / 2);
    max = AufInt32(mitte + mindestAusdehnung / 2);
}

float Spanne(int32_t min, int32_t max)
{
    return static_cast<float>(int64_t{max} - int64_t{min});
}

}  // namespace

const Grafik* GrafikVon(const CAnsicht& ansicht, int pane)
{
    if (pane < 0 || pane >= static_cast<int>(ansicht.ansicht.grafik.size()))
        return nullptr;
    return &ansicht.ansicht.grafik[static_cast<size_t>(pane)];
}

int32_t AufInt32(int64_t wert)
{
    return static_cast<int32_t>(std::clamp<int64_t>(wert, std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
}

float Meterfaktor(float meterProEinheit)
{
    return std::isfinite(meterProEinheit) && meterProEinheit > 0.0f ? meterProEinheit : 1.0f;
}

int32_t PixelAus(float wert)
{
    constexpr float grenze = 1.0e6f;
    if (!(wert > -grenze))  // NaN too
        return -static_cast<int32_t>(grenze);
    if (wert > grenze)
        return static_cast<int32_t>(grenze);
    return static_cast<int32_t>(wert);
}

void FensterAnpassen(CAnsicht& ansicht, const CSarnixDoc& doc, int pane)
{
    ansicht.anzeigeFenster = AngepasstesFenster(ansicht, doc, pane);
}

Fenster AngepasstesFenster(const CAnsicht& ansicht, const CSarnixDoc& doc, int pane)
{
    Fenster a = ansicht.zoomFenster;
    Mindestens(a.laengeMin, a.laengeMax);
    Mindestens(a.breiteMin, a.breiteMax);

    const Grafik* grafik = GrafikVon(ansicht, pane);
    if (!grafik)
        return a;
    const int64_t breitePx = int64_t{grafik->ecke.right} - grafik->ecke.left + 1;
    const int64_t hoehePx = int64_t{grafik->ecke.bottom} - grafik->ecke.top + 1;
    if (breitePx <= 0 || hoehePx <= 0)
        return a;  // no aspect to fit to
    const float W = static_cast<float>(breitePx);
    const float H = static_cast<float>(hoehePx);
    const float mB = Meterfaktor(doc.meterProBreite);
    const float mL = Meterfaktor(doc.meterProLaenge);

    // Ground per pixel along the height and along the width.
    const float sB = Spanne(a.breiteMin, a.breiteMax) * mB * 1000.0f / H;
    const float sL = Spanne(a.laengeMin, a.laengeMax) * mL * 1000.0f / W;
    if (sL >= sB) {
        const float u = H * ((sL - sB) / mB) * 0.001f * 0.5f;
        a.breiteMin = GrenzeAus(static_cast<float>(a.breiteMin) - u);
        a.breiteMax = GrenzeAus(static_cast<float>(a.breiteMax) + u);
    } else {
        const float o = W * ((sB - sL) / mL) * 0.001f * 0.5f;
        a.laengeMin = GrenzeAus(static_cast<float>(a.laengeMin) - o);
        a.laengeMax = GrenzeAus(static_cast<float>(a.laengeMax) + o);
    }
    return a;
}

Abbildung::Abbildung(const CAnsicht& ansicht, const CSarnixDoc& doc, int pane, int8_t artDerGrafik)
    : art(artDerGrafik == BarogrammWest || artDerGrafik == BarogrammNord ? artDerGrafik
                                                                         : int8_t{Grundriss}),
      fenster(ansicht.anzeigeFenster)
{
    if (const Grafik* grafik = GrafikVon(ansicht, pane))
        ecke = grafik->ecke;
    const float W = static_cast<float>(int64_t{ecke.right} - ecke.left);
    const float H = static_cast<float>(int64_t{ecke.bottom} - ecke.top);

    // Pixels per metre; a window without extent (not fitted yet) maps everything onto its edge.
    const auto skala = [](float pixel, float spanne, float meter) {
        if (!(spanne > 0.0f))
            return 0.0f;
        const float s = pixel / (spanne * meter);
        return std::isfinite(s) ? s : 0.0f;
    };
    const bool west = art == BarogrammWest;
    horizontalMin = west ? fenster.breiteMin : fenster.laengeMin;
    meterHorizontal = Meterfaktor(west ? doc.meterProBreite : doc.meterProLaenge);
    skalaHorizontal = west ? skala(W, Spanne(fenster.breiteMin, fenster.breiteMax), meterHorizontal)
                           : skala(W, Spanne(fenster.laengeMin, fenster.laengeMax), meterHorizontal);
    meterVertikal = Meterfaktor(doc.meterProBreite);
    skalaVertikal = skala(H, Spanne(fenster.breiteMin, fenster.breiteMax), meterVertikal);
    // Without an altitude range every fix lies on the bottom edge.
    const HoehenSkala hoehen = HoehenSkalaVon(fenster.hoeheMin, fenster.hoeheMax);
    hoeheUnten = hoehen.unten;
    const int64_t hoehenSpanne = hoehen.oben - hoehen.unten;
    skalaHoehe = hoehenSpanne > 0 ? H / static_cast<float>(hoehenSpanne) : 0.0f;
}

Punkt PixelVon(const CAnsicht& ansicht, const CSarnixDoc& doc, int pane, int8_t art,
               int32_t laenge, int32_t breite, int32_t hoehe)
{
    return Abbildung(ansicht, doc, pane, art).Pixel(laenge, breite, hoehe);
}
