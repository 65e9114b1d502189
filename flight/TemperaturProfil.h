#pragma once
// Closing the gaps of the temperature reference profile (the band fit is CSarnixDoc's).

#include "flight/CSarnixDoc.h"

using TemperaturProfil = std::array<TemperaturSlot, CSarnixDoc::anzahlSlots>;

// Over slots 0 to 1200: a run of empty slots (steigung 0) takes the next filled slot above it;
// a run that reaches slot 1200 takes the slot just below it. A profile without values stays zero.
void FuelleProfilLuecken(TemperaturProfil& profil);
