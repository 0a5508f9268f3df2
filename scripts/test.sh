#!/usr/bin/env bash
# Installs what is missing, builds Pensoir with its tests and runs every test: unit and widget tests
# offscreen, then the end-to-end journeys on a throw-away X desktop.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh --tests
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Debug
cmake --build build
cd build
ctest --output-on-failure -j2
