#!/usr/bin/env bash
# Builds the program, writes the demo school and saves a PNG of the main window and of every
# dialog into the folder given, the first page of every printout, then two pictures of its
# published pages in Chromium, without a display.
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
QT_QPA_PLATFORM=offscreen build/tools/winorbato_bilder "$arbeit/demo.orb" "$ziel"
# The first page of each printout of the "Drucken" menu as the command line prints it; a printout
# without pages (no substitutions today) is named and skipped.
for art in kuerzel deputate lehrerplaene klassenplaene raumplaene kopplungsplaene-lehrer \
  kopplungsplaene-klassen uebersicht-lehrer uebersicht-klassen uebersicht-raeume \
  uebersicht-faecher uebersicht-kombination reststunden stundenverteilung fachkonferenzen \
  klassenkonferenzen vertretungsplan vertretungsstunden vertretungsuebersicht-lehrer \
  vertretungsuebersicht-klassen; do
  if build/src/orbato drucken "$art" "$arbeit/demo.orb" "$arbeit/$art.pdf" >/dev/null; then
    pdftoppm -png -r 60 -f 1 -l 1 -singlefile "$arbeit/$art.pdf" "$ziel/druck_$art"
    echo "geschrieben $ziel/druck_$art.png"
  else
    echo "kein Ausdruck: $art"
  fi
done
# A class timetable and the substitution page as headless Chromium shows them with the shipped
# stylesheet, from the same export the browser test checks.
python3 tests/browser/seiten_pruefen.py --orbato build/src/orbato --stilvorlage share/orbato.css \
  --arbeit "$arbeit/seiten" --bilder "$ziel"
