#!/usr/bin/env bash
# Writes the golden pictures (tests/golden/*.png) anew after a deliberate change of what is drawn.
# Only pictures whose pixels changed are rewritten; look at each one (git status, an image viewer)
# before committing it. Usage: tools/golden-neu.sh [BUILD-FOLDER]   (default build/test)
set -euo pipefail
cd "$(dirname "$0")/.."
bau=${1:-build/test}

cmake -S . -B "$bau" -G Ninja -DCMAKE_BUILD_TYPE=Release -DSARNIX_WERROR=ON >/dev/null
cmake --build "$bau" --target test_golden
QT_QPA_PLATFORM=offscreen SARNIX_GOLDEN_NEU=1 "$bau/tests/test_golden" --gtest_brief=1
# A second run must now find every picture equal.
QT_QPA_PLATFORM=offscreen "$bau/tests/test_golden" --gtest_brief=1
git status --short -- tests/golden
