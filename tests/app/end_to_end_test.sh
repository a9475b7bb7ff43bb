#!/usr/bin/env bash
# The real program in a virtual X server: type 15+3 and Enter with a key sender, end the
# program as a session end does, and find the result in the kept text.
# Usage: end_to_end_test.sh PATH_TO_TABULEX
set -euo pipefail
tabulex=$1
for tool in Xvfb xdotool; do
  command -v "$tool" >/dev/null || { echo "SKIPPED: $tool is not installed"; exit 77; }
done

work=$(mktemp -d)
xvfb_pid=""
app_pid=""
cleanup() {
  [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# A display number nobody uses, chosen by the server itself.
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$work/display")"

# Keep the text between runs, so that the shutdown writes it to the backup.
run="$work/run"
mkdir -p "$run"
printf '[\xc6\xe4\xcb\xfb\xc9\xe8\xd6\xc3]\r\n\xcd\xcb\xb3\xf6\xb1\xa3\xb4\xe6=\xd5\xe6\r\n' \
  >"$run/Tabulo配置文件.ini"

"$tabulex" --run-dir "$run" >"$work/app.log" 2>&1 &
app_pid=$!
window=$(timeout 20 xdotool search --sync --name '^Tabulex V6\.2\.3$' | head -n 1)
xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus --sync "$window"
xdotool key --window "$window" ctrl+d   # the blank document, whatever was kept
xdotool key --window "$window" ctrl+Home
xdotool type --window "$window" --delay 30 "15+3"
xdotool key --window "$window" Return
sleep 0.5

kill -TERM "$app_pid"
for _ in $(seq 100); do kill -0 "$app_pid" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$app_pid" 2>/dev/null; then
  echo "FAIL: the program did not end on SIGTERM"
  exit 1
fi
app_pid=""

backup="$run/Tabulo备份文件.txt"
if [ ! -f "$backup" ]; then
  echo "FAIL: no text backup was written"; cat "$work/app.log"; exit 1
fi
first_line=$(head -c 100 "$backup" | tr -d '\r' | head -n 1)
if [ "$first_line" != "15+3=18" ]; then
  echo "FAIL: the first line is '$first_line', not '15+3=18'"
  exit 1
fi
echo "PASS: 15+3 and Enter gave 15+3=18 in the real window"
