#pragma once
// Deterministic generator of flight recordings (.vrl) for samples, tests and benchmarks: the same
// options give the same bytes on every platform.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vrlgen {

enum class FlugArt {
    Lokal,     // an hour or so around the take-off in the Alps
    Strecke,   // a triangle of numbered turn points in the Alps
    Suedwest,  // a flight in the Andes foothills: southern and western hemispheres
    Lang,      // circles and glides around the take-off for as long as asked, for benchmarks
};

struct Optionen {
    FlugArt art = FlugArt::Lokal;
    int64_t fixe = 3600;  // fix records, one per second
    uint64_t seed = 1;
};

// lokal, strecke, suedwest, lang.
std::optional<FlugArt> ArtAusName(std::string_view name);

// The whole recording.
std::string Erzeuge(const Optionen& optionen);

// Writes the recording to pfad (binary, LF line ends). False when the file cannot be written.
bool Schreibe(const Optionen& optionen, const std::string& pfad);

}  // namespace vrlgen
