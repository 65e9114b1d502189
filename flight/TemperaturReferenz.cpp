#include "flight/TemperaturReferenz.h"

#include "flight/TemperaturProfil.h"

#include <algorithm>
#include <cmath>

namespace {

// Sinking air as the instrument's reference takes it: 0.6 m/s or more.
bool Sinkend(const CDaten& fix) { return fix.vario <= -6; }

// A band looks at the sinking fixes within 100 m of its middle; a line needs 16 of them spread
// over at least 20 m (standard deviation), else its slope is noise.
constexpr int fenster = 100;
constexpr int mindestAnzahl = 16;
constexpr double mindestVarianz = 20.0 * 20.0;

struct Summen {
    double n = 0, h = 0, t = 0, hh = 0, ht = 0;
};

}  // namespace

std::array<TemperaturSlot, CSarnixDoc::anzahlSlots> PhysikalischesProfil(const std::vector<CDaten>& fixe)
{
    std::array<TemperaturSlot, CSarnixDoc::anzahlSlots> profil{};
    // Sums per metre of altitude over the table's range, then running sums, so that every band's
    // window is one subtraction. Altitudes and temperatures are taken relative to a middle so
    // the squares keep their precision.
    constexpr int oben = CSarnixDoc::anzahlSlots * 5 + fenster + 1;
    constexpr int unten = -fenster - 1;
    constexpr double hMitte = 3000.0, tMitte = 2732.0;
    std::vector<Summen> kumuliert(static_cast<size_t>(oben - unten + 2));
    for (const CDaten& fix : fixe) {
        if (!Sinkend(fix) || fix.hoehe < unten || fix.hoehe > oben)
            continue;
        Summen& s = kumuliert[static_cast<size_t>(fix.hoehe - unten + 1)];
        const double h = fix.hoehe - hMitte, t = (fix.temperatur - tMitte) * 0.1;
        s.n += 1;
        s.h += h;
        s.t += t;
        s.hh += h * h;
        s.ht += h * t;
    }
    for (size_t i = 1; i < kumuliert.size(); ++i) {
        Summen& s = kumuliert[i];
        const Summen& v = kumuliert[i - 1];
        s.n += v.n, s.h += v.h, s.t += v.t, s.hh += v.hh, s.ht += v.ht;
    }
    const auto bis = [&](int hoehe) -> const Summen& {
        return kumuliert[static_cast<size_t>(std::clamp(hoehe, unten - 1, oben) - unten + 1)];
    };

    for (int k = 0; k < CSarnixDoc::anzahlSlots; ++k) {
        const int mitte = 5 * k + 2;
        const Summen& a = bis(mitte + fenster);
        const Summen& b = bis(mitte - fenster - 1);
        const double n = a.n - b.n;
        if (n < mindestAnzahl)
            continue;
        const double mh = (a.h - b.h) / n, mt = (a.t - b.t) / n;
        const double varianz = (a.hh - b.hh) / n - mh * mh;
        if (!(varianz >= mindestVarianz))
            continue;
        const double kovarianz = (a.ht - b.ht) / n - mh * mt;
        const double steigung = -kovarianz / varianz;  // K per metre, positive when it cools upward
        // basis - steigung × h passes through the mean point of the band.
        const double basis = mt + tMitte * 0.1 + steigung * (mh + hMitte);
        profil[static_cast<size_t>(k)] = {static_cast<float>(steigung), static_cast<float>(basis)};
    }
    FuelleProfilLuecken(profil);
    return profil;
}

const std::array<TemperaturSlot, CSarnixDoc::anzahlSlots>& ReferenzProfil(const CSarnixDoc& doc,
                                                                          TemperaturReferenzArt referenz)
{
    return referenz == ReferenzPhysikalisch ? doc.temperaturProfilPhysikalisch : doc.temperaturProfil;
}
