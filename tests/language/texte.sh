#!/usr/bin/env bash
# Collects the texts of the sources afresh into a copy of the translation file: every text the
# program shows must have its English translation there. Usage: texte.sh LUPDATE SOURCE_FOLDER
set -euo pipefail
lupdate=$1
quelle=$2
arbeit=$(mktemp -d)
trap 'rm -rf "$arbeit"' EXIT
cp "$quelle/res/translations/sarnix_en.ts" "$arbeit/sarnix_en.ts"
ordner=()
for o in app cli flight export printmap pipeline print render language terrain tiles view; do
    [ -d "$quelle/$o" ] && ordner+=("$quelle/$o")
done
"$lupdate" -silent -no-obsolete -locations none -extensions cpp,h -I "$quelle" "${ordner[@]}" -ts "$arbeit/sarnix_en.ts"
if grep -q 'type="unfinished"' "$arbeit/sarnix_en.ts"; then
    echo "Texte ohne englische Übersetzung (cmake --build BUILD --target update_translations):"
    grep -B2 'type="unfinished"' "$arbeit/sarnix_en.ts" | grep '<source>' | sed 's/ *<source>\(.*\)<\/source>/  \1/'
    exit 1
fi
echo "Alle Texte übersetzt."
