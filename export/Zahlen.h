#pragma once
// Numbers as the export files write them: fixed decimals, built from integers so that every
// machine writes the same text, and fast enough for a day of fixes.

#include <cstdint>
#include <string>

// Decimal degrees in units of 1e-7 degree for a biased coordinate (600 000 units per degree),
// rounded to the nearest unit.
int64_t GradE7(int32_t koordinate);

// Appends a value in units of 1e-7 as "-12.3456789".
void HaengeGradAn(std::string& text, int64_t gradE7);
// Appends a value in tenths as "-1.5".
void HaengeZehntelAn(std::string& text, int64_t zehntel);
// Appends an integer.
void HaengeGanzzahlAn(std::string& text, int64_t wert);
// Appends seconds since 1970-01-01 UTC as "2026-07-14T10:05:00Z".
void HaengeUtcZeitAn(std::string& text, int64_t sekunden);
