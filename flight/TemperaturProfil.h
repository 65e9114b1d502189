#pragma once
// The instrument's temperature reference profile: a straight line of temperature over altitude
// per 5 m band, fitted through the fixes recorded while sinking, the gaps between bands closed.

#include "flight/CSarnixDoc.h"

#include <vector>

using TemperaturProfil = std::array<TemperaturSlot, CSarnixDoc::anzahlSlots>;

// Over slots 0 to 1200: a run of empty slots (steigung 0) takes the next filled slot above it;
// a run that reaches slot 1200 takes the slot just below it. A profile without values stays zero.
void FuelleProfilLuecken(TemperaturProfil& profil);

// The profile of the fixes over the extent's altitudes; bands the fit rejects stay empty until
// their gaps are closed.
TemperaturProfil InstrumentenProfil(const std::vector<CDaten>& fixe, const Fenster& ausdehnung);
