#pragma once
// The colour legend of a pane: beside a single pane, or above each of two panes.

#include <cstdint>
#include <vector>

class CSarnixDoc;
class Zeichenflaeche;
struct CAnsicht;

void LegendeSeitlich(const CSarnixDoc& doc, const CAnsicht& ansicht, Zeichenflaeche& f, int pane);
void LegendeOben(const CSarnixDoc& doc, const CAnsicht& ansicht, Zeichenflaeche& f, int pane);

// The altitudes the legend of the altitude colouring labels, in the order they are written:
// the lowest, the highest, then the round values between them from the top down. Empty when
// the flight has no altitude (hoeheMin above hoeheMax); a level flight gets its one altitude twice.
std::vector<int32_t> HoehenMarken(int32_t hoeheMin, int32_t hoeheMax);
