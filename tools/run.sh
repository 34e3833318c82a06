#!/usr/bin/env bash
# Sets up the machine, builds the editor and starts it on a sample level.
# Without a display it starts a virtual one (Xvfb), so the command works anywhere.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/setup.sh
# Only the editor and what it reads from beside itself: no tests, benchmarks or manual pages.
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
echo "Building the editor in build/run ($(nproc) jobs)..."
cmake -S . -B build/run -G Ninja -DCMAKE_BUILD_TYPE=Release -DCAVERNIA_TESTS=OFF -DCAVERNIA_BENCH=OFF \
  "${launcher[@]}" >/dev/null
# Ninja's one-line progress needs a terminal; elsewhere it prints a line per step.
cmake --build build/run --target cavernia-editor -j "$(nproc)"

level=${1:-examples/key-vault.lev}
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  exec build/run/bin/cavernia-editor "$level"
fi
echo "No display found: starting the editor on a virtual screen (xvfb-run)."
exec xvfb-run -a -s "-screen 0 1600x1000x24" build/run/bin/cavernia-editor "$level"
