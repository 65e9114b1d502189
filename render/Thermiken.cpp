#include "render/Thermiken.h"

#include "doc/CSarnixDoc.h"
#include "render/Abbildung.h"
#include "render/Stil.h"
#include "render/ZeitAbbildung.h"

#include <optional>

namespace {

constexpr COLORREF thermikRot = RGB(200, 0, 0);
constexpr int radius = 5;

}  // namespace

void ZeichneThermiken(const CSarnixDoc& doc, const std::vector<Flugphase>& phasen, const CAnsicht& ansicht,
                      Zeichenflaeche& f, int pane)
{
    const Grafik* grafik = GrafikVon(ansicht, pane);
    if (!grafik)
        return;
    const int8_t art = grafik->art;
    std::optional<Abbildung> boden;
    std::optional<ZeitAbbildung> zeit;
    if (art == Grundriss || art == BarogrammWest || art == BarogrammNord)
        boden.emplace(ansicht, doc, pane, art);
    else if (art == BarogrammZeit)
        zeit.emplace(ansicht, doc, pane);
    else
        return;

    const Zeichenflaeche::StiftWahl stift(f, Stift{2, thermikRot});
    const Zeichenflaeche::PinselWahl hohl(f, Pinsel{true});
    const Zeichenflaeche::SchriftWahl schrift(f, stil::Schrift(f.AktuelleSchrift(), 12, 0, 700, 0));
    const Zeichenflaeche::TextFarbWahl farbe(f, thermikRot);
    const Zeichenflaeche::HintergrundWahl transparent(f, TRANSPARENT);
    for (const Flugphase& p : phasen) {
        if (p.art != PhasenArt::Thermik)
            continue;
        // Half way up the climb; in time, half way through it.
        const int32_t hoehe = (p.hoeheVon + p.hoeheBis) / 2;
        Punkt m;
        if (boden) {
            if (!boden->Innen(p.laenge, p.breite))
                continue;
            m = boden->Pixel(p.laenge, p.breite, hoehe);
        } else {
            const int32_t mitte = static_cast<int32_t>((int64_t{p.zeitVon} + p.zeitBis) / 2);
            if (!zeit->Innen(mitte))
                continue;
            m = zeit->Pixel(mitte, hoehe);
        }
        f.Ellipse(m.x - radius, m.y - radius, m.x + radius + 1, m.y + radius + 1);
        const QString text = QString::asprintf("%+0.1f m/s", p.mittelSteigen);
        f.TextOut(m.x + radius + 3, m.y - f.GetTextExtentPoint(text).cy / 2, text);
    }
}
