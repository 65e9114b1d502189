#pragma once
// The four graph kinds, their axes, the pane titles, time marks and route points. Each is a
// function of the document, the view state and a surface; none writes the document.

#include <QString>
#include <cstdint>

class CSarnixDoc;
class Zeichenflaeche;
struct CAnsicht;

void ZeichneTitel(const CSarnixDoc& doc, const CAnsicht& ansicht, Zeichenflaeche& f, int pane);
void ZeichneZeitmarken(const CSarnixDoc& doc, const CAnsicht& ansicht, Zeichenflaeche& f, int pane);
void ZeichneWegpunkte(const CSarnixDoc& doc, const CAnsicht& ansicht, Zeichenflaeche& f, int pane);
void ZeichneWegpunktSymbol(const CSarnixDoc& doc, Zeichenflaeche& f, uint8_t nummer, uint8_t art,
                           int x, int y);

void ZeichneGrundriss(const CSarnixDoc& doc, CAnsicht& ansicht, Zeichenflaeche& f, int pane);
void ZeichneKoordinatennetz(const CSarnixDoc& doc, const CAnsicht& ansicht, Zeichenflaeche& f,
                            int pane, float sx, float sy);

void ZeichneBarogrammWest(const CSarnixDoc& doc, CAnsicht& ansicht, Zeichenflaeche& f, int pane);
void ZeichneBarogrammNord(const CSarnixDoc& doc, CAnsicht& ansicht, Zeichenflaeche& f, int pane);
void ZeichneHoehenachse(const CSarnixDoc& doc, const CAnsicht& ansicht, Zeichenflaeche& f, int pane);
void ZeichneBreitenachse(const CSarnixDoc& doc, const CAnsicht& ansicht, Zeichenflaeche& f, int pane,
                         float sh);
void ZeichneLaengenachse(const CSarnixDoc& doc, const CAnsicht& ansicht, Zeichenflaeche& f, int pane,
                         float sh);

// One dot per fix with a position inside ansicht.grundrissFenster; none without that window.
void ZeichneTemperaturverlauf(const CSarnixDoc& doc, const CAnsicht& ansicht, Zeichenflaeche& f,
                              int pane);
void ZeichneTemperaturachse(const CSarnixDoc& doc, const CAnsicht& ansicht, Zeichenflaeche& f,
                            int pane, int32_t tRechts, int32_t tLinks, float st);

// Altitude over time, its time axis (with the altitude axis) and the time marks as lines.
// The span shown is left in zeitAnzeige for the rubber band.
void ZeichneBarogrammZeit(const CSarnixDoc& doc, CAnsicht& ansicht, Zeichenflaeche& f, int pane);
void ZeichneZeitachse(const CSarnixDoc& doc, const CAnsicht& ansicht, Zeichenflaeche& f, int pane);
void ZeichneZeitlinien(const CSarnixDoc& doc, const CAnsicht& ansicht, Zeichenflaeche& f, int pane);
// Seconds between the time axis's lines for a span of `sekunden`: whole minutes or hours.
int64_t ZeitGitterSchritt(int64_t sekunden);

