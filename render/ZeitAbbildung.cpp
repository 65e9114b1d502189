#include "render/ZeitAbbildung.h"

#include "flight/CSarnixDoc.h"
#include "render/Abbildung.h"
#include "render/Gitter.h"

#include <algorithm>
#include <cmath>

ZeitFenster FlugZeiten(const CSarnixDoc& doc)
{
    if (doc.datenListe.empty())
        return {};
    ZeitFenster z{doc.datenListe.front().zeit, doc.datenListe.front().zeit};
    for (const CDaten& fix : doc.datenListe) {
        z.von = std::min(z.von, fix.zeit);
        z.bis = std::max(z.bis, fix.zeit);
    }
    return z;
}

ZeitAbbildung::ZeitAbbildung(const CAnsicht& ansicht, const CSarnixDoc& doc, int pane)
{
    if (const Grafik* grafik = GrafikVon(ansicht, pane))
        ecke = grafik->ecke;
    // A chosen span never reaches beyond the flight: zooming out ends at the whole flight.
    const ZeitFenster flug = FlugZeiten(doc);
    fenster = flug;
    if (ansicht.zeitFenster.Gesetzt()) {
        const ZeitFenster gewaehlt{std::max(flug.von, ansicht.zeitFenster.von), std::min(flug.bis, ansicht.zeitFenster.bis)};
        if (gewaehlt.Gesetzt())
            fenster = gewaehlt;
    }
    // A single fix still gets a minute around it, so nothing divides by zero.
    if (!fenster.Gesetzt()) {
        fenster.von = AufInt32(int64_t{fenster.von} - 30);
        fenster.bis = AufInt32(int64_t{fenster.bis} + 30);
    }
    skalaZeit = static_cast<float>(ecke.right - ecke.left)
                / static_cast<float>(int64_t{fenster.bis} - fenster.von);
    // The altitude axis of the other barograms, below sea level included.
    const HoehenSkala hoehen = HoehenSkalaVon(doc.ausdehnung.hoeheMin, doc.ausdehnung.hoeheMax);
    hoeheUnten = hoehen.unten;
    const int64_t spanne = hoehen.oben - hoehen.unten;
    skalaHoehe = spanne > 0 ? static_cast<float>(ecke.bottom - ecke.top) / static_cast<float>(spanne) : 0.0f;
}

int32_t ZeitAbbildung::Spalte(int64_t zeit) const
{
    return PixelAus(static_cast<float>(ecke.left) + static_cast<float>(zeit - fenster.von) * skalaZeit);
}

int32_t ZeitAbbildung::HoehenZeile(int32_t hoehe) const
{
    // As in the other barograms: 0 m on the bottom edge, the highest altitude on the top edge.
    return PixelAus(static_cast<float>(ecke.top) - static_cast<float>(int64_t{hoehe} - hoeheUnten) * skalaHoehe
                    + static_cast<float>(ecke.bottom - ecke.top));
}

int32_t ZeitAbbildung::ZeitBei(int32_t x) const
{
    if (skalaZeit <= 0.0f || !std::isfinite(skalaZeit))
        return fenster.von;
    const double zeit = fenster.von + static_cast<double>(int64_t{x} - ecke.left) / skalaZeit;
    return static_cast<int32_t>(std::clamp<int64_t>(std::llround(zeit), fenster.von, fenster.bis));
}
