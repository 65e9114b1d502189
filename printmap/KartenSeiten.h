#pragma once
// A map on several sheets: when the flight does not fit one page at the chosen scale, an overview
// of the whole flight comes first, then tiles of the chosen scale that overlap a little, so that
// no part of the flight is left off.

#include "printmap/KartenLage.h"

class CSarnixDoc;

// Tiles overlap by this much, so the track can be followed from one sheet to the next.
inline constexpr float kachelUeberlappungMm = 10.0f;

struct KartenSeiten {
    int spalten = 1;
    int zeilen = 1;
    bool Mehrseitig() const { return spalten * zeilen > 1; }
};

// The sheets the flight needs at scale s on a page of breiteMm × hoeheMm.
KartenSeiten SeitenAufteilung(const CSarnixDoc& doc, float breiteMm, float hoeheMm, bool gedreht, int s);

// The working window of tile (spalte, zeile), counted from the top left of the turned or unturned
// page: all tiles together are centred on the flight as one large page would be.
KartenLage KachelLage(const CSarnixDoc& doc, const SeitenMass& mass, bool gedreht, int s,
                      const KartenSeiten& seiten, int spalte, int zeile);
