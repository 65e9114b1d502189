#!/usr/bin/env bash
# The summary that ./run.sh prints without a screen: whole, readable lines, nothing cut off.
# Usage: zusammenfassung.sh SARNIX_CLI QUELLORDNER
set -euo pipefail
cli=$1
quelle=$2
text=$("$cli" info "$quelle/samples/streckenflug-6h.vrl" | "$quelle/tools/zusammenfassung.sh")
echo "$text"
fehler=0
erwarte() {
    grep -qxF -- "$1" <<<"$text" || { echo "FEHLT: $1" >&2; fehler=1; }
}
erwarte "Flugdauer:         $("$cli" info "$quelle/samples/streckenflug-6h.vrl" | jq -r .flugdauer)"
erwarte "Fixe:              21600"
grep -q '[{}"]' <<<"$text" && { echo "JSON in der Zusammenfassung" >&2; fehler=1; }
[ "$(wc -l <<<"$text")" -eq 14 ] || { echo "nicht 14 Zeilen" >&2; fehler=1; }
exit $fehler
