#pragma once
// The view state that the draw pipeline, the renderers, the legend and the track cursor read:
// the panes with their kinds and colour modes, the overlay switches, the windows over the flight
// and the rubber band. A plain object, so the window, sarnix-cli and the tests share it. The
// document is never written while drawing: what a draw leaves for the next lives here.

#include "flight/Arten.h"
#include "flight/Fenster.h"
#include "render/Zeichenflaeche.h"

#include <array>
#include <cstdint>
#include <memory>
#include <optional>

struct Wertung;

class Kartendienst;

struct GelaendeAnsicht;

struct Grafik {
    Rechteck ecke;                 // the pane in client pixels
    int8_t art = Grundriss;        // AnsichtArt
    int8_t farbe = KeineFaerbung;  // FarbArt
};

struct Ansicht {
    std::array<Grafik, 4> grafik{};  // only 0 (single or left) and 1 (right) are used
};

// The span of recorded time a time barogram shows; unset (bis <= von) means the whole flight.
struct ZeitFenster {
    int32_t von = 0;
    int32_t bis = 0;
    bool Gesetzt() const { return bis > von; }
    friend bool operator==(const ZeitFenster&, const ZeitFenster&) = default;
};

struct CAnsicht {
    int32_t einstellungenLaden = 1;  // settings not yet read (the window reads them before drawing)
    int32_t ausdehnungUebernommen = 0;  // the flight's extent was taken as the zoom window
    Fenster zoomFenster;             // the part of the flight the user chose
    Fenster anzeigeFenster;          // zoomFenster fitted to the aspect of the pane drawn last
    ZeitFenster zeitFenster;         // the time span the user chose in a time barogram
    Punkt bandAktuell;
    Punkt bandEnde;
    Punkt bandStart;
    int32_t zoomZiehen = 0;
    int32_t zoomBereit = 0;
    Ansicht ansicht;
    int32_t zeitmarken = 0;
    int32_t wegpunkte = 0;
    int32_t thermiken = 0;           // thermals marked with their mean climb
    int32_t wertungZeigen = 0;       // the scored path drawn over the panes
    std::shared_ptr<const Wertung> wertung;  // the score of the flight shown, once found
    TemperaturReferenzArt temperaturReferenz = ReferenzExakt;  // the temperature colouring's
    ZeitFenster zeitAnzeige;         // the time span the time barogram drawn last showed
    // The window of the plan view drawn last; the temperature profile shows the fixes inside it,
    // so a profile drawn before the plan view of the same draw shows those of the draw before.
    std::optional<Fenster> grundrissFenster;
    int8_t bandGrafik = -1;          // the pane the rubber band was pressed in
    int8_t aktiveGrafik = 0;
    int8_t grafikanzahl = 1;
    int16_t abstand = 60;
    int16_t randLinks = 60;
    int16_t randRechts = 160;
    int16_t randUnten = 60;
    int16_t randOben = 60;
    int32_t gelaendeRelief = 0;      // the plan view shades the relief (with a folder of tiles)
    std::shared_ptr<const GelaendeAnsicht> gelaende;  // the ground read for this view; none without tiles
    Rechteck client;  // the client area the layout was last computed for (left, top = 0)
    Kartendienst* karte = nullptr;  // the map under plan views; none while "Karte" is off

    CAnsicht()
    {
        ansicht.grafik[0].art = Grundriss;
        ansicht.grafik[1].art = Grundriss;
    }
};
