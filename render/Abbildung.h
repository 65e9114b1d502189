#pragma once
// From flight coordinates to pane pixels: the aspect fit of the zoom window and the mapping of
// the three ground kinds.

#include "render/Ansicht.h"

class CSarnixDoc;
struct CDaten;

// Fits zoomFenster to the aspect of pane `pane` and stores the result in anzeigeFenster.
void FensterAnpassen(CAnsicht& ansicht, const CSarnixDoc& doc, int pane);

// Pixel of a ground position (laenge, breite) at altitude hoehe in a pane of kind art
// (Grundriss, BarogrammWest, BarogrammNord), with the pane's ecke and anzeigeFenster.
Punkt PixelVon(const CAnsicht& ansicht, int pane, int8_t art, int32_t laenge, int32_t breite,
               int32_t hoehe);
