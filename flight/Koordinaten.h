#pragma once
// Positions are kept in 1/10 000 arc minute, shifted by a zero point so that every longitude and
// latitude is a positive 32-bit number; values at or above it are east or north.

#include <cstdint>

inline constexpr int32_t koordinatenNullpunkt = 500000000;
