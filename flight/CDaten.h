#pragma once
// One recorded fix of a flight.

#include <cstdint>

struct CDaten {
    int32_t zeit = 0;          // time of day, seconds since midnight
    int16_t vario = 0;         // climb rate, 0.1 m/s, negative when sinking
    int32_t laenge = 0;        // longitude, biased coordinate (500 000 000 = 0°, 1/10 000 arc minute)
    int32_t breite = 0;        // latitude, biased coordinate
    int32_t temperatur = 0;    // air temperature, 0.1 K (2732 = 0 °C)
    int16_t sog = 0;           // speed over ground, 0.1 km/h
    int16_t tas = 0;           // true airspeed, 0.1 km/h; 0 = not recorded
    int32_t hatPosition = 0;   // 1 when the record carried its own position
    int16_t hoehe = 0;         // altitude, metres
};
