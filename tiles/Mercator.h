#pragma once
// Web Mercator as the tile servers number their tiles: 2^z by 2^z squares from the north-west
// corner, longitude linear, latitude stretched up to the 85.0511° where the square ends.

#include <cstdint>

inline constexpr double mercatorGrenze = 85.0511287798066;  // atan(sinh(pi)) in degrees
inline constexpr int kachelPixel = 256;

// Tile coordinates with the fraction: the integer part is the tile, the fraction the place
// within it. Longitude is not wrapped here; latitude is held to the Mercator limit.
double KachelXVon(double laenge, int zoom);
double KachelYVon(double breite, int zoom);
// The inverse: the longitude and latitude of a tile coordinate.
double LaengeVonKachelX(double x, int zoom);
double BreiteVonKachelY(double y, int zoom);

// A tile column taken round the 180° meridian into 0 .. 2^z-1.
int64_t KachelSpalteUmlaufend(int64_t x, int zoom);

// The zoom whose tile pixels come nearest to a screen pixel of the view: gradProPixel is the
// longitude one logical pixel spans, verhaeltnis the screen's device pixels per logical pixel.
// Held to 0 .. groessterZoom.
int ZoomFuer(double gradProPixel, double verhaeltnis, int groessterZoom);
