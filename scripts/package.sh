#!/usr/bin/env bash
# Installs what is missing, builds Pensoir for release and makes its Debian package, whose dependencies
# dpkg-shlibdeps finds. Install it with: sudo apt install ./build-release/pensoir_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh --package
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DPENSOIR_TESTS=OFF
cmake --build build-release
(cd build-release && cpack -G DEB)
ls "$PWD"/build-release/pensoir_*.deb
