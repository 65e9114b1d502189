#pragma once
// The flight drawn as a map at a standard scale on any surface: a printer's page, a PDF or an
// image. Asks for the scale through a callback, so the window, the preview and sarnix-cli share it.

#include "render/Zeichenflaeche.h"

#include <functional>

class CSarnixDoc;
struct SeitenMass;

// The scale chosen for the page and whether time marks are printed; asked while drawing.
struct DruckWahl {
    int massstab = 0;
    int mitZeitmarken = 1;
};
// Shown with the proposed scale; returns the choice. The window shows CDruckDlg; sarnix-cli
// answers without a dialog. A scale that is not one of the standard scales means the proposal.
using MassstabFrage = std::function<DruckWahl(int vorschlag)>;

// What KarteDrucken worked out, for sarnix-cli and the tests. Left untouched when nothing was drawn.
struct KartenInfo {
    int vorschlag = 0;
    int massstab = 0;
    bool gedreht = false;
    int gitter = 0;
};

// Draws the map; 1 when the track was drawn, 0 without a flight or fixes (or without a usable
// page size: then nothing is drawn).
int KarteDrucken(const CSarnixDoc& doc, Zeichenflaeche& f, float pxMmX, float pxMmY, float breiteMm,
                 float hoeheMm, const Rechteck& seite, const MassstabFrage& frage,
                 KartenInfo* info = nullptr);
int KarteDrucken(const CSarnixDoc& doc, Zeichenflaeche& f, const SeitenMass& mass, const MassstabFrage& frage,
                 KartenInfo* info = nullptr);
