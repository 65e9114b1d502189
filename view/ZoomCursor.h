#pragma once
// The mouse cursor of an armed zoom: a black circle 17 pixels across with a plus sign inside,
// on a 32 x 32 monochrome cursor, hot spot at the circle's centre (8, 8).

#include <QCursor>

QCursor ZoomCursor();
