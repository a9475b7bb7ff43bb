#!/usr/bin/env bash
# Fails when a C++ file of the project differs from what clang-format makes of it.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
git ls-files -z --cached --others --exclude-standard -- '*.cpp' '*.h' |
  xargs -0 -r clang-format --dry-run --Werror
echo "clang-format: all files formatted"
