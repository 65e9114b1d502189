#include "flight/FarbIndex.h"

#include "flight/Arten.h"
#include "flight/CSarnixDoc.h"
#include "flight/TemperaturReferenz.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr std::array<int32_t, 51> intensitaeten{
    0,   12,  24,  36,  47,  58,  69,  79,  89,  98,  107, 114, 121, 128, 135, 141, 147,
    153, 159, 164, 169, 174, 179, 184, 188, 192, 196, 200, 204, 208, 212, 215, 218, 221,
    224, 229, 232, 235, 237, 239, 241, 243, 245, 247, 249, 250, 251, 252, 253, 254, 255};

constexpr int gruen = 102;

int Begrenzt(int wert, int unten, int oben) { return std::clamp(wert, unten, oben); }

int VarioIndex(const CDaten& fix)
{
    if (fix.vario == 0)
        return gruen;
    return gruen + Begrenzt(17 * fix.vario / 10, -101, 101);
}

int HoehenIndex(const CDaten& fix, const Fenster& ausdehnung)
{
    // 64-bit: the extent's start values are far apart and the product would overflow 32 bits.
    const int64_t spanne = int64_t{ausdehnung.hoeheMax} - ausdehnung.hoeheMin;
    if (spanne == 0)
        return gruen;  // a level flight: the middle of the scale, neither lowest nor highest
    const int64_t index = (int64_t{fix.hoehe} - ausdehnung.hoeheMin) * 203 / spanne;
    return static_cast<int>(std::clamp<int64_t>(index, 0, 203));
}

int WindIndex(const CDaten& fix)
{
    if (fix.tas == 0)
        return gruen;
    const int k = 2 * (fix.sog - fix.tas) / 5;
    if (k == 0)
        return gruen;
    return gruen + Begrenzt(k, -101, 101);
}

int TemperaturIndex(const CDaten& fix, const CSarnixDoc& doc, TemperaturReferenzArt referenz)
{
    const int band = fix.hoehe / 5;
    const int32_t eigene = 10 * fix.temperatur;
    double erwartet = 0.0;
    if (band >= 0 && band < CSarnixDoc::anzahlSlots) {
        const TemperaturSlot& slot = ReferenzProfil(doc, referenz)[static_cast<size_t>(band)];
        erwartet = std::trunc(100.0 * (double{slot.basis} - double{slot.steigung} * fix.hoehe));
    }
    // A band outside the table counts like a band without profile.
    if (std::isnan(erwartet))
        erwartet = 0.0;
    const int64_t e = erwartet == 0.0 ? eigene
                                      : static_cast<int64_t>(std::clamp(erwartet, -1e12, 1e12));
    const int64_t abweichung = std::clamp<int64_t>(eigene - e, -100, 300);
    return static_cast<int>((abweichung + 100) * 101 / 200);
}

}  // namespace

void BaueFarbTabelle(CSarnixDoc& doc)
{
    doc.rampe = intensitaeten;
    const auto& r = doc.rampe;
    auto& tabelle = doc.farbTabelle;
    for (size_t i = 0; i <= 50; ++i) {
        tabelle[i] = RGB(0, r[i], 255);
        tabelle[51 + i] = RGB(0, 255, r[50 - i]);
        tabelle[102 + i] = RGB(r[i], 255, 0);
        tabelle[153 + i] = RGB(255, r[50 - i], 0);
    }
}

int FarbIndex(int8_t farbe, const CDaten& fix, const CSarnixDoc& doc, TemperaturReferenzArt referenz)
{
    switch (farbe) {
    case Variowerte:
        return VarioIndex(fix);
    case Flughoehe:
        return HoehenIndex(fix, doc.ausdehnung);
    case Wind:
        return WindIndex(fix);
    case Temperaturgradient:
        // Without recorded temperature there is no deviation to colour.
        return doc.hatTemperatur ? TemperaturIndex(fix, doc, referenz) : gruen;
    default:
        return gruen;
    }
}

bool HatFahrtmessung(const CSarnixDoc& doc)
{
    const auto& fixe = doc.datenListe;
    return fixe.empty() || std::any_of(fixe.begin(), fixe.end(), [](const CDaten& f) { return f.tas != 0; });
}
