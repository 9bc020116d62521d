#!/usr/bin/env bash
# Installs what is needed, builds, and starts the desktop program on the demo school (or on the
# plan file given).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"${ORBATO_JOBS:-2}"
# Without an argument the program opens the demo school, written once and then kept with the
# planner's changes.
# A demo written by an older build is written anew, so that it matches the program.
[ build/demo.orb -nt build/src/orbato ] || build/src/orbato demo build/demo.orb
if [ $# -eq 0 ]; then set -- build/demo.orb; fi
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}${QT_QPA_PLATFORM:-}" ]; then
  echo "Kein Bildschirm gefunden: QT_QPA_PLATFORM=offscreen scripts/run.sh startet das Programm ohne Anzeige, build/src/orbato --help zeigt die Kommandozeile." >&2
  exit 1
fi
exec build/src/winorbato "$@"
