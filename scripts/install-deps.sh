#!/usr/bin/env bash
# Installs every Debian package that the build, the tests, the benchmarks, the fuzzers and the
# desktop program need; Chromium and Python check the published pages in a browser, the poppler
# tools the printed PDF pages; MinGW-w64, GoogleTest's sources and Wine build and run the Windows
# programs. Does nothing when all of them are present.
set -euo pipefail

pakete=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-translations-l10n libgl-dev fonts-dejavu-core fonts-liberation
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev clang-format
  chromium python3
  poppler-utils
  libical-dev python3-icalendar
  g++-mingw-w64-x86-64-posix googletest wine wine64
)

fehlend=()
for paket in "${pakete[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$paket" 2>/dev/null | grep -q 'install ok installed'; then
    fehlend+=("$paket")
  fi
done
[ ${#fehlend[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installiere: ${fehlend[*]}"
$sudo apt-get update
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y "${fehlend[@]}"
