#pragma once
// The flight drawn as a map at a standard scale on any surface: a printer's page, a PDF or an
// image. Asks for the scale through a callback, so the window, the preview and sarnix-cli share it.

#include "printmap/SeitenMass.h"
#include "render/Zeichenflaeche.h"

#include <functional>
#include <optional>

class CSarnixDoc;

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
    int seiten = 1;  // more than one: an overview page, then the tiles
};

// Asks for the scale once and works out orientation and pages. nullopt without a flight or
// without a usable page size.
struct KartenPlan {
    KartenInfo info;
    int mitZeitmarken = 1;
};
std::optional<KartenPlan> KartePlanen(const CSarnixDoc& doc, const SeitenMass& mass, const MassstabFrage& frage);

// Draws page `seite` (0 .. info.seiten - 1) of a planned map; 1 when track was drawn on it.
int KartenSeiteDrucken(const CSarnixDoc& doc, Zeichenflaeche& f, const SeitenMass& mass, const KartenPlan& plan,
                       int seite);

// Plans the map and draws its first page; 1 when the track was drawn, 0 without a flight or
// fixes (or without a usable page size: then nothing is drawn).
int KarteDrucken(const CSarnixDoc& doc, Zeichenflaeche& f, float pxMmX, float pxMmY, float breiteMm,
                 float hoeheMm, const Rechteck& seite, const MassstabFrage& frage,
                 KartenInfo* info = nullptr);
int KarteDrucken(const CSarnixDoc& doc, Zeichenflaeche& f, const SeitenMass& mass, const MassstabFrage& frage,
                 KartenInfo* info = nullptr);
