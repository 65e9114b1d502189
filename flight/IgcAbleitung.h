#pragma once
// What an IGC log leaves to the reader, derived from its fixes: altitude glitches replaced, and
// the climb rate and ground speed over a few seconds where the log records neither.

#include "flight/CDaten.h"

#include <vector>

// hatVario, hatGeschwindigkeit: the log records that value, which is then kept.
void LeiteIgcWerteAb(std::vector<CDaten>& fixe, bool hatVario, bool hatGeschwindigkeit);
