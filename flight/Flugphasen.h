#pragma once
// Flight phases of every flight in a log: thermals (circling) and glides (straight flight), each
// with its figures, and the statistics of each flight and of all of them.

#include "flight/Fluege.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

struct CDaten;
class CSarnixDoc;

enum class PhasenArt : uint8_t { Thermik, Gleiten };

struct Flugphase {
    PhasenArt art = PhasenArt::Gleiten;
    size_t von = 0;  // index in datenListe of the phase's first fix
    size_t bis = 0;  // and of its last; the next phase starts on this fix
    int32_t zeitVon = 0;
    int32_t zeitBis = 0;
    int32_t hoeheVon = 0;
    int32_t hoeheBis = 0;
    double dauer = 0.0;             // s
    double mittelSteigen = 0.0;     // m/s, negative when sinking
    double strecke = 0.0;           // m, straight from the first to the last fix
    double geschwindigkeit = 0.0;   // km/h over the ground, from strecke and dauer
    std::optional<double> gleitzahl;            // glides that lost height only
    std::optional<double> windRichtung;         // thermals with a full circle: degrees it blows from
    std::optional<double> windGeschwindigkeit;  // km/h
    int32_t laenge = 0;  // where the phase is marked: the mean position of its fixes
    int32_t breite = 0;
};

struct FlugStatistik {
    bool geflogen = false;  // false: no take-off found, nothing to analyse
    size_t start = 0;       // index in datenListe of the take-off fix
    size_t landung = 0;     // and of the landing fix
    int32_t startZeit = 0;
    int32_t landeZeit = 0;
    double flugzeit = 0.0;                // s in the air
    double anteilKreisen = 0.0;           // 0..1 of the flying time
    double mittelSteigen = 0.0;           // m/s over all thermals
    std::optional<double> mittlereGleitzahl;
    double schnittGeschwindigkeit = 0.0;  // km/h: distance of all phases over the flying time
    int anzahlThermiken = 0;
    std::optional<size_t> besteThermik;   // index in the phase list, the highest mean climb
};

// One flight, from its take-off to its landing.
struct FlugAuswertung {
    std::vector<Flugphase> phasen;  // in time order
    FlugStatistik statistik;        // besteThermik counts in phasen above
};

struct FlugAnalyse {
    std::vector<Flugphase> phasen;  // of all flights, in time order
    // All flights together: from the first take-off to the last landing, but the time on the
    // ground between two flights counts neither as flying time nor as a phase.
    FlugStatistik statistik;
    std::vector<FlugAuswertung> fluege;
};

// Each of the flights within the fixes (FindeFluege), found here or handed in.
FlugAnalyse AnalysiereFlug(const std::vector<CDaten>& fixe, const std::vector<Flugabschnitt>& fluege);
FlugAnalyse AnalysiereFlug(const std::vector<CDaten>& fixe);
FlugAnalyse AnalysiereFlug(const CSarnixDoc& doc);

inline std::vector<Flugphase> BerechneFlugphasen(const CSarnixDoc& doc) { return AnalysiereFlug(doc).phasen; }
