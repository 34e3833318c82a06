#!/usr/bin/env bash
# Sets up the machine, builds the editor and starts it on a sample level.
# Without a display it starts a virtual one (Xvfb), so the command works anywhere.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/setup.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/release

level=${1:-examples/key-vault.lev}
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  exec build/release/bin/cavernia-editor "$level"
fi
echo "No display found: starting the editor on a virtual screen (xvfb-run)."
exec xvfb-run -a -s "-screen 0 1600x1000x24" build/release/bin/cavernia-editor "$level"
