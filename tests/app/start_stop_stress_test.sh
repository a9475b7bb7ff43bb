#!/usr/bin/env bash
# The start and stop paths under stress: the real tabulex started again and again in one
# run-files directory, each time ended by SIGTERM at a random moment of its first second, some
# of the times while a second start hands over to it. It must never hang, abort or leave the
# directory unusable: every process ends within 10 s of its signal, none by a crash, and a last
# start comes up as usual.
# Usage: start_stop_stress_test.sh PATH_TO_TABULEX [STARTS]
set -uo pipefail
TABULEX=$1
starts=${2:-50}
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=desktop_session.sh
source "$here/desktop_session.sh"

if missing=$(desktop_tools_missing); then
  echo "SKIPPED: $missing is not installed"
  exit 77
fi

work=$(mktemp -d)
trap 'stop_desktop; rm -rf "$work"' EXIT
start_desktop "$work" || exit 1
run="$work/run"
mkdir -p "$run"

# ended PID: waits for the process to end and sets HOW ("exit N", "signal NAME" or "hang").
# (Not in a subshell: only this shell can wait for its children.)
ended() {
  local pid=$1 deadline=$((SECONDS + 10))
  while kill -0 "$pid" 2>/dev/null; do
    if [ "$SECONDS" -ge "$deadline" ]; then
      HOW="hang"
      kill -KILL "$pid" 2>/dev/null
      wait "$pid" 2>/dev/null
      return
    fi
    sleep 0.02
  done
  wait "$pid"
  local status=$?
  if [ "$status" -gt 128 ]; then HOW="signal $(kill -l $((status - 128)))"; else HOW="exit $status"; fi
}

# A SIGTERM (before the program takes it over) or a clean exit is an end; anything else is not.
acceptable() {
  case "$1" in
    "exit 0" | "signal TERM") return 0 ;;
    *) return 1 ;;
  esac
}

RANDOM=${TABULEX_STRESS_SEED:-$$}
failures=0
declare -A outcomes
for ((i = 1; i <= starts; i++)); do
  "$TABULEX" --run-dir "$run" >>"$work/tabulex.log" 2>&1 &
  first=$!
  second=""
  if ((RANDOM % 3 == 0)); then
    sleep "0.$((RANDOM % 5))"
    "$TABULEX" --run-dir "$run" >>"$work/tabulex.log" 2>&1 &
    second=$!
  fi
  sleep "$((RANDOM % 2)).$(printf '%03d' $((RANDOM % 1000)))"
  kill -TERM "$first" 2>/dev/null
  [ -n "$second" ] && kill -TERM "$second" 2>/dev/null
  for pid in $first $second; do
    ended "$pid"
    outcomes[$HOW]=$((${outcomes[$HOW]:-0} + 1))
    if ! acceptable "$HOW"; then
      echo "FAIL: start $i, process $pid: $HOW"
      failures=$((failures + 1))
    fi
  done
done

# The directory is as usable as before: a start comes up and ends cleanly.
"$TABULEX" --run-dir "$run" >>"$work/tabulex.log" 2>&1 &
TABULEX_PID=$!
if ! wait_until 20 find_main_window; then
  echo "FAIL: no window after the stress"
  failures=$((failures + 1))
fi
kill -TERM "$TABULEX_PID"
ended "$TABULEX_PID"
TABULEX_PID=""
[ "$HOW" = "exit 0" ] || { echo "FAIL: the last start ended with $HOW"; failures=$((failures + 1)); }

if [ "$failures" -gt 0 ]; then
  echo "$failures failure(s) in $starts starts (seed ${TABULEX_STRESS_SEED:-$$})"
  tail -n 20 "$work/tabulex.log"
  exit 1
fi
summary=""
for how in "${!outcomes[@]}"; do summary+=" $how: ${outcomes[$how]};"; done
echo "PASS: $starts starts ended by SIGTERM, none hung or crashed ($summary )"
