#pragma once
// A print job's pages, worked out once from the flight, the page and the chosen scale: the
// window's preview and printer, the command line's /p and sarnix-cli all draw every page, and
// the scale dialog counts them, from this one plan.

#include "printmap/KartenLage.h"
#include "printmap/KartenUnterlage.h"
#include "printmap/SeitenMass.h"

#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

class CSarnixDoc;
struct Wertung;

// The scale chosen for the page and whether time marks are printed; asked while drawing.
struct DruckWahl {
    // A constructor, so that a choice of scale and marks alone leaves the scored path and the
    // underlay out.
    DruckWahl(int m = 0, int z = 1, std::shared_ptr<const Wertung> w = {}, DruckUnterlage u = {})
        : massstab(m), mitZeitmarken(z), wertung(std::move(w)), unterlage(u)
    {
    }
    int massstab = 0;
    int mitZeitmarken = 1;
    std::shared_ptr<const Wertung> wertung;  // the scored path over the track, when the window shows it
    DruckUnterlage unterlage;                // map and relief under the track, as the window shows them
};
// Shown with the proposed scale; returns the choice. The window shows CDruckDlg; sarnix-cli
// answers without a dialog. A scale that is not one of the standard scales means the proposal.
using MassstabFrage = std::function<DruckWahl(int vorschlag)>;

// What the plan worked out, for sarnix-cli and the tests. Left untouched when nothing was drawn.
struct KartenInfo {
    int vorschlag = 0;
    int massstab = 0;
    bool gedreht = false;
    int gitter = 0;
    int seiten = 1;  // more than one: an overview page, then the tiles
};

// One sheet of a map on several: its working window and its place in the grid of tiles.
struct Kachel {
    KartenLage lage;
    int spalte = 0;
    int zeile = 0;
};

// A map on one sheet as the flight fits it; a flight too large for the sheet at the chosen scale
// gets an overview first, then the tiles that the track crosses.
struct KartenPlan {
    KartenInfo info;
    int mitZeitmarken = 1;
    std::shared_ptr<const Wertung> wertung;
    DruckUnterlage unterlage;
    bool mehrseitig = false;
    SeitenMass mass;  // the printable page
    // Where the map is drawn: the whole page for a map on one sheet; on several sheets the page
    // above the footer, which no line crosses.
    Rechteck feld;
    KartenLage erste;             // the first page: the one map, or the overview of all tiles
    std::vector<Kachel> kacheln;  // the pages after the overview, in print order
};

// Asks for the scale once and plans every page. nullopt without a flight or without a usable
// page size.
std::optional<KartenPlan> KartePlanen(const CSarnixDoc& doc, const SeitenMass& mass, const MassstabFrage& frage);

// The pages the map takes at scale s on that page, as the plan of that scale prints them.
int SeitenAnzahl(const CSarnixDoc& doc, const SeitenMass& mass, int s);
