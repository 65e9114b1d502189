#!/usr/bin/env bash
# sarnix-cli measured as whole processes, as scripts run it: start-up, info of a 24-hour flight,
# render of two panes at 1920 x 1080, and 100 six-hour flights in one call with -j 1 and -j 2.
# Median of at least 7 runs (hyperfine). Usage: bench/prozesse.sh [BUILD_FOLDER] [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/abhaengigkeiten.sh
sarnix_pakete "${SARNIX_PAKETE_BENCH[@]}"

bau=${1:-build/test}
laeufe=${2:-9}
cli=$bau/cli/sarnix-cli
gen=$bau/tools/sarnix-vrlgen
for p in "$cli" "$gen"; do
    [ -x "$p" ] || { echo "$p fehlt: erst bauen (cmake --build $bau)" >&2; exit 1; }
done

arbeit=$(mktemp -d)
trap 'rm -rf "$arbeit"' EXIT
: >"$arbeit/leer.vrl"
"$gen" --art lang --stunden 24 -o "$arbeit/lang24.vrl"
mkdir -p "$arbeit/hundert"
for i in $(seq 1 100); do
    "$gen" --art strecke --stunden 6 --seed "$i" -o "$arbeit/hundert/flug$i.vrl"
done
export QT_QPA_PLATFORM=offscreen

messe() {  # NAME RUNS COMMAND...
    local name=$1 n=$2
    shift 2
    # An empty file is refused (exit 1); start-up is what counts there.
    hyperfine -N -i --warmup 2 --runs "$n" --style none --export-json "$arbeit/$name.json" -- "$*" >/dev/null
    python3 - "$arbeit/$name.json" "$name" <<'PY'
import json, sys
r = json.load(open(sys.argv[1]))["results"][0]
print(f"{sys.argv[2]:<34} median {r['median']*1000:9.1f} ms   (min {r['min']*1000:.1f}, max {r['max']*1000:.1f}, "
      f"user {r['user']*1000:.1f}, system {r['system']*1000:.1f}, {len(r['times'])} runs)")
PY
}

# Other work on the machine shows in every figure: the load goes with them.
last() { cut -d' ' -f1-3 /proc/loadavg; }
echo "sarnix-cli als ganzer Prozess, $(nproc) Kerne, Median aus $laeufe Läufen, Last vorher $(last)"
messe start "$laeufe" "$cli" info "$arbeit/leer.vrl"
messe info-24h "$laeufe" "$cli" info "$arbeit/lang24.vrl"
messe render-24h-2x1920x1080 "$laeufe" "$cli" render "$arbeit/lang24.vrl" -o "$arbeit/bild.png" --panes 2 --size 1920x1080
messe render-100x6h-j1 7 "$cli" render "$arbeit"/hundert/*.vrl -o "$arbeit/bilder/" --panes 2 --size 1920x1080 -j 1
messe render-100x6h-j2 7 "$cli" render "$arbeit"/hundert/*.vrl -o "$arbeit/bilder/" --panes 2 --size 1920x1080 -j 2
python3 - "$arbeit" <<'PY'
import json, sys
m = lambda n: json.load(open(f"{sys.argv[1]}/{n}.json"))["results"][0]["median"]
print(f"-j 2 gegen -j 1: {m('render-100x6h-j1') / m('render-100x6h-j2'):.2f}x schneller")
PY
# The same in alternation, one -j 1 then one -j 2: a load that comes and goes meets both alike.
python3 - "$cli" "$arbeit" <<'PY'
import glob, statistics, subprocess, sys, time
cli, arbeit = sys.argv[1], sys.argv[2]
dateien = sorted(glob.glob(f"{arbeit}/hundert/*.vrl"))
def dauer(j):
    beginn = time.perf_counter()
    subprocess.run([cli, "render", *dateien, "-o", f"{arbeit}/bilder/", "--panes", "2", "--size", "1920x1080",
                    "-j", str(j)], stdout=subprocess.DEVNULL, check=True)
    return time.perf_counter() - beginn
paare = [dauer(1) / dauer(2) for _ in range(7)]
print(f"-j 2 gegen -j 1 abwechselnd: Median {statistics.median(paare):.2f}x schneller "
      f"(Paare: {' '.join(f'{v:.2f}' for v in paare)})")
PY
echo "Last nachher $(last)"
