#!/usr/bin/env bash
# Start-up of the desktop program to a shown window, under a virtual X server, and its peak
# memory. Usage: bench/startup.sh [BUILD_DIR] (default build-release).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$top/build-release}
cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTABULEX_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" --target tabulex >/dev/null
work=$(mktemp -d)
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; rm -rf "$work"' EXIT
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$work/display")"
for run in 1 2 3 4 5; do
  rm -rf "$work/run" && mkdir -p "$work/run"
  start=$(date +%s.%N)
  /usr/bin/time -f '%M' -o "$work/memory" "$build/src/app/tabulex" --run-dir "$work/run" &
  timer=$!
  xdotool search --sync --onlyvisible --name '^Tabulex V6\.2\.3$' >/dev/null
  shown=$(date +%s.%N)
  sleep 0.3
  pkill -TERM -x tabulex || true
  wait "$timer"
  printf 'run %d: shown after %.0f ms, peak memory %s KB\n' "$run" \
    "$(echo "($shown - $start) * 1000" | bc -l)" "$(cat "$work/memory")"
done
