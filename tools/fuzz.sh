#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each for SECONDS (default 45; four targets keep
# the whole step near four minutes).
# usage: tools/fuzz.sh [SECONDS] [TARGET...]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-45}
shift || true

cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++ \
  -DCAVERNIA_FUZZ=ON -DCAVERNIA_GUI=OFF -DCAVERNIA_TESTS=OFF >/dev/null
cmake --build build/fuzz

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for t in build/fuzz/bin/*_fuzz; do targets+=("$(basename "$t")"); done
fi

for target in "${targets[@]}"; do
  name=${target%_fuzz}
  work=build/fuzz/corpus/$name
  log=build/fuzz/$name.log
  mkdir -p "$work"
  seeds=()
  [ -d "fuzz/corpus/$name" ] && seeds+=("fuzz/corpus/$name")
  echo "== fuzzing $target for ${seconds}s"
  # The sanitizers report leaks and faults; any finding fails the run.
  status=0
  "build/fuzz/bin/$target" "$work" "${seeds[@]}" -max_total_time="$seconds" -error_exitcode=77 \
    -max_len=65536 -print_final_stats=1 -artifact_prefix=build/fuzz/ >"$log" 2>&1 || status=$?
  tail -n 8 "$log"
  if [ "$status" -ne 0 ]; then
    grep -E "ERROR|SUMMARY|#[0-9]+ .* in " "$log" | head -n 30 || true
    echo "fuzz target $target found a fault (exit $status); the input is in build/fuzz/"
    exit 1
  fi
done
