#include "terrain/GrundWerte.h"

#include <cmath>

namespace {

constexpr int32_t randSekunden = 60;

std::optional<float> Bekannt(float h) { return std::isnan(h) ? std::nullopt : std::optional<float>(h); }

}  // namespace

GrundWerte GrundWerteVon(const std::vector<CDaten>& fixe, const std::vector<Flugabschnitt>& fluege,
                         std::span<const float> grund)
{
    GrundWerte w;
    if (grund.size() != fixe.size() || fluege.empty())
        return w;
    w.startGrund = Bekannt(grund[fluege.front().start]);
    w.landeGrund = Bekannt(grund[fluege.back().landung]);
    for (const Flugabschnitt& flug : fluege) {
        for (std::size_t i = flug.start; i <= flug.landung; ++i) {
            const CDaten& fix = fixe[i];
            if (std::isnan(grund[i]) || fix.zeit < flug.startZeit + randSekunden ||
                fix.zeit > flug.landeZeit - randSekunden)
                continue;
            const float abstand = static_cast<float>(fix.hoehe) - grund[i];
            if (!w.tiefsterAbstand || abstand < *w.tiefsterAbstand) {
                w.tiefsterAbstand = abstand;
                w.tiefsterFix = i;
            }
        }
    }
    return w;
}
