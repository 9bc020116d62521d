#!/usr/bin/env bash
# Installs what is needed, builds, and starts the desktop program.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"${ORBATO_JOBS:-2}"
exec build/src/winorbato "$@"
