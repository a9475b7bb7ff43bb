#!/usr/bin/env bash
# Started without any graphical display, tabulex says so in one line on standard error, points
# to tabulex-calc, exits with 1 and writes nothing. The same for a display it cannot reach.
# Usage: no_display_test.sh PATH_TO_TABULEX
set -uo pipefail
tabulex=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

failures=0
check() {  # check WHAT ENV...: runs tabulex with that environment
  local what=$1
  shift
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@" XDG_RUNTIME_DIR="$work" \
    "$tabulex" --run-dir "$work/run" >"$work/out" 2>"$work/err"
  local status=$?
  local lines
  lines=$(wc -l <"$work/err")
  if [ "$status" -ne 1 ] || [ "$lines" -ne 1 ] || ! grep -q 'tabulex-calc' "$work/err" ||
    [ -s "$work/out" ] || [ -e "$work/run" ]; then
    echo "FAIL: $what: exit $status, standard error:"
    cat "$work/err"
    failures=$((failures + 1))
  else
    echo "PASS: $what: $(cat "$work/err")"
  fi
}

check "no display at all"
check "an X display nobody serves" DISPLAY=:97
check "a Wayland display nobody serves" WAYLAND_DISPLAY=nobody-here
[ "$failures" -eq 0 ]
