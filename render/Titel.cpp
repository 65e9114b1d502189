// The title below each pane.

#include "render/Abbildung.h"
#include "render/Graphen.h"
#include "render/Stil.h"

#include <QCoreApplication>

namespace {

QString TitelText(int8_t art)
{
    switch (art) {
    case Grundriss:
        return QCoreApplication::translate("Titel", "Grundriß");
    case BarogrammWest:
        return QCoreApplication::translate("Titel", "Barogramm mit Blickrichtung nach Westen");
    case BarogrammNord:
        return QCoreApplication::translate("Titel", "Barogramm mit Blickrichtung nach Norden");
    case Temperaturverlauf:
        return QCoreApplication::translate("Titel", "Temperaturverlauf");
    case BarogrammZeit:
        return QCoreApplication::translate("Titel", "Barogramm über der Zeit");
    default:
        return {};
    }
}

}  // namespace

void ZeichneTitel(const CSarnixDoc&, const CAnsicht& ansicht, Zeichenflaeche& f, int pane)
{
    const Grafik* grafik = GrafikVon(ansicht, pane);
    if (!grafik)
        return;
    const Zeichenflaeche::SchriftWahl schrift(f, stil::Schrift(f.AktuelleSchrift(), 20, 0, 500));
    const QString text = TitelText(grafik->art);
    const Rechteck& ecke = grafik->ecke;
    // Below the pane, centred 30 pixels left of its middle.
    const int32_t x = ecke.left + (ecke.right - ecke.left) / 2 - f.GetTextExtentPoint(text).cx / 2 - 30;
    f.TextOut(x, ecke.bottom + 5, text);
}
