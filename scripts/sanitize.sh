#!/usr/bin/env bash
# Builds the tests once more with AddressSanitizer and UndefinedBehaviorSanitizer into
# build-sanitize/ and runs them; any report fails the run.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/install-deps.sh"
cmake -S "$top" -B "$top/build-sanitize" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DTABULEX_BUILD_BENCH=OFF -DTABULEX_BUILD_DESKTOP=OFF \
  -DCMAKE_CXX_FLAGS="-O1 -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer" \
  -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" >/dev/null
cmake --build "$top/build-sanitize"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir "$top/build-sanitize" --output-on-failure -j"$(nproc)"
