#include "tiles/KachelBild.h"

#include "tiles/Mercator.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImageReader>
#include <QPainter>

namespace {

// Servers hand out 256 or 512 pixel tiles (1024 for print layers); more is no tile.
constexpr int kleinsteSeite = 64;
constexpr int groessteSeite = 1024;

void Aufhellen(QImage& bild)
{
    for (int y = 0; y < bild.height(); ++y) {
        auto* zeile = reinterpret_cast<QRgb*>(bild.scanLine(y));
        for (int x = 0; x < bild.width(); ++x) {
            const QRgb p = zeile[x];
            zeile[x] = qRgb(Aufgehellt(qRed(p)), Aufgehellt(qGreen(p)), Aufgehellt(qBlue(p)));
        }
    }
}

}  // namespace

KachelBild KachelDekodieren(const QByteArray& daten)
{
    QBuffer puffer;
    puffer.setData(daten);
    puffer.open(QIODevice::ReadOnly);
    QImageReader leser(&puffer);
    leser.setAllocationLimit(16);  // megabytes: a 1024 pixel tile needs 4
    const QSize groesse = leser.size();
    if (!groesse.isValid())
        return {{}, QCoreApplication::translate("Karte", "Kachel ist kein lesbares Bild")};
    if (groesse.width() != groesse.height() || groesse.width() < kleinsteSeite || groesse.width() > groessteSeite)
        return {{}, QCoreApplication::translate("Karte", "Kachel hat die unerwartete Größe %1 × %2")
                        .arg(groesse.width()).arg(groesse.height())};
    QImage bild;
    if (!leser.read(&bild))
        return {{}, QCoreApplication::translate("Karte", "Kachel ist kein lesbares Bild")};
    if (bild.hasAlphaChannel()) {
        // Transparent parts of a layer show the white paper, not black.
        QImage weiss(bild.size(), QImage::Format_RGB32);
        weiss.fill(Qt::white);
        QPainter maler(&weiss);
        maler.drawImage(0, 0, bild);
        maler.end();
        bild = weiss;
    } else {
        bild = bild.convertToFormat(QImage::Format_RGB32);
    }
    if (bild.width() != kachelPixel)
        bild = bild.scaled(kachelPixel, kachelPixel, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    Aufhellen(bild);
    return {bild, {}};
}
