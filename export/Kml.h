#pragma once
// The flight as KML 2.2 for 3-D globe viewers: the timed track at absolute altitudes, the same
// track in line pieces coloured like the graphs, the route points and the thermals, each in a
// folder of its own.

#include "export/ExportWahl.h"

class CSarnixDoc;
class QIODevice;

// False when the device did not take everything.
bool SchreibeKml(const CSarnixDoc& doc, const ExportWahl& wahl, QIODevice& ziel, ExportBericht* bericht = nullptr);
