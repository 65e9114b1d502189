#pragma once
// The track cursor: placed on the fix nearest to a double-click in a plan view (nearest in time
// in a time barogram), stepped along
// the track with the arrow keys and their auto-repeat timers, drawn as inverting markers in
// every plan view and barogram pane, with the readout panel of the fix's values.
// Its state (CursorZustand) belongs to whoever shows the flight, the document is only read. The
// window gives it timers and, for every operation that draws, a surface on its canvas.

#include "flight/CSarnixDoc.h"
#include "render/Zeichenflaeche.h"

#include <QStringList>

#include <cstddef>
#include <vector>

struct CAnsicht;
struct CDaten;

// Window timers the cursor asks for (ids 1, 2, 3; periods in milliseconds).
class CursorUhr {
public:
    virtual ~CursorUhr() = default;
    virtual void Starte(int id, int periodeMs) = 0;  // starting a running timer restarts it
    virtual void Stoppe(int id) = 0;
};

inline constexpr int VK_LEFT = 0x25;
inline constexpr int VK_RIGHT = 0x27;

// Jumps of the track cursor over long flights: first and last fix, one minute of recorded time,
// ten steps, the start of the next or previous flight phase.
enum class Sprung { Anfang, Ende, MinuteVor, MinuteZurueck, ZehnVor, ZehnZurueck, PhaseVor, PhaseZurueck };

// The fix a jump from `von` lands on; it stops at the ends of the track. Ten steps count only
// fixes inside `fenster`, as the arrow keys do. Phase jumps go to the first fix of the next or
// previous thermal or glide in `phasenAnfaenge` (ascending) and stay put without one.
// keinePosition when there is nothing to jump from.
ListenPos SprungZiel(const CSarnixDoc& doc, const Fenster& fenster, ListenPos von, Sprung sprung,
                     const std::vector<size_t>& phasenAnfaenge = {});

// The eight lines of the readout for one fix: time, longitude, latitude, altitude, climb rate,
// temperature, speed over ground and true airspeed.
QStringList AnzeigeZeilen(const CDaten& fix, const ZeitBezug& bezug = {});

// The readout panel: the lower third of the legend strip with one pane, a box in the middle of
// the top strip with two. Empty (left == right) for any other pane count.
Rechteck AnzeigeRechteck(const CAnsicht& ansicht);

// Where the cursor stands and how a held arrow key repeats.
struct CursorZustand {
    ListenPos pos = keinePosition;
    ListenPos alt = keinePosition;  // where the marker stands on the picture
    int32_t taste = 0;              // the arrow key pressed last, 0 for any other key
    int32_t laeuft = 0;             // the key is held and its timers run
    int32_t schritt = 0;            // seconds of track per step of the repeat
    int32_t zaehler = 0;            // slow repeats so far
};

// A new flight: no cursor, and timer ticks still on their way stop themselves.
void NeuerFlug(CursorZustand& zustand);

class CSpurCursor {
public:
    CSpurCursor(const CSarnixDoc& doc, CAnsicht& ansicht, CursorZustand& zustand, CursorUhr& uhr);

    void Doppelklick(Punkt p, Zeichenflaeche& f);
    void TasteRunter(int taste, Zeichenflaeche& f);  // virtual key code
    void TasteHoch(int taste, Zeichenflaeche& f);
    void Timer(int id, Zeichenflaeche& f);
    void CursorBewegen(int taste, Zeichenflaeche& f);
    // First and last fix also place a cursor that is not yet there.
    void Springe(Sprung sprung, Zeichenflaeche& f);
    // Places the cursor on fix `pos` (from the flight phases), or removes it.
    void Setze(ListenPos pos, Zeichenflaeche& f);
    // modus 5: after a full repaint (the old marker is already gone); otherwise the marker at
    // zustand.alt is removed first.
    void ZeichneCursor(int modus, Zeichenflaeche& f);
    void ZeichneAnzeige(Zeichenflaeche& f);

private:
    // A list position that names a fix, else keinePosition: positions left over from an
    // earlier flight must never be used.
    ListenPos Geprueft(ListenPos p) const;
    // The markers of the old and new position in a time barogram.
    void ZeitMarker(int pane, ListenPos alt, ListenPos pos, Zeichenflaeche& f) const;

    const CSarnixDoc& doc;
    CAnsicht& ansicht;
    CursorZustand& z;
    CursorUhr& uhr;
};
