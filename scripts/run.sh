#!/usr/bin/env bash
# Builds Rivet Tool and starts the window (extra arguments go to the program, e.g. a file).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup-debian.sh
bash scripts/release-build.sh build -DRIVET_BUILD_TESTS=OFF -DRIVET_BUILD_BENCH=OFF
cmake --build build -j"$(nproc)"
exec build/bin/rivet "$@"
