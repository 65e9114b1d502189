#pragma once
// The three zoom operations on the view state: fit to the flight, three times out, and the rubber
// band with which the user drags a new window in a plan-view pane or a new time span in a time
// barogram.

#include "render/Zeichenflaeche.h"

#include <cstdint>
#include <limits>

class CSarnixDoc;
struct CAnsicht;

// Window limits are kept within half the 32-bit range, so that the span of any window and the
// offset of any fix from a limit still fit the 32-bit arithmetic of the renderers.
inline constexpr int64_t fensterGrenzeMin = std::numeric_limits<int32_t>::min() / 2;
inline constexpr int64_t fensterGrenzeMax = std::numeric_limits<int32_t>::max() / 2;
int32_t Saettigen(int64_t wert);

// "&Anpassen": the next draw takes the flight's extent as the zoom window again.
void Anpassen(CAnsicht& ansicht);

// "Ver&kleinern": the latitude range grows by the shown height on both sides (the aspect fit
// widens the longitude to match), a chosen time span by its length on both sides. Saturates far
// beyond the earth instead of wrapping around.
void Verkleinern(CAnsicht& ansicht);

// The pane the rubber band works in: 0 or 1, the first showing a plan view or a time barogram;
// -1 when none does.
int BandGrafik(const CAnsicht& ansicht);

// The pane a band pressed at p works in: as BandGrafik, but a plan view and a time barogram side
// by side each take the band pressed in them.
int BandGrafikBei(const CAnsicht& ansicht, Punkt p);

// Nearest point of r, separately in x and y.
Punkt InsRechteck(Punkt p, const Rechteck& r);

// Left button down. Returns false when the press is not the band's (no flight, no plan view).
bool BandDruecken(CAnsicht& ansicht, const CSarnixDoc& doc, Punkt p);
// Mouse move while the mouse is captured: the band follows the point, drawn by inverting pixels.
bool BandBewegen(CAnsicht& ansicht, Zeichenflaeche& f, Punkt p);
// After the canvas was drawn anew during a drag: the band as it stood, drawn once more.
void BandErneuern(const CAnsicht& ansicht, Zeichenflaeche& f);
// Left button up while the mouse is captured: the band ends. Returns true when a drag ended and
// BandZuFenster has set a new zoom window. The band is disarmed in every case.
bool BandLoslassen(CAnsicht& ansicht, Punkt p);

// Turns the band from bandStart to bandEnde in pane `pane` into a new zoom window. A pane
// without area (a tiny window) leaves the zoom window as it was; returns whether it changed.
bool BandZuFenster(CAnsicht& ansicht, int pane);
