#pragma once
// Variants of a real IGC log the way other recorders would have written the same flight:
// repeated positions, fixes written several times, a stop on the ground, a recorder gap, a hike
// before launch. Deterministic: the same log gives the same bytes.

#include <string>
#include <string_view>
#include <vector>

namespace igcvarianten {

struct Variante {
    std::string name;   // for a file name: "wiederholt-14", "pause-35min", ...
    std::string text;   // the whole log
};

// Every n-th fix keeps the position of the fix before it (time and altitude its own).
std::string JedeNteWiederholt(std::string_view igc, int n);
// Every `abstand` fixes a run of `laenge` fixes that keep one position.
std::string Laeufe(std::string_view igc, int abstand, int laenge);
// Every fix written `mal` times with the same time.
std::string Vervielfacht(std::string_view igc, int mal);
// At the fix `anteil` (0..1) through the log the glider stands `minuten` on the ground, one fix a
// second; the rest of the log follows that much later.
std::string Pause(std::string_view igc, double anteil, int minuten);
// The recorder stops at the fix `anteil` through the log and writes one more fix `minuten`
// later, at the position and altitude of the log's last fix.
std::string Luecke(std::string_view igc, double anteil, int minuten);
// `stunden` of hiking at 1 m/s up to the first fix, one fix a second with a few metres of GPS
// jitter, climbing to it from 1000 m below.
std::string Wanderung(std::string_view igc, double stunden);

// All of the above with the values a test uses.
std::vector<Variante> Alle(std::string_view igc);

}  // namespace igcvarianten
