#include "pipeline/Zeichnen.h"

#include "flight/CSarnixDoc.h"
#include "render/Legende.h"
#include "render/Abbildung.h"
#include "render/Ansicht.h"
#include "render/Graphen.h"
#include "render/Thermiken.h"
#include "render/WertungZeichnen.h"
#include "pipeline/Karte.h"
#include "pipeline/Layout.h"
#include "pipeline/SpurCursor.h"

#include <QImage>
#include <optional>
#include <QPainter>

#include <cmath>

namespace {

// Drawing the markers and the readout starts no timers.
class KeineUhr final : public CursorUhr {
public:
    void Starte(int, int) override {}
    void Stoppe(int) override {}
};

void ZeichneGraph(const CSarnixDoc& doc, CAnsicht& a, Zeichenflaeche& f, int pane)
{
    switch (a.ansicht.grafik[static_cast<size_t>(pane)].art) {
    case Grundriss:
        // Computed before drawing, as the plan view fits the same window.
        if (!doc.datenListe.empty())
            a.grundrissFenster = AngepasstesFenster(a, doc, pane);
        ZeichneGrundriss(doc, a, f, pane);
        break;
    case BarogrammWest:
        ZeichneBarogrammWest(doc, a, f, pane);
        break;
    case BarogrammNord:
        ZeichneBarogrammNord(doc, a, f, pane);
        break;
    case Temperaturverlauf:
        ZeichneTemperaturverlauf(doc, a, f, pane);
        break;
    case BarogrammZeit:
        ZeichneBarogrammZeit(doc, a, f, pane);
        break;
    default:
        break;
    }
}

}  // namespace

void Zeichnen(const CSarnixDoc& doc, CAnsicht& a, Zeichenflaeche& f, CursorZustand* cursor)
{
    if (!doc.geladen)
        return;

    if (!a.ausdehnungUebernommen) {
        a.zoomFenster = doc.ausdehnung;
        a.zeitFenster = {};
        a.grundrissFenster.reset();  // a window of another flight shows none of these fixes
        a.ausdehnungUebernommen = 1;
        a.ansicht.grafik[0].art = Grundriss;
    }

    // Only pane counts of 1 and 2 have a layout.
    const int anzahl = a.grafikanzahl == 1 || a.grafikanzahl == 2 ? a.grafikanzahl : 0;
    std::optional<std::vector<Flugphase>> phasen;  // found once per draw, only when shown
    for (int i = 0; i < anzahl; ++i) {
        ZeichneTitel(doc, a, f, i);
        if (anzahl == 1)
            LegendeSeitlich(doc, a, f, i);
        else
            LegendeOben(doc, a, f, i);
        // The map lies under grid and track, its attribution over them.
        const bool karte = a.karte && a.ansicht.grafik[static_cast<size_t>(i)].art == Grundriss;
        if (karte)
            ZeichneKarte(doc, a, f, i, *a.karte);
        ZeichneGraph(doc, a, f, i);
        if (karte)
            ZeichneKartenTexte(a, f, i, *a.karte);
        if (a.thermiken) {
            if (!phasen)
                phasen = BerechneFlugphasen(doc);
            ZeichneThermiken(doc, *phasen, a, f, i);
        }
        if (a.wertungZeigen && a.wertung)
            ZeichneWertung(doc, *a.wertung, a, f, i);
    }

    ZeichneAuswahlStreifen(a, f);

    KeineUhr uhr;
    CursorZustand ohne;
    CSpurCursor(doc, a, cursor ? *cursor : ohne, uhr).ZeichneCursor(5, f);
}

void NeuZeichnen(const CSarnixDoc& doc, CAnsicht& a, QImage& bild, CursorZustand* cursor)
{
    // White rather than the style's window colour: the same picture on every platform.
    bild.fill(Qt::white);
    BerechneLayout(a, LogischeGroesse(bild));
    QPainter maler(&bild);
    Zeichenflaeche flaeche(maler);
    Zeichnen(doc, a, flaeche, cursor);
}

QImage Leinwand(int breite, int hoehe, double verhaeltnis)
{
    if (breite <= 0 || hoehe <= 0 || !(verhaeltnis > 0.0))
        return {};
    const double w = std::round(breite * verhaeltnis);
    const double h = std::round(hoehe * verhaeltnis);
    // QImage refuses what it cannot hold; the bound keeps the product from overflowing first.
    constexpr double groesste = 1 << 20;
    if (w < 1.0 || h < 1.0 || w > groesste || h > groesste)
        return {};
    QImage bild(static_cast<int>(w), static_cast<int>(h), QImage::Format_RGB32);
    if (!bild.isNull())
        bild.setDevicePixelRatio(verhaeltnis);
    return bild;
}

Rechteck LogischeGroesse(const QImage& leinwand)
{
    // Rounded back: the device size was rounded from the logical one at a ratio of at least 1.
    const double r = leinwand.devicePixelRatio();
    return Rechteck{0, 0, static_cast<int32_t>(std::lround(leinwand.width() / r)),
                    static_cast<int32_t>(std::lround(leinwand.height() / r))};
}
