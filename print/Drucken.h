#pragma once
// Printing the flight as a map at a standard scale: page metrics from the printer, the map
// itself on any surface, and the print, preview and command-line print entry points.

#include "render/Zeichenflaeche.h"

#include <functional>

class CSarnixDoc;
class QPrinter;
class QWidget;
struct SeitenMass;

// The scale chosen for the page and whether time marks are printed; asked while drawing.
struct DruckWahl {
    int massstab = 0;
    int mitZeitmarken = 1;
};
// Shown with the proposed scale; returns the choice. The window shows CDruckDlg; sarnix-cli
// answers without a dialog. A scale that is not one of the standard scales means the proposal.
using MassstabFrage = std::function<DruckWahl(int vorschlag)>;

// What KarteDrucken worked out, for sarnix-cli and the tests. Left untouched when nothing was drawn.
struct KartenInfo {
    int vorschlag = 0;
    int massstab = 0;
    bool gedreht = false;
    int gitter = 0;
};

// Draws the map; 1 when the track was drawn, 0 without a flight or fixes (or without a usable
// page size: then nothing is drawn).
int KarteDrucken(const CSarnixDoc& doc, Zeichenflaeche& f, float pxMmX, float pxMmY, float breiteMm,
                 float hoeheMm, const Rechteck& seite, const MassstabFrage& frage,
                 KartenInfo* info = nullptr);
int KarteDrucken(const CSarnixDoc& doc, Zeichenflaeche& f, const SeitenMass& mass, const MassstabFrage& frage,
                 KartenInfo* info = nullptr);

// The page step: metrics from the printer's resolution and printable area, then KarteDrucken.
// Nothing is printed without a flight or when the printer gives no usable resolution.
int SeiteDrucken(const CSarnixDoc& doc, QPrinter& drucker, const MassstabFrage& frage,
                 KartenInfo* info = nullptr);

// The print command of the window: print dialog (cancel prints nothing), scale dialog, one page.
void DruckenMitDialog(const CSarnixDoc& doc, QWidget* eltern);
// The print preview of the window.
void DruckVorschau(const CSarnixDoc& doc, QWidget* eltern);
// Command line: prints FILE on the default printer (druckerName empty) or the named one.
// Returns the process exit code.
int DruckeDatei(const QString& datei, const QString& druckerName);
