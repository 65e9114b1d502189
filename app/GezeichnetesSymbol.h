#pragma once
// An icon drawn in code at exactly the pixels asked for, so it stays sharp at every screen
// scale, 1.25 and 1.5 included, where a stored picture would be resampled.

#include <QIcon>
#include <QSizeF>
#include <functional>

// `zeichnen` paints the picture on a canvas of `flaeche` units; the icon scales it to any size.
// Standard sizes, for window systems that ask which sizes there are: `groessen`.
QIcon GezeichnetesSymbol(QSizeF flaeche, std::function<void(QPainter&)> zeichnen, QList<QSize> groessen);
