#pragma once
// The whole draw of the graph view on any surface: for each shown pane its title, legend and
// graph, then the pane selection strip and the track cursor. The window, sarnix-cli render and
// the tests run the same code. The document is only read; the settings are read before (by the
// window), and what one draw leaves for the next stays in the view state.

#include "render/Zeichenflaeche.h"

class CSarnixDoc;
class QImage;
struct CAnsicht;
struct CursorZustand;

// Draws over what the surface holds; the pane rectangles must be laid out (BerechneLayout). The
// first draw of a flight (and the first after "Anpassen") takes its extent as the zoom window and
// shows a plan view on the left. The cursor, when given, is drawn at its place.
void Zeichnen(const CSarnixDoc& doc, CAnsicht& ansicht, Zeichenflaeche& f,
              CursorZustand* cursor = nullptr);

// Erases the image to white, lays the panes out for its size and draws everything, as a window
// of that client size shows the flight. The image must not be null.
void NeuZeichnen(const CSarnixDoc& doc, CAnsicht& ansicht, QImage& bild, CursorZustand* cursor = nullptr);

// A canvas for a client area of breite x hoehe logical pixels at the screen's device pixel
// ratio: that many times the pixels each way. Null for an impossible size.
QImage Leinwand(int breite, int hoehe, double verhaeltnis);
// The client area a canvas stands for, in logical pixels.
Rechteck LogischeGroesse(const QImage& leinwand);
