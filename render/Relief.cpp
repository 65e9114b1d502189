// The shaded relief under the plan view.

#include "flight/CSarnixDoc.h"
#include "flight/Koordinaten.h"
#include "render/Abbildung.h"
#include "render/Gelaende.h"

#include <QPainter>
#include <cmath>

namespace {

int Mischung(int dunkel, int hell, double licht) { return static_cast<int>(std::lround(dunkel + (hell - dunkel) * licht)); }

}  // namespace

ReliefRaster ReliefRasterVon(const CSarnixDoc& doc, const CAnsicht& ansicht, int pane)
{
    ReliefRaster r;
    const Grafik* grafik = GrafikVon(ansicht, pane);
    if (!grafik)
        return r;
    const Abbildung abbildung(ansicht, doc, pane, Grundriss);
    const Rechteck& ecke = grafik->ecke;
    // Units per pixel across and up, as the track is mapped.
    const double ux = double(abbildung.SkalaHorizontal()) * Meterfaktor(doc.meterProLaenge);
    const double uy = double(abbildung.SkalaVertikal()) * Meterfaktor(doc.meterProBreite);
    const int spalten = ecke.right - ecke.left;
    const int zeilen = ecke.bottom - ecke.top;
    if (spalten <= 0 || zeilen <= 0 || !(ux > 0.0) || !(uy > 0.0))
        return r;
    const Fenster& fenster = abbildung.Ausschnitt();
    r.ecke = ecke;
    r.spalten = spalten;
    r.zeilen = zeilen;
    // A pixel's column holds the coordinates that map into it: its centre lies half a pixel in.
    r.west = GradAus(fenster.laengeMin + 0.5 / ux);
    r.ost = GradAus(fenster.laengeMin + (spalten - 0.5) / ux);
    r.nord = GradAus(fenster.breiteMin + (zeilen - 0.5) / uy);
    r.sued = GradAus(fenster.breiteMin + 0.5 / uy);
    r.meterSpalte = 1.0 / abbildung.SkalaHorizontal();
    r.meterZeile = 1.0 / abbildung.SkalaVertikal();
    return r;
}

QImage ReliefBild(const ReliefRaster& r, std::span<const float> hoehen)
{
    if (r.spalten <= 0 || r.zeilen <= 0 || hoehen.size() != size_t(r.spalten) * size_t(r.zeilen))
        return {};
    QImage bild(r.spalten, r.zeilen, QImage::Format_ARGB32_Premultiplied);
    if (bild.isNull())
        return bild;
    bild.fill(Qt::transparent);
    bool luecken = false;
    const auto h = [&](int x, int y) { return hoehen[size_t(y) * size_t(r.spalten) + size_t(x)]; };
    // Light from azimuth 315°, 45° up: (-1/2, 1/2, √2/2) with x east, y north, z up.
    const double lx = -0.5, ly = 0.5, lz = std::sqrt(0.5);
    for (int y = 0; y < r.zeilen; ++y) {
        auto* zeile = reinterpret_cast<QRgb*>(bild.scanLine(y));
        for (int x = 0; x < r.spalten; ++x) {
            const float mitte = h(x, y);
            if (std::isnan(mitte)) {
                luecken = true;
                continue;
            }
            // Central differences; a neighbour beyond the edge or unknown gives way to the centre,
            // and the step shrinks to one pixel.
            const auto nachbar = [&](int nx, int ny, double& abstand) {
                if (nx < 0 || ny < 0 || nx >= r.spalten || ny >= r.zeilen || std::isnan(h(nx, ny))) {
                    abstand -= 1.0;
                    return double(mitte);
                }
                return double(h(nx, ny));
            };
            double ax = 2.0, ay = 2.0;
            const double osten = nachbar(x + 1, y, ax) - nachbar(x - 1, y, ax);
            const double norden = nachbar(x, y - 1, ay) - nachbar(x, y + 1, ay);
            const double p = ax > 0.0 ? osten / (ax * r.meterSpalte) : 0.0;
            const double q = ay > 0.0 ? norden / (ay * r.meterZeile) : 0.0;
            // The surface's normal is (-p, -q, 1) over its length.
            const double licht = std::max(0.0, (-p * lx - q * ly + lz) / std::sqrt(p * p + q * q + 1.0));
            using namespace stil;
            zeile[x] = qRgb(Mischung(GetRValue(reliefSchatten), GetRValue(reliefLicht), licht),
                            Mischung(GetGValue(reliefSchatten), GetGValue(reliefLicht), licht),
                            Mischung(GetBValue(reliefSchatten), GetBValue(reliefLicht), licht));
        }
    }
    // Without holes the picture is copied rather than blended on every redraw.
    if (!luecken)
        bild.reinterpretAsFormat(QImage::Format_RGB32);
    return bild;
}

void ZeichneRelief(Zeichenflaeche& f, const ReliefRaster& r, const QImage& bild, bool ueberKarte)
{
    if (bild.isNull() || bild.width() != r.spalten || bild.height() != r.zeilen)
        return;
    QPainter& maler = f.painter();
    const MalerZustand zustand(maler);
    if (ueberKarte)
        maler.setCompositionMode(QPainter::CompositionMode_Multiply);
    maler.drawImage(QPoint(r.ecke.left, r.ecke.top), bild);
}
