#!/usr/bin/env bash
# Draws the README's pictures anew with sarnix-cli render, at screen ratio 2 so that they are
# sharp on high-density screens; shown at half their pixel size they look as the window does.
# Usage: tools/readme-bilder.sh [BUILD-FOLDER]   (default build/test)
set -euo pipefail
quelle=$(cd "$(dirname "$0")/.." && pwd)
bau=${1:-$quelle/build/test}
cli=$bau/cli/sarnix-cli
ziel=$quelle/res/readme
proben=$quelle/samples
[ -x "$cli" ] || { echo "sarnix-cli fehlt in $bau (erst bauen)" >&2; exit 1; }

bild() {  # NAME SAMPLE SIZE OPTIONS...
    local name=$1 probe=$2 groesse=$3
    shift 3
    "$cli" render "$proben/$probe" -o "$ziel/$name.png" --size "$groesse" --skalierung 2 --sprache de "$@"
}
bild grundriss streckenflug-6h.vrl 800x520 --left grundriss:hoehe --zeitmarken --wegpunkte
bild west streckenflug-6h.vrl 800x520 --left west:vario
bild nord streckenflug-6h.vrl 800x520 --left nord:wind
bild temperatur streckenflug-6h.vrl 800x520 --left temperatur:temperatur --zeitmarken --wegpunkte
bild geteilt lokalflug-1h.vrl 1000x600 --panes 2 --left grundriss:vario --right west:hoehe --wegpunkte
bild zeit lokalflug-1h.vrl 1000x600 --panes 2 --left grundriss:hoehe --right zeit:vario --thermiken
echo "Bilder in $ziel geschrieben."
