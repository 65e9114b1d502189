#pragma once
// The flights within a log: where each one took off and landed. One log may hold several (a
// landing for lunch, a second launch), or none (a walk, a car trip). Judged over windows of
// recorded time, never from one fix to the next, so that repeated positions, fixes written
// several times with the same time, steps of 1 to 8 s and jitter on the ground give the same
// flights; the fixes themselves stay as recorded.

#include <cstddef>
#include <cstdint>
#include <vector>

struct CDaten;

struct Flugabschnitt {
    size_t start = 0;       // index in the fixes of the take-off fix
    size_t landung = 0;     // and of the landing fix, never before the take-off fix
    int32_t startZeit = 0;  // seconds since midnight, as the fixes count them
    int32_t landeZeit = 0;  // never before startZeit
    int32_t Dauer() const { return landeZeit - startZeit; }
};

// The flights in time order, none overlapping; empty when the log never flies.
std::vector<Flugabschnitt> FindeFluege(const std::vector<CDaten>& fixe);
