#!/usr/bin/env bash
# The Windows build: cross-compiles the core, orbato.exe and the core tests with MinGW-w64 into
# build-win, runs the tests and orbato.exe under Wine, and compares orbato.exe's files with those of
# the Linux build named as the argument (default build-normal/src/orbato).
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=${ORBATO_JOBS:-2}
linux=${1:-build-normal/src/orbato}

# Optimised as on Linux, but without debug information: MinGW's is large enough to make the
# build several times slower (4.5 minutes on two cores without it).
cmake -S . -B build-win -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
  -DCMAKE_COMPILE_WARNING_AS_ERROR=ON -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG"
cmake --build build-win -j"$jobs" --target orbato orbato_core_tests

# Wine in a prefix of its own below the build folder, without a display and without asking to
# install Mono or Gecko; temporary folders of the scripts go there too.
export WINEPREFIX=$PWD/build-win/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" DISPLAY=
export TMPDIR=$PWD/build-win/tmp
mkdir -p "$TMPDIR"
[ -f "$WINEPREFIX/system.reg" ] || wineboot -i >/dev/null 2>&1
wineserver -w

echo "== Core tests under Wine"
# Wine answers 0 even for a program that crashed into its debugger: the summary line of
# GoogleTest is what tells that every test ran and passed.
(cd build-win && wine tests/orbato_core_tests.exe --gtest_brief=1) | tee build-win/kerntests.txt
if ! grep -aq '^\[  PASSED  \]' build-win/kerntests.txt ||
  grep -aq '^\[  FAILED  \]' build-win/kerntests.txt; then
  echo "FEHLER: die Kerntests unter Wine sind nicht alle bestanden." >&2
  exit 1
fi

echo "== orbato.exe reads the registry key of the desktop program"
schluessel='HKCU\Software\WOrbato3\Tevi1'
wine reg delete 'HKCU\Software\WOrbato3' /f >/dev/null 2>&1 || true
wine reg add "$schluessel" /v dvs /d 2 /f >/dev/null
ausgabe=$(wine build-win/src/orbato.exe einstellungen | tr -d '\r')
grep -qx 'dvs=2' <<<"$ausgabe" || { echo "FEHLER: dvs=2 aus der Registry fehlt" >&2; exit 1; }
wine reg delete 'HKCU\Software\WOrbato3' /f >/dev/null

echo "== orbato.exe against the Linux build"
scripts/windows-vergleich.sh "$linux" build-win/src/orbato.exe
wineserver -k || true
