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

# The definitions and include folders of each source come from a configured build, so that
# what the build adds (version, paths) reaches the check as well.
bau=build/windows-pruefung
cmake -S . -B "$bau" -G Ninja -DCMAKE_BUILD_TYPE=Release -DSARNIX_TESTS=OFF -DSARNIX_BENCH=OFF \
    -DCMAKE_EXPORT_COMPILE_COMMANDS=ON >/dev/null
declare -A befehle
while IFS= read -r -d '' datei && IFS= read -r -d '' befehl; do
    befehle["$(realpath -m "$datei")"]=$befehl
done < <(jq -j '.[] | .file, "\u0000", .command, "\u0000"' \
             "$bau/compile_commands.json" 2>/dev/null || true)

basis=(-std=c++20 -fsyntax-only -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Werror -DUNICODE -D_UNICODE
       -I. -isystem "$qt")
for modul in "$qt"/Qt*/; do
    basis+=(-isystem "${modul%/}")
done

protokoll=$(mktemp -d)
trap 'rm -rf "$protokoll"' EXIT
# One small script per source: the cross compiler with the build's -D and -I words.
n=0
for quelle in "${quellen[@]}"; do
    woerter=()
    befehl=${befehle["$(realpath -m "$quelle")"]-}
    if [ -n "$befehl" ]; then
        eval "alle=($befehl)"
        for wort in "${alle[@]}"; do
            case $wort in -D*|-I*) woerter+=("$wort") ;; esac
        done
    fi
    n=$((n + 1))
    {
        printf '%q ' "$cxx" "${basis[@]}" "${woerter[@]}" "$quelle"
        printf '>%q 2>&1 || { cat %q >&2; exit 255; }\n' "$protokoll/$n.log" "$protokoll/$n.log"
    } >"$protokoll/$n.sh"
done

# One compiler per core; the first source that fails stops the check with its messages.
status=0
find "$protokoll" -name '*.sh' -print0 |
    xargs -0 -P "$(nproc 2>/dev/null || echo 2)" -n 1 bash 2>"$protokoll/meldungen" || status=$?
if [ "$status" -ne 0 ]; then
    grep -v '^xargs: ' "$protokoll/meldungen" >&2
    echo "Windows-Prüfung: ein Quelltext übersetzt nicht für Windows (siehe oben)" >&2
    exit 1
fi

if ! "$windres" -I res res/sarnix.rc -O coff -o "$protokoll/sarnix.res"; then
    echo "Windows-Prüfung: windres liest res/sarnix.rc nicht" >&2
    exit 1
fi
echo "Windows-Prüfung: ${#quellen[@]} Quelltexte aus ${ordner[*]} und res/sarnix.rc in Ordnung"
