#pragma once
// The map under a view that is linear in longitude and latitude, made of Web Mercator tiles: the
// tiles are resampled row by row, each picture row at its own latitude.

#include <QImage>
#include <cstdint>
#include <functional>
#include <vector>

// What a picture shows: the longitude at its left and right edges, the latitude at its top and
// bottom edges, and its size in device pixels.
struct KartenAusschnitt {
    double west = 0.0;
    double ost = 0.0;
    double nord = 0.0;
    double sued = 0.0;
    int breite = 0;
    int hoehe = 0;
};

struct KachelNummer {
    int zoom = 0;
    int64_t x = 0;  // 0 .. 2^zoom-1, from the 180° meridian eastward
    int64_t y = 0;  // from the north
    friend bool operator==(const KachelNummer&, const KachelNummer&) = default;
};

// A tile to sample from: its picture (256 x 256) and, for a coarser tile standing in for a
// missing one, the part of it that covers the missing tile.
struct KachelTreffer {
    const QImage* bild = nullptr;
    int verschiebung = 0;  // pixel coordinates are shifted right by this
    int linksOben[2] = {0, 0};
};
using KachelFinder = std::function<KachelTreffer(const KachelNummer&)>;

// The zoom for the picture: its longitude per device pixel.
int ZoomFuerAusschnitt(const KartenAusschnitt& a, int groessterZoom);

// The tiles of zoom `zoom` the picture touches, from its centre outward, so that the middle
// arrives first; none beyond 85.05° north or south.
std::vector<KachelNummer> KachelnIm(const KartenAusschnitt& a, int zoom);

// Writes the map into ziel (RGB32 or an ARGB32 format, at least a.breite x a.hoehe device pixels) from its
// top left corner. Pixels of tiles the finder does not have, and rows beyond the Mercator
// limits, are left as they were.
void Verzerren(QImage& ziel, const KartenAusschnitt& a, int zoom, const KachelFinder& finder);
