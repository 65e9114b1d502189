#include "pipeline/Befehle.h"

#include "flight/CSarnixDoc.h"
#include "render/Ansicht.h"
#include "pipeline/Zoom.h"

#include <optional>

namespace {

struct PaneWert {
    int pane;  // 0 left, 1 right, -1 the selected pane
    int8_t wert;
};

std::optional<PaneWert> ArtBefehl(int id)
{
    using namespace Befehl;
    switch (id) {
    case LinksOben: return PaneWert{0, Grundriss};
    case LinksSueden: return PaneWert{0, BarogrammNord};
    case LinksOsten: return PaneWert{0, BarogrammWest};
    case LinksTemperatur: return PaneWert{0, Temperaturverlauf};
    case RechtsOben: return PaneWert{1, Grundriss};
    case RechtsSueden: return PaneWert{1, BarogrammNord};
    case RechtsOsten: return PaneWert{1, BarogrammWest};
    case RechtsTemperatur: return PaneWert{1, Temperaturverlauf};
    case AktivOben: return PaneWert{-1, Grundriss};
    case AktivWest: return PaneWert{-1, BarogrammWest};
    case AktivNord: return PaneWert{-1, BarogrammNord};
    case AktivTemperatur: return PaneWert{-1, Temperaturverlauf};
    case LinksZeit: return PaneWert{0, BarogrammZeit};
    case RechtsZeit: return PaneWert{1, BarogrammZeit};
    case AktivZeit: return PaneWert{-1, BarogrammZeit};
    default: return std::nullopt;
    }
}

std::optional<PaneWert> FarbBefehl(int id)
{
    using namespace Befehl;
    switch (id) {
    case LinksKeine: return PaneWert{0, KeineFaerbung};
    case RechtsKeine: return PaneWert{1, KeineFaerbung};
    case LinksTemperaturgradient: return PaneWert{0, Temperaturgradient};
    case RechtsTemperaturgradient: return PaneWert{1, Temperaturgradient};
    case LinksWind: return PaneWert{0, Wind};
    case RechtsWind: return PaneWert{1, Wind};
    case LinksFlughoehe: return PaneWert{0, Flughoehe};
    case RechtsFlughoehe: return PaneWert{1, Flughoehe};
    case LinksVario: return PaneWert{0, Variowerte};
    case RechtsVario: return PaneWert{1, Variowerte};
    case AktivKeine: return PaneWert{-1, KeineFaerbung};
    case AktivTemperaturgradient: return PaneWert{-1, Temperaturgradient};
    case AktivWind: return PaneWert{-1, Wind};
    case AktivFlughoehe: return PaneWert{-1, Flughoehe};
    case AktivVario: return PaneWert{-1, Variowerte};
    default: return std::nullopt;
    }
}

size_t PaneIndex(const CAnsicht& a, int pane)
{
    // A selected index outside 0..1 cannot come from a click; treat it as the left pane.
    return static_cast<size_t>(pane >= 0 ? pane : (a.aktiveGrafik == 1 ? 1 : 0));
}

Grafik& PaneVon(CAnsicht& a, int pane)
{
    return a.ansicht.grafik[PaneIndex(a, pane)];
}

const Grafik& PaneVon(const CAnsicht& a, int pane)
{
    return a.ansicht.grafik[PaneIndex(a, pane)];
}

bool IstMenuePaneBefehl(int id)
{
    return (id >= Befehl::LinksOben && id <= Befehl::RechtsVario && id != Befehl::Zeitmarken
            && id != Befehl::Routenpunkte)
           || id == Befehl::LinksZeit || id == Befehl::RechtsZeit;
}

}  // namespace

BefehlFolge BefehlAnwenden(CAnsicht& a, const CSarnixDoc& doc, int id)
{
    if (const auto art = ArtBefehl(id)) {
        PaneVon(a, art->pane).art = art->wert;
        return BefehlFolge::NeuZeichnen;
    }
    if (const auto farbe = FarbBefehl(id)) {
        PaneVon(a, farbe->pane).farbe = farbe->wert;
        return BefehlFolge::Zeichnen;
    }
    switch (id) {
    case Befehl::Einzelgrafik:
        a.grafikanzahl = 1;
        return BefehlFolge::NeuZeichnen;
    case Befehl::GeteilteGrafik:
        a.grafikanzahl = 2;
        return BefehlFolge::NeuZeichnen;
    case Befehl::Zeitmarken:
        a.zeitmarken = a.zeitmarken ? 0 : 1;
        return BefehlFolge::NeuZeichnen;
    case Befehl::Routenpunkte:
        a.wegpunkte = a.wegpunkte ? 0 : 1;
        return BefehlFolge::NeuZeichnen;
    case Befehl::Thermiken:
        a.thermiken = a.thermiken ? 0 : 1;
        return BefehlFolge::NeuZeichnen;
    case Befehl::Gelaende:
        a.gelaendeRelief = a.gelaendeRelief ? 0 : 1;
        return BefehlFolge::NeuZeichnen;
    case Befehl::Flugphasen:
        return BefehlFolge::Flugphasen;
    case Befehl::Wertung:
        return BefehlFolge::Wertung;
    case Befehl::WertungZeigen:
        a.wertungZeigen = a.wertungZeigen ? 0 : 1;
        return BefehlFolge::NeuZeichnen;
    case Befehl::Vergroessern:
        return doc.geladen ? BefehlFolge::ZoomScharf : BefehlFolge::Nichts;
    case Befehl::Verkleinern:
        Verkleinern(a);
        return BefehlFolge::NeuZeichnen;
    case Befehl::Anpassen:
        Anpassen(a);
        return BefehlFolge::NeuZeichnen;
    case Befehl::FlugInformationen:
        return BefehlFolge::FlugInfo;
    case Befehl::Einstellungen:
        return BefehlFolge::Konfiguration;
    default:
        return BefehlFolge::Unbekannt;
    }
}

bool BefehlAktiv(const CAnsicht&, const CSarnixDoc& doc, int id)
{
    switch (id) {
    case Befehl::Drucken:
    // Menu-only entries of the "&Grafik" menu: nothing to count or configure without a flight.
    case Befehl::Einzelgrafik:
    case Befehl::GeteilteGrafik:
    case Befehl::Einstellungen:
        return doc.geladen != 0;
    default:
        // The per-pane menus open only with a flight. Zoom, the summary (blanks without a
        // flight), the overlays and the toolbar's pane buttons stay usable in every mode.
        return IstMenuePaneBefehl(id) ? doc.geladen != 0 : true;
    }
}

bool BefehlMarkiert(const CAnsicht& a, int id)
{
    switch (id) {
    case Befehl::Einzelgrafik: return a.grafikanzahl == 1;
    case Befehl::GeteilteGrafik: return a.grafikanzahl == 2;
    case Befehl::Zeitmarken: return a.zeitmarken == 1;
    case Befehl::Routenpunkte: return a.wegpunkte == 1;
    case Befehl::Thermiken: return a.thermiken == 1;
    case Befehl::Gelaende: return a.gelaendeRelief == 1;
    case Befehl::WertungZeigen: return a.wertungZeigen == 1;
    default:
        // Kind and colour of the pane the entry or button acts on.
        if (const auto art = ArtBefehl(id))
            return PaneVon(a, art->pane).art == art->wert;
        if (const auto farbe = FarbBefehl(id))
            return PaneVon(a, farbe->pane).farbe == farbe->wert;
        return false;
    }
}
