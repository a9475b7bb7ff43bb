#!/usr/bin/env bash
# The zsh completion of tabulex-calc: an interactive zsh on a pseudo-terminal (zpty) with the
# completion system loaded, a command line typed and Tab pressed; the matches that reach
# compadd are printed and compared.
# Usage: zsh_completion_test.sh TABULEX_CALC COMPLETION_DIRECTORY
# Exits with 77 (skipped) without zsh.
set -uo pipefail
calc=$(realpath "$1")
completionDir=$(realpath "$2")

if ! command -v zsh >/dev/null; then
  echo "SKIP: zsh is missing"
  exit 77
fi

workdir=$(mktemp -d)
trap 'rm -rf "$workdir"' EXIT
touch "$workdir/sums.txt" "$workdir/settings.ini"
mkdir "$workdir/bin"
ln -s "$calc" "$workdir/bin/tabulex-calc"

# The shell on the pseudo-terminal: no prompt, no command ever run, Tab completes once and the
# shell ends. compadd prints what it is given ("match" and the suffix after it) between two
# marker lines.
cat >"$workdir/.zshrc" <<EOF
PS1=''
path=("$workdir/bin" \$path)
fpath=("$completionDir" \$fpath)
autoload -Uz compinit && compinit -u -d "$workdir/zcompdump"
cd "$workdir"
zstyle ':completion:*' list-grouped false
bindkey '^M' undefined
bindkey '^J' undefined
bindkey '^I' complete-word
compadd() {
  local -a suffix matches
  zparseopts -E S:=suffix
  builtin compadd -O matches "\$@"
  local match
  for match in \$matches; do print -r -- "<M>\$match\${suffix[2]-}"; done
  builtin compadd "\$@"
}
_start_marker() { print -r -- '<BEGIN>' }
_end_marker() { print -r -- '<END>'; exit }
compprefuncs=(_start_marker)
comppostfuncs=(_end_marker)
EOF

# Types LINE, presses Tab, prints the matches sorted on one line ("(no completion)" when the
# completion never finished).
complete_line() {
  local output
  output=$(ZDOTDIR=$workdir LINE=$1 timeout 20 zsh -f -c '
    zmodload zsh/zpty
    zpty shell "ZDOTDIR=$ZDOTDIR zsh -i"
    zpty -w -n shell "$LINE"$'"'"'\t'"'"'
    output=""
    while zpty -r shell chunk; do
      output+=$chunk
      [[ $output == *"<END>"* ]] && break
    done
    zpty -d shell
    print -r -- $output' | tr -d '\r')
  if [[ $output != *"<END>"* ]]; then
    echo "(no completion)"
    return
  fi
  sed -n '/<BEGIN>/,/<END>/p' <<<"$output" | sed -n 's/^<M>//p' | LC_ALL=C sort -u | paste -sd' '
}

# Each row: the line typed so far | the matches, sorted (a suffix such as "=" after each).
rows=(
  "tabulex-calc --enc|--encoding"
  "tabulex-calc --list|--list-fields --list-units"
  "tabulex-calc --encoding |gbk utf-8"
  "tabulex-calc --set fractionD|fractionDisplay="
  "tabulex-calc --set=thousands|thousandsSeparator="
  "tabulex-calc --set thousandsSeparator=|"
  "tabulex-calc --convert |"
  "tabulex-calc --convert 1 km/|km/h"
  "tabulex-calc --convert 1 亩 平方|平方公里 平方千米 平方米 平方英尺"
  "tabulex-calc --convert 1 m km --st|--status"
  "tabulex-calc --days 2024-02-10 |"
  "tabulex-calc -e |"
  "tabulex-calc su|sums.txt"
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
[ "$failed" -eq 0 ] && echo "zsh completion: all lines complete as expected"
exit "$failed"
