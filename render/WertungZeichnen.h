#pragma once
// The scored path over the flight: the legs as straight lines between the chosen fixes, the
// turnpoints marked, a triangle's closing pair joined by a dashed line; in barograms the
// turnpoints are marked where they were flown.

#include "render/Zeichenflaeche.h"

#include <cstdint>
#include <functional>

class CSarnixDoc;
struct CAnsicht;
struct Wertung;

inline constexpr COLORREF wertungsFarbe = RGB(0, 90, 230);

// From a ground position (laenge, breite) to a pixel of the surface.
using BodenAbbild = std::function<Punkt(int32_t laenge, int32_t breite)>;

// The path of a scored flight with lines `breite` pixels wide; a flight without a score draws
// nothing.
void ZeichneWertungsWeg(const Wertung& w, const BodenAbbild& abbild, Zeichenflaeche& f, int breite = 2);

// Over pane `pane` just drawn: the path on a plan view, the turnpoints in a barogram or a time
// barogram; other kinds get nothing.
void ZeichneWertung(const CSarnixDoc& doc, const Wertung& w, const CAnsicht& ansicht, Zeichenflaeche& f, int pane);
