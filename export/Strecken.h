#pragma once
// The stretches of a flight that have positions: what both export formats draw as lines.

#include <cstddef>
#include <cstdint>
#include <vector>

struct CDaten;
struct CWegPunkt;
class CSarnixDoc;

// A position on the globe in units of 1e-7 degree: latitude -90..90, longitude -180..<180.
struct Lage {
    int64_t breite = 0;
    int64_t laenge = 0;
};

// False for a latitude beyond the poles, which no real receiver reports.
bool LageAus(int32_t breite, int32_t laenge, Lage& lage);

// Fixes [anfang, ende) of datenListe, each with its own position; a fix without one ends a stretch.
struct Strecke {
    size_t anfang = 0;
    size_t ende = 0;
};

struct Spur {
    std::vector<Strecke> strecken;
    std::vector<Lage> lagen;  // one per fix of datenListe; meaningful inside the stretches only
    size_t punkte = 0;        // fixes inside the stretches
};

Spur SpurAus(const CSarnixDoc& doc);
