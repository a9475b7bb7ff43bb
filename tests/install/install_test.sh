#!/usr/bin/env bash
# The installation: `cmake --install` into a staging root (DESTDIR) and into a plain prefix puts
# exactly the programs, the desktop entry, the icons and the AppStream metadata in place; the
# entry and the metadata pass their validators and agree with each other and with the
# programs; every PNG has the size its folder names; both programs answer --help and --version
# on standard output without a display and without touching any run-files directory. Where a
# virtual X server is at hand, the installed program's window carries the class the entry
# names.
# Usage: install_test.sh BUILD_DIR
# Exits 77 (skipped) when desktop-file-validate or appstreamcli is missing.
set -uo pipefail
build=$1
here=$(cd "$(dirname "$0")" && pwd)
id=io.github.tabulex.Tabulex

for tool in desktop-file-validate appstreamcli; do
  command -v "$tool" >/dev/null || { echo "SKIPPED: $tool is not installed"; exit 77; }
done

work=$(mktemp -d)
cleanup() {
  [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}
pass() { echo "PASS: $*"; }

# ---------------------------------------------------------------------------------------------
# The files

expected_files=$(sort <<EOF_FILES
bin/tabulex
bin/tabulex-calc
share/applications/$id.desktop
share/bash-completion/completions/tabulex-calc
share/icons/hicolor/16x16/apps/$id.png
share/icons/hicolor/32x32/apps/$id.png
share/icons/hicolor/48x48/apps/$id.png
share/icons/hicolor/64x64/apps/$id.png
share/icons/hicolor/128x128/apps/$id.png
share/icons/hicolor/256x256/apps/$id.png
share/icons/hicolor/scalable/apps/$id.svg
share/doc/tabulex/changelog.gz
share/doc/tabulex/copyright
share/man/man1/tabulex-calc.1.gz
share/man/man1/tabulex.1.gz
share/metainfo/$id.metainfo.xml
share/zsh/vendor-completions/_tabulex-calc
EOF_FILES
)

# installed_files ROOT: every file under ROOT, relative to it, sorted.
installed_files() { (cd "$1" && find . \( -type f -o -type l \) | sed 's|^\./||' | sort); }

# check_file_list WHAT ROOT
check_file_list() {
  local actual
  actual=$(installed_files "$2")
  if [ "$actual" == "$expected_files" ]; then
    pass "$1: the installed files"
  else
    fail "$1: the installed files differ (- expected, + installed):"
    diff <(echo "$expected_files") <(echo "$actual") | grep '^[<>]' | sed 's/^</-/; s/^>/+/'
  fi
}

if DESTDIR="$work/root" cmake --install "$build" --prefix /usr >"$work/install.log" 2>&1; then
  check_file_list "DESTDIR=… --prefix /usr" "$work/root/usr"
  # Nothing outside the prefix.
  extra=$(cd "$work/root" && find . -mindepth 1 -maxdepth 1 ! -name usr)
  [ -z "$extra" ] || fail "installed outside the prefix: $extra"
else
  fail "cmake --install with DESTDIR failed:"
  cat "$work/install.log"
fi
if cmake --install "$build" --prefix "$work/prefix" >"$work/install.log" 2>&1; then
  check_file_list "--prefix DIR" "$work/prefix"
else
  fail "cmake --install --prefix DIR failed:"
  cat "$work/install.log"
fi

root=$work/root/usr
[ -x "$root/bin/tabulex" ] && [ -x "$root/bin/tabulex-calc" ] || {
  echo "FAIL: the programs are not installed; nothing more to check"
  exit 1
}

# ---------------------------------------------------------------------------------------------
# The desktop entry and the AppStream metadata

desktop=$root/share/applications/$id.desktop
share/bash-completion/completions/tabulex-calc
metainfo=$root/share/metainfo/$id.metainfo.xml
share/zsh/vendor-completions/_tabulex-calc

if desktop-file-validate "$desktop" >"$work/validate" 2>&1 && [ ! -s "$work/validate" ]; then
  pass "desktop-file-validate"
else
  fail "desktop-file-validate:"
  cat "$work/validate"
fi
if appstreamcli validate --no-net "$metainfo" >"$work/validate" 2>&1; then
  pass "appstreamcli validate --no-net"
else
  fail "appstreamcli validate --no-net:"
  cat "$work/validate"
fi

# entry KEY: the value of KEY in the desktop entry.
entry() { sed -n "s/^$1=//p" "$desktop"; }
# element NAME: the untranslated texts of <NAME> in the metadata, one a line.
element() { sed -n "s|^ *<$1>\(.*\)</$1>$|\1|p" "$metainfo"; }

exec_program=$(entry Exec | cut -d' ' -f1)
[ -x "$root/bin/$exec_program" ] || fail "Exec= starts '$exec_program', which is not installed"
icon=$(entry Icon)
for folder in "$root"/share/icons/hicolor/*/apps; do
  ls "$folder/$icon".* >/dev/null 2>&1 || fail "no icon '$icon' in ${folder#"$root"/}"
done
[ "$(element id)" == "$id" ] || fail "the metadata's id is '$(element id)'"
launchable=$(sed -n 's|^ *<launchable type="desktop-id">\(.*\)</launchable>$|\1|p' "$metainfo")
[ -f "$root/share/applications/$launchable" ] ||
  fail "the metadata launches '$launchable', which is not installed"
for binary in $(element binary); do
  [ -x "$root/bin/$binary" ] || fail "the metadata provides '$binary', which is not installed"
done
[ -n "$(element binary)" ] || fail "the metadata provides no binary"
pass "the entry, the metadata and the installed files agree"

# ---------------------------------------------------------------------------------------------
# The icons: each PNG a PNG of the size its folder names (read from its header).

for png in "$root"/share/icons/hicolor/*x*/apps/*.png; do
  folder=$(basename "$(dirname "$(dirname "$png")")")
  read -r -a header < <(od -An -v -tx1 -N24 "$png" | tr '\n' ' ')
  signature="${header[*]:0:8}"
  chunk="${header[*]:12:4}"
  width=$((0x${header[16]}${header[17]}${header[18]}${header[19]}))
  height=$((0x${header[20]}${header[21]}${header[22]}${header[23]}))
  if [ "$signature" != "89 50 4e 47 0d 0a 1a 0a" ] || [ "$chunk" != "49 48 44 52" ]; then
    fail "$folder: not a PNG"
  elif [ "${width}x$height" != "$folder" ]; then
    fail "$folder: the PNG is ${width}x$height"
  else
    pass "$folder: a ${width}x$height PNG"
  fi
done

# ---------------------------------------------------------------------------------------------
# --help and --version: no display, no run files, no lock.

mkdir -p "$work/home" "$work/config"
mkdir -m 700 "$work/runtime"  # Qt wants the runtime directory private
# run NAME PROGRAM ARGUMENT...: standard output to $work/NAME.out, standard error to .err.
run() {
  local name=$1
  shift
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM HOME="$work/home" \
    XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime" \
    TABULEX_RUN_DIR="$work/run-variable" "$@" >"$work/$name.out" 2>"$work/$name.err"
}

# answers NAME STATUS: the run exited 0 and wrote on standard output only.
answers() {
  if [ "$2" -ne 0 ] || [ ! -s "$work/$1.out" ] || [ -s "$work/$1.err" ]; then
    fail "$1: exit $2, standard error: $(cat "$work/$1.err")"
    return 1
  fi
}

run tabulex-version "$root/bin/tabulex" --version
answers tabulex-version $? &&
  if grep -qx 'tabulex (Tabulex) [0-9][0-9.]*' "$work/tabulex-version.out" &&
    [ "$(wc -l <"$work/tabulex-version.out")" -eq 1 ]; then
    pass "tabulex --version: $(cat "$work/tabulex-version.out")"
  else
    fail "tabulex --version wrote: $(cat "$work/tabulex-version.out")"
  fi
version=$(sed -n 's/^tabulex (Tabulex) //p' "$work/tabulex-version.out")

run calc-version "$root/bin/tabulex-calc" --version
answers calc-version $? &&
  if [ "$(cat "$work/calc-version.out")" == "tabulex-calc (Tabulex) $version" ]; then
    pass "tabulex-calc --version: the same version"
  else
    fail "tabulex-calc --version wrote: $(cat "$work/calc-version.out")"
  fi

newest_release=$(sed -n 's|^ *<release version="\([^"]*\)".*|\1|p' "$metainfo" | head -n 1)
[ "$newest_release" == "$version" ] ||
  fail "the metadata's newest release is '$newest_release', the programs say '$version'"

run tabulex-help "$root/bin/tabulex" --help --run-dir "$work/run-option"
if answers tabulex-help $?; then
  missing=""
  for text in 'tabulex [OPTION]... [FILE]' '--run-dir DIR' '--help' '--version' \
    'TABULEX_RUN_DIR' '-platform'; do
    grep -qF -- "$text" "$work/tabulex-help.out" || missing+=" '$text'"
  done
  [ -z "$missing" ] && pass "tabulex --help" || fail "tabulex --help does not mention$missing"
fi
run tabulex-help-after-file "$root/bin/tabulex" notes.txt -h
answers tabulex-help-after-file $? && pass "tabulex FILE -h"

run calc-help "$root/bin/tabulex-calc" --help
answers calc-help $? && grep -q '^Usage: tabulex-calc' "$work/calc-help.out" &&
  pass "tabulex-calc --help"

# The installed bin/ is writable here, so a program that went on to start would make its
# run-files directory there, or in the directories the option and the variable name.
touched=$(find "$work/run-option" "$work/run-variable" "$root/bin/Tabulo运行文件" \
  "$work/home" "$work/config" "$work/runtime" -mindepth 0 2>/dev/null |
  grep -v -x -e "$work/home" -e "$work/config" -e "$work/runtime")
[ -z "$touched" ] && pass "--help and --version left no run files" ||
  fail "--help or --version made: $touched"

# ---------------------------------------------------------------------------------------------
# The window's class on X11 is what StartupWMClass names, so that a desktop puts the window
# under the entry's icon. Only with a virtual X server.

if command -v Xvfb >/dev/null && command -v xdotool >/dev/null && command -v xprop >/dev/null; then
  exec 3>"$work/display"
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
  XVFB_PID=$!
  exec 3>&-
  for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
  display=":$(cat "$work/display")"
  # The lock is taken in a run-files directory that exists.
  mkdir "$work/x-run"
  env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY="$display" HOME="$work/home" \
    XDG_RUNTIME_DIR="$work/runtime" "$root/bin/tabulex" --run-dir "$work/x-run" \
    >"$work/x.log" 2>&1 &
  tabulex_pid=$!
  window=""
  for _ in $(seq 200); do
    window=$(DISPLAY=$display xdotool search --onlyvisible --name '^Tabulex' 2>/dev/null | head -n 1)
    [ -n "$window" ] && break
    sleep 0.1
  done
  if [ -z "$window" ]; then
    fail "the installed tabulex showed no window:"
    cat "$work/x.log"
  else
    class=$(DISPLAY=$display xprop -id "$window" WM_CLASS | sed -n 's/.*, "\(.*\)"$/\1/p')
    wm_class=$(entry StartupWMClass)
    [ "$class" == "$wm_class" ] && pass "the window's class is $class" ||
      fail "the window's class is '$class', StartupWMClass '$wm_class'"
    # With a display too, --help and --version start nothing: not a second window, not the
    # hand-over to the running one (which holds the lock of x-run and would answer silently).
    env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY="$display" HOME="$work/home" \
      XDG_RUNTIME_DIR="$work/runtime" "$root/bin/tabulex" --run-dir "$work/x-run" --version \
      >"$work/x-version.out" 2>"$work/x-version.err"
    answers x-version $? && cmp -s "$work/x-version.out" "$work/tabulex-version.out" &&
      pass "tabulex --version beside a running instance" ||
      fail "tabulex --version beside a running instance wrote: $(cat "$work/x-version.out")"
    env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY="$display" HOME="$work/home" \
      XDG_RUNTIME_DIR="$work/runtime" "$root/bin/tabulex" --run-dir "$work/x-help-run" --help \
      >"$work/x-help.out" 2>"$work/x-help.err"
    answers x-help $? && [ ! -e "$work/x-help-run" ] &&
      pass "tabulex --help with a display: no run files" ||
      fail "tabulex --help with a display made $work/x-help-run"
  fi
  kill -TERM "$tabulex_pid" 2>/dev/null
  wait "$tabulex_pid" 2>/dev/null
else
  echo "SKIPPED: the window's class (no Xvfb, xdotool or xprop)"
fi

[ "$failures" -eq 0 ]
