#!/usr/bin/env bash
# Installs what is missing, builds the game and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUARROW_BUILD_GAME=ON
cmake --build build -j"$(nproc)" --target quarrow
exec build/quarrow
