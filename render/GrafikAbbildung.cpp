#include "render/GrafikAbbildung.h"

std::optional<GrafikAbbildung> GrafikAbbildung::Von(const CAnsicht& ansicht, const CSarnixDoc& doc, int pane)
{
    const Grafik* grafik = GrafikVon(ansicht, pane);
    if (!grafik)
        return std::nullopt;
    switch (grafik->art) {
    case Grundriss:
    case BarogrammWest:
    case BarogrammNord:
        return GrafikAbbildung(Abbildung(ansicht, doc, pane, grafik->art));
    case BarogrammZeit:
        return GrafikAbbildung(ZeitAbbildung(ansicht, doc, pane));
    default:
        return std::nullopt;
    }
}

std::optional<Punkt> GrafikAbbildung::Pixel(int32_t laenge, int32_t breite, int32_t zeit, int32_t hoehe) const
{
    if (const Abbildung* boden = std::get_if<Abbildung>(&abbildung)) {
        if (!boden->Innen(laenge, breite))
            return std::nullopt;
        return boden->Pixel(laenge, breite, hoehe);
    }
    const ZeitAbbildung& ueberZeit = std::get<ZeitAbbildung>(abbildung);
    if (!ueberZeit.Innen(zeit))
        return std::nullopt;
    return ueberZeit.Pixel(zeit, hoehe);
}
