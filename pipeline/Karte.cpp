#include "pipeline/Karte.h"

#include "flight/CSarnixDoc.h"
#include "flight/Koordinaten.h"
#include "pipeline/BildWahl.h"
#include "pipeline/Zeichnen.h"
#include "render/Abbildung.h"
#include "render/Stil.h"
#include "tiles/Kartendienst.h"

#include <QImage>
#include <QPainter>

void ZeichneKarte(const CSarnixDoc& doc, CAnsicht& ansicht, Zeichenflaeche& f, int pane, Kartendienst& karte,
                  bool laden)
{
    const Grafik* grafik = GrafikVon(ansicht, pane);
    if (!grafik || doc.datenListe.empty())
        return;
    FensterAnpassen(ansicht, doc, pane);
    const Rechteck& e = grafik->ecke;
    const int breite = e.right - e.left;
    const int hoehe = e.bottom - e.top;
    QPainter& maler = f.painter();
    const QTransform t = maler.deviceTransform();
    const QRectF feld(e.left, e.top, breite, hoehe);
    const QRect geraet = t.mapRect(feld).toRect();
    const Fenster& w = ansicht.anzeigeFenster;
    const auto ausschnitt = [&](const QSize& g) {
        return KartenAusschnitt{GradAus(w.laengeMin), GradAus(w.laengeMax), GradAus(w.breiteMax), GradAus(w.breiteMin), g.width(),
                                g.height()};
    };
    if (breite <= 0 || hoehe <= 0 || geraet.isEmpty() || double(geraet.width()) * geraet.height() > 1e8)
        return;
    // On the window's canvas the map goes straight into its pixels; elsewhere (a printer, a
    // turned or clipped painter) through a picture of its own.
    QPaintDevice* geraetZiel = maler.device();
    auto* leinwand = geraetZiel && geraetZiel->devType() == QInternal::Image ? static_cast<QImage*>(geraetZiel) : nullptr;
    if (leinwand && t.type() <= QTransform::TxScale && !maler.hasClipping()
        && (leinwand->format() == QImage::Format_RGB32 || leinwand->format() == QImage::Format_ARGB32
            || leinwand->format() == QImage::Format_ARGB32_Premultiplied)
        && leinwand->rect().contains(geraet)) {
        // Copies of an image being painted are deep: these are the pixels the painter paints.
        QImage teil(leinwand->bits() + geraet.top() * leinwand->bytesPerLine() + geraet.left() * 4, geraet.width(),
                    geraet.height(), leinwand->bytesPerLine(), leinwand->format());
        teil.fill(Qt::white);  // where no tile is, the picture underneath must not show through
        karte.Zeichne(teil, ausschnitt(geraet.size()), laden);
        return;
    }
    QImage bild(geraet.size(), QImage::Format_RGB32);
    bild.fill(Qt::white);
    karte.Zeichne(bild, ausschnitt(bild.size()), laden);
    maler.drawImage(feld, bild);
}

void ZeichneKartenTexte(const CAnsicht& ansicht, Zeichenflaeche& f, int pane, const Kartendienst& karte)
{
    const Grafik* grafik = GrafikVon(ansicht, pane);
    if (!grafik)
        return;
    const Rechteck& e = grafik->ecke;
    const Zeichenflaeche::SchriftWahl schrift(f, stil::Schrift(f.AktuelleSchrift(), 11, 0, 400, 0));
    const Zeichenflaeche::HintergrundWahl hintergrund(f, OPAQUE);
    const Zeichenflaeche::TextFarbWahl farbe(f, RGB(60, 60, 60));
    const QString name = karte.Namensnennung();
    const Groesse g = f.GetTextExtentPoint(name);
    if (!name.isEmpty())
        f.TextOut(e.right - g.cx - 2, e.bottom - g.cy - 1, name);
    const QString hinweis = karte.Hinweis();
    if (!hinweis.isEmpty())
        f.TextOut(e.left + 2, e.bottom - g.cy - 1, hinweis);
}

QImage WahlBildMitKarte(const CSarnixDoc& doc, const BildWahl& wahl, Kartendienst& karte, int wartezeitMs)
{
    QImage bild = Leinwand(wahl.breite, wahl.hoehe, wahl.skalierung);
    if (bild.isNull())
        return bild;
    CAnsicht a = BildAnsicht(doc, wahl, bild);
    a.karte = &karte;
    const CAnsicht vorher = a;  // the second draw starts from the same state
    NeuZeichnen(doc, a, bild);
    if (karte.Offen() == 0)
        return bild;
    karte.Warten(wartezeitMs);
    a = vorher;
    NeuZeichnen(doc, a, bild);
    return bild;
}
