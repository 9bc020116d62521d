#!/usr/bin/env bash
# Installs what is needed, checks the layout, builds a normal and an ASan/UBSan configuration, runs
# every test in both, smoke-runs the fuzz targets when Clang is there, and builds and tests the
# Windows programs under Wine (ORBATO_WINDOWS=0 leaves that out).
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=${ORBATO_JOBS:-2}

scripts/install-deps.sh

echo "== Self-contained: nothing outside the checkout is read"
if git grep -n -e '\.\./shared'; then
  echo "FEHLER: diese Stellen lesen außerhalb des Checkouts." >&2
  exit 1
fi
# What the tests leave behind in the tree shows as a change of git status.
stand_vorher=$(git status --porcelain --untracked-files=all)

echo "== Layout (clang-format)"
git ls-files -- '*.h' '*.cpp' | xargs clang-format --dry-run --Werror

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

for konfiguration in normal asan; do
  echo "== Build and test: $konfiguration"
  optionen=(-DCMAKE_BUILD_TYPE=RelWithDebInfo)
  [ "$konfiguration" = asan ] && optionen=(-DCMAKE_BUILD_TYPE=Debug -DORBATO_SANITIZE=ON -DORBATO_BENCH=OFF)
  cmake -S . -B "build-$konfiguration" -G Ninja -DCMAKE_COMPILE_WARNING_AS_ERROR=ON "${optionen[@]}"
  cmake --build "build-$konfiguration" -j"$jobs"
  ctest --test-dir "build-$konfiguration" --output-on-failure -j"$jobs"
done

if command -v clang++ >/dev/null; then
  echo "== Fuzz targets (a few seconds each)"
  CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORBATO_FUZZ=ON \
    -DORBATO_GUI=OFF -DORBATO_BENCH=OFF -DORBATO_TESTS=OFF
  cmake --build build-fuzz -j"$jobs"
  for ziel in build-fuzz/fuzz/*_fuzz; do
    name=$(basename "$ziel")
    arbeit=$(mktemp -d)
    cp -r "fuzz/corpus/$name/." "$arbeit/"
    # The plan and exchange file readers get a full minute; -timeout turns a hang into a failure.
    zeit=10
    case "$name" in plandatei_fuzz | kursimport_fuzz) zeit=60 ;; esac
    "$ziel" -max_total_time="$zeit" -timeout=10 -rss_limit_mb=2048 "$arbeit"
    rm -rf "$arbeit"
  done
fi

if [ "${ORBATO_WINDOWS:-1}" != 0 ]; then
  echo "== Windows build under Wine"
  scripts/windows-test.sh build-normal/src/orbato
fi

echo "== Nothing written into the source tree"
stand_nachher=$(git status --porcelain --untracked-files=all)
if [ "$stand_vorher" != "$stand_nachher" ]; then
  echo "FEHLER: die Tests haben den Quellbaum verändert:" >&2
  diff <(echo "$stand_vorher") <(echo "$stand_nachher") >&2 || true
  exit 1
fi
echo "== Alle Tests bestanden."
