#!/usr/bin/env bash
# tabulex-calc over files of 10,000, 100,000 and 1,000,000 lines of mixed arithmetic, and
# bc -l over the same lines, in one run. Usage: bench/batch_scaling.sh [BUILD_DIR]
# (default build-release, configured here as a Release build).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$top/build-release}
"$top/scripts/install-deps.sh"
cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTABULEX_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" --target tabulex-calc >/dev/null
calc="$build/src/cli/tabulex-calc"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The same arithmetic in both languages: + - * /, brackets, integer powers.
python3 - "$work" <<'PY'
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
for n in (10000, 100000, 1000000):
    with open(f"{sys.argv[1]}/lines{n}.txt", "w") as out:
        for _ in range(n):
            out.write(expression() + "\n")
PY

seconds() { local start end; start=$(date +%s.%N); "$@" >/dev/null; end=$(date +%s.%N); echo "$end - $start" | bc -l; }
printf '%-10s %14s %16s %14s %10s\n' lines tabulex-calc "us per line" "bc -l" ratio
for n in 10000 100000 1000000; do
  t=$(seconds "$calc" "$work/lines$n.txt")
  b=$(seconds bc -l "$work/lines$n.txt")
  printf '%-10s %13.3fs %16.2f %13.3fs %9.1fx\n' "$n" "$t" "$(echo "$t * 1000000 / $n" | bc -l)" \
    "$b" "$(echo "$b / $t" | bc -l)"
done
