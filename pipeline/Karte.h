#pragma once
// The map under a plan view and the texts that go with it: the attribution in the pane's bottom
// right corner, what is missing in its bottom left.

#include <QImage>

struct BildWahl;
class CSarnixDoc;
class Kartendienst;
class Zeichenflaeche;
struct CAnsicht;

// Fits the pane's window as the plan view will and draws the map into the pane at the surface's
// device resolution. With laden false no tile is fetched (printing).
void ZeichneKarte(const CSarnixDoc& doc, CAnsicht& ansicht, Zeichenflaeche& f, int pane, Kartendienst& karte,
                  bool laden = true);
void ZeichneKartenTexte(const CAnsicht& ansicht, Zeichenflaeche& f, int pane, const Kartendienst& karte);

// sarnix-cli render's picture with the map: drawn once so that the tiles are asked for, and
// again when they have arrived or wartezeitMs have passed.
QImage WahlBildMitKarte(const CSarnixDoc& doc, const BildWahl& wahl, Kartendienst& karte, int wartezeitMs);
