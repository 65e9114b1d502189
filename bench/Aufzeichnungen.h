#pragma once
// The generated long flights the opening benchmarks share, and how an opening is measured.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

// The generator's long flight of `fixe` fixes as a .vrl, written once into a temporary folder.
const std::string& Aufzeichnung(int64_t fixe);

// Opens the file at pfad again and again; reports the fixes and the memory of the fix list per fix.
void OeffnenMessen(benchmark::State& state, const std::string& pfad);
