#!/usr/bin/env bash
# Builds the Debian package from a finished build, unpacks it into a scratch root and runs the
# programs from there. Usage: paket.sh BUILD_FOLDER SAMPLES_FOLDER
set -euo pipefail
bau=$1
beispiele=$2
arbeit=$(mktemp -d)
trap 'rm -rf "$arbeit"' EXIT

cpack --config "$bau/CPackConfig.cmake" -G DEB -B "$arbeit/paket" >"$arbeit/cpack.log" 2>&1 \
    || { cat "$arbeit/cpack.log"; exit 1; }
deb=$(ls "$arbeit"/paket/sarnix_*_amd64.deb 2>/dev/null || ls "$arbeit"/paket/sarnix_*.deb)
echo "Paket: $(basename "$deb")"

fehler=0
pruefe() { if ! "$@"; then echo "FEHLT: $*"; fehler=1; fi; }

dpkg-deb -x "$deb" "$arbeit/wurzel"
w=$arbeit/wurzel/usr
pruefe test -x "$w/bin/sarnix"
pruefe test -x "$w/bin/sarnix-cli"
pruefe test -f "$w/share/applications/sarnix.desktop"
pruefe test -f "$w/share/mime/packages/sarnix-vrl.xml"
pruefe test -f "$w/share/icons/hicolor/scalable/apps/sarnix.svg"
for g in 16 22 24 32 48 64 128 256; do
    pruefe test -s "$w/share/icons/hicolor/${g}x${g}/apps/sarnix.png"
done
pruefe test -f "$w/share/doc/sarnix/copyright"
pruefe test -f "$w/share/doc/sarnix/changelog.gz"
# The manual pages: English by default, German under de; each names IGC logs.
for seite in sarnix sarnix-cli; do
    pruefe zgrep -q '"User Commands"' "$w/share/man/man1/$seite.1.gz"
    pruefe zgrep -q '"Benutzerbefehle"' "$w/share/man/de/man1/$seite.1.gz"
    pruefe zgrep -q 'IGC' "$w/share/man/man1/$seite.1.gz"
    pruefe zgrep -q 'IGC' "$w/share/man/de/man1/$seite.1.gz"
done
pruefe test -z "$(zgrep -E '^\.SH .*(Ü|BESCHREIBUNG|BEFEHL)' "$w/share/man/man1/sarnix-cli.1.gz")"

# Dependencies come from dpkg-shlibdeps, so the Qt libraries the programs link are named.
abhaengig=$(dpkg-deb -f "$deb" Depends)
for lib in libqt6core6 libqt6gui6 libqt6widgets6 libstdc++6; do
    pruefe grep -q "$lib" <<<"$abhaengig"
done

# The installed programs run from the scratch root.
export QT_QPA_PLATFORM=offscreen
version=$("$w/bin/sarnix-cli" --version) || { echo "sarnix-cli --version schlug fehl"; fehler=1; }
echo "sarnix-cli --version: $version"
pruefe grep -q "$(dpkg-deb -f "$deb" Version)" <<<"$version"
pruefe "$w/bin/sarnix-cli" render "$beispiele/lokalflug-1h.vrl" -o "$arbeit/bild.png" --size 320x200
pruefe test -s "$arbeit/bild.png"

if command -v lintian >/dev/null 2>&1; then
    set +e
    befund=$(lintian --fail-on error "$deb" 2>&1)
    ergebnis=$?
    set -e
    grep -v 'running with root privileges' <<<"$befund" || true
    [ $ergebnis -eq 0 ] || { echo "lintian meldet Fehler"; fehler=1; }
fi
exit $fehler
