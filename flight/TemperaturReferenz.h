#pragma once
// The physical temperature reference: a least-squares line of temperature over altitude through
// the sinking air around each 5 m band, in floating point, gaps filled from the neighbours. The
// instrument's own reference (the default) wraps its sums at 32 bits and, on long flights, stores
// lapse rates that colour altitude stripes instead of warm and cold air.

#include "flight/CSarnixDoc.h"

#include <vector>

// 0 (exakt, the instrument's computation) or 1 (physikalisch); other stored values mean exakt.
enum TemperaturReferenzArt : int32_t { ReferenzExakt = 0, ReferenzPhysikalisch = 1 };

// Slots as in temperaturProfil: reference in kelvin = basis - steigung × altitude.
std::array<TemperaturSlot, CSarnixDoc::anzahlSlots> PhysikalischesProfil(const std::vector<CDaten>& fixe);

// The profile the colouring compares against under the document's choice.
const std::array<TemperaturSlot, CSarnixDoc::anzahlSlots>& ReferenzProfil(const CSarnixDoc& doc);
