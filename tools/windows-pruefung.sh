#!/usr/bin/env bash
# Checks that the program still compiles for Windows: every source of the product folders is
# syntax-checked with the MinGW-w64 cross compiler against the system's Qt 6 headers, and the
# resource compiler reads the resource file. Prints the compiler's messages and fails on the
# first source that does not pass. Usage: tools/windows-pruefung.sh
set -euo pipefail
cd "$(dirname "$0")/.."

cxx=x86_64-w64-mingw32-g++-posix
windres=x86_64-w64-mingw32-windres
for programm in "$cxx" "$windres"; do
    command -v "$programm" >/dev/null || { echo "$programm fehlt (tools/abhaengigkeiten.sh)" >&2; exit 1; }
done

qt=$(pkg-config --variable=includedir Qt6Core 2>/dev/null || true)
[ -n "$qt" ] && [ -d "$qt/QtCore" ] || qt=/usr/include/x86_64-linux-gnu/qt6
[ -d "$qt/QtCore" ] || { echo "Qt-6-Header nicht gefunden" >&2; exit 1; }

# The product folders are the ones the top-level build adds, apart from tests, benchmarks and tools.
mapfile -t ordner < <(sed -n 's/^[[:space:]]*add_subdirectory(\([^ )]*\)).*/\1/p' CMakeLists.txt |
                      grep -vxE 'tests|bench|tools' | sort -u)
[ ${#ordner[@]} -gt 0 ] || { echo "Keine Produktordner in CMakeLists.txt gefunden" >&2; exit 1; }
mapfile -t quellen < <(find "${ordner[@]}" -name '*.cpp' -type f | sort)

flags=(-std=c++20 -fsyntax-only -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Werror -DUNICODE -D_UNICODE -I.
       -isystem "$qt")
for modul in "$qt"/Qt*/; do
    flags+=(-isystem "${modul%/}")
done

protokoll=$(mktemp -d)
trap 'rm -rf "$protokoll"' EXIT
export cxx protokoll
export flags_text="${flags[*]}"
# One compiler per core; each source leaves its messages in a file of its own.
if ! printf '%s\0' "${quellen[@]}" |
        xargs -0 -P "$(nproc 2>/dev/null || echo 2)" -n 1 sh -c \
            '$cxx $flags_text "$1" >"$protokoll/$(echo "$1" | tr / _).log" 2>&1 || { cat "$protokoll/$(echo "$1" | tr / _).log" >&2; exit 255; }' sh; then
    echo "Windows-Prüfung: ein Quelltext übersetzt nicht für Windows (siehe oben)" >&2
    exit 1
fi

if ! "$windres" -I res res/sarnix.rc -O coff -o "$protokoll/sarnix.res"; then
    echo "Windows-Prüfung: windres liest res/sarnix.rc nicht" >&2
    exit 1
fi
echo "Windows-Prüfung: ${#quellen[@]} Quelltexte aus ${ordner[*]} und res/sarnix.rc in Ordnung"
