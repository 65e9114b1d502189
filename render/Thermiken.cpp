#include "render/Thermiken.h"

#include "flight/CSarnixDoc.h"
#include "render/Abbildung.h"
#include "render/GrafikAbbildung.h"
#include "render/Stil.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace {

constexpr COLORREF thermikRot = RGB(200, 0, 0);
constexpr int radius = 5;

struct Marke {
    Punkt mitte;
    double steigen = 0.0;
};

bool Ueberlappt(const Rechteck& a, const Rechteck& b)
{
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

}  // namespace

void ZeichneThermiken(const CSarnixDoc& doc, const std::vector<Flugphase>& phasen, const CAnsicht& ansicht,
                      Zeichenflaeche& f, int pane)
{
    const Grafik* grafik = GrafikVon(ansicht, pane);
    if (!grafik)
        return;
    const std::optional<GrafikAbbildung> abbildung = GrafikAbbildung::Von(ansicht, doc, pane);
    if (!abbildung)
        return;

    const Zeichenflaeche::StiftWahl stift(f, Stift{2, thermikRot});
    const Zeichenflaeche::PinselWahl hohl(f, Pinsel{true});
    const Zeichenflaeche::SchriftWahl schrift(f, stil::Schrift(f.AktuelleSchrift(), 12, 0, 700, 0));
    const Zeichenflaeche::TextFarbWahl farbe(f, thermikRot);
    const Zeichenflaeche::HintergrundWahl transparent(f, TRANSPARENT);
    std::vector<Marke> marken;
    for (const Flugphase& p : phasen) {
        if (p.art != PhasenArt::Thermik)
            continue;
        // Half way up the climb; in time, half way through it.
        const int32_t hoehe = (p.hoeheVon + p.hoeheBis) / 2;
        const int32_t mitte = static_cast<int32_t>((int64_t{p.zeitVon} + p.zeitBis) / 2);
        const std::optional<Punkt> m = abbildung->Pixel(p.laenge, p.breite, mitte, hoehe);
        if (!m)
            continue;
        f.Ellipse(m->x - radius, m->y - radius, m->x + radius + 1, m->y + radius + 1);
        marken.push_back({*m, p.mittelSteigen});
    }

    // A long flight circles many times in one place: the strongest climbs are labelled first,
    // right of their mark or else left of it, inside the pane, and a label that would cover
    // another or a mark is left out.
    std::stable_sort(marken.begin(), marken.end(), [](const Marke& a, const Marke& b) { return a.steigen > b.steigen; });
    std::vector<Rechteck> belegt;
    for (const Marke& marke : marken)
        belegt.push_back({marke.mitte.x - radius, marke.mitte.y - radius, marke.mitte.x + radius + 1, marke.mitte.y + radius + 1});
    for (const Marke& marke : marken) {
        const QString text = QString::asprintf("%+0.1f m/s", marke.steigen);
        const Groesse g = f.GetTextExtentPoint(text);
        const int32_t oben = marke.mitte.y - g.cy / 2;
        const Rechteck rechts{marke.mitte.x + radius + 3, oben, marke.mitte.x + radius + 3 + g.cx, oben + g.cy};
        const Rechteck links{marke.mitte.x - radius - 3 - g.cx, oben, marke.mitte.x - radius - 3, oben + g.cy};
        for (const Rechteck& r : {rechts, links}) {
            const bool imBild = grafik->ecke.left <= r.left && r.right <= grafik->ecke.right;
            if (imBild && std::none_of(belegt.begin(), belegt.end(), [&](const Rechteck& b) { return Ueberlappt(r, b); })) {
                f.TextOut(r.left, r.top, text);
                belegt.push_back(r);
                break;
            }
        }
    }
}
