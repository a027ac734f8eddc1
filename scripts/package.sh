#!/usr/bin/env bash
# Builds the Debian package of Rivet Tool: a Release build with Debian's hardening flags in a
# fresh build-package/, made into build-package/rivet-tool_<version>_<arch>.deb by CPack.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup-debian.sh

# The flags a Debian package is built with, all hardening included (bind now among it); no
# debugging information, as no debug package is made.
export DEB_BUILD_MAINT_OPTIONS="hardening=+all"
export DEB_CXXFLAGS_MAINT_STRIP="-g"
cxxflags="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
ldflags="$(dpkg-buildflags --get LDFLAGS)"

# Always from a clean folder: one copied along with the tree, or left by another version,
# names other sources in its cache and would stop the configuration.
rm -rf build-package
cmake -S . -B build-package -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
    -DRIVET_BUILD_TESTS=OFF -DRIVET_BUILD_BENCH=OFF -DRIVET_DEBIAN_FILES=ON \
    -DCMAKE_CXX_FLAGS="$cxxflags" -DCMAKE_EXE_LINKER_FLAGS="$ldflags"
cmake --build build-package -j"$(nproc)"
(cd build-package && cpack -G DEB)
ls build-package/rivet-tool_*.deb
