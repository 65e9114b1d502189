#pragma once
// The time marks of the printed map: a circle and "HH:MM" beside every fix on the mark interval.

class CSarnixDoc;
class Zeichenflaeche;
struct KartenLage;

// Draws with the pen, brush and font selected on the surface.
void ZeitmarkenDrucken(const CSarnixDoc& doc, const KartenLage& lage, Zeichenflaeche& f);
