#!/usr/bin/env bash
# Builds Tabulex and starts it. Until the desktop window exists, this runs tabulex-calc on a
# few example lines.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/build.sh" --target tabulex-calc
calc="$top/build/src/cli/tabulex-calc"
for expr in "15+3" "5(3+6)" "sin30+2^3" "1∟3+2∟1∟4" "价格=0.3+0.5"; do
  printf '%s=' "$expr"
  "$calc" -e "$expr" || true
done
