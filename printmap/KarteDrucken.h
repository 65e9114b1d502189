#pragma once
// The flight drawn as a map at a standard scale on any surface: a printer's page, a PDF or an
// image. Asks for the scale through a callback, so the window, the preview and sarnix-cli share it.

#include "printmap/Seitenplan.h"
#include "render/Zeichenflaeche.h"

class CSarnixDoc;

// Draws page `seite` (0 .. info.seiten - 1) of a planned map; 1 when track was drawn on it.
int KartenSeiteDrucken(const CSarnixDoc& doc, Zeichenflaeche& f, const KartenPlan& plan, int seite);

// Plans the map and draws its first page; 1 when the track was drawn, 0 without a flight or
// fixes (or without a usable page size: then nothing is drawn).
int KarteDrucken(const CSarnixDoc& doc, Zeichenflaeche& f, float pxMmX, float pxMmY, float breiteMm,
                 float hoeheMm, const Rechteck& seite, const MassstabFrage& frage,
                 KartenInfo* info = nullptr);
int KarteDrucken(const CSarnixDoc& doc, Zeichenflaeche& f, const SeitenMass& mass, const MassstabFrage& frage,
                 KartenInfo* info = nullptr);
