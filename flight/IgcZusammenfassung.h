#pragma once
// The summary of an IGC flight, which a log does not carry: worked out from its fixes.

#include "flight/CDaten.h"
#include "flight/Fluege.h"
#include "flight/Flugdaten.h"

#include <vector>

// Take-off and landing of the flights the log holds (FindeFluege), the time in the air, the
// highest altitude, the best climb and sink over 20 s and the distance flown; " " throughout for
// no fixes. A log that never flies is summed up whole.
FlugZusammenfassung IgcZusammenfassung(const std::vector<CDaten>& f, std::vector<Flugabschnitt> fluege);
