#pragma once
// From recorded time and altitude to the pixels of a time barogram, and back from a column to a
// time, so that track, marks, cursor and rubber band agree on every pixel.

#include "render/Ansicht.h"

#include <cstdint>

class CSarnixDoc;

// The earliest and latest time of the flight's fixes; unset when it has none.
ZeitFenster FlugZeiten(const CSarnixDoc& doc);

class ZeitAbbildung {
public:
    // The time barogram of pane `pane`: the chosen time window, or the whole flight.
    ZeitAbbildung(const CAnsicht& ansicht, const CSarnixDoc& doc, int pane);

    Punkt Pixel(int32_t zeit, int32_t hoehe) const { return {Spalte(zeit), HoehenZeile(hoehe)}; }
    int32_t Spalte(int64_t zeit) const;
    int32_t HoehenZeile(int32_t hoehe) const;
    // The time at a pixel column, held to the shown span.
    int32_t ZeitBei(int32_t x) const;
    bool Innen(int32_t zeit) const { return fenster.von <= zeit && zeit <= fenster.bis; }

    const ZeitFenster& Fenster() const { return fenster; }
    const Rechteck& Ecke() const { return ecke; }

private:
    Rechteck ecke;
    ZeitFenster fenster;
    float skalaZeit = 0.0f;   // pixels per second
    float skalaHoehe = 0.0f;  // pixels per metre
    int64_t hoeheUnten = 0;   // the altitude on the bottom edge
};
