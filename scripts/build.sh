#!/usr/bin/env bash
# Configures and builds Tabulex into build/ (Release with debug information). With
# TABULEX_WERROR=ON (as the test command sets it) a compiler warning stops the build.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/install-deps.sh"
cmake -S "$top" -B "$top/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DTABULEX_WERROR="${TABULEX_WERROR:-OFF}" >/dev/null
cmake --build "$top/build" "$@"
