#!/usr/bin/env bash
# Installs what is missing, builds Pensoir and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DPENSOIR_TESTS=OFF
cmake --build build-release
exec build-release/src/pensoir
