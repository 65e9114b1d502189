#pragma once
// Hand-made flights and views for the graph tests, and canvases to draw them on.

#include "flight/CSarnixDoc.h"
#include "render/Ansicht.h"
#include "render/Zeichenflaeche.h"

#include "TestHilfen.h"
#include "ZeichenHilfen.h"

#include <QImage>
#include <QPainter>
#include <QRect>
#include <QString>
#include <optional>

namespace graph {

constexpr QRgb weiss = 0xFFFFFFFFu;
constexpr QRgb schwarz = 0xFF000000u;
constexpr QRgb gruen = 0xFF00FF00u;      // colour table 102: every fix without colouring
constexpr QRgb rot = 0xFFFF0000u;        // colour table 203: climbing 6 m/s
constexpr QRgb grau = 0xFFD2D2D2u;       // grid lines
constexpr QRgb symbolBlau = 0xFF000CFFu; // colour table 1: route point symbols

inline CDaten Fix(int32_t laenge, int32_t breite, int16_t hoehe = 0, int32_t zeit = 0)
{
    CDaten fix;
    fix.laenge = laenge;
    fix.breite = breite;
    fix.hoehe = hoehe;
    fix.zeit = zeit;
    fix.hatPosition = 1;
    return fix;
}

inline Fenster FensterAus(int32_t laengeMin, int32_t laengeMax, int32_t breiteMin, int32_t breiteMax,
                          int32_t hoeheMax = 1000)
{
    Fenster f;
    f.laengeMin = laengeMin;
    f.laengeMax = laengeMax;
    f.breiteMin = breiteMin;
    f.breiteMax = breiteMax;
    f.hoeheMax = hoeheMax;
    f.hoeheMin = 0;
    return f;
}

// A flight document whose extent is `fenster`, with the given metres per unit.
inline void Einrichten(CSarnixDoc& doc, const Fenster& fenster, float meterProLaenge = 1.0f,
                       float meterProBreite = 1.0f)
{
    doc.ausdehnung = fenster;
    doc.meterProLaenge = meterProLaenge;
    doc.meterProBreite = meterProBreite;
    doc.geladen = 1;
}

// One pane at `ecke` of kind `art`; both windows set to `fenster`.
inline CAnsicht AnsichtMit(const Rechteck& ecke, int8_t art, const Fenster& fenster,
                           int8_t farbe = KeineFaerbung)
{
    CAnsicht ansicht;
    ansicht.ansicht.grafik[0].ecke = ecke;
    ansicht.ansicht.grafik[0].art = art;
    ansicht.ansicht.grafik[0].farbe = farbe;
    ansicht.zoomFenster = fenster;
    ansicht.anzeigeFenster = fenster;
    return ansicht;
}

using test::Zeichne;

// A text drawn alone in `schrift` at (x, y): the reference a label is compared with.
inline QImage Text(int w, int h, const LogFont& schrift, int x, int y, const QString& text)
{
    return Zeichne(w, h, [&](Zeichenflaeche& f) {
        const Zeichenflaeche::SchriftWahl wahl(f, schrift);
        f.TextOut(x, y, text);
    });
}

// The font of grid and axis labels: 10 pixels high, 5 wide, upright or reading upward.
inline LogFont Beschriftung(bool gedreht)
{
    LogFont s;
    s.lfHeight = -10;
    s.lfWidth = 5;
    s.lfEscapement = gedreht ? 900 : 0;
    return s;
}

inline int Anzahl(const QImage& bild, QRgb farbe, const QRect& bereich)
{
    int n = 0;
    for (int y = bereich.top(); y <= bereich.bottom(); ++y)
        for (int x = bereich.left(); x <= bereich.right(); ++x)
            if (bild.valid(x, y) && bild.pixel(x, y) == farbe)
                ++n;
    return n;
}

inline int Anzahl(const QImage& bild, QRgb farbe) { return Anzahl(bild, farbe, bild.rect()); }

// Bounding box of the pixels inside `bereich` that are neither white nor of the grid grey.
inline QRect Tinte(const QImage& bild, const QRect& bereich)
{
    QRect box;
    for (int y = bereich.top(); y <= bereich.bottom(); ++y)
        for (int x = bereich.left(); x <= bereich.right(); ++x)
            if (bild.valid(x, y) && bild.pixel(x, y) != weiss && bild.pixel(x, y) != grau)
                box |= QRect(x, y, 1, 1);
    return box;
}

// True when both pictures agree on every pixel of `bereich` that is not grid grey in `bild`.
inline bool WieVorlage(const QImage& bild, const QImage& vorlage, const QRect& bereich)
{
    for (int y = bereich.top(); y <= bereich.bottom(); ++y)
        for (int x = bereich.left(); x <= bereich.right(); ++x) {
            if (!bild.valid(x, y) || bild.pixel(x, y) == grau)
                continue;
            if (bild.pixel(x, y) != vorlage.pixel(x, y))
                return false;
        }
    return true;
}

}  // namespace graph
