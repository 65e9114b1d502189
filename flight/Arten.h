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
