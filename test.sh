#!/usr/bin/env bash
# Installs what is missing, builds with warnings as errors and runs every test.
set -euo pipefail
cd "$(dirname "$0")"
source tools/abhaengigkeiten.sh
sarnix_pakete "${SARNIX_PAKETE_BAU[@]}" "${SARNIX_PAKETE_TEST[@]}"

export QT_QPA_PLATFORM=offscreen
jobs=$(nproc 2>/dev/null || echo 2)

cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Release -DSARNIX_WERROR=ON >/dev/null
cmake --build build/test -j "$jobs"

cd build/test
ctest --output-on-failure -j "$jobs"
