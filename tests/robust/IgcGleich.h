#pragma once
// Whether two readings of one IGC log gave the same flight, field by field: a log read in two
// halves at once must give exactly what reading it in order gives. Shared by the reader's tests
// and the IGC fuzz harness. Returns the first difference, empty when equal.

#include "flight/Igc.h"

#include <string>
#include <tuple>
#include <vector>

namespace robust {

inline auto Felder(const CDaten& d)
{
    return std::tie(d.zeit, d.vario, d.laenge, d.breite, d.temperatur, d.sog, d.tas, d.hatPosition,
                    d.imAusschnitt, d.hoehe);
}

inline std::string FixeUnterschied(const std::vector<CDaten>& a, const std::vector<CDaten>& b)
{
    if (a.size() != b.size())
        return "Fixe " + std::to_string(a.size()) + " gegen " + std::to_string(b.size());
    for (size_t i = 0; i < a.size(); ++i)
        if (Felder(a[i]) != Felder(b[i]))
            return "Fix " + std::to_string(i) + " (Zeit " + std::to_string(a[i].zeit) + " gegen "
                   + std::to_string(b[i].zeit) + ")";
    return {};
}

inline std::string IgcUnterschied(const IgcFlug& a, const IgcFlug& b)
{
    if (const std::string fixe = FixeUnterschied(a.fixe, b.fixe); !fixe.empty())
        return fixe;
    const IgcKopf& k = a.kopf;
    const IgcKopf& l = b.kopf;
    if (std::tie(k.istIgc, k.datum, k.pilot, k.muster, k.kennzeichen, k.wettbewerb, k.startplatz, k.logger,
                 k.signatur, k.hoehe, k.erweiterungen)
        != std::tie(l.istIgc, l.datum, l.pilot, l.muster, l.kennzeichen, l.wettbewerb, l.startplatz, l.logger,
                    l.signatur, l.hoehe, l.erweiterungen))
        return "Kopf";
    if (a.wegpunkte.size() != b.wegpunkte.size())
        return "Wegpunkte";
    for (size_t i = 0; i < a.wegpunkte.size(); ++i) {
        const CWegPunkt& p = a.wegpunkte[i];
        const CWegPunkt& q = b.wegpunkte[i];
        if (std::tie(p.name, p.laenge, p.breite, p.art, p.nummer) != std::tie(q.name, q.laenge, q.breite, q.art, q.nummer))
            return "Wegpunkt " + std::to_string(i);
    }
    if (std::tie(a.hatTemperatur, a.hatVario, a.hatGeschwindigkeit)
        != std::tie(b.hatTemperatur, b.hatVario, b.hatGeschwindigkeit))
        return "Felder";
    return {};
}

}  // namespace robust
