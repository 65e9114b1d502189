#pragma once
// Colour of a fix: index 0..203 into the document's farbTabelle, by the pane's colour mode.

#include "flight/Arten.h"

#include <cstdint>

struct CDaten;
class CSarnixDoc;

// The 51-step intensity ramp and the 204-colour table built from it.
void BaueFarbTabelle(CSarnixDoc& doc);

// farbe is the pane's colour mode (a FarbArt, possibly out of range); referenz only matters to the
// temperature colouring.
int FarbIndex(int8_t farbe, const CDaten& fix, const CSarnixDoc& doc, TemperaturReferenzArt referenz);

// Whether the fixes carry an airspeed, without which there is no wind to colour. A document
// without fixes has nothing to say otherwise.
bool HatFahrtmessung(const CSarnixDoc& doc);
