#!/usr/bin/env bash
# Start-up of two editor builds against the bare Qt window, in one run:
#   tools/startup_ab.sh EDITOR_A EDITOR_B [ROUNDS]
# Each round starts the bare window, then both editors on showcase.lev; the editors' order flips
# every round, because whichever editor starts second is 1 to 3 ms faster. Prints the medians
# and the lower quartiles (where the host interferes least), in milliseconds to the first window
# mapped. Each round also starts tools/text_window.cpp, the bare window with a menu, a status bar
# message and a text field, to show what text alone costs. Needs Xvfb, and the measuring programs
# of ../shared/perf (built here on first use).
set -euo pipefail
cd "$(dirname "$0")/.."
a=$(realpath "$1") b=$(realpath "$2") rounds=${3:-40}

shared=../shared/perf
[ -f "$shared/mapwait.c" ] || { echo "startup_ab.sh: the measuring programs are not in $shared" >&2; exit 1; }
perf=build/perf
mkdir -p "$perf"
[ -x "$perf/mapwait" ] || gcc -O2 -o "$perf/mapwait" "$shared/mapwait.c" -lX11
# shellcheck disable=SC2046  # pkg-config's flags are words of their own
[ -x "$perf/bareqt" ] || g++ -O2 -fPIC "$shared/bareqt.cpp" -o "$perf/bareqt" $(pkg-config --cflags --libs Qt6Widgets)
# The yardsticks of our own: the text window runs every round, the plain window when named.
for yardstick in text_window plain_window; do
  # shellcheck disable=SC2046
  [ "$perf/$yardstick" -nt "tools/$yardstick.cpp" ] ||
    g++ -O2 -fPIC "tools/$yardstick.cpp" -o "$perf/$yardstick" $(pkg-config --cflags --libs Qt6Widgets)
done

export DISPLAY=:90
pgrep -f "Xvfb :90" >/dev/null || { Xvfb :90 -screen 0 1600x1000x24 >/dev/null 2>&1 & sleep 1; }
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
cp examples/showcase.lev "$home/"

# mapwait ends the program it measured, and may report that program's end as its own status.
start() { HOME=$home "$perf/mapwait" "$1" --new-instance "$home/showcase.lev" 2>/dev/null || true; }
bare=() text=() first=() second=()
for ((i = 1; i <= rounds; ++i)); do
  bare+=("$("$perf/mapwait" "$perf/bareqt" 2>/dev/null || true)")
  text+=("$("$perf/mapwait" "$perf/text_window" 2>/dev/null || true)")
  if ((i % 2)); then first+=("$(start "$a")"); second+=("$(start "$b")")
  else second+=("$(start "$b")"); first+=("$(start "$a")"); fi
done

# The value at a fraction of the sorted times; a start that gave no time (mapwait ended without
# one, as it does on an X error) is left out.
at() { local fraction=$1; shift; printf '%s\n' "$@" | awk 'NF' | sort -n | awk -v f="$fraction" '{v[NR] = $1} END {print v[int((NR - 1) * f) + 1]}'; }
report() {
  local name=$1; shift
  local median quartile
  median=$(at 0.5 "$@") quartile=$(at 0.25 "$@")
  echo "$name: median $median ms ($(echo "scale=2; $median / $bare_median" | bc)x), lower quartile $quartile ms"
}
bare_median=$(at 0.5 "${bare[@]}")
echo "bare window: median $bare_median ms, lower quartile $(at 0.25 "${bare[@]}") ms"
report "text window" "${text[@]}"
report "A $1" "${first[@]}"
report "B $2" "${second[@]}"
