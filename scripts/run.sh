#!/usr/bin/env bash
# Sets up a fresh machine, builds Swathkit and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSWATHKIT_BUILD_TESTS=OFF
cmake --build build-release
exec build-release/bin/swathkit "$@"
