#include "printmap/KartenUnterlage.h"

#include "flight/Koordinaten.h"
#include "pipeline/GelaendeLesen.h"
#include "render/Gelaende.h"
#include "tiles/Kartendienst.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

UnterlageRaster UnterlageRasterVon(const KartenLage& lage, const Rechteck& feld)
{
    UnterlageRaster r;
    const SeitenMass& m = lage.mass;
    if (lage.massstab <= 0 || !(m.pxMmX > 0.0f) || !(m.pxMmY > 0.0f) || feld.right <= feld.left
        || feld.bottom <= feld.top)
        return r;
    // Page pixels per coordinate unit along the axis each direction runs on, as KartenLage maps.
    const double proLaenge = double(lage.meterProLaenge) * (lage.gedreht ? m.pxMmY : m.pxMmX) * 1000.0 / lage.massstab;
    const double proBreite = double(lage.meterProBreite) * (lage.gedreht ? m.pxMmX : m.pxMmY) * 1000.0 / lage.massstab;
    if (!(proLaenge > 0.0) || !(proBreite > 0.0))
        return r;
    const Rechteck& s = m.seite;
    const double laenge0 = double(lage.laengeMin);
    const double breite0 = double(lage.breiteMin);
    double mmOstWest = 0.0, mmNordSued = 0.0;
    if (!lage.gedreht) {
        r.west = GradAus(laenge0 + (feld.left - s.left) / proLaenge);
        r.ost = GradAus(laenge0 + (feld.right - s.left) / proLaenge);
        r.sued = GradAus(breite0 + (s.bottom - feld.bottom) / proBreite);
        r.nord = GradAus(breite0 + (s.bottom - feld.top) / proBreite);
        mmOstWest = (feld.right - feld.left) / double(m.pxMmX);
        mmNordSued = (feld.bottom - feld.top) / double(m.pxMmY);
    } else {
        // Turned: east runs up the page, north to its left.
        r.west = GradAus(laenge0 + (s.bottom - feld.bottom) / proLaenge);
        r.ost = GradAus(laenge0 + (s.bottom - feld.top) / proLaenge);
        r.nord = GradAus(breite0 + (s.right - feld.left) / proBreite);
        r.sued = GradAus(breite0 + (s.right - feld.right) / proBreite);
        mmOstWest = (feld.bottom - feld.top) / double(m.pxMmY);
        mmNordSued = (feld.right - feld.left) / double(m.pxMmX);
    }
    double proMm = std::min({double(m.pxMmX), double(m.pxMmY), unterlageDpi / 25.4});
    const double flaeche = mmOstWest * mmNordSued * proMm * proMm;
    if (flaeche > unterlageHoechstPixel)
        proMm *= std::sqrt(unterlageHoechstPixel / flaeche);
    r.spalten = std::max(1, int(std::lround(mmOstWest * proMm)));
    r.zeilen = std::max(1, int(std::lround(mmNordSued * proMm)));
    // A ground metre is massstab / 1000 paper millimetres.
    r.meterSpalte = mmOstWest * lage.massstab / 1000.0 / r.spalten;
    r.meterZeile = mmNordSued * lage.massstab / 1000.0 / r.zeilen;
    return r;
}

namespace {

// The relief's points are the pixels' centres.
ReliefRaster ReliefFuer(const UnterlageRaster& u)
{
    const double spalte = (u.ost - u.west) / u.spalten;
    const double zeile = (u.nord - u.sued) / u.zeilen;
    ReliefRaster r;
    r.ecke = {0, 0, u.spalten, u.zeilen};
    r.west = u.west + spalte / 2;
    r.ost = u.ost - spalte / 2;
    r.nord = u.nord - zeile / 2;
    r.sued = u.sued + zeile / 2;
    r.spalten = u.spalten;
    r.zeilen = u.zeilen;
    r.meterSpalte = u.meterSpalte;
    r.meterZeile = u.meterZeile;
    return r;
}

}  // namespace

UnterlageErgebnis ZeichneUnterlage(Zeichenflaeche& f, const KartenLage& lage, const Rechteck& feld,
                                   const DruckUnterlage& unterlage)
{
    UnterlageErgebnis ergebnis;
    const UnterlageRaster u = UnterlageRasterVon(lage, feld);
    if (unterlage.Leer() || u.spalten <= 0)
        return ergebnis;
    QImage bild(u.spalten, u.zeilen, QImage::Format_RGB32);
    if (bild.isNull())
        return ergebnis;
    bild.fill(Qt::white);
    if (unterlage.karte) {
        const Kartendienst::Ergebnis e =
            unterlage.karte->Zeichne(bild, {u.west, u.ost, u.nord, u.sued, u.spalten, u.zeilen}, false);
        ergebnis.kachelnBenoetigt = e.benoetigt;
        ergebnis.kachelnFehlend = e.fehlend;
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
    return ergebnis;
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
