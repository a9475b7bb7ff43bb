#!/usr/bin/env bash
# The real tabulex on a Wayland compositor without X (weston's headless backend): it starts,
# stays up, and on SIGTERM ends cleanly with its settings written.
# Usage: wayland_smoke_test.sh PATH_TO_TABULEX
set -uo pipefail
tabulex=$1
command -v weston >/dev/null || { echo "SKIPPED: weston is not installed"; exit 77; }
compgen -G "/usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so" >/dev/null ||
  { echo "SKIPPED: Qt's Wayland platform (qt6-wayland) is not installed"; exit 77; }

work=$(mktemp -d)
chmod 700 "$work"
weston_pid=""
app_pid=""
cleanup() {
  [ -n "$app_pid" ] && kill -KILL "$app_pid" 2>/dev/null
  [ -n "$weston_pid" ] && kill "$weston_pid" 2>/dev/null
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

wait_until() {  # wait_until SECONDS COMMAND...
  local deadline=$((SECONDS + $1))
  shift
  until "$@" >/dev/null 2>&1; do
    [ "$SECONDS" -ge "$deadline" ] && return 1
    sleep 0.05
  done
}

export XDG_RUNTIME_DIR="$work"
socket="tabulex-$$"
weston --backend=headless-backend.so --socket="$socket" --idle-time=0 >"$work/weston.log" 2>&1 &
weston_pid=$!
wait_until 10 test -S "$work/$socket" || { echo "FAIL: weston did not start"; exit 1; }

run="$work/run"
mkdir -p "$run"
config="$run/Tabulo配置文件.ini"
env -u DISPLAY WAYLAND_DISPLAY="$socket" QT_QPA_PLATFORM=wayland \
  "$tabulex" --run-dir "$run" >"$work/tabulex.log" 2>&1 &
app_pid=$!
# The start-up writes the window's code once it has its window.
stored() { iconv -f GBK -t UTF-8 "$config" 2>/dev/null | tr -d '\r' | sed -n "s/^$1=//p"; }
has_window_code() { [ -n "$(stored 窗口代号)" ]; }
wait_until 20 has_window_code || { echo "FAIL: the start-up did not complete"; cat "$work/tabulex.log"; exit 1; }
sleep 1
kill -0 "$app_pid" 2>/dev/null || { echo "FAIL: the program did not stay up"; cat "$work/tabulex.log"; exit 1; }

kill -TERM "$app_pid"
wait_until 10 sh -c "! kill -0 $app_pid" || { echo "FAIL: no end on SIGTERM"; exit 1; }
wait "$app_pid"
status=$?
app_pid=""
[ "$status" -eq 0 ] || { echo "FAIL: exit status $status"; cat "$work/tabulex.log"; exit 1; }
[ "$(stored 运行次数)" = "2" ] || { echo "FAIL: the settings were not written"; exit 1; }
echo "PASS: started on Wayland, stayed up, ended on SIGTERM with its settings written"
