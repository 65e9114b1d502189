#include "export/Strecken.h"

#include "flight/CSarnixDoc.h"
#include "export/Zahlen.h"

namespace {

constexpr int64_t halbKreis = 1800000000;  // 180° in 1e-7 degree
constexpr int64_t vollKreis = 2 * halbKreis;
constexpr int64_t pol = halbKreis / 2;

}  // namespace

bool LageAus(int32_t breite, int32_t laenge, Lage& lage)
{
    lage.breite = GradE7(breite);
    if (lage.breite > pol || lage.breite < -pol)
        return false;
    // East 180° and west 180° are one meridian; the formats allow only the western name.
    int64_t l = (GradE7(laenge) + halbKreis) % vollKreis;
    if (l < 0)
        l += vollKreis;
    lage.laenge = l - halbKreis;
    return true;
}

Spur SpurAus(const CSarnixDoc& doc)
{
    Spur spur;
    const std::vector<CDaten>& fixe = doc.datenListe;
    spur.lagen.resize(fixe.size());
    bool offen = false;
    for (size_t i = 0; i < fixe.size(); ++i) {
        const CDaten& f = fixe[i];
        const bool mitLage = f.hatPosition != 0 && LageAus(f.breite, f.laenge, spur.lagen[i]);
        if (mitLage && !offen)
            spur.strecken.push_back({i, i});
        if (mitLage) {
            spur.strecken.back().ende = i + 1;
            ++spur.punkte;
        }
        offen = mitLage;
    }
    return spur;
}
