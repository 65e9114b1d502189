#pragma once
// The stroke rule shared by the plan view and the barograms: a fix on the pixel last drawn is
// skipped, a fix that starts the track or lies within one pixel of the last one gets a
// five-pixel dot, any other fix is joined to the last one by a 3-pixel segment in its colour.

#include "flight/Arten.h"
#include "flight/Farbe.h"

#include <cstdint>

class Abbildung;
class CSarnixDoc;
struct CDaten;
class Zeichenflaeche;

class Strich {
public:
    explicit Strich(Zeichenflaeche& flaeche) : f(flaeche) {}

    // A fix that is not drawn ends the connection; the next one starts with a dot.
    void Unterbrechen() { verbunden = false; }

    // True when (px, py) is the pixel drawn last, so the fix adds nothing.
    bool Wiederholt(int32_t px, int32_t py) const { return gezeichnet && px == x && py == y; }

    // Draws a fix at (px, py) in `farbe` (the caller has checked Wiederholt first).
    void Zeichne(int32_t px, int32_t py, COLORREF farbe);

private:
    Zeichenflaeche& f;
    int32_t x = 0;
    int32_t y = 0;
    bool gezeichnet = false;  // nothing drawn yet: even a fix on pixel (0, 0) is drawn
    bool verbunden = false;
};

// The whole track in file order through `abbildung`, coloured by the pane's colour mode `farbe`.
// Fixes without a position or outside the ground window are not drawn and break the track.
void ZeichneSpur(const CSarnixDoc& doc, const Abbildung& abbildung, int8_t farbe, TemperaturReferenzArt referenz,
                 Zeichenflaeche& f);

// The colour of a fix in a pane of colour mode `farbe`.
COLORREF FixFarbe(const CSarnixDoc& doc, int8_t farbe, TemperaturReferenzArt referenz, const CDaten& fix);
