#!/usr/bin/env bash
# Sets up a fresh machine, builds Swathkit and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSWATHKIT_BUILD_TESTS=OFF
cmake --build build
echo "Swathkit's window is not built yet; the line data and file logic are, and scripts/test.sh tests them."
