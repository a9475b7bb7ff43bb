#!/usr/bin/env bash
# Redraws docs/screenshot.png, the README's picture of the main window.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/build.sh" --target tabulex_readme_screenshot
"$top/build/tests/app/tabulex_readme_screenshot" "$top/docs/screenshot.png"
