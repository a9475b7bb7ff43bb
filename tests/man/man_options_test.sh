#!/usr/bin/env bash
# The options a program's --help lists and the options its man page describes are the same.
# Usage: man_options_test.sh PROGRAM MAN_PAGE (the built roff page).
# Exits with 77 (skipped) when PROGRAM --help does not answer: the desktop program without a
# display, before it has a --help of its own.
set -uo pipefail
program=$1
page=$2

# Run without any display, so that a program that does not know --help cannot open a window.
help=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM timeout 10 "$program" --help 2>&1)
status=$?
if [ "$status" -ne 0 ]; then
  echo "SKIP: '$program --help' exited with $status"
  exit 77
fi

# The option names at the head of each option line ("  -e, --expression EXPR  calculate ..."):
# options, commas and argument names (EXPR, FIELD=VALUE, <dir>), up to the description.
help_options() {
  awk '/^[[:space:]]+-/ {
    for (i = 1; i <= NF; i++) {
      word = $i
      sub(/,$/, "", word)
      if (word ~ /^--?[A-Za-z]/) { sub(/[=[].*/, "", word); print word; continue }
      if (word ~ /^([A-Z][A-Z0-9_]*|<[^>]*>)(=([A-Z][A-Z0-9_]*|<[^>]*>))?$/) continue
      break
    }
  }' | LC_ALL=C sort -u
}

# The bold option names of the terms of the OPTIONS section (the lines outside .RS/.RE, the
# indented descriptions, which name other options in passing).
man_options() {
  awk '
    /^\.SH/ { inOptions = ($0 ~ /^\.SH "?OPTIONS"?[[:space:]]*$/); depth = 0; next }
    !inOptions { next }
    /^\.RS/ { depth++; next }
    /^\.RE/ { depth--; next }
    /^\./ || depth > 0 { next }
    {
      line = $0
      gsub(/\\-/, "-", line)
      while (match(line, /\\fB--?[A-Za-z][^\\]*\\f[RP]/)) {
        word = substr(line, RSTART + 3, RLENGTH - 6)
        sub(/=.*/, "", word)
        print word
        line = substr(line, RSTART + RLENGTH)
      }
    }' "$page" | LC_ALL=C sort -u
}

fromHelp=$(help_options <<<"$help")
fromMan=$(man_options)
if [ -z "$fromHelp" ] || [ -z "$fromMan" ]; then
  echo "FAIL: no options found (--help: '${fromHelp//$'\n'/ }', $page: '${fromMan//$'\n'/ }')"
  exit 1
fi
onlyHelp=$(LC_ALL=C comm -23 <(echo "$fromHelp") <(echo "$fromMan"))
onlyMan=$(LC_ALL=C comm -13 <(echo "$fromHelp") <(echo "$fromMan"))
if [ -n "$onlyHelp" ] || [ -n "$onlyMan" ]; then
  [ -n "$onlyHelp" ] && echo "FAIL: in '$program --help' but not in $page:" $onlyHelp
  [ -n "$onlyMan" ] && echo "FAIL: in $page but not in '$program --help':" $onlyMan
  exit 1
fi
echo "$(basename "$program"): --help and the man page name the same options:" $fromHelp
