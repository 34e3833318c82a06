#!/usr/bin/env bash
# Sets up the machine, builds the program and runs it on the sample levels.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/setup.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/release

build/release/bin/cavernia-level check examples/*.lev
build/release/bin/cavernia-level info examples/key-vault.lev
