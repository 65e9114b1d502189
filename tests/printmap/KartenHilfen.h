#pragma once
// Flights built by hand for the printed map, and drawing a map onto an image.

#include "flight/CSarnixDoc.h"
#include "printmap/KarteDrucken.h"
#include "printmap/SeitenMass.h"

#include <QImage>
#include <QPainter>

namespace karte {

constexpr int32_t bias = 500000000;

// A flight over the given extent; meters per unit chosen so that extents come out exact.
inline void Einrichten(CSarnixDoc& doc, int32_t laengeMin, int32_t laengeMax, int32_t breiteMin,
                       int32_t breiteMax, float meterProLaenge, float meterProBreite)
{
    doc.Leeren();
    doc.geladen = 1;
    doc.ausdehnung = Fenster{1200, 400, breiteMax, laengeMax, breiteMin, laengeMin};
    doc.meterProLaenge = meterProLaenge;
    doc.meterProBreite = meterProBreite;
    doc.dateiname = "C:\\Flüge\\lokal.vrl";
    doc.flugdatum = "12-07-03";
}

inline void Fix(CSarnixDoc& doc, int32_t zeit, int32_t laenge, int32_t breite, int32_t hatPosition = 1)
{
    CDaten d;
    d.zeit = zeit;
    d.laenge = laenge;
    d.breite = breite;
    d.hatPosition = hatPosition;
    doc.datenListe.push_back(d);
}

// The worked example: 10 km east-west (80 000 units at 0.125 m), 4 km north-south (16 000 at
// 0.25 m), from E 8°10' and N 46°40', the track from the south-west to the north-east corner.
inline void ZehnMalVier(CSarnixDoc& doc)
{
    Einrichten(doc, bias + 4900000, bias + 4980000, bias + 28000000, bias + 28016000, 0.125f, 0.25f);
    for (int i = 0; i <= 8; ++i)
        Fix(doc, 36000 + i, bias + 4900000 + i * 10000, bias + 28000000 + i * 2000);
}

// The answer of a user who keeps the proposal.
inline MassstabFrage Vorschlag(int zeitmarken = 1)
{
    return [zeitmarken](int v) { return DruckWahl{v, zeitmarken}; };
}

inline MassstabFrage Fest(int massstab, int zeitmarken = 1)
{
    return [massstab, zeitmarken](int) { return DruckWahl{massstab, zeitmarken}; };
}

// Draws the map of a page of breite × hoehe pixels at dpi onto an image of that size.
inline int Drucke(const CSarnixDoc& doc, QImage& bild, int dpi, const MassstabFrage& frage,
                  KartenInfo* info = nullptr)
{
    const auto mass = SeitenMassAus(bild.width(), bild.height(), dpi, dpi);
    QPainter maler(&bild);
    Zeichenflaeche f(maler);
    return KarteDrucken(doc, f, *mass, frage, info);
}

// Only the numbers: the page's metrics with a one-pixel image behind them.
inline KartenInfo Rechne(const CSarnixDoc& doc, int breite, int hoehe, int dpi, const MassstabFrage& frage)
{
    QImage bild(1, 1, QImage::Format_RGB32);
    bild.fill(Qt::white);
    const auto mass = SeitenMassAus(breite, hoehe, dpi, dpi);
    QPainter maler(&bild);
    Zeichenflaeche f(maler);
    KartenInfo info;
    KarteDrucken(doc, f, *mass, frage, &info);
    return info;
}

inline bool Schwarz(const QImage& bild, int x, int y)
{
    return (bild.pixel(x, y) & 0xFFFFFF) == 0;
}

inline bool Weiss(const QImage& bild, int x, int y)
{
    return (bild.pixel(x, y) & 0xFFFFFF) == 0xFFFFFF;
}

}  // namespace karte
