#!/usr/bin/env bash
# Builds the flight layer and those of its tests that need no Qt for Windows (MinGW-w64, with
# GoogleTest from the Debian sources) and runs them under Wine, in a prefix of its own inside the
# build folder, without a screen. Fails when the build or any test fails.
# Usage: tools/windows-tests.sh [GOOGLETEST-ARGUMENTS...], e.g. --gtest_filter=DateiPfade.*
set -euo pipefail
cd "$(dirname "$0")/.."
wurzel=$PWD

bau=build/windows/mingw
wine=/usr/lib/wine/wine64
for programm in x86_64-w64-mingw32-g++-posix "$wine"; do
    command -v "$programm" >/dev/null || { echo "$programm fehlt (tools/abhaengigkeiten.sh)" >&2; exit 1; }
done
[ -f /usr/src/googletest/CMakeLists.txt ] || { echo "GoogleTest-Quellen fehlen (Paket googletest)" >&2; exit 1; }

cmake -S tests/windows -B "$bau" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$wurzel/cmake/WindowsMinGW.cmake" >/dev/null
cmake --build "$bau" -j "$(nproc 2>/dev/null || echo 2)"

# Without the .NET and HTML engines Wine asks for no downloads and needs no screen.
export WINEPREFIX=$wurzel/build/windows/wine WINEDEBUG=-all DISPLAY= WINEDLLOVERRIDES="mscoree,mshtml="
if [ ! -d "$WINEPREFIX/drive_c/windows" ]; then
    "$wine" wineboot -i >/dev/null 2>&1 || true
    [ -d "$WINEPREFIX/drive_c/windows" ] || { echo "Wine-Umgebung in $WINEPREFIX nicht angelegt" >&2; exit 1; }
fi

# A read that never ends (a device instead of a file) fails the run instead of holding it up.
protokoll=build/windows/flugtests.log
status=0
timeout -k 10 "${SARNIX_WINDOWS_FRIST:-600}" "$wine" "$bau/sarnix_flugtests.exe" --gtest_brief=1 "$@" \
    >"$protokoll" 2>&1 || status=$?
if [ "$status" -ne 0 ]; then
    /usr/lib/wine/wineserver64 -k 2>/dev/null || true
    tr -d '\r' <"$protokoll"
    [ "$status" -eq 124 ] && echo "Windows-Tests: nach ${SARNIX_WINDOWS_FRIST:-600} s abgebrochen" >&2
    echo "Windows-Tests: Fehler unter Wine (siehe oben)" >&2
    exit 1
fi
# The console under Wine ends its lines with CR LF.
tr -d '\r' <"$protokoll" | sed -n 's/^\[  PASSED  \] \(.*\)\.$/Windows-Tests unter Wine: \1 bestanden/p'
echo "Nur unter Linux (brauchen Qt): $(cat "$bau/nur-linux.txt")"
