#pragma once
// Dividing the client area into pane rectangles, and the strip under each pane that shows which
// one the toolbar's kind and colour buttons act on.

struct CAnsicht;
struct Rechteck;
class Zeichenflaeche;

inline constexpr int streifenHoehe = 6;

// Recomputes ecke of the shown panes for the client rectangle (left and top are 0) and keeps the
// rectangle in ansicht.client.
void BerechneLayout(CAnsicht& ansicht, const Rechteck& client);

// The strip under pane `pane`: from 60 pixels left of its left edge to its right edge, along the
// bottom of the client area.
Rechteck AuswahlStreifen(const CAnsicht& ansicht, int pane);
// Draws the strips of all shown panes: blue under the selected pane, white under the other.
void ZeichneAuswahlStreifen(const CAnsicht& ansicht, Zeichenflaeche& f);

// The pane a click at x selects: 1 at or right of the left pane's right edge, else 0.
int GrafikBeiX(const CAnsicht& ansicht, int x);
