#pragma once
// Drawing in the tests: a surface over a canvas, the ink a draw left, and a pattern on which a
// pixel inverted twice or not at all shows. For the tests that link the drawing layer.

#include "TestHilfen.h"
#include "render/Zeichenflaeche.h"

#include <QImage>
#include <QPainter>
#include <QRect>

#include <set>
#include <utility>

namespace test {

using Pixel = std::pair<int, int>;

// Draws with a surface over bild and returns the picture.
template <class F>
QImage Zeichne(QImage bild, F&& zeichnen)
{
    {
        QPainter maler(&bild);
        Zeichenflaeche flaeche(maler);
        zeichnen(flaeche);
    }
    return bild;
}

// The same over a fresh white canvas of w x h pixels.
template <class F>
QImage Zeichne(int w, int h, F&& zeichnen)
{
    return Zeichne(LeeresBild(w, h), zeichnen);
}

// All pixels that differ from white, as (x, y) in device pixels.
inline std::set<Pixel> Tinte(const QImage& bild)
{
    std::set<Pixel> p;
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x)
            if (bild.pixel(x, y) != qRgb(255, 255, 255))
                p.insert({x, y});
    return p;
}

// Bounding box of the ink, in device pixels.
inline QRect TintenRahmen(const QImage& bild)
{
    QRect r;
    for (const auto& [x, y] : Tinte(bild))
        r |= QRect(x, y, 1, 1);
    return r;
}

// The canvas filled so that neighbouring pixels differ.
inline QImage Muster(QImage bild)
{
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x)
            bild.setPixel(x, y, qRgb((x * 37) & 0xFF, (y * 59) & 0xFF, ((x + y) * 13) & 0xFF));
    return bild;
}

inline QImage Muster(int w, int h)
{
    return Muster(QImage(w, h, QImage::Format_RGB32));
}

}  // namespace test
