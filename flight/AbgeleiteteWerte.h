#pragma once
// Values computed once after reading: the flight's extent and the metres per coordinate unit.

#include "flight/CDaten.h"
#include "flight/Fenster.h"

#include <vector>

// The extent of a document without fixes: every fix with a position widens it.
inline constexpr Fenster leereAusdehnung{0, 100000, 0, 0, 1000000000, 1000000000};

// von widened by the fixes that carry a position.
Fenster Ausdehnung(const std::vector<CDaten>& fixe, Fenster von = leereAusdehnung);

struct Massstab {
    float meterProBreite = 0.0f;
    float meterProLaenge = 0.0f;
};

// Metres per coordinate unit at the extent's mean latitude.
Massstab MassstabFuer(const Fenster& ausdehnung);
