#pragma once
// The physical temperature reference: a least-squares line of temperature over altitude through
// the sinking air around each 5 m band, in floating point, gaps filled from the neighbours. The
// instrument's own reference (the default) wraps its sums at 32 bits and, on long flights, stores
// lapse rates that colour altitude stripes instead of warm and cold air.

#include "flight/Arten.h"
#include "flight/CSarnixDoc.h"

#include <vector>

// Slots as in temperaturProfil: reference in kelvin = basis - steigung × altitude.
std::array<TemperaturSlot, CSarnixDoc::anzahlSlots> PhysikalischesProfil(const std::vector<CDaten>& fixe);

// The profile the colouring compares against under the reference chosen.
const std::array<TemperaturSlot, CSarnixDoc::anzahlSlots>& ReferenzProfil(const CSarnixDoc& doc,
                                                                          TemperaturReferenzArt referenz);
