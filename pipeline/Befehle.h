#pragma once
// Command ids of menus, toolbar and accelerators.

namespace Befehl {
// Application (file menu, help)
inline constexpr int Neu = 57600;
inline constexpr int Oeffnen = 57601;
inline constexpr int Drucken = 57607;
inline constexpr int LetzteDatei1 = 57616;  // ... 57621
inline constexpr int InfoUeber = 57664;
inline constexpr int Beenden = 57665;
inline constexpr int Symbolleiste = 59392;
inline constexpr int Statusleiste = 59393;

// View
inline constexpr int Einzelgrafik = 32772;
inline constexpr int GeteilteGrafik = 32774;
inline constexpr int LinksOben = 32775;
inline constexpr int LinksSueden = 32776;
inline constexpr int LinksOsten = 32778;
inline constexpr int LinksTemperatur = 32779;
inline constexpr int RechtsOben = 32780;
inline constexpr int RechtsSueden = 32781;
inline constexpr int RechtsOsten = 32782;
inline constexpr int RechtsTemperatur = 32783;
inline constexpr int Zeitmarken = 32784;
inline constexpr int Routenpunkte = 32785;
inline constexpr int LinksKeine = 32786;
inline constexpr int RechtsKeine = 32787;
inline constexpr int LinksTemperaturgradient = 32788;
inline constexpr int RechtsTemperaturgradient = 32789;
inline constexpr int LinksWind = 32790;
inline constexpr int RechtsWind = 32791;
inline constexpr int LinksFlughoehe = 32792;
inline constexpr int RechtsFlughoehe = 32793;
inline constexpr int LinksVario = 32794;
inline constexpr int RechtsVario = 32795;
inline constexpr int Vergroessern = 32796;
inline constexpr int Verkleinern = 32797;
inline constexpr int Anpassen = 32798;
inline constexpr int FlugInformationen = 32799;
inline constexpr int Einstellungen = 32800;

// Toolbar buttons acting on the selected pane
inline constexpr int AktivOben = 32815;
inline constexpr int AktivWest = 32816;
inline constexpr int AktivNord = 32817;
inline constexpr int AktivTemperatur = 32818;
inline constexpr int AktivKeine = 32819;
inline constexpr int AktivTemperaturgradient = 32820;
inline constexpr int AktivWind = 32821;
inline constexpr int AktivFlughoehe = 32822;
inline constexpr int AktivVario = 32823;

// Altitude over time and the flight phases
inline constexpr int LinksZeit = 32830;
inline constexpr int RechtsZeit = 32831;
inline constexpr int AktivZeit = 32832;
inline constexpr int Flugphasen = 32833;
inline constexpr int Thermiken = 32834;
inline constexpr int Gelaende = 32835;
// The map has an id apart from the commands around it, which may grow.
inline constexpr int Karte = 32840;

// Scoring: the dialog and the scored path over the panes, apart from the map's
inline constexpr int Wertung = 32850;
inline constexpr int WertungZeigen = 32851;
}  // namespace Befehl

class CSarnixDoc;
struct CAnsicht;

// What the window has to do after a view command changed the state.
enum class BefehlFolge {
    Unbekannt,      // not a command of the view
    Nichts,         // nothing to show
    NeuZeichnen,    // erase and draw everything again
    Zeichnen,       // draw over the current picture (colour changes)
    ZoomScharf,     // arm the rubber band
    FlugInfo,       // open the flight information dialog
    Konfiguration,  // open the view configuration dialog
    Flugphasen,     // open the flight phases dialog
    Wertung,        // open the scoring dialog
};

// Applies a view command to the state and says what follows.
BefehlFolge BefehlAnwenden(CAnsicht& ansicht, const CSarnixDoc& doc, int id);
// Whether a command's menu entry and toolbar button are enabled.
bool BefehlAktiv(const CAnsicht& ansicht, const CSarnixDoc& doc, int id);
// Whether a command's entry carries its radio dot or check mark.
bool BefehlMarkiert(const CAnsicht& ansicht, int id);
