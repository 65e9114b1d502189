#pragma once
// From flight coordinates to pane pixels: the aspect fit of the zoom window and the mapping of
// the three ground kinds. Renderers, marks and the track cursor all map through `Abbildung`, so
// a marker lands exactly on the pixel its fix was drawn at.

#include "render/Ansicht.h"

#include <cstdint>

class CSarnixDoc;

// Fits zoomFenster to the aspect of pane `pane` and stores the result in anzeigeFenster. A window
// without extent in a direction (a single position) is first widened to 300 units about its
// centre, so that the fit and the mapping never divide by zero.
void FensterAnpassen(CAnsicht& ansicht, const CSarnixDoc& doc, int pane);
// The window FensterAnpassen would store, leaving the view state alone.
Fenster AngepasstesFenster(const CAnsicht& ansicht, const CSarnixDoc& doc, int pane);

// The pane's record, or nullptr when `pane` is no pane index.
const Grafik* GrafikVon(const CAnsicht& ansicht, int pane);

// Metres per coordinate unit as the mapping uses them. The factor cancels out of every pixel
// position, so an unusable one (0 at the pole or without positions, negative, not finite)
// is taken as 1.
float Meterfaktor(float meterProEinheit);

// A 64-bit result held to the range of int32.
int32_t AufInt32(int64_t wert);

// A float pixel position truncated toward zero, kept within ±1 000 000 pixels; NaN lands far
// off the left or top.
int32_t PixelAus(float wert);

class Abbildung {
public:
    // The mapping of pane `pane` with its ecke and the current anzeigeFenster; `art` is
    // Grundriss, BarogrammWest or BarogrammNord (anything else maps like Grundriss).
    Abbildung(const CAnsicht& ansicht, const CSarnixDoc& doc, int pane, int8_t art);

    Punkt Pixel(int32_t laenge, int32_t breite, int32_t hoehe) const
    {
        return {Spalte(art == BarogrammWest ? breite : laenge),
                art == Grundriss ? Zeile(breite) : HoehenZeile(hoehe)};
    }
    // Strictly inside the ground window in both directions, whatever the kind shows.
    bool Innen(int32_t laenge, int32_t breite) const { return ImFenster(fenster, laenge, breite); }

    // Pixel column of a value of the horizontal coordinate (laenge, or breite looking west).
    int32_t Spalte(int64_t wert) const
    {
        return PixelAus(static_cast<float>(ecke.left)
                        + static_cast<float>(wert - horizontalMin) * meterHorizontal * skalaHorizontal);
    }
    // Pixel row of a latitude in the plan view.
    int32_t Zeile(int64_t breite) const
    {
        return PixelAus(static_cast<float>(ecke.bottom)
                        - static_cast<float>(breite - fenster.breiteMin) * meterVertikal * skalaVertikal);
    }
    // Pixel row of an altitude in a barogram: the altitude axis's bottom (0 m unless the flight
    // goes below) on the bottom edge, hoeheMax on the top edge.
    int32_t HoehenZeile(int32_t hoehe) const
    {
        return PixelAus(static_cast<float>(ecke.top) - static_cast<float>(int64_t{hoehe} - hoeheUnten) * skalaHoehe
                        + static_cast<float>(ecke.bottom - ecke.top));
    }

    // Pixels per metre across the pane (sx, sh) and up the plan view (sy).
    float SkalaHorizontal() const { return skalaHorizontal; }
    float SkalaVertikal() const { return skalaVertikal; }
    const Rechteck& Ecke() const { return ecke; }
    const Fenster& Ausschnitt() const { return fenster; }

private:
    int8_t art;
    Rechteck ecke;
    Fenster fenster;
    int64_t horizontalMin = 0;
    float meterHorizontal = 1.0f;
    float skalaHorizontal = 0.0f;
    float meterVertikal = 1.0f;
    float skalaVertikal = 0.0f;
    float skalaHoehe = 0.0f;  // pixels per metre of altitude (sv)
    int64_t hoeheUnten = 0;   // the altitude on the bottom edge
};

// Pixel of a ground position (laenge, breite) at altitude hoehe in a pane of kind art
// (Grundriss, BarogrammWest, BarogrammNord), with the pane's ecke and anzeigeFenster.
Punkt PixelVon(const CAnsicht& ansicht, const CSarnixDoc& doc, int pane, int8_t art,
               int32_t laenge, int32_t breite, int32_t hoehe);
