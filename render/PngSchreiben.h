#pragma once
// PNG written fast: with a palette where the picture has at most 256 colours, and a quick
// compression level; the decoded pixels are those of the picture.

#include <QImage>
#include <QString>

class QIODevice;

// The picture as 8-bit indexed image with the same pixels, or null when it has more colours.
QImage MitPalette(const QImage& bild);

// Writes bild as PNG to ziel, a large picture on up to faeden threads; false when that failed.
bool SchreibePng(const QImage& bild, QIODevice& ziel, int faeden = 1);

// Writes bild as PNG to pfad through a temporary file renamed at the end, so a reader never sees
// half a picture and a failure leaves what was there.
bool SpeicherePng(const QImage& bild, const QString& pfad, int faeden = 1);
