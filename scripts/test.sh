#!/usr/bin/env bash
# Builds Tabulex (warnings are errors) and runs every test: the format check, the test suite, the test suite again
# under AddressSanitizer and UndefinedBehaviorSanitizer, and each fuzz target for a short,
# bounded time.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
TABULEX_WERROR=ON "$top/scripts/build.sh"
"$top/scripts/check-format.sh"
ctest --test-dir "$top/build" --output-on-failure -j"$(nproc)"
"$top/scripts/sanitize.sh"
"$top/scripts/fuzz.sh" "${TABULEX_FUZZ_SECONDS:-30}"
