# A desktop for the end-to-end tests, sourced by them: a virtual X server with the openbox
# window manager, the real tabulex started in a run-files directory of its own, and the means
# to drive it as a user does (keys and mouse through XTEST) and to read it back (the clipboard,
# window names and frames, the run files). Every wait polls for what it waits for.
#
# Needs: Xvfb, openbox, xdotool, xclip, xprop and xwininfo; `desktop_tools_missing` names a
# missing one.

DESKTOP_TOOLS=(Xvfb openbox xdotool xclip xprop xwininfo iconv)

desktop_tools_missing() {
  local tool
  for tool in "${DESKTOP_TOOLS[@]}"; do
    command -v "$tool" >/dev/null || { echo "$tool"; return 0; }
  done
  return 1
}

# start_desktop WORK_DIR: the X server (on a display it picks itself) and openbox.
start_desktop() {
  DESKTOP_WORK=$1
  exec 3>"$DESKTOP_WORK/display"
  Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp >"$DESKTOP_WORK/xvfb.log" 2>&1 &
  XVFB_PID=$!
  exec 3>&-
  wait_until 10 test -s "$DESKTOP_WORK/display" || { echo "Xvfb did not start"; return 1; }
  export DISPLAY=":$(cat "$DESKTOP_WORK/display")"
  openbox --sm-disable >"$DESKTOP_WORK/openbox.log" 2>&1 &
  OPENBOX_PID=$!
  # openbox announces itself on the root window once it manages windows.
  wait_until 10 sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"' ||
    { echo "openbox did not start"; return 1; }
}

stop_desktop() {
  stop_tabulex
  [ -n "${OPENBOX_PID:-}" ] && kill "$OPENBOX_PID" 2>/dev/null
  [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null
  OPENBOX_PID="" XVFB_PID=""
}

# wait_until SECONDS COMMAND...: true as soon as COMMAND succeeds, false when time is up.
wait_until() {
  local deadline=$((SECONDS + $1))
  shift
  while ! "$@" >/dev/null 2>&1; do
    [ "$SECONDS" -ge "$deadline" ] && return 1
    sleep 0.05
  done
}

# configure RUN_DIR: the configuration file from standard input, written in UTF-8 and stored
# in GBK with CR LF, as the program keeps it.
configure() {
  mkdir -p "$1"
  sed 's/$/\r/' | iconv -f UTF-8 -t GBK >"$1/Tabulo配置文件.ini"
}

# start_tabulex RUN_DIR [ARGUMENT...]: starts the program and waits for its main window (WIN),
# active.
start_tabulex() {
  TABULEX_RUN=$1
  shift
  "$TABULEX" --run-dir "$TABULEX_RUN" "$@" >>"$DESKTOP_WORK/tabulex.log" 2>&1 &
  TABULEX_PID=$!
  WIN=""
  wait_until 20 find_main_window || { echo "the main window did not appear"; return 1; }
  # A question the start asks (a file, a recovery) keeps the keyboard: then that has it.
  activate "$WIN" || true
}

# The main window by its caption: the program's, or "Tabulex - " and its file.
find_main_window() {
  WIN=$(xdotool search --onlyvisible --name '^Tabulex( V6\.2\.3$| - )' 2>/dev/null | head -n 1)
  [ -n "$WIN" ]
}

# stop_tabulex: ends the program as a session end does (everything is written) and waits.
stop_tabulex() {
  [ -n "${TABULEX_PID:-}" ] || return 0
  kill -TERM "$TABULEX_PID" 2>/dev/null
  wait_until 10 sh -c "! kill -0 $TABULEX_PID" || kill -KILL "$TABULEX_PID" 2>/dev/null
  wait "$TABULEX_PID" 2>/dev/null
  TABULEX_PID=""
}

# activate ID: gives the window the keyboard; false when it does not get it (a modal dialog of
# the program keeps it).
activate() {
  timeout 2 xdotool windowactivate --sync "$1" >/dev/null 2>&1 ||
    timeout 2 xdotool windowfocus --sync "$1" >/dev/null 2>&1
  wait_until 2 sh -c "[ \"\$(xdotool getactivewindow)\" = $1 ]"
}

# Keys and text through XTEST: they go wherever the window manager has put the focus.
keys() { xdotool key --delay 40 "$@"; }
type_text() { xdotool type --delay 30 "$1"; }

# visible_window TITLE [EXCEPT_ID]: the id of a shown window with exactly this name.
visible_window() {
  local id
  for id in $(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null); do
    [ "$id" != "${2:-}" ] && { echo "$id"; return 0; }
  done
  return 1
}

# wait_window TITLE [EXCEPT_ID]: waits for such a window and prints its id.
wait_window() {
  local deadline=$((SECONDS + 10)) id
  until id=$(visible_window "$@"); do
    [ "$SECONDS" -ge "$deadline" ] && return 1
    sleep 0.05
  done
  echo "$id"
}

# wait_gone ID: waits until the window is no longer shown.
wait_gone() {
  wait_until 10 sh -c "! xwininfo -id $1 2>/dev/null | grep -q 'Map State: IsViewable'"
}

# caption ID: the window's name as the window manager shows it (_NET_WM_NAME).
caption() {
  xprop -id "$1" _NET_WM_NAME | sed -n 's/^_NET_WM_NAME(UTF8_STRING) = "\(.*\)"$/\1/p'
}

# frame_extents ID: the frame the window manager draws: "left, right, top, bottom".
frame_extents() {
  xprop -id "$1" _NET_FRAME_EXTENTS | sed -n 's/^.* = //p'
}

# client_origin ID: "X Y", the screen position of the window's inside.
client_origin() {
  xwininfo -id "$1" | awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF}
    END {print x, y}'
}

# outer_bounds ID: "LEFT TOP WIDTH HEIGHT" of the window with its frame, as the program counts
# its bounds.
outer_bounds() {
  local x y w h left right top bottom
  read -r x y < <(client_origin "$1")
  w=$(xwininfo -id "$1" | awk '/  Width:/ {print $NF}')
  h=$(xwininfo -id "$1" | awk '/  Height:/ {print $NF}')
  IFS=', ' read -r left right top bottom < <(frame_extents "$1")
  echo "$((x - ${left:-0})) $((y - ${top:-0})) $((w + ${left:-0} + ${right:-0})) $((h + ${top:-0} + ${bottom:-0}))"
}

# net_state ID: the window's _NET_WM_STATE atoms, one line.
net_state() { xprop -id "$1" _NET_WM_STATE | sed -n 's/^.* = //p'; }

# stored KEY: a value of the configuration file of the current run-files directory.
stored() {
  iconv -f GBK -t UTF-8 "$TABULEX_RUN/Tabulo配置文件.ini" | tr -d '\r' |
    sed -n "s/^$1=//p" | head -n 1
}

# read_text: the whole editor text (lines end in LF) into TEXT, read through the clipboard
# after select all and copy in the active window. Fails when nothing was copied. (A variable,
# not output: command substitution would drop the final line breaks.)
read_text() {
  local marker="(nothing copied $RANDOM)"
  printf '%s' "$marker" | xclip -selection clipboard -i
  keys ctrl+a ctrl+c
  local deadline=$((SECONDS + 5))
  while :; do
    TEXT=$(xclip -o -selection clipboard 2>/dev/null; printf x)
    TEXT=${TEXT%x}
    [ "$TEXT" != "$marker" ] && return 0
    [ "$SECONDS" -ge "$deadline" ] && return 1
    sleep 0.05
  done
}

# The blank document: 45 empty lines.
BLANK_DOCUMENT=$(printf '\n%.0s' $(seq 45); printf x)
BLANK_DOCUMENT=${BLANK_DOCUMENT%x}

# A screenshot of the whole screen, where ImageMagick is at hand (for looking at a failure).
screenshot() {
  command -v import >/dev/null && import -window root "$1" 2>/dev/null
  return 0
}
