#!/usr/bin/env bash
# Builds Tabulex and runs every test: the format check, then the test suite.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/build.sh"
"$top/scripts/check-format.sh"
ctest --test-dir "$top/build" --output-on-failure -j"$(nproc)"
