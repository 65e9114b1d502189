#pragma once
// The "Thermiken" overlay: each thermal marked where it was flown, with its mean climb.

#include "flight/Flugphasen.h"

class CSarnixDoc;
class Zeichenflaeche;
struct CAnsicht;

// Over a plan view, a barogram or a time barogram just drawn in pane `pane`; other kinds get none.
void ZeichneThermiken(const CSarnixDoc& doc, const std::vector<Flugphase>& phasen, const CAnsicht& ansicht,
                      Zeichenflaeche& f, int pane);
