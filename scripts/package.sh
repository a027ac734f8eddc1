#!/usr/bin/env bash
# Builds the Debian package of Rivet Tool into build-package/rivet-tool_<version>_<arch>.deb
# (CPack), from the given build folder or else from a fresh build-package/.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup-debian.sh
folder=${1:-}
if [ -z "$folder" ]; then
    # Always from a clean folder: one copied along with the tree, or left by another version,
    # names other sources in its cache and would stop the configuration.
    folder=build-package
    rm -rf "$folder"
    bash scripts/release-build.sh "$folder" -DRIVET_BUILD_TESTS=OFF -DRIVET_BUILD_BENCH=OFF
fi
cmake --build "$folder" -j"$(nproc)"
mkdir -p build-package
rm -f build-package/rivet-tool_*.deb
cpack -G DEB --config "$folder/CPackConfig.cmake" -B "$PWD/build-package"
ls build-package/rivet-tool_*.deb
