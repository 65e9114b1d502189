#pragma once
// Flight logs in the IGC format, as flight recorders, phone apps and competition loggers write
// them: what the header says, and reading a whole log into a flight (Flugdaten.h).

#include <string>
#include <string_view>
#include <vector>

// Which altitude of a B record becomes a fix's altitude.
enum class HoehenQuelle : int {
    Automatisch = 0,  // pressure altitude when any fix records one, else GNSS altitude
    Druck = 1,
    Gnss = 2,
};

// The header of an IGC log as plain strings (bytes of the file), empty when absent.
struct IgcKopf {
    bool istIgc = false;       // the flight came from an IGC log
    std::string datum;         // "dd-mm-yy", empty without a date header
    std::string pilot;
    std::string muster;        // glider type
    std::string kennzeichen;   // registration
    std::string wettbewerb;    // competition id
    std::string startplatz;    // site
    std::string logger;        // recorder: its type header, else the A record
    std::string signatur;      // "keine" or "signiert, nicht geprüft" (never verified)
    std::string hoehe;         // "druck" or "gnss": the altitude the fixes carry
    std::string zeitzone;      // the TZN (or older TZO) header's value, as "-3" or "+5.50"
    std::vector<std::string> erweiterungen;  // three-letter codes of the I record, in order
};

struct Flugdaten;

// Whether the bytes look like an IGC log: an A record as the first line (after a byte-order
// mark and blank lines). Whether it holds a fix is for LiesIgc to find out.
bool IgcKopfsatz(std::string_view inhalt);

// Reads a whole log into flug, with the values it leaves out derived from its fixes (see
// IgcAbleitung.h). False when no well-formed B record was found.
bool LiesIgc(std::string_view inhalt, HoehenQuelle quelle, Flugdaten& flug);
