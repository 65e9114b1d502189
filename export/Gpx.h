#pragma once
// The flight as GPX 1.1: route points, one track with a segment per stretch with positions, and
// temperature, climb rate and speeds of every point in an extension of the program's own.

#include "export/ExportWahl.h"

class CSarnixDoc;
class QIODevice;

// The namespace of the extension elements.
inline constexpr char gpxErweiterung[] = "urn:sarnix:gpx:1";

// False when the device did not take everything.
bool SchreibeGpx(const CSarnixDoc& doc, const ExportWahl& wahl, QIODevice& ziel, ExportBericht* bericht = nullptr);
