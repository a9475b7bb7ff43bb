#!/usr/bin/env bash
# Redraws the README's pictures: docs/screenshot.png (the main window) and docs/tools-*.png
# (the tool window's statistics, unit and time tabs).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/build.sh" --target tabulex_readme_screenshot
"$top/build/tests/app/tabulex_readme_screenshot" "$top/docs/screenshot.png" "$top/docs/tools"
