#!/usr/bin/env bash
# Runs every fuzz harness for SECONDS seconds each (default 30) from the seed corpora.
# A long local run:  tools/fuzz.sh 600
# Needs the sanitizer build that ./test.sh makes (build/asan; another one in SARNIX_FUZZ_BAU).
set -uo pipefail
cd "$(dirname "$0")/.."
sekunden=${1:-30}
bau=${SARNIX_FUZZ_BAU:-build/asan}
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-halt_on_error=1:print_stacktrace=1}
fehler=0
for harness in "$bau"/tests/fuzz/fuzz_*; do
    # Only the harness programs, not the build folders beside them.
    [ -f "$harness" ] && [ -x "$harness" ] || continue
    name=$(basename "$harness")
    korpus=$bau/corpus-$name
    mkdir -p "$korpus"
    protokoll=$bau/$name.log
    # The IGC harness starts from real logs and pieces of IGC records.
    woerter=tests/fuzz/vrl.dict
    saat=(samples tests/fuzz/seeds)
    if [ "$name" = fuzz_igc ]; then
        woerter=tests/fuzz/igc.dict
        saat=(tests/data/igc)
    fi
    # The export harness takes both kinds of recording.
    [ "$name" = fuzz_export ] && saat+=(tests/data/igc)
    "$harness" -max_total_time="$sekunden" -max_len=65536 -rss_limit_mb=4096 -timeout=20 \
        -dict="$woerter" -artifact_prefix="$bau/$name-" -print_final_stats=1 \
        "$korpus" "${saat[@]}" >"$protokoll" 2>&1
    status=$?
    ausfuehrungen=$(grep -m1 'stat::number_of_executed_units' "$protokoll" | awk '{print $2}')
    tempo=$(grep -m1 'stat::average_exec_per_sec' "$protokoll" | awk '{print $2}')
    echo "$name: ${ausfuehrungen:-?} Läufe in $sekunden s (${tempo:-?}/s), Status $status"
    if [ $status -ne 0 ]; then
        tail -n 40 "$protokoll" >&2
        fehler=1
    fi
done
exit $fehler
