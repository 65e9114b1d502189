#pragma once
// Zooming with the wheel and the + and - keys, and moving the view by dragging: each changes the
// zoom window, the same one the rubber band sets, so "Verkleinern" and "Anpassen" keep their
// meaning. A pane follows its own axes: the plan view zooms and moves in both directions, a
// barogram along its ground axis only, its altitude axis staying from 0 to the highest altitude;
// the barogram over time changes its own time span instead, within the flight.

#include "flight/Fenster.h"
#include "render/Ansicht.h"
#include "render/Zeichenflaeche.h"

class CSarnixDoc;
struct CAnsicht;

// One wheel notch (120 in Qt's eighths of a degree) shows this many times less or more.
inline constexpr double radStufe = 1.4142135623730951;

// The span factor of a wheel turn: below 1 zooms in (turned away from the user), above 1 out.
// Fine-grained wheels and touchpads count in proportion; absurd turns are held to 20 notches.
double RadFaktor(int winkel);

// The shown pane under p that zooms (the plan view, the barograms, also over time): 0 or 1, or -1.
int ZoomGrafikBei(const CAnsicht& ansicht, Punkt p);

// Scales the zoom window by `faktor` about the flight position under pixel p of pane `pane`,
// which stays under p. Zooming in stops at a shown span of 300 units (0.03 arc minute), as the
// rubber band does; zooming out saturates far beyond the earth. True when the window changed.
bool ZoomUmPunkt(CAnsicht& ansicht, const CSarnixDoc& doc, int pane, Punkt p, double faktor);

// The same about the centre of the zoom window, which is the centre of every pane; the limits
// are those of the selected pane, or of the first one that zooms. A selected time barogram
// zooms its time span about its middle. False when no pane zooms.
bool ZoomUmMitte(CAnsicht& ansicht, const CSarnixDoc& doc, double faktor);

// A drag that moves the view: it remembers where it started, so every step is measured from
// there and no rounding adds up.
class Schwenk {
public:
    // Starts in the pane under p. False (and nothing starts) without a flight or a pane that
    // follows the zoom window.
    bool Beginnen(const CAnsicht& ansicht, const CSarnixDoc& doc, Punkt p);
    // The pointer is at p (anywhere, also outside the window): the flight under the start point
    // follows it. True when the zoom window changed.
    bool Ziehen(CAnsicht& ansicht, Punkt p) const;
    void Beenden() { pane = -1; }
    bool Aktiv() const { return pane >= 0; }
    Punkt Start() const { return start; }

private:
    int pane = -1;
    int8_t art = 0;
    Punkt start;
    Fenster zoomAmStart;  // the zoom window when the drag began
    Fenster anzeige;      // its fit to the pane: the units per pixel
    Rechteck ecke;
    ZeitFenster zeitAmStart;  // a time barogram's shown span when the drag began
    ZeitFenster flug;
};
