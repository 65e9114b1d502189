#pragma once
// What the ground says about a flight, for the flight information: the ground at take-off and
// landing and the lowest height above it in flight.

#include "flight/CDaten.h"
#include "flight/Fluege.h"

#include <cstddef>
#include <optional>
#include <span>
#include <vector>

struct GrundWerte {
    std::optional<float> startGrund;        // ground height at the first take-off
    std::optional<float> landeGrund;        // and at the last landing
    std::optional<float> tiefsterAbstand;   // lowest altitude above ground in flight
    std::size_t tiefsterFix = 0;            // the fix where it was
};

// From one ground height per fix (NaN where unknown). "In flight" leaves out the minute after
// each take-off and before each landing: on the ground and on final approach the glider is low
// by design, and the figure a pilot wants is the lowest pass in between.
GrundWerte GrundWerteVon(const std::vector<CDaten>& fixe, const std::vector<Flugabschnitt>& fluege,
                         std::span<const float> grund);
