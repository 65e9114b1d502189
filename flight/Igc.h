#pragma once
// Flight logs in the IGC format, as flight recorders, phone apps and competition loggers write
// them: what the header says, and reading a whole log into fixes and route points.

#include "flight/CDaten.h"
#include "flight/CWegPunkt.h"

#include <cstddef>
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
    std::vector<std::string> erweiterungen;  // three-letter codes of the I record, in order
};

// Everything read from one log, before it goes into a document.
struct IgcFlug {
    IgcKopf kopf;
    std::vector<CDaten> fixe;
    std::vector<CWegPunkt> wegpunkte;
    bool hatTemperatur = false;
    bool hatVario = false;       // vario recorded (VAR/VAT), else derived from the altitudes
    bool hatGeschwindigkeit = false;  // ground speed recorded (GSP), else derived
    bool inZweiHaelften = false;      // a long log, read in two halves at once
};

// Whether the bytes look like an IGC log: an A record as the first line (after a byte-order
// mark and blank lines). Whether it holds a fix is for LiesIgc to find out.
bool IgcKopfsatz(std::string_view inhalt);

// Logs with at least this many bytes of fixes are read in two halves at once.
constexpr size_t igcZweiFaedenAb = size_t{256} * 1024;

// Reads a whole log with what LeiteIgcWerteAb derives. False when no well-formed B record was
// found; flug is then incomplete. Reading in two halves gives exactly what reading in one does.
bool LiesIgc(std::string_view inhalt, HoehenQuelle quelle, IgcFlug& flug, size_t zweiFaedenAb = igcZweiFaedenAb);

// LiesIgc without deriving: the fixes as recorded, for whoever derives the values itself.
bool LiesIgcFixe(std::string_view inhalt, HoehenQuelle quelle, IgcFlug& flug, size_t zweiFaedenAb = igcZweiFaedenAb);

// The values a log does not record, from its fixes, in order on this thread: climb rate and
// ground speed over a few seconds, altitude glitches replaced (see IgcAbleitung.h; the document
// derives them on two threads).
void LeiteIgcWerteAb(IgcFlug& flug);
