#pragma once
// Graph kinds and colour modes. Stored as signed bytes: values read from the settings may lie
// outside the named ones and must be handled where they are used.

#include <cstdint>

enum AnsichtArt : int8_t {
    Grundriss = 1,
    BarogrammWest = 2,
    BarogrammNord = 3,
    Temperaturverlauf = 4,
    BarogrammZeit = 5,  // altitude over time
};

enum FarbArt : int8_t {
    KeineFaerbung = 0,
    Variowerte = 1,
    Flughoehe = 2,
    Wind = 3,
    Temperaturgradient = 4,
};

// The reference the temperature colouring compares against (TemperaturReferenz.h): 0 the
// instrument's computation, 1 the physical one; other stored values mean the instrument's.
enum TemperaturReferenzArt : int32_t { ReferenzExakt = 0, ReferenzPhysikalisch = 1 };
