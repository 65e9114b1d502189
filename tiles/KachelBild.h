#pragma once
// A tile's bytes made into the picture the map draws: its size checked before anything is
// decoded (a few hundred bytes of PNG can claim gigabytes of pixels), scaled to 256 pixels and
// lightened so that the track's colours stay readable over it.

#include <QByteArray>
#include <QImage>
#include <QString>

struct KachelBild {
    QImage bild;     // 256 x 256, RGB32, lightened; null when the bytes were no usable tile
    QString fehler;  // why not
};

KachelBild KachelDekodieren(const QByteArray& daten);

// One colour channel after lightening: halfway to white.
constexpr int Aufgehellt(int kanal) { return (kanal + 255 + 1) / 2; }
