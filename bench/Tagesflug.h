#pragma once
// The day-long flight the drawing benchmarks share: the generator's long flight of 86 400 fixes,
// read and with the derived values of an opened file. Made once, on first use.

#include "flight/CSarnixDoc.h"

#include <benchmark/benchmark.h>

CSarnixDoc& Tagesflug();

// Counts the flight's fixes as the items of every iteration, so the report shows fixes per second.
void FixeZaehlen(benchmark::State& state);
