# Installs the Debian packages that building, running and testing need, and only those missing.
# Sourced by run.sh and test.sh. Usage: sarnix_pakete PAKET...

sarnix_pakete() {
    local fehlend=()
    local p
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || fehlend+=("$p")
    done
    [ ${#fehlend[@]} -eq 0 ] && return 0
    echo "Installiere: ${fehlend[*]}"
    local als_root=()
    if [ "$(id -u)" -ne 0 ]; then
        command -v sudo >/dev/null 2>&1 || { echo "Bitte als root ausführen oder sudo installieren." >&2; return 1; }
        als_root=(sudo)
    fi
    "${als_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
    "${als_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${fehlend[@]}"
}

SARNIX_PAKETE_BAU=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins
                   libgl-dev libgtest-dev libgmock-dev libbenchmark-dev fonts-dejavu-core
                   qt6-tools-dev qt6-l10n-tools qt6-translations-l10n librsvg2-bin jq zlib1g-dev
                   libgdal-dev)
# MBTiles map files are SQLite databases.
SARNIX_PAKETE_BAU+=(libqt6sql6-sqlite)
# Geodesics on the WGS84 ellipsoid, for scoring.
SARNIX_PAKETE_BAU+=(libgeographiclib-dev)
# The package test: cpack's dependency search and the package checker; the Windows compile check.
SARNIX_PAKETE_TEST=(clang libclang-rt-14-dev dpkg-dev file lintian g++-mingw-w64-x86-64-posix
                    binutils-mingw-w64-x86-64 libxml2-utils gpsbabel)
# The flight layer's tests on Windows: GoogleTest's sources for the cross compiler, and Wine.
SARNIX_PAKETE_TEST+=(googletest wine64)
# Whole-process measurements (bench/prozesse.sh).
SARNIX_PAKETE_BENCH=(hyperfine python3)
