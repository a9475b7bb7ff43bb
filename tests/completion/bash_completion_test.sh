#!/usr/bin/env bash
# The bash completion of tabulex-calc, called the way bash calls it: COMP_WORDS, COMP_CWORD,
# COMP_LINE and COMP_POINT as bash sets them for a command line typed up to the cursor.
# Usage: bash_completion_test.sh TABULEX_CALC COMPLETION_FILE
# Exits with 77 (skipped) without bash-completion's helpers.
set -uo pipefail
calc=$(realpath "$1")
completion=$2

helpers=/usr/share/bash-completion/bash_completion
if [ ! -r "$helpers" ]; then
  echo "SKIP: $helpers is missing (package bash-completion)"
  exit 77
fi
# shellcheck source=/dev/null
source "$helpers"
# shellcheck source=/dev/null
source "$completion"

# Outside a real completion compopt has nothing to act on: record what is asked of it.
compopt() { compopt_asked+=" $*"; }

# A file of the current directory for the rows that complete file names.
workdir=$(mktemp -d)
trap 'rm -rf "$workdir"' EXIT
cd "$workdir" || exit 1
touch sums.txt settings.ini

# Completes LINE (the cursor at its end) and prints the candidates sorted on one line, then
# "[nospace]" when the completion asked for no space after them.
complete_line() {
  local line=$1
  # bash splits at blanks and makes a word of each "=" (it is in COMP_WORDBREAKS).
  local -a tokens words=()
  local token
  read -ra tokens <<<"$line"
  for token in "${tokens[@]}"; do
    while [[ $token == *=* ]]; do
      [ -n "${token%%=*}" ] && words+=("${token%%=*}")
      words+=("=")
      token=${token#*=}
    done
    [ -n "$token" ] && words+=("$token")
  done
  [[ $line == *" " ]] && words+=("")
  COMP_WORDS=("${words[@]}")
  COMP_CWORD=$((${#words[@]} - 1))
  COMP_LINE=$line
  COMP_POINT=${#line}
  COMPREPLY=()
  compopt_asked=""
  _tabulex_calc "$calc" "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
  local sorted
  sorted=$(printf '%s\n' "${COMPREPLY[@]}" | LC_ALL=C sort | paste -sd' ')
  [[ $compopt_asked == *"-o nospace"* ]] && sorted+=" [nospace]"
  echo "$sorted"
}

# Each row: the line typed so far | the candidates, sorted.
rows=(
  "tabulex-calc --enc|--encoding"
  "tabulex-calc --list|--list-fields --list-units"
  "tabulex-calc --in|--in-place"
  "tabulex-calc --encoding |gbk utf-8"
  "tabulex-calc --encoding=u|utf-8"
  "tabulex-calc --set fractionD|fractionDisplay= [nospace]"
  "tabulex-calc --set=thousands|thousandsSeparator= [nospace]"
  "tabulex-calc -e 1 --set precisionDigits=|"
  "tabulex-calc --convert |"
  "tabulex-calc --convert 1 km/|km/h"
  "tabulex-calc --convert 1 亩 平方|平方公里 平方千米 平方米 平方英尺"
  "tabulex-calc --convert=100 °|° °C °F"
  "tabulex-calc --convert 1 m km --st|--status"
  "tabulex-calc --days 2024-02-10 |"
  "tabulex-calc --days 2024-02-10 2024-03-01 --ver|--version"
  "tabulex-calc -e |"
  "tabulex-calc --date 2024|"
  "tabulex-calc su|sums.txt"
  "tabulex-calc -i s|settings.ini sums.txt"
  "tabulex-calc --config se|settings.ini"
)

failed=0
for row in "${rows[@]}"; do
  line=${row%%|*}
  expected=${row#*|}
  actual=$(complete_line "$line")
  if [ "$actual" != "$expected" ]; then
    echo "FAIL: '$line': expected '$expected', got '$actual'"
    failed=1
  fi
done
[ "$failed" -eq 0 ] && echo "bash completion: all lines complete as expected"
exit "$failed"
