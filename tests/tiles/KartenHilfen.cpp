#include "KartenHilfen.h"

#include <cmath>

namespace karte {

QImage Zeichnen(Kartendienst& d, const KartenAusschnitt& a, QRgb grund)
{
    QImage bild(a.breite, a.hoehe, QImage::Format_RGB32);
    bild.fill(grund);
    d.Zeichne(bild, a);
    d.Warten(10000);
    d.Zeichne(bild, a);
    return bild;
}

int Abweichungen(const QImage& bild, const KartenAusschnitt& a, QRgb grund)
{
    int n = 0;
    for (int j = 0; j < a.hoehe; ++j) {
        const double breite = a.nord - (j + 0.5) * (a.nord - a.sued) / a.hoehe;
        for (int i = 0; i < a.breite; ++i) {
            const double laenge = a.west + (i + 0.5) * (a.ost - a.west) / a.breite;
            const bool schwarz = (static_cast<int>(std::floor(breite / 5) + std::floor(laenge / 5)) & 1) != 0;
            const QRgb p = bild.pixel(i, j);
            n += p == grund || p != (schwarz ? dunkel : hell);
        }
    }
    return n;
}

}  // namespace karte
