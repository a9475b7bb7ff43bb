#!/usr/bin/env bash
# Builds Tabulex and starts it. Arguments are passed on (for example --run-dir DIR).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/build.sh" --target tabulex tabulex-calc
exec "$top/build/src/app/tabulex" "$@"
