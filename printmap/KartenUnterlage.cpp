#include "printmap/KartenUnterlage.h"

#include "flight/Koordinaten.h"
#include "pipeline/GelaendeLesen.h"
#include "render/Gelaende.h"
#include "tiles/Kartendienst.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <utility>

UnterlageRaster UnterlageRasterVon(const KartenLage& lage, const Rechteck& feld)
{
    UnterlageRaster r;
    const SeitenMass& m = lage.mass;
    if (lage.massstab <= 0 || !(m.pxMmX > 0.0f) || !(m.pxMmY > 0.0f) || feld.right <= feld.left
        || feld.bottom <= feld.top)
        return r;
    // Turned, east runs up the page and north to its left.
    const double pxLaenge = lage.gedreht ? m.pxMmY : m.pxMmX;
    const double pxBreite = lage.gedreht ? m.pxMmX : m.pxMmY;
    const Rechteck& s = m.seite;
    const auto [laengeVon, laengeBis] = lage.gedreht ? std::pair(s.bottom - feld.bottom, s.bottom - feld.top)
                                                     : std::pair(feld.left - s.left, feld.right - s.left);
    const auto [breiteVon, breiteBis] = lage.gedreht ? std::pair(s.right - feld.right, s.right - feld.left)
                                                     : std::pair(s.bottom - feld.bottom, s.bottom - feld.top);
    // Page pixels per coordinate unit along each direction, as KartenLage maps.
    const double proLaenge = double(lage.meterProLaenge) * pxLaenge * 1000.0 / lage.massstab;
    const double proBreite = double(lage.meterProBreite) * pxBreite * 1000.0 / lage.massstab;
    if (!(proLaenge > 0.0) || !(proBreite > 0.0))
        return r;
    KartenAusschnitt& a = r.ausschnitt;
    a.west = GradAus(double(lage.laengeMin) + laengeVon / proLaenge);
    a.ost = GradAus(double(lage.laengeMin) + laengeBis / proLaenge);
    a.sued = GradAus(double(lage.breiteMin) + breiteVon / proBreite);
    a.nord = GradAus(double(lage.breiteMin) + breiteBis / proBreite);
    const double mmOstWest = (laengeBis - laengeVon) / pxLaenge;
    const double mmNordSued = (breiteBis - breiteVon) / pxBreite;
    double proMm = std::min({double(m.pxMmX), double(m.pxMmY), unterlageDpi / 25.4});
    const double flaeche = mmOstWest * mmNordSued * proMm * proMm;
    if (flaeche > unterlageHoechstPixel)
        proMm *= std::sqrt(unterlageHoechstPixel / flaeche);
    a.breite = std::max(1, int(std::lround(mmOstWest * proMm)));
    a.hoehe = std::max(1, int(std::lround(mmNordSued * proMm)));
    // A ground metre is massstab / 1000 paper millimetres.
    r.meterSpalte = mmOstWest * lage.massstab / 1000.0 / a.breite;
    r.meterZeile = mmNordSued * lage.massstab / 1000.0 / a.hoehe;
    return r;
}

namespace {

// The relief's points are the pixels' centres.
ReliefRaster ReliefFuer(const UnterlageRaster& u)
{
    const KartenAusschnitt& a = u.ausschnitt;
    const double spalte = (a.ost - a.west) / a.breite;
    const double zeile = (a.nord - a.sued) / a.hoehe;
    return {{0, 0, a.breite, a.hoehe}, a.west + spalte / 2, a.ost - spalte / 2, a.sued + zeile / 2, a.nord - zeile / 2,
            a.breite, a.hoehe, u.meterSpalte, u.meterZeile};
}

}  // namespace

void ZeichneUnterlage(Zeichenflaeche& f, const KartenLage& lage, const Rechteck& feld, const DruckUnterlage& unterlage)
{
    const UnterlageRaster u = UnterlageRasterVon(lage, feld);
    if (unterlage.Leer() || u.ausschnitt.breite <= 0)
        return;
    QImage bild(u.ausschnitt.breite, u.ausschnitt.hoehe, QImage::Format_RGB32);
    if (bild.isNull())
        return;
    bild.fill(Qt::white);
    if (unterlage.karte) {
        const Kartendienst::Ergebnis e = unterlage.karte->Zeichne(bild, u.ausschnitt, false);
        if (unterlage.summe) {
            unterlage.summe->kachelnBenoetigt += e.benoetigt;
            unterlage.summe->kachelnFehlend += e.fehlend;
        }
    }
    if (unterlage.gelaende) {
        const QImage relief = unterlage.gelaende->ReliefJetzt(ReliefFuer(u));
        if (!relief.isNull()) {
            // As in the window: over a map the relief darkens it rather than hiding it.
            QPainter maler(&bild);
            if (unterlage.karte)
                maler.setCompositionMode(QPainter::CompositionMode_Multiply);
            maler.drawImage(0, 0, relief);
        }
    }
    {
        QPainter& maler = f.painter();
        const MalerZustand zustand(maler);
        maler.setRenderHint(QPainter::SmoothPixmapTransform);
        const double breite = feld.right - feld.left;
        const double hoehe = feld.bottom - feld.top;
        if (lage.gedreht) {
            // North-west lies at the bottom left, and the picture's rows run to the right.
            maler.translate(feld.left, feld.bottom);
            maler.rotate(-90.0);
            maler.drawImage(QRectF(0.0, 0.0, hoehe, breite), bild);
        } else {
            maler.drawImage(QRectF(feld.left, feld.top, breite, hoehe), bild);
        }
    }
}

void ZeichneNamensnennung(Zeichenflaeche& f, const Rechteck& feld, float pxMm, const DruckUnterlage& unterlage)
{
    const QString text = unterlage.karte ? unterlage.karte->Namensnennung() : QString();
    if (text.isEmpty())
        return;
    LogFont schrift = f.AktuelleSchrift();
    schrift.lfFaceName.clear();
    schrift.lfHeight = AufPixel(-2.5f * pxMm);  // 2.5 mm, smaller than the grid's labels
    schrift.lfWidth = 0;
    schrift.lfWeight = 400;
    schrift.lfEscapement = 0;
    const Zeichenflaeche::SchriftWahl wahl(f, schrift);
    const Zeichenflaeche::HintergrundWahl hintergrund(f, OPAQUE);
    const Zeichenflaeche::TextFarbWahl farbe(f, RGB(60, 60, 60));
    const Groesse g = f.GetTextExtentPoint(text);
    f.TextOut(feld.right - g.cx - AufPixel(pxMm), feld.bottom - g.cy - AufPixel(pxMm), text);
}
