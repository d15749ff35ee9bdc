#!/usr/bin/env bash
# Pictures of the desktop program for the README, taken under a virtual X display (Xvfb):
# the main window of a fresh installation in each language with a menu open, the settings
# window and the station names. Rerun after a change:
#
#   tools/screenshots.sh [BUILD_DIR]     (default: build; run `make build` first)
#
# Everything happens in a temporary system root and program folder; the PNGs go to
# docs/screenshots/.
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:-build}
kovu3=$build/bin/kovu3
cli=$build/bin/kovu3-cli
out=docs/screenshots
for program in "$kovu3" "$cli"; do
    [[ -x $program ]] || { echo "screenshots: $program is missing; run 'make build' first" >&2; exit 1; }
done
command -v xvfb-run >/dev/null || { echo "screenshots: xvfb-run is missing (Debian package xvfb)" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$out"

# A fresh installation: the program folder's files and the first-run marker, a new root.
fresh() {
    rm -rf "$work/program" "$work/root"
    mkdir -p "$work/program" "$work/root"
    cp "$build/bin/Logo.jpg" "$build/bin/Logo_E.jpg" "$build/bin/versionno.txt" \
        "$build/bin/Istasyon.db" "$work/program/"
    touch "$work/program/ilk.sil"
}

# shot FILE [kovu3 options...]
shot() {
    local file=$1
    shift
    KOVU3_SYSTEM_ROOT=$work/root KOVU3_PROGRAM_FOLDER=$work/program ASAN_OPTIONS=detect_leaks=0 \
        xvfb-run -a -s "-screen 0 1024x768x24" "$kovu3" "$@" --screenshot "$out/$file"
    echo "screenshots: $out/$file"
}

stations() {
    KOVU3_SYSTEM_ROOT=$work/root KOVU3_PROGRAM_FOLDER=$work/program ASAN_OPTIONS=detect_leaks=0 \
        "$cli" stations "$@" >/dev/null
}

fresh
shot main-turkish.png --run Mnutrk,MnuLogo --open-menu Mnu3
shot main-english.png --run MnuIng,MnuLogo --open-menu Mnu3
shot main-farsi.png --run MnuFars,MnuLogo --open-menu Mnu4
shot settings-english.png --run MnuIng,MnuGenelSetup

fresh
stations set 123-45678 "Kızılırmak - Söğütlü Köprüsü"
stations set 200-00001 "Sakarya - Doğançay"
stations set 300-00002 "Çoruh - İspir"
shot stations-turkish.png --run Mnutrk,MnuIstAdiGir
