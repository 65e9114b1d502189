#pragma once
// Positions are kept in 1/10 000 arc minute, shifted by a zero point so that every longitude and
// latitude is a positive 32-bit number; values at or above it are east or north.

#include <cstdint>

inline constexpr int32_t koordinatenNullpunkt = 500000000;
inline constexpr double einheitenProGrad = 600000.0;

// Degrees of a coordinate (also of one already taken as a double, such as a pixel's centre),
// negative to the south and west.
inline constexpr double GradAus(double koordinate) { return (koordinate - koordinatenNullpunkt) / einheitenProGrad; }
