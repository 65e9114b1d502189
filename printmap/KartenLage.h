#pragma once
// Where the flight lies on the printed map: orientation, fitted and proposed scale, grid interval
// and the centred working window that maps coordinates to page pixels.

#include "printmap/SeitenMass.h"

#include <cstdint>

class CSarnixDoc;

// The scales the map can be printed at, finest first; the last one is taken when none fits.
inline constexpr int druckMassstaebe[] = {25000, 50000, 100000, 200000, 250000, 500000, 1000000};

// Extent in whole metres: trunc(units × metres per unit), in single precision.
int MeterAusdehnung(int64_t einheiten, float meterProEinheit);
// Turned when the track's longer side runs across the page's longer side.
bool KarteGedreht(int ew, int ns, float breiteMm, float hoeheMm);
// The scale denominator at which an extent of a × d metres (across × down) just fills the page.
int AngepassterMassstab(int a, int d, float breiteMm, float hoeheMm);
// The first standard scale not finer than q.
int MassstabVorschlag(int q);
// True for the scales of druckMassstaebe.
bool IstDruckMassstab(int s);
// Grid interval in coordinate units: 0.5 arc minutes at 1:25 000 up to 20 at 1:1 000 000.
int GitterAbstand(int s);
// Coordinate units by which a window of delta units is widened on each side so that it spans
// a page length of p pixels at scale s.
int64_t Zentrierung(int64_t delta, float meterProEinheit, int p, float pxMm, int s);

// Orientation and proposed scale of a flight on a page of the given size.
struct KartenEntwurf {
    bool gedreht = false;
    int vorschlag = 0;
};
KartenEntwurf Entwerfen(const CSarnixDoc& doc, float breiteMm, float hoeheMm);

struct KartenLage {
    bool gedreht = false;
    int massstab = 0;
    // The working window: the flight's extent widened to the whole page.
    int64_t laengeMin = 0;
    int64_t laengeMax = 0;
    int64_t breiteMin = 0;
    int64_t breiteMax = 0;
    float meterProLaenge = 0.0f;
    float meterProBreite = 0.0f;
    SeitenMass mass;

    // The centred window of the flight at scale s on the page.
    static KartenLage Berechne(const CSarnixDoc& doc, const SeitenMass& mass, bool gedreht, int s);
    // The same for any extent in coordinate units, such as the tiles of a map on several sheets.
    static KartenLage Berechne(int64_t laengeMin, int64_t laengeMax, int64_t breiteMin, int64_t breiteMax,
                               float meterProLaenge, float meterProBreite, const SeitenMass& mass, bool gedreht,
                               int s);

    // Page x of a longitude when not turned, page y when turned.
    int LaengeAufSeite(int64_t laenge) const;
    // Page y of a latitude when not turned, page x when turned.
    int BreiteAufSeite(int64_t breite) const;
    Punkt Seitenpunkt(int32_t laenge, int32_t breite) const;
};
