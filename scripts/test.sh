#!/usr/bin/env bash
# Installs what is missing, builds Pensoir with its tests, warnings counted as errors, and runs every
# test: unit and widget tests offscreen, the replay of the readers' fuzzing corpus, then the end-to-end
# journeys on a throw-away X desktop.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh --tests
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Debug -DPENSOIR_WERROR=ON
cmake --build build
cd build
ctest --output-on-failure -j2
