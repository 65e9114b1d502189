#pragma once
// The metrics of a printed page: pixels per millimetre, the page in millimetres and the drawing
// rectangle, from the resolution and the printable size in device pixels. The printer, the
// preview and sarnix-cli all go through here, so their maps come out alike.

#include "render/Zeichenflaeche.h"

#include <optional>

class QPageLayout;

struct SeitenMass {
    float pxMmX = 0.0f;
    float pxMmY = 0.0f;
    float breiteMm = 0.0f;
    float hoeheMm = 0.0f;
    Rechteck seite;  // left and top 0, right and bottom the printable width and height
};

// Empty when the resolution or the size is not positive: there is no scale to print at.
std::optional<SeitenMass> SeitenMassAus(int breitePx, int hoehePx, int dpiX, int dpiY);

// The largest resolution from dpi down to kleinste at which the whole page fits in memory as an
// image: at most 20 000 pixels a side and 100 million pixels (400 MB at 4 bytes a pixel).
int BildDpi(const QPageLayout& seite, int dpi, int kleinste);

// Truncates toward zero into the range a device coordinate may take; NaN gives 0.
int AufPixel(double wert);
