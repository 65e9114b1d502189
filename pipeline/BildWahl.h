#pragma once
// The picture a window of a given client size shows of a flight after the user's steps (open,
// zoom window, zoom-outs, then the kind of the left pane). The view state those steps leave is
// computed, then drawn once by the window's own pipeline. Used by sarnix-cli render.

#include "flight/Arten.h"
#include "flight/Fenster.h"

#include <QImage>
#include <cstdint>
#include <memory>
#include <optional>

class CSarnixDoc;
class GelaendeDienst;
struct CAnsicht;
struct CursorZustand;
struct Rechteck;
struct Wertung;

struct BildWahl {
    int breite = 1280;
    int hoehe = 800;
    int8_t grafikanzahl = 1;
    int8_t linkeArt = Grundriss;
    int8_t linkeFarbe = KeineFaerbung;
    int8_t rechteArt = Grundriss;
    int8_t rechteFarbe = Variowerte;  // as a first run of the window
    int32_t zeitmarken = 0;
    int32_t wegpunkte = 0;
    int32_t thermiken = 0;
    TemperaturReferenzArt temperaturReferenz = ReferenzExakt;
    std::shared_ptr<const Wertung> wertung;  // drawn over the panes when given
    std::optional<Fenster> zoom;  // only the ground limits are taken
    int verkleinern = 0;          // zoom-outs after the zoom window
    double skalierung = 1.0;      // device pixels per logical pixel, as on a high-density screen
    const GelaendeDienst* gelaende = nullptr;  // the ground and its relief; none without tiles
};

// The state of a window with that client area after the steps, each of which the window follows
// with a full draw: a zoom-out widens what the draw before showed, and a temperature profile on
// the left shows the fixes of the plan view drawn before it took the pane's place.
CAnsicht AnsichtNachWahl(const CSarnixDoc& doc, const BildWahl& wahl, const Rechteck& client);
// The same for a canvas, with the ground read when the choice names a folder of tiles.
CAnsicht BildAnsicht(const CSarnixDoc& doc, const BildWahl& wahl, const QImage& leinwand);

// That state drawn on a canvas of the chosen size; the document must be open (without a flight
// the picture is blank). Null for an impossible size.
QImage WahlBild(const CSarnixDoc& doc, const BildWahl& wahl, CursorZustand* cursor = nullptr);
