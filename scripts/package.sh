#!/usr/bin/env bash
# Builds the Debian package dorv-ft897_<version>_<arch>.deb with CPack from a build of its
# own in ./build-package (Debian's compiler and hardening flags, no tests or benchmarks)
# and prints the package's path on standard output (the build talks on standard error).
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh --package >&2
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cxxflags="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)"
ldflags="$(dpkg-buildflags --get LDFLAGS)"
cmake -S . -B build-package -DCMAKE_BUILD_TYPE=None -DCMAKE_INSTALL_PREFIX=/usr \
    -DDORV_BUILD_TESTS=OFF -DDORV_BUILD_BENCH=OFF \
    -DCMAKE_CXX_FLAGS="$cxxflags" -DCMAKE_EXE_LINKER_FLAGS="$ldflags" > /dev/null
cmake --build build-package -j2 >&2
rm -rf build-package/packages
(cd build-package && cpack -G DEB > cpack.log) || { cat build-package/cpack.log >&2; exit 1; }
ls build-package/packages/*.deb
