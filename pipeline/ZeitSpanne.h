#pragma once
// What the status bar says about a span chosen in the time barogram.

#include <QString>

class CSarnixDoc;
struct ZeitFenster;

// Duration, altitude difference and mean climb between the first and the last fix of the span;
// empty when the span holds fewer than two fixes.
QString ZeitSpannenText(const CSarnixDoc& doc, const ZeitFenster& spanne);
