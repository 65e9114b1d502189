#include "render/PngSchreiben.h"

#include "render/Palette.h"
#include "render/PngIndiziert.h"

#include <QImageWriter>
#include <QSaveFile>

namespace {

// For Qt's writer: Qt maps 0..100 onto zlib's levels 0..9, 60 is level 5, one below the default.
// With the palette that is a third of the default's time, and sparse small pictures stay as
// small as before.
constexpr int schnelleKompression = 60;

}  // namespace

QImage MitPalette(const QImage& bild)
{
    if (bild.isNull())
        return {};
    const QImage quelle = bild.format() == QImage::Format_RGB32 || bild.format() == QImage::Format_ARGB32
                              ? bild
                              : bild.convertToFormat(QImage::Format_ARGB32);
    QImage ergebnis(quelle.size(), QImage::Format_Indexed8);
    if (ergebnis.isNull())
        return {};
    Farbtafel tafel;
    if (!Indiziere(quelle, 0, quelle.height(), ergebnis.bits(), ergebnis.bytesPerLine(), tafel))
        return {};
    ergebnis.setColorTable(tafel.Tabelle());
    ergebnis.setDotsPerMeterX(bild.dotsPerMeterX());
    ergebnis.setDotsPerMeterY(bild.dotsPerMeterY());
    return ergebnis;
}

bool SchreibePng(const QImage& bild, QIODevice& ziel, int faeden)
{
    if (bild.isNull())
        return false;
    const QImage quelle = bild.format() == QImage::Format_RGB32 || bild.format() == QImage::Format_ARGB32
                              ? bild
                              : bild.convertToFormat(QImage::Format_ARGB32);
    QImage indiziert;
    switch (SchreibeIndiziert(quelle, ziel, faeden)) {
    case Indiziert::Geschrieben:
        return true;
    case Indiziert::Fehler:
        return false;
    case Indiziert::ZuVieleFarben:
        break;
    case Indiziert::Unmoeglich:
        indiziert = MitPalette(quelle);
        break;
    }
    QImageWriter schreiber(&ziel, "png");
    schreiber.setCompression(schnelleKompression);
    return schreiber.write(indiziert.isNull() ? bild : indiziert);
}

bool SpeicherePng(const QImage& bild, const QString& pfad, int faeden)
{
    QSaveFile datei(pfad);
    if (bild.isNull() || !datei.open(QIODevice::WriteOnly))
        return false;
    if (!SchreibePng(bild, datei, faeden)) {
        datei.cancelWriting();
        return false;
    }
    return datei.commit();
}
