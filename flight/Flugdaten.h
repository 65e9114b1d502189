#pragma once
// One flight as a reader returns it: the fixes, the route points and the texts the recording
// carries. The document takes it over and derives the rest.

#include "flight/CDaten.h"
#include "flight/CWegPunkt.h"
#include "flight/Igc.h"

#include <string>
#include <string_view>
#include <vector>

// What a flight's summary says, as texts (bytes of the file, Latin-1), " " when absent.
struct FlugZusammenfassung {
    std::string startplatzHoehe = " ";
    std::string landeplatzHoehe = " ";
    std::string startzeit = " ";
    std::string landezeit = " ";
    std::string maxSinken = " ";
    std::string maxSteigen = " ";
    std::string maxHoehe = " ";
    std::string flugstrecke = " ";
    std::string flugdauer = " ";
};

struct Flugdaten {
    std::vector<CDaten> fixe;
    std::vector<CWegPunkt> wegpunkte;
    // Texts as recorded, " " when absent. An IGC log carries only the date and the site; its
    // summary is worked out from the fixes (IgcZusammenfassung.h).
    std::string flugdatum = " ";
    std::string startplatz = " ";
    FlugZusammenfassung zusammenfassung;
    // The header of an IGC log; istIgc false for a .vrl recording.
    IgcKopf igc;
    // False when the fixes carry no air temperature (an IGC log without OAT).
    bool hatTemperatur = true;
};

// Whether the bytes are a .vrl recording: its magic at the start.
bool IstVrl(std::string_view inhalt);

// Reads a .vrl recording's bytes: every record of a known length, whatever else the file holds.
Flugdaten LiesVrl(std::string_view inhalt);
