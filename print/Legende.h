#pragma once
// The colour legend of a pane: beside a single pane, or above each of two panes.

class CSarnixDoc;
class Zeichenflaeche;
struct CAnsicht;

void LegendeSeitlich(const CSarnixDoc& doc, const CAnsicht& ansicht, Zeichenflaeche& f, int pane);
void LegendeOben(const CSarnixDoc& doc, const CAnsicht& ansicht, Zeichenflaeche& f, int pane);
