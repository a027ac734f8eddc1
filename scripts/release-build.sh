#!/usr/bin/env bash
# Configures a build folder ($1, further arguments go to cmake) as the Debian package is built:
# Release with Debian's hardening flags (bind now among them) and no debugging information, as
# no debug package is made. The window, the tests and the package all build in this one
# configuration, so that what the tests run is what ships and nothing is compiled twice.
set -euo pipefail
cd "$(dirname "$0")/.."
folder=$1
shift
export DEB_BUILD_MAINT_OPTIONS="hardening=+all"
export DEB_CXXFLAGS_MAINT_STRIP="-g"
cxxflags="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
ldflags="$(dpkg-buildflags --get LDFLAGS)"
# Debian's own optimisation (-O2, in its flags) rather than CMake's -O3 for Release.
cmake -S . -B "$folder" -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr -DRIVET_DEBIAN_FILES=ON \
    -DCMAKE_CXX_FLAGS_RELEASE=-DNDEBUG -DCMAKE_CXX_FLAGS="$cxxflags" -DCMAKE_EXE_LINKER_FLAGS="$ldflags" -DCMAKE_SHARED_LINKER_FLAGS="$ldflags" \
    -DCMAKE_MODULE_LINKER_FLAGS="$ldflags" "$@"
