#!/usr/bin/env bash
# End-to-end tests: the real tabulex on a desktop with a window manager (Xvfb and openbox),
# driven by keys and mouse as a user drives it and read back through the clipboard, the
# window manager's view of its windows and the run files. Each case starts the program afresh
# in a run-files directory of its own. What a window manager does (frames, focus, dialogs,
# drag and drop) is seen only here.
# Usage: end_to_end_test.sh PATH_TO_TABULEX [CASE...]
set -uo pipefail
TABULEX=$1
shift
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=desktop_session.sh
source "$here/desktop_session.sh"
DESKTOP_TOOLS+=(wmctrl)

if missing=$(desktop_tools_missing); then
  echo "SKIPPED: $missing is not installed"
  exit 77
fi

work=$(mktemp -d)
trap 'stop_desktop; rm -rf "$work"' EXIT
start_desktop "$work" || exit 1

# expect WHAT ACTUAL EXPECTED
expect() {
  [ "$2" == "$3" ] && return 0
  echo "FAIL: $1"
  echo "  got:      $(printf '%q' "$2")"
  echo "  expected: $(printf '%q' "$3")"
  return 1
}

fail() {
  echo "FAIL: $*"
  return 1
}

# The first line of a text.
first_line() { printf '%s\n' "$1" | head -n 1; }

# ---------------------------------------------------------------------------------------------

case_enter_calculates_and_the_text_is_kept() {
  printf '[其他设置]\n退出保存=真\n' | configure "$RUN"
  start_tabulex "$RUN" || return 1
  keys ctrl+d ctrl+Home
  type_text "15+3"
  keys Return
  read_text || fail "nothing copied" || return 1
  expect "the line after Enter" "$(first_line "$TEXT")" "15+3=18" || return 1
  stop_tabulex
  local backup
  backup=$(head -c 100 "$RUN/Tabulo备份文件.txt" | tr -d '\r' | head -n 1)
  expect "the first line of the kept text" "$backup" "15+3=18"
}

# Dragging a selection inside the editor moves it, as one undo step; it never replaces the
# document with the dragged text.
case_a_drag_inside_the_editor_moves_the_selection() {
  start_tabulex "$RUN" || return 1
  keys ctrl+d ctrl+Home
  type_text "abcdefgh"
  keys shift+Home
  local x y
  read -r x y < <(client_origin "$WIN")
  # The first line, under the menu bar, and two lines below it.
  xdotool mousemove $((x + 20)) $((y + 40)) mousedown 1
  local step
  for step in 4 8 14 22 30 40; do
    xdotool mousemove $((x + 24)) $((y + 40 + step))
    sleep 0.03
  done
  xdotool mouseup 1
  read_text || fail "nothing copied" || return 1
  expect "the line the selection left" "$(first_line "$TEXT")" "" || return 1
  expect "the text with the selection moved" "$(printf '%s' "$TEXT" | tr -d '\n')" "abcdefgh" ||
    return 1
  expect "line breaks after the move" "$(printf '%s' "$TEXT" | tr -cd '\n' | wc -c)" "45" ||
    return 1
  keys ctrl+z
  read_text || fail "nothing copied" || return 1
  expect "the text after one undo" "$TEXT" "abcdefgh$BLANK_DOCUMENT"
}

# open_dialog NAME: opens one of the program's windows from the main window.
open_dialog() {
  activate "$WIN"
  case "$1" in
    字体) keys ctrl+t ;;
    查找和替换) keys ctrl+f ;;
    累加器) keys F7 ;;
    警告!) keys F8 ;;
    帮助) keys F1 ;;
    外观设置) keys alt+k w ;;
    撤销步长) keys alt+k s ;;
    快捷设置) keys alt+k k ;;
    辅助分析) keys alt+k Left s j ;;
    about) keys alt+h a ;;
  esac
}

# Esc and the window's close button close every window of the program, whole.
case_esc_and_the_close_button_close_every_dialog() {
  start_tabulex "$RUN" || return 1
  local name title id
  for name in 字体 查找和替换 累加器 警告! 帮助 外观设置 撤销步长 快捷设置 辅助分析 about; do
    title=$name
    [ "$name" = about ] && title="Tabulex V6\.2\.3"
    open_dialog "$name"
    id=$(wait_window "$title" "$WIN") || fail "$name did not open" || return 1
    activate "$id"
    keys Escape
    wait_gone "$id" || fail "Esc left $name open" || return 1

    open_dialog "$name"
    id=$(wait_window "$title" "$WIN") || fail "$name did not open again" || return 1
    wmctrl -i -c "$id"
    wait_gone "$id" || fail "the close button left $name open" || return 1
  done

  # The exit question of the close button: Esc and its own close button dismiss it, and the
  # program goes on running.
  local way
  for way in Escape close; do
    wmctrl -i -c "$WIN"
    id=$(wait_window "是否要直接退出！") || fail "no exit question" || return 1
    activate "$id"
    if [ "$way" = Escape ]; then keys Escape; else wmctrl -i -c "$id"; fi
    wait_gone "$id" || fail "$way left the exit question open" || return 1
    kill -0 "$TABULEX_PID" 2>/dev/null || fail "$way ended the program" || return 1
  done
}

# context_menu KEY: the editor's context menu, and its item with this accelerator. The menu
# opens as the program takes the click, so the key that follows reaches it.
context_menu() {
  local x y
  read -r x y < <(client_origin "$WIN")
  xdotool mousemove $((x + 200)) $((y + 150)) click 3
  keys "$1"
}

# Full screen: no caption text, no window buttons (on openbox: no caption bar at all), and
# the caption comes back only when full screen is left; other commands never touch it.
case_full_screen_has_no_caption_and_commands_leave_the_caption_alone() {
  start_tabulex "$RUN" || return 1
  keys ctrl+n
  wait_until 5 sh -c "[ \"\$(xprop -id $WIN _NET_WM_NAME)\" = '_NET_WM_NAME(UTF8_STRING) = \"Tabulex\"' ]" ||
    fail "new did not name the document" || return 1
  local normal_frame
  normal_frame=$(frame_extents "$WIN")

  context_menu q
  wait_until 5 sh -c "[ \"\$(xprop -id $WIN _NET_FRAME_EXTENTS | sed -n 's/^.* = //p')\" != '$normal_frame' ]" ||
    fail "the frame did not change in full screen" || return 1
  local left right top bottom
  IFS=', ' read -r left right top bottom < <(frame_extents "$WIN")
  expect "the caption bar in full screen (a border only)" "$top" "$left" || return 1
  expect "the caption in full screen" "$(caption "$WIN" | tr -d ' ')" "" || return 1
  context_menu a # select all, from the context menu
  keys ctrl+d
  read_text # a round trip: the commands are done
  expect "the caption after commands in full screen" "$(caption "$WIN" | tr -d ' ')" "" || return 1

  context_menu q
  wait_until 5 sh -c "[ \"\$(xprop -id $WIN _NET_FRAME_EXTENTS | sed -n 's/^.* = //p')\" = '$normal_frame' ]" ||
    fail "the normal frame did not come back" || return 1
  expect "the caption after full screen" "$(caption "$WIN")" "Tabulex V6.2.3" || return 1
  keys ctrl+a ctrl+d
  type_text "1+1"
  keys Return
  read_text
  expect "the caption after commands" "$(caption "$WIN")" "Tabulex V6.2.3"
}

# Ctrl+D in full screen is the clear-all command: the blank document has nothing to save.
case_ctrl_d_in_full_screen_leaves_nothing_to_save() {
  start_tabulex "$RUN" || return 1
  context_menu q
  keys ctrl+Home
  type_text "1+1"
  keys ctrl+d
  context_menu q
  keys ctrl+n
  read_text
  if visible_window "询问" >/dev/null; then fail "new asked to save a cleared text" || return 1; fi
  expect "the text after new" "$TEXT" "$BLANK_DOCUMENT"
}

# F7 opens the accumulator beside the editor, which keeps the keyboard.
case_the_accumulator_leaves_the_keyboard_with_the_editor() {
  start_tabulex "$RUN" || return 1
  keys ctrl+d ctrl+Home
  keys F7
  wait_window "累加器" >/dev/null || fail "F7 opened no accumulator" || return 1
  # Nothing to wait for when all is well: give the window manager the time it would take to
  # hand the keyboard to the new window.
  sleep 0.3
  type_text "2+3"
  keys Return
  read_text || fail "nothing copied" || return 1
  expect "the line typed after F7" "$(first_line "$TEXT")" "2+3=5"
}

bounds_are() { [ "$(outer_bounds "$1")" = "$2" ]; }

# stored_bounds: the four remembered bounds, one line.
stored_bounds() {
  echo "$(stored _启动窗口.左边) $(stored _启动窗口.顶边) $(stored _启动窗口.宽度) $(stored _启动窗口.高度)"
}

# The bounds are the outer frame's, applied and read alike: start and close as often as you
# like, the window comes back at the same place and size. Maximised and closed, it comes back
# maximised, and un-maximising gives the bounds from before.
case_the_window_comes_back_where_it_was_left() {
  printf '[启动窗口位置]\n_启动窗口.左边=100\n_启动窗口.顶边=120\n_启动窗口.宽度=640\n_启动窗口.高度=400\n' |
    configure "$RUN"
  local start
  for start in 1 2 3; do
    start_tabulex "$RUN" || return 1
    expect "the window at start $start" "$(outer_bounds "$WIN")" "100 120 640 400" || return 1
    stop_tabulex
    expect "the bounds stored after start $start" "$(stored_bounds)" "100 120 640 400" ||
      return 1
  done

  start_tabulex "$RUN" || return 1
  wmctrl -i -r "$WIN" -b add,maximized_vert,maximized_horz
  wait_until 5 sh -c "xprop -id $WIN _NET_WM_STATE | grep -q MAXIMIZED_HORZ" ||
    fail "the window did not maximise" || return 1
  stop_tabulex
  expect "the state stored after maximising" "$(stored 窗口状态)" "3" || return 1
  expect "the bounds stored after maximising" "$(stored_bounds)" "100 120 640 400" || return 1

  start_tabulex "$RUN" || return 1
  case "$(net_state "$WIN")" in
    *MAXIMIZED_HORZ*) ;;
    *) fail "the window did not come back maximised" || return 1 ;;
  esac
  wmctrl -i -r "$WIN" -b remove,maximized_vert,maximized_horz
  wait_until 5 sh -c "! xprop -id $WIN _NET_WM_STATE | grep -q MAXIMIZED" ||
    fail "the window stayed maximised" || return 1
  wait_until 5 bounds_are "$WIN" "100 120 640 400"
  expect "the window after un-maximising" "$(outer_bounds "$WIN")" "100 120 640 400"
}

# The exit question stays in sight, in front and with the keyboard, while the main window
# is minimised; Enter takes its default answer, "直接退出".
case_the_exit_question_is_seen_and_answered_with_the_keyboard() {
  start_tabulex "$RUN" || return 1
  wmctrl -i -c "$WIN"
  local id
  id=$(wait_window "是否要直接退出！") || fail "no exit question" || return 1
  wait_until 5 sh -c "xprop -id $WIN WM_STATE | grep -q Iconic" ||
    fail "the main window was not minimised" || return 1
  wait_until 5 sh -c "[ \"\$(xdotool getactivewindow)\" = $id ]" ||
    fail "the question does not have the keyboard" || return 1
  xwininfo -id "$id" | grep -q 'IsViewable' || fail "the question is hidden" || return 1
  # Window managers that hide a minimised window's dialogs find them through this hint.
  xprop -id "$id" WM_TRANSIENT_FOR | grep -q 'not found' ||
    fail "the question is a dialog of the minimised window" || return 1
  keys Return
  wait_until 10 sh -c "! kill -0 $TABULEX_PID" || fail "Enter did not end the program" || return 1
  TABULEX_PID=""
  expect "the run counter written at the end" "$(stored 运行次数)" "2"
}

# file_is PATH EXPECTED: the file holds exactly these bytes.
file_is() { [ -f "$1" ] && [ "$(od -An -tx1 "$1")" = "$(printf '%s' "$2" | od -An -tx1)" ]; }

# A Linux text file (UTF-8, LF) named on the command line opens as it is, and a save writes
# UTF-8 with LF again: the file is what it was, apart from the edit.
case_a_file_keeps_its_encoding_and_line_ends() {
  local file="$work/价格.txt"
  printf '价格=0.3+0.5\n1+1\n' >"$file"
  start_tabulex "$RUN" "$file" || return 1
  wait_until 10 sh -c "xprop -id $WIN _NET_WM_NAME | grep -q '价格.txt'" ||
    fail "the file did not open" || return 1
  keys ctrl+Home End Return ctrl+s
  wait_until 10 file_is "$file" $'价格=0.3+0.5=0.8\n1+1\n' ||
    fail "the saved file is $(od -c "$file" | head -n 3)"
}

# A second start with a file hands it to the running instance, which opens it.
case_a_second_start_hands_its_file_over() {
  local file="$work/handed.txt"
  printf '7*6\n' >"$file"
  start_tabulex "$RUN" || return 1
  "$TABULEX" --run-dir "$RUN" "$file" >>"$DESKTOP_WORK/tabulex.log" 2>&1 ||
    fail "the second start failed" || return 1
  wait_until 10 sh -c "xprop -id $WIN _NET_WM_NAME | grep -q 'handed.txt'" ||
    fail "the running instance did not open the file" || return 1
  activate "$WIN"
  read_text || fail "nothing copied" || return 1
  expect "the text of the handed file" "$TEXT" $'7*6\n'
}

# What the editor cannot show is announced on opening, and a save over the original asks;
# "否" leaves the file as it was.
case_what_cannot_be_shown_is_announced_and_the_file_kept() {
  local file="$work/emoji.txt"
  printf '1\xF0\x9F\x98\x80+1\n' >"$file"
  local before
  before=$(od -An -tx1 "$file")
  start_tabulex "$RUN" "$file" || return 1
  local id
  id=$(wait_window "提示") || fail "no notice about the character" || return 1
  activate "$id"
  keys Return
  wait_gone "$id" || return 1
  activate "$WIN"
  keys ctrl+s
  id=$(wait_window "询问") || fail "no question before saving over the file" || return 1
  activate "$id"
  keys Escape  # 否
  wait_gone "$id" || return 1
  expect "the file after 否" "$(od -An -tx1 "$file")" "$before"
}

# Killed in the middle of a save, the program leaves the file whole: the old bytes or the new,
# never a mixture or a truncated file.
case_a_kill_during_a_save_leaves_the_file_whole() {
  local file="$work/long.txt"
  head -c 8000000 /dev/zero | tr '\0' '7' | fold -w 79 >"$file"
  local old new
  old=$(md5sum <"$file")
  new=$( (printf 9; cat "$file") | md5sum)
  start_tabulex "$RUN" "$file" || return 1
  wait_until 20 sh -c "xprop -id $WIN _NET_WM_NAME | grep -q 'long.txt'" ||
    fail "the file did not open" || return 1
  keys ctrl+Home
  type_text "9"
  keys ctrl+s
  sleep 0.0$((RANDOM % 10))
  kill -KILL "$TABULEX_PID"
  wait "$TABULEX_PID" 2>/dev/null
  TABULEX_PID=""
  local now
  now=$(md5sum <"$file")
  [ "$now" = "$old" ] || [ "$now" = "$new" ] || fail "the file is neither the old nor the new"
}

# A file that cannot be opened gives the error, and the program starts as usual.
case_a_missing_file_gives_the_error_and_the_program_starts() {
  start_tabulex "$RUN" "$work/no such file.txt" || return 1
  local id
  id=$(wait_window "错误") || fail "no error message" || return 1
  activate "$id"
  keys Return
  wait_gone "$id" || return 1
  activate "$WIN"
  type_text "2+2"
  keys Return
  read_text || fail "nothing copied" || return 1
  expect "the first line" "$(first_line "$TEXT")" "2+2=4"
}

# Without 退出保存, text typed and never saved comes back after a crash: the recovery file is
# written a few seconds after the last change, and the next start offers it.
case_unsaved_text_comes_back_after_a_crash() {
  start_tabulex "$RUN" || return 1
  keys ctrl+d
  type_text "12+30"
  wait_until 10 test -s "$RUN/Tabulo恢复文件.txt" || fail "no recovery file" || return 1
  kill -KILL "$TABULEX_PID"
  wait "$TABULEX_PID" 2>/dev/null
  TABULEX_PID=""
  start_tabulex "$RUN" || return 1
  local id
  id=$(wait_window "询问") || fail "no question about the lost text" || return 1
  activate "$id"
  keys Return  # 是
  wait_gone "$id" || return 1
  activate "$WIN"
  read_text || fail "nothing copied" || return 1
  expect "the first line after recovery" "$(first_line "$TEXT")" "12+30" || return 1
  # A normal end removes it: File, close, and "否" to saving.
  keys ctrl+q
  id=$(wait_window "询问") || fail "closing did not ask to save" || return 1
  activate "$id"
  keys alt+n
  wait_until 10 sh -c "! kill -0 $TABULEX_PID" || fail "the program did not end" || return 1
  TABULEX_PID=""
  [ ! -e "$RUN/Tabulo恢复文件.txt" ] || fail "the recovery file outlived a normal end"
}

# ---------------------------------------------------------------------------------------------

cases=("$@")
if [ ${#cases[@]} -eq 0 ]; then
  mapfile -t cases < <(declare -F | sed -n 's/^declare -f case_//p')
fi
failed=0
for name in "${cases[@]}"; do
  RUN="$work/run-$name"
  mkdir -p "$RUN"
  started=$SECONDS
  if "case_$name"; then
    echo "PASS: $name ($((SECONDS - started)) s)"
  else
    echo "FAILED: $name (the screen then: $PWD/end_to_end-$name.png)"
    screenshot "$PWD/end_to_end-$name.png"
    failed=$((failed + 1))
  fi
  stop_tabulex
done
[ "$failed" -eq 0 ] || { echo "$failed case(s) failed"; tail -n 20 "$work/tabulex.log"; exit 1; }
