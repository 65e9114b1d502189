#!/usr/bin/env bash
# Installs what is missing, builds and opens the viewer on FILE or on the bundled sample flight.
set -euo pipefail
cd "$(dirname "$0")"
source tools/abhaengigkeiten.sh
sarnix_pakete "${SARNIX_PAKETE_BAU[@]}"

jobs=$(nproc 2>/dev/null || echo 2)
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DSARNIX_TESTS=OFF -DSARNIX_BENCH=OFF >/dev/null
cmake --build build/release -j "$jobs" --target sarnix sarnix-cli

datei=${1:-samples/streckenflug-6h.vrl}
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    # No screen: draw what the window would show.
    mkdir -p out
    build/release/cli/sarnix-cli info "$datei" | tools/zusammenfassung.sh
    for ansicht in grundriss west nord temperatur; do
        build/release/cli/sarnix-cli render "$datei" -o "out/$ansicht.png" --left "$ansicht:vario" \
            && echo "out/$ansicht.png"
    done
    build/release/cli/sarnix-cli render "$datei" -o out/geteilt.png --panes 2 \
        --left grundriss:hoehe --right west:vario --zeitmarken --wegpunkte && echo "out/geteilt.png"
    echo "Kein Bildschirm gefunden: die Bilder liegen in out/."
    exit 0
fi
exec build/release/app/sarnix "$datei"
