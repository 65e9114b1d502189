#pragma once
// Memory for a large picture that is touched at once: a canvas of several megabytes is filled
// right after it is made, and a page fault for every 4 KiB of it costs more than the filling.

#include <QImage>

// An RGB32 image of breite x hoehe pixels, not yet filled; null when that is too large. On Linux
// a large one lies on huge pages where the system hands them out on request.
QImage RgbBild(int breite, int hoehe);
