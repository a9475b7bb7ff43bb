#!/usr/bin/env bash
# tabulex-calc over files of 10,000, 100,000, 1,000,000 and 10,000,000 lines of mixed
# arithmetic, and bc -l over the same lines, in one run: times, their ratio, and peak memory.
# Usage: bench/batch_scaling.sh [BUILD_DIR] [LINE COUNTS...]
# (default build-release, configured here as a Release build; 10000 100000 1000000 10000000).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$top/build-release}
shift || true
counts=("$@")
[ ${#counts[@]} -gt 0 ] || counts=(10000 100000 1000000 10000000)
"$top/scripts/install-deps.sh"
cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTABULEX_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" --target tabulex-calc >/dev/null
calc="$build/src/cli/tabulex-calc"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The same arithmetic in both languages: + - * /, brackets, integer powers.
python3 - "$work" "${counts[@]}" <<'PY'
import random, sys
random.seed(20261209)
def expression():
    text = str(random.randint(1, 999))
    for _ in range(random.randint(2, 5)):
        operand = str(random.randint(1, 999))
        if random.random() < 0.2:
            operand = "(" + operand + random.choice("+-*/") + str(random.randint(1, 99)) + ")"
        text += random.choice("+-*/") + operand
    if random.random() < 0.15:
        text += "^2"
    return text
for n in map(int, sys.argv[2:]):
    with open(f"{sys.argv[1]}/lines{n}.txt", "w") as out:
        for _ in range(n):
            out.write(expression() + "\n")
PY

# run COMMAND...: "MILLISECONDS PEAK_KB" of one run.
run() {
  local start end
  start=$(date +%s%N)
  /usr/bin/time -f '%M' -o "$work/time" "$@" >/dev/null 2>&1 || true
  end=$(date +%s%N)
  echo "$(((end - start) / 1000000)) $(cat "$work/time")"
}
median() { printf '%s\n' "$@" | sort -n | awk '{v[NR] = $1} END {print v[int((NR + 1) / 2)]}'; }
# The machine's other work comes and goes: up to a million lines, each program runs five
# times, the two alternating, and the medians are compared.
printf '%-10s %13s %12s %13s %10s %12s %16s\n' lines tabulex-calc "us per line" "bc -l" \
  "ratio" "peak memory" "bc peak memory"
for n in "${counts[@]}"; do
  repeats=5
  [ "$n" -le 1000000 ] || repeats=1
  ts=() bs=()
  for _ in $(seq "$repeats"); do
    read -r t tm < <(run "$calc" "$work/lines$n.txt")
    read -r b bm < <(run bc -l "$work/lines$n.txt")
    ts+=("$t") bs+=("$b")
  done
  t=$(median "${ts[@]}") b=$(median "${bs[@]}")
  printf '%-10s %12.3fs %12.2f %12.3fs %9.2fx %9d KB %13d KB\n' "$n" "$(echo "$t / 1000" | bc -l)" \
    "$(echo "$t * 1000 / $n" | bc -l)" "$(echo "$b / 1000" | bc -l)" "$(echo "$t / $b" | bc -l)" \
    "$tm" "$bm"
done
echo "times: medians of 5 alternating runs (one run at 10 million lines); ratio: tabulex-calc's"
echo "time over bc's; peak memory: the last run's"
