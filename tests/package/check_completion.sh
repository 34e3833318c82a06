#!/usr/bin/env bash
# Completes a few cavernia-level command lines with the Bash completion of the unpacked package,
# as bash-completion would, in a folder with a level, a picture, a text file and a subfolder.
# usage: tests/package/check_completion.sh UNPACKED_ROOT
set -uo pipefail
root=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/pack" && touch "$work/a.lev" "$work/b.png" "$work/c.txt"
cd "$work" || exit 1
# The completion finds the artwork sets beside the program that the command line names.
PATH=$root/usr/bin:$PATH
source /usr/share/bash-completion/bash_completion
source "$root/usr/share/bash-completion/completions/cavernia-level"

failures=0
# expect LINE WORD... : completing at the end of LINE offers exactly the WORDs
expect() {
  local line=$1
  shift
  COMP_LINE=$line COMP_POINT=${#line}
  read -r -a COMP_WORDS <<<"$line"
  [[ $line == *" " ]] && COMP_WORDS+=("")
  COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
  COMPREPLY=()
  _cavernia_level
  local got
  got=$(printf '%s\n' "${COMPREPLY[@]}" | sort | xargs)
  if [ "$got" != "$*" ]; then
    echo "completing '$line' offers '$got', not '$*'" >&2
    failures=$((failures + 1))
  fi
}

expect "cavernia-level re" render
expect "cavernia-level render a.lev --n" --no-grid
expect "cavernia-level render a.lev --artwork " Default Night
expect "cavernia-level artwork --set N" Night
expect "cavernia-level check " a.lev pack
expect "cavernia-level render a.lev -o " b.png pack
expect "cavernia-level pack " pack
expect "cavernia-level me" merge
expect "cavernia-level diff a.lev a.lev --image " b.png pack
exit $((failures > 0))
