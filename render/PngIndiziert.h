#pragma once
// A picture of at most 256 colours written as PNG with a palette, the quick way, where zlib is at
// hand: each row stored as its difference to the row above, compressed as runs. Drawn pictures
// are large single-colour areas, rows much like their neighbours and thin lines, which this packs
// about as tightly as zlib's default level in a third of the time. A large picture is cut into
// bands of rows that are indexed and compressed on threads of their own, then joined into one
// stream.

#include <QImage>

class QIODevice;

enum class Indiziert {
    Geschrieben,
    ZuVieleFarben,  // nothing written
    Fehler,         // the device failed
    Unmoeglich,     // this build has no zlib of its own; nothing written
};

// Writes bild (RGB32 or ARGB32) to ziel with its resolution, on up to faeden threads.
Indiziert SchreibeIndiziert(const QImage& bild, QIODevice& ziel, int faeden = 1);
