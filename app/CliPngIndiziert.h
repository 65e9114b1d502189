#pragma once
// A picture with a palette written as PNG the quick way, where libpng is at hand: each row stored
// as its difference to the row above, compressed as runs. Drawn pictures are large single-colour
// areas, rows much like their neighbours and thin lines, which this packs about as tightly as
// zlib's default level in a third of the time.

#include <QImage>

class QIODevice;

namespace cli {

// True when this build writes through libpng itself; otherwise SchreibeIndiziert does nothing.
bool IndiziertMoeglich();

// Writes bild (Format_Indexed8) to ziel with its colour table and resolution; false when that
// failed or was impossible.
bool SchreibeIndiziert(const QImage& bild, QIODevice& ziel);

}  // namespace cli
