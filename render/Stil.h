#pragma once
// The program's look in one place: the colours of grid, legend, strip and symbols, and the
// label fonts made from the surface's current font.

#include "flight/Farbe.h"
#include "render/Zeichenflaeche.h"

namespace stil {

inline constexpr COLORREF gitterGrau = RGB(210, 210, 210);    // grid lines of every graph
inline constexpr COLORREF legendenGrau = RGB(210, 210, 210);  // legend and readout backgrounds
inline constexpr COLORREF streifenBlau = RGB(0, 50, 255);     // pane selection strip
inline constexpr int symbolFarbe = 1;                         // route point symbols: farbTabelle[1]

inline constexpr int unveraendert = -1;  // keep the current font's weight or escapement

// A copy of `basis` with the given pixel height and average width, swiss family and the default
// face; weight and escapement as given or, with `unveraendert`, as in `basis`.
inline LogFont Schrift(const LogFont& basis, int hoehe, int breite, int gewicht = unveraendert,
                       int drehung = unveraendert)
{
    LogFont neu = basis;
    neu.lfHeight = -hoehe;
    neu.lfWidth = breite;
    if (gewicht != unveraendert)
        neu.lfWeight = gewicht;
    if (drehung != unveraendert)
        neu.lfEscapement = drehung;
    neu.lfPitchAndFamily = 0x20;
    neu.lfFaceName.clear();
    return neu;
}

// Labels of grids and axes: 10 pixels high, 5 wide; upright or turned to read upward.
inline LogFont Beschriftung(const LogFont& basis, bool gedreht)
{
    return Schrift(basis, 10, 5, unveraendert, gedreht ? 900 : 0);
}

}  // namespace stil
