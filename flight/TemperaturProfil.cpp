// The temperature reference profile: a straight line of temperature over altitude per 5 m band,
// fitted through the fixes recorded while sinking, then the gaps between bands closed.

#include "flight/TemperaturProfil.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

constexpr int letzterGefuellterSlot = 1200;

// The running sums of one 5 m band. The sums wrap at 32 bits like the instrument software's.
struct BandSummen {
    int32_t n = 0;
    uint32_t sH = 0;
    uint32_t sT = 0;
    uint32_t sHT = 0;
    uint32_t sHH = 0;
    bool beendet = false;

    void Nimm(int32_t h, int32_t t)
    {
        const uint32_t hu = static_cast<uint32_t>(h);
        const uint32_t tu = static_cast<uint32_t>(t);
        ++n;
        sH += hu;
        sT += tu;
        sHT += hu * tu;
        sHH += hu * hu;
        beendet = sHH > 4000000000u || sHT > 4000000000u;
    }
};

bool Qualifiziert(const CDaten& fix) { return fix.vario <= -6; }

// The straight line of one band, or nothing when the band has too few or too alike fixes.
bool BandGerade(const BandSummen& s, TemperaturSlot& slot)
{
    if (s.n <= 15)
        return false;
    // The sums in kelvin; a tenth of any unsigned 32-bit sum fits 32 bits again.
    const uint32_t t1 = static_cast<uint32_t>(std::trunc(static_cast<double>(s.sT) * 0.1));
    const uint32_t ht1 = static_cast<uint32_t>(std::trunc(static_cast<double>(s.sHT) * 0.1));
    const float n = static_cast<float>(s.n);
    // q and r wrap at 32 bits; that wrap decides for most bands whether they are stored.
    const uint32_t q = s.sH * s.sH;
    const float d = static_cast<float>(static_cast<double>(s.sHH) * n - static_cast<double>(q));
    const float v = static_cast<float>(static_cast<double>(d) / (static_cast<double>(n) * n));
    if (!(v >= 4000.0f || v <= -4000.0f))
        return false;
    const uint32_t r = t1 * s.sH;
    const float steigung = static_cast<float>(
        (static_cast<double>(ht1) * n - static_cast<double>(r)) / static_cast<double>(d));
    const float basis = static_cast<float>(
        (static_cast<double>(steigung) * static_cast<double>(s.sH) + static_cast<double>(t1))
        * (1.0 / static_cast<double>(n)));
    slot = {steigung, basis};
    return true;
}

}  // namespace

void FuelleProfilLuecken(TemperaturProfil& profil)
{
    const auto leer = [&](int k) { return profil[static_cast<size_t>(k)].steigung == 0.0f; };
    int k = 0;
    while (k <= letzterGefuellterSlot) {
        if (!leer(k)) {
            ++k;
            continue;
        }
        int ende = k;
        while (ende <= letzterGefuellterSlot && leer(ende))
            ++ende;
        const bool bisObenLeer = ende > letzterGefuellterSlot;
        if (bisObenLeer && k == 0)
            return;  // no value anywhere: the profile stays zero
        const TemperaturSlot quelle = profil[static_cast<size_t>(bisObenLeer ? k - 1 : ende)];
        std::fill(profil.begin() + k, profil.begin() + ende, quelle);
        k = ende + 1;
    }
}

TemperaturProfil InstrumentenProfil(const std::vector<CDaten>& fixe, const Fenster& ausdehnung)
{
    TemperaturProfil profil{};
    // Bands of 5 m from just below the lowest to just above the highest altitude.
    const int64_t erstesBand = (int64_t{ausdehnung.hoeheMin} - 15) / 5 * 5;
    const int64_t obersteGrenze = int64_t{ausdehnung.hoeheMax} + 15;
    if (erstesBand <= obersteGrenze) {
        const int64_t anzahl = (obersteGrenze - erstesBand) / 5 + 1;
        std::vector<BandSummen> baender(static_cast<size_t>(anzahl));

        // One pass in file order: each fix feeds the at most 29 bands within 70 m of it, so every
        // band still sees its fixes in file order and stops where a scan of its own would.
        for (const CDaten& fix : fixe) {
            if (!Qualifiziert(fix))
                continue;
            const int64_t unten = int64_t{fix.hoehe} - 70 - erstesBand;
            const int64_t oben = int64_t{fix.hoehe} + 70 - erstesBand;
            if (oben < 0)
                continue;
            const int64_t von = unten <= 0 ? 0 : (unten + 4) / 5;
            const int64_t bis = std::min(oben / 5, anzahl - 1);
            for (int64_t j = von; j <= bis; ++j) {
                BandSummen& band = baender[static_cast<size_t>(j)];
                if (!band.beendet)
                    band.Nimm(fix.hoehe, fix.temperatur);
            }
        }

        for (int64_t j = 0; j < anzahl; ++j) {
            const int64_t slot = (erstesBand + 5 * j) / 5;
            TemperaturSlot gerade;
            if (slot >= 0 && slot < CSarnixDoc::anzahlSlots && BandGerade(baender[static_cast<size_t>(j)], gerade))
                profil[static_cast<size_t>(slot)] = gerade;
        }
    }
    FuelleProfilLuecken(profil);
    return profil;
}
