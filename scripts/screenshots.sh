#!/usr/bin/env bash
# Builds the program, writes the demo school and saves a PNG of the main window and of every
# dialog into the folder given, then two pictures of its published pages in Chromium, without a
# display.
set -euo pipefail
if [ $# -ne 1 ]; then
  echo "Aufruf: scripts/screenshots.sh ORDNER" >&2
  exit 2
fi
ziel=$(realpath -m "$1")
cd "$(dirname "$0")/.."
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"${ORBATO_JOBS:-2}" --target orbato winorbato_bilder
arbeit=$(mktemp -d)
trap 'rm -rf "$arbeit"' EXIT
build/src/orbato demo "$arbeit/demo.orb"
QT_QPA_PLATFORM=offscreen build/src/winorbato_bilder "$arbeit/demo.orb" "$ziel"
# A class timetable and the substitution page as headless Chromium shows them with the shipped
# stylesheet, from the same export the browser test checks.
python3 tests/browser/seiten_pruefen.py --orbato build/src/orbato --stilvorlage share/orbato.css \
  --arbeit "$arbeit/seiten" --bilder "$ziel"
