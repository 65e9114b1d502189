#pragma once
// Grid lines at whole steps of the biased coordinates, shared by the plan view and the
// barograms: the step, the values in a window and the two ways a line is labelled.

#include "flight/Koordinaten.h"
#include "render/Zeichenflaeche.h"

#include <cstdint>

struct Fenster;

// Tenth of the window's east-west extent, at least 100 units, truncated to a multiple of 100.
int64_t GitterSchritt(const Fenster& fenster);

// Grid values v with min <= v < max whose distance from `nullpunkt` is a multiple of `schritt`.
struct Gitterwerte {
    int64_t erster = 0;
    int64_t anzahl = 0;  // 0 when no multiple lies in the range, or too many to show
    int64_t schritt = 1;
};
Gitterwerte GitterwerteIn(int64_t min, int64_t max, int64_t schritt,
                          int64_t nullpunkt = koordinatenNullpunkt);

// The altitude axis of the barograms and the temperature profile: from 0 m up to the highest
// altitude, or, for a flight that goes below 0 m, from the grid line at or below its lowest
// altitude, so that no fix falls below the pane. oben < unten: no altitude to show.
struct HoehenSkala {
    int64_t unten = 0;
    int64_t oben = 0;
    int64_t schritt = 50;
};
HoehenSkala HoehenSkalaVon(int64_t hoeheMin, int64_t hoeheMax);

// A vertical grid line from the top to the bottom of the pane, with its turned label (the font
// reading upward is selected) standing centred on it above the pane; the later one covers the
// other where they touch.
enum class Reihenfolge { LinieZuerst, TextZuerst };
void SenkrechteGitterlinie(Zeichenflaeche& f, const Rechteck& ecke, int32_t x, const QString& text,
                           Reihenfolge reihenfolge = Reihenfolge::LinieZuerst);

// A label right-aligned against the pane's left edge, centred on row y.
void TextLinksVon(Zeichenflaeche& f, const Rechteck& ecke, int32_t y, const QString& text);
