// The scored path as drawn: legs solid between the turnpoints' squares, a triangle's closing
// pair joined by dashes with gaps between them, and nothing for a flight without a score.

#include "flight/Wertung.h"
#include "render/WertungZeichnen.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace {

WertungsPunkt Bei(int x, int y) { return {0, 0, y, x}; }

// A picture 200 × 200 where a position's laenge is its column and its breite its row.
QImage Bild(const Wertung& w)
{
    QImage bild(200, 200, QImage::Format_RGB32);
    bild.fill(Qt::white);
    QPainter maler(&bild);
    Zeichenflaeche f(maler);
    ZeichneWertungsWeg(w, [](int32_t laenge, int32_t breite) { return Punkt{laenge, breite}; }, f, 1);
    return bild;
}

bool Blau(const QImage& bild, int x, int y) { return bild.pixel(x, y) == qRgb(0, 90, 230); }

}  // namespace

TEST(WertungZeichnen, BeinePunkteUndGestrichelteSchliessung)
{
    Wertung frei;
    frei.start = Bei(20, 20);
    frei.wendepunkte = {Bei(120, 20)};
    frei.ziel = Bei(120, 120);

    Wertung dreieck;
    dreieck.schliessung = 0.5;
    dreieck.wendepunkte = {Bei(40, 40), Bei(160, 40), Bei(100, 160)};
    dreieck.start = Bei(20, 180);
    dreieck.ziel = Bei(120, 180);

    Wertung keine;
    keine.fehler = "kein Start gefunden";
    keine.wendepunkte = frei.wendepunkte;

    struct Fall {
        const char* was;
        const Wertung* w;
        int x, y;
        bool blau;
    };
    const Fall faelle[] = {
        {"first leg, halfway", &frei, 70, 20, true},
        {"last leg, halfway", &frei, 120, 70, true},
        {"no leg from finish back to start", &frei, 70, 70, false},
        {"turnpoint square, its corner 5 px off", &frei, 125, 15, true},
        {"start circle, 4 px left", &frei, 16, 20, true},
        {"triangle side, halfway", &dreieck, 100, 40, true},
        {"closing: first dash (0 to 8 px)", &dreieck, 24, 180, true},
        {"closing: first gap (8 to 14 px)", &dreieck, 31, 180, false},
        {"closing: second dash (14 to 22 px)", &dreieck, 37, 180, true},
        {"start not joined to the first turnpoint", &dreieck, 30, 110, false},
        {"no score, no line", &keine, 70, 20, false},
    };
    for (const Fall& fall : faelle)
        EXPECT_EQ(Blau(Bild(*fall.w), fall.x, fall.y), fall.blau) << fall.was;
}
