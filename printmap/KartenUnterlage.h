#pragma once
// What lies under the printed track, as the window shows it under the plan view: the map of a
// tile source and the shaded relief of the ground. Drawn once per page into a picture of the
// page's field that faces north, then laid onto the page, turned with the map when it is turned.

#include "printmap/KartenLage.h"
#include "render/Zeichenflaeche.h"
#include "tiles/KartenWarp.h"

#include <QImage>
#include <QString>

class CSarnixDoc;
class GelaendeDienst;
class Kartendienst;

// What the map of a print job's pages lacked.
struct UnterlageErgebnis {
    int kachelnBenoetigt = 0;
    int kachelnFehlend = 0;
};

struct DruckUnterlage {
    // Printing fetches nothing: the map comes from the cache or the MBTiles file.
    Kartendienst* karte = nullptr;
    const GelaendeDienst* gelaende = nullptr;
    UnterlageErgebnis* summe = nullptr;  // adds up every page's, when given
    bool Leer() const { return !karte && !gelaende; }
};

// The finest the underlay is drawn: tiles are made to be read on screens, and at more than this
// their labels shrink below what a pilot reads on paper; finer printers get it smoothed.
inline constexpr double unterlageDpi = 150.0;
// Pixels of one page's underlay at most, whatever the paper: memory stays bounded on a plotter.
inline constexpr double unterlageHoechstPixel = 16.0e6;

// The field of a page as a picture facing north: its edges in degrees, its size in pixels, and
// a pixel's size on the ground.
struct UnterlageRaster {
    KartenAusschnitt ausschnitt;
    double meterSpalte = 0.0;
    double meterZeile = 0.0;
};
UnterlageRaster UnterlageRasterVon(const KartenLage& lage, const Rechteck& feld);

// Draws the underlay over the field `feld` of the page with working window `lage`.
void ZeichneUnterlage(Zeichenflaeche& f, const KartenLage& lage, const Rechteck& feld, const DruckUnterlage& unterlage);
// The map's attribution in the bottom right corner of `feld`, over everything else.
void ZeichneNamensnennung(Zeichenflaeche& f, const Rechteck& feld, float pxMm, const DruckUnterlage& unterlage);
