#!/usr/bin/env bash
# Sets up the machine, builds everything with the sanitizers, fuzzes briefly, runs all tests,
# then builds the Debian package and checks it.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/setup.sh
export QT_QPA_PLATFORM=offscreen

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCAVERNIA_SANITIZE=ON -DCAVERNIA_BENCH=ON "${launcher[@]}"
cmake --build build/test -j "$(nproc)"

bash tools/fuzz.sh "${FUZZ_SECONDS:-45}"

ctest --test-dir build/test --output-on-failure -j "$(nproc)" --timeout 600

bash tools/package.sh
bash tests/package/check_package.sh build/package/cavernia_*.deb
