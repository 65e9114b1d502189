#!/usr/bin/env bash
# Installs what is missing, builds with warnings as errors and runs every test: first the
# Windows compile check and the flight layer's tests under Wine, then the sanitizer build with
# the short fuzz runs, then the release build, whose CTest summary closes the output.
set -euo pipefail
cd "$(dirname "$0")"
source tools/abhaengigkeiten.sh
sarnix_pakete "${SARNIX_PAKETE_BAU[@]}" "${SARNIX_PAKETE_TEST[@]}"

export QT_QPA_PLATFORM=offscreen
# Where ccache is installed, a clone in another folder reuses what an earlier build compiled.
export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=1
jobs=$(nproc 2>/dev/null || echo 2)

echo "== Windows-Prüfung"
tools/windows-pruefung.sh
echo "== Windows-Tests (Wine)"
tools/windows-tests.sh

# AddressSanitizer + UndefinedBehaviorSanitizer (findings fatal), with the fuzz harnesses.
echo "== Sanitizer-Bau"
CXX=clang++ cmake -S . -B build/asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSARNIX_WERROR=ON \
    -DSARNIX_SANITIZE=ON -DSARNIX_FUZZ=ON -DSARNIX_BENCH=OFF >/dev/null
cmake --build build/asan -j "$jobs"
# An allocation too large for the machine fails as it does without the sanitizer (the program
# refuses such pictures) instead of aborting the run.
if ! (cd build/asan && ASAN_OPTIONS=detect_leaks=0:allocator_may_return_null=1 \
        UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 ctest --output-on-failure -j "$jobs" >../asan-ctest.log 2>&1); then
    cat build/asan-ctest.log
    exit 1
fi
grep -E 'tests passed|tests failed' build/asan-ctest.log | sed 's/^/Sanitizer: /'
echo "== Fuzzing (kurz)"
tools/fuzz.sh "${SARNIX_FUZZ_SEKUNDEN:-30}"

echo "== Release-Bau"
cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Release -DSARNIX_WERROR=ON >/dev/null
cmake --build build/test -j "$jobs"
cd build/test
ctest --output-on-failure -j "$jobs"
