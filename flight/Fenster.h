#pragma once
// A window over the flight: altitude range and ground range. The field order is that of the
// flight extent, which is copied into the view's windows as one block.

#include <cstdint>

struct Fenster {
    int32_t hoeheMax = 0;
    int32_t hoeheMin = 0;
    int32_t breiteMax = 0;
    int32_t laengeMax = 0;
    int32_t breiteMin = 0;
    int32_t laengeMin = 0;

    friend bool operator==(const Fenster&, const Fenster&) = default;
};

// Strictly inside the ground window, the test used by every graph, the cursor and the marks.
inline bool ImFenster(const Fenster& f, int32_t laenge, int32_t breite)
{
    return f.breiteMin < breite && breite < f.breiteMax && f.laengeMin < laenge && laenge < f.laengeMax;
}
