#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (coverage, AddressSanitizer, UBSan) into build-fuzz/
# and runs each for a bounded time, starting from the seeds in fuzz/corpus/. Usage:
#   scripts/fuzz.sh [SECONDS_PER_TARGET]   (default 30)
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-30}
"$top/scripts/install-deps.sh"
cmake -S "$top" -B "$top/build-fuzz" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++ -DTABULEX_BUILD_FUZZ=ON -DTABULEX_BUILD_TESTS=OFF \
  -DTABULEX_BUILD_BENCH=OFF -DTABULEX_BUILD_DESKTOP=OFF >/dev/null
cmake --build "$top/build-fuzz"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for target in line_calculation ini_document; do
  corpus="$work/$target"
  mkdir -p "$corpus"
  cp "$top/fuzz/corpus/$target/"* "$corpus/" 2>/dev/null || true
  dict=()
  [ -f "$top/fuzz/$target.dict" ] && dict=(-dict="$top/fuzz/$target.dict")
  echo "== fuzz_$target for ${seconds}s"
  status=0
  (cd "$work" && "$top/build-fuzz/fuzz/fuzz_$target" "${dict[@]}" -max_total_time="$seconds" \
    -max_len=4096 -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 "$corpus" \
    >"$work/$target.log" 2>&1) || status=$?
  grep -E '^(Done|stat::number_of_executed_units)' "$work/$target.log" || true
  if [ "$status" -ne 0 ]; then
    tail -n 40 "$work/$target.log" >&2
    echo "fuzz_$target failed (exit $status)" >&2
    exit 1
  fi
done
