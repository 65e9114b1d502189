#pragma once
// The whole draw of the graph view on any surface: for each shown pane its title, legend and
// graph, then the pane selection strip and the track cursor. The window, sarnix-cli render and
// the tests run the same code.

#include "render/Zeichenflaeche.h"

class CSarnixDoc;
class QImage;
struct CAnsicht;

// Draws over what the surface holds; the pane rectangles must be laid out (BerechneLayout).
// On the first draw (einstellungenLaden set) the stored settings are read first; the result is
// then true: the panes may have changed, so the caller erases and draws everything again.
bool Zeichnen(CSarnixDoc& doc, CAnsicht& ansicht, Zeichenflaeche& f);

// Erases the image to white, lays the panes out for its size and draws everything, as a window
// of that client size shows the flight. The image must not be null.
void NeuZeichnen(CSarnixDoc& doc, CAnsicht& ansicht, QImage& bild);

// A canvas for a client area of breite x hoehe logical pixels at the screen's device pixel
// ratio: that many times the pixels each way. Null for an impossible size.
QImage Leinwand(int breite, int hoehe, double verhaeltnis);
// The client area a canvas stands for, in logical pixels.
Rechteck LogischeGroesse(const QImage& leinwand);
