#pragma once
// Finding the palette of a drawn picture: a few hundred colours in large areas, runs and rows
// like the one above.

#include <QImage>
#include <QList>

#include <array>
#include <cstdint>

// A small open-addressing table from colour to palette index; far quicker than a map for the
// two million look-ups of a large picture, most of which hit the colour of the pixel before.
class Farbtafel {
public:
    // The index of farbe, a new one if there is room; -1 when the palette is full.
    int Index(QRgb farbe)
    {
        size_t stelle = ((farbe * 2654435761u) >> 23) & (groesse - 1);
        while (belegt[stelle]) {
            if (farben[stelle] == farbe)
                return indizes[stelle];
            stelle = (stelle + 1) & (groesse - 1);
        }
        if (tabelle.size() == 256)
            return -1;
        belegt[stelle] = true;
        farben[stelle] = farbe;
        indizes[stelle] = static_cast<uint8_t>(tabelle.size());
        tabelle.append(farbe);
        return indizes[stelle];
    }

    const QList<QRgb>& Tabelle() const { return tabelle; }

private:
    static constexpr size_t groesse = 512;  // twice the palette: short probe runs
    std::array<QRgb, groesse> farben{};
    std::array<uint8_t, groesse> indizes{};
    std::array<bool, groesse> belegt{};
    QList<QRgb> tabelle;
};

// Rows von..bis-1 of quelle (RGB32 or ARGB32) as palette indices into ziel, one byte a pixel and
// zeilenAbstand bytes a row; the colours go into tafel. False when they do not fit.
bool Indiziere(const QImage& quelle, int von, int bis, uchar* ziel, qsizetype zeilenAbstand, Farbtafel& tafel);
