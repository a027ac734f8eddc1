#!/usr/bin/env bash
# Builds Rivet Tool with its tests and runs every test (no display needed).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup-debian.sh
# The tests run the programs as the package ships them: one build for both.
bash scripts/release-build.sh build -DRIVET_BUILD_TESTS=ON -DRIVET_WERROR=ON
cmake --build build -j"$(nproc)"
cd build
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)"
cd ..

# The Debian package of that build, checked as a distribution checks one (build-package/).
bash scripts/check-package.sh build

# Every suite once more under AddressSanitizer (leak check included) and
# UndefinedBehaviorSanitizer, fuzz corpus replays among them. Unoptimised: it builds in half
# the time and the suites stay quick; line tables (-g1) are all a sanitizer's report needs.
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG=-g1 -DRIVET_SANITIZE=ON \
    -DRIVET_BUILD_TESTS=ON -DRIVET_BUILD_BENCH=OFF -DRIVET_WERROR=ON
cmake --build build-asan -j"$(nproc)"
cd build-asan
QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --output-on-failure -j"$(nproc)"
