#pragma once
// What a flight is worth under a league's rules: start, turnpoints and finish are fixes of the
// flight, chosen so that the score is the highest the rules allow. Found by branch and bound
// over groups of fixes and proven optimal unless a time limit or a cancel cut the search short.

#include "flight/WertungsRegeln.h"

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct CDaten;

struct WertungsPunkt {
    size_t index = 0;    // in the fixes
    int32_t zeit = 0;    // seconds since midnight
    int32_t breite = 0;  // biased coordinates, as the fixes keep them
    int32_t laenge = 0;
};

struct Wertung {
    std::string fehler;                  // why there is no score; empty when there is one
    std::string regeln;                  // "xcontest", "ffvl", "olc"
    std::string art;                     // "frei", "dreieck", "fai", ...
    double punkte = 0;                   // strecke times faktor, to 0.01
    double strecke = 0;                  // km: the legs, less a triangle's closing beyond its free part
    double faktor = 1;
    std::optional<double> schliessung;   // km, triangles only
    bool optimal = false;                // false: the time limit ended the search first
    std::vector<WertungsPunkt> wendepunkte;
    WertungsPunkt start, ziel;           // a triangle's closing pair
    std::vector<double> legs;            // km each, to 0.01: start to finish, or the three sides

    bool Gewertet() const { return fehler.empty(); }
};

struct WertungsOptionen {
    double zeitlimit = 0;                          // seconds; 0 searches until proven
    const std::atomic<bool>* abbrechen = nullptr;  // another thread stops the search with it
};

// Scores the fixes von..bis (inclusive) that carry a position.
Wertung Werte(const std::vector<CDaten>& fixe, size_t von, size_t bis, const WertungsRegeln& regeln,
              const WertungsOptionen& optionen = {});

// Scores the longest flight of the log between its take-off and its landing; a log that never
// takes off (a walk, a car trip) has no score.
Wertung WerteFlug(const std::vector<CDaten>& fixe, const WertungsRegeln& regeln, const WertungsOptionen& optionen = {});
