#pragma once
// The flight as KML 2.2 for 3-D globe viewers: the timed track at absolute altitudes, the same
// track in line pieces coloured like the graphs, the route points and the thermals, each in a
// folder of its own.

#include "export/ExportWahl.h"

#include <cstdint>

class CSarnixDoc;
class QIODevice;

// False when the device did not take everything.
bool SchreibeKml(const CSarnixDoc& doc, const ExportWahl& wahl, QIODevice& ziel, ExportBericht* bericht = nullptr);

// The colouring the coloured track takes: the temperature colouring of a flight without recorded
// temperature, and the wind colouring of one without airspeed, have nothing to show, and the
// track is written uncoloured.
int8_t KmlFaerbung(const CSarnixDoc& doc, int8_t farbe);
