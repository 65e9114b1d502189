#pragma once
// One route point carried by a recording.

#include <cstdint>
#include <string>

struct CWegPunkt {
    std::string name;     // bytes as recorded (Latin-1): up to 11 from a .vrl, 40 from an IGC log
    uint8_t nummer = 0;   // running number of points of kind 6, otherwise 0
    int32_t laenge = 0;   // biased coordinate
    int32_t breite = 0;   // biased coordinate
    int16_t hoehe = 0;    // metres
    uint8_t art = 5;      // marker kind; 6 = numbered point
};
