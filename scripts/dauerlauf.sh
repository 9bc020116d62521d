#!/usr/bin/env bash
# The long random run of the desktop program under ASan/UBSan: 50 000 steps per seed (or the
# number given), seeds 1 to 3 (or ORBATO_DAUERLAUF_SAAT). Builds the ASan configuration first.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DORBATO_SANITIZE=ON -DORBATO_BENCH=OFF
cmake --build build-asan -j"${ORBATO_JOBS:-2}" --target dauerlauf_test
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
# Qt Test ends a test function after five minutes unless told otherwise.
export QTEST_FUNCTION_TIMEOUT=${QTEST_FUNCTION_TIMEOUT:-86400000}
ORBATO_DAUERLAUF_SCHRITTE=${1:-50000} build-asan/tests/dauerlauf_test
