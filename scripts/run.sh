#!/usr/bin/env bash
# Sets everything up, builds, installs into ./install and starts Zephine.
# Arguments are passed to the program (for example "e3" for model 4 in English).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZEPHINE_TESTS=OFF -DZEPHINE_BENCH=OFF
cmake --build build -j"$(nproc)"
cmake --install build --prefix "$PWD/install"
exec install/bin/zephine "$@"
