#!/usr/bin/env bash
# Builds the Debian package: a Release build for /usr in build/package, made into a .deb by
# CPack. Prints the path of the package.
set -euo pipefail
cd "$(dirname "$0")/.."

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
# The distribution's hardening: fortified functions, stack protector, PIE, full RELRO with
# immediate binding.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cxxflags="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
ldflags=$(dpkg-buildflags --get LDFLAGS)
cmake -S . -B build/package -G Ninja -DCMAKE_BUILD_TYPE=Release -DCAVERNIA_TESTS=OFF -DCAVERNIA_BENCH=OFF \
  -DCMAKE_INSTALL_PREFIX=/usr -DCMAKE_CXX_FLAGS="$cxxflags" -DCMAKE_EXE_LINKER_FLAGS="$ldflags" \
  -DCMAKE_SHARED_LINKER_FLAGS="$ldflags" -DCMAKE_POSITION_INDEPENDENT_CODE=ON "${launcher[@]}" >/dev/null
cmake --build build/package
rm -f build/package/*.deb
(cd build/package && cpack -G DEB >/dev/null)
realpath build/package/*.deb
