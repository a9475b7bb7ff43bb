#!/usr/bin/env bash
# Start-up of the desktop program to a shown window under a virtual X server (no window
# manager), against a bare Qt 6 window of the same shape built here, started alternately in
# one run: the medians of RUNS starts each, their ratio, and tabulex's peak memory.
# Usage: bench/startup.sh [BUILD_DIR] [RUNS] (default build-release, 7).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$top/build-release}
runs=${2:-7}
cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTABULEX_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" --target tabulex bare_qt_window >/dev/null
work=$(mktemp -d)
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; rm -rf "$work"' EXIT
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$work/display")"

# start NAME-PATTERN COMMAND...: milliseconds until a window of that name is shown; the peak
# memory (KB) in $work/memory.
start() {
  local name=$1
  shift
  local begin shown
  begin=$(date +%s.%N)
  /usr/bin/time -f "%M" -o "$work/memory" "$@" >"$work/out" 2>&1 &
  local timer=$!
  # xdotool's own --sync polls twice a second: too coarse.
  # Given up after ten seconds: a program that never shows a window must not hang the run.
  local tries=0
  until xdotool search --onlyvisible --name "$name" >/dev/null 2>&1; do
    tries=$((tries + 1))
    if [ "$tries" -gt 2000 ]; then
      echo "no window named $name after 10 s" >&2
      exit 1
    fi
    sleep 0.005
  done
  shown=$(date +%s.%N)
  sleep 0.2
  pkill -TERM -x "$(basename "$1")" || true
  wait "$timer" || true
  echo "($shown - $begin) * 1000" | bc -l
}

median() { sort -n | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR+1)/2] : (a[NR/2] + a[NR/2+1]) / 2}'; }

: >"$work/tabulex" && : >"$work/bare" && : >"$work/peak"
for run in $(seq "$runs"); do
  rm -rf "$work/run" && mkdir -p "$work/run"
  start '^Tabulex V6\.2\.3$' "$build/src/app/tabulex" --run-dir "$work/run" >>"$work/tabulex"
  cat "$work/memory" >>"$work/peak"
  start '^Bare Qt window$' "$build/bench/bare_qt_window" >>"$work/bare"
done
t=$(median <"$work/tabulex")
b=$(median <"$work/bare")
printf 'tabulex: median %.0f ms over %d starts (%s ms)\n' "$t" "$runs" \
  "$(xargs printf '%.0f ' <"$work/tabulex")"
printf 'bare Qt window: median %.0f ms (%s ms)\n' "$b" "$(xargs printf '%.0f ' <"$work/bare")"
printf 'ratio: %.2f; tabulex peak memory: median %s KB\n' "$(echo "$t / $b" | bc -l)" \
  "$(median <"$work/peak")"
