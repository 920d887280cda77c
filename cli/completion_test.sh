#!/usr/bin/env bash
# Completes tarvik command lines through the function `complete` names, called
# as readline calls it: once with the file sourced alone and once loaded on
# demand by the bash-completion package. Every command and option the built
# program's help lists must be offered where the program takes it.
# Usage: completion_test.sh TARVIK COMPLETION_FILE
tarvik=$1 completion=$2
tmp=$(mktemp -d) && trap 'rm -rf "$tmp"' EXIT
mkdir -p "$tmp/here/sub" && cd "$tmp/here" && : >words.txt || exit 1

fail() { echo "FAIL: $*"; failures=1; }

# COMPREPLY as after LINE and a Tab; "=" breaks words as in COMP_WORDBREAKS.
complete_line() {
  COMP_LINE=$1 COMP_POINT=${#1}
  read -ra COMP_WORDS <<<"${1//=/ = }"
  [[ $1 == *' ' ]] && COMP_WORDS+=('')
  COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
  COMPREPLY=()
  "$function" tarvik "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
}

offered() { [[ " ${COMPREPLY[*]} " == *" $1 "* ]]; }

# offers LINE [-x] WORD...: each WORD is offered after LINE; with -x, only they.
offers() {
  local line=$1 exact='' word && shift
  [[ $1 == -x ]] && exact=1 && shift
  complete_line "$line"
  for word; do offered "$word" || fail "'$line' lacks $word: ${COMPREPLY[*]}"; done
  [[ $exact && ${#COMPREPLY[@]} -ne $# ]] && fail "'$line' offers ${COMPREPLY[*]}, not only $*"
}

refuses() {
  local line=$1 word && shift
  complete_line "$line"
  for word; do offered "$word" && fail "'$line' offers $word"; done
}

# What the help of "tarvik" and of each "tarvik COMMAND" lists: the options,
# and those with values (--dict TEXT:{tc,ct}) as "--dict tc,ct".
declare -A options values
commands=$("$tarvik" --help | sed -n '/ommands:$/,/^$/s/^  \([a-z]\+\) .*/\1/p')
for command in '' $commands; do
  help=$("$tarvik" $command --help)
  options[tarvik${command:+ $command}]=$(sed -n 's/^  \(-h,\)\{0,1\}\(--[a-z-]*\).*/\2/p' <<<"$help")
  values[tarvik${command:+ $command}]=$(sed -n 's/^  \(--[a-z-]*\) [A-Z]*:{\(.*\)}.*/\1 \2/p' <<<"$help")
done

check_help() {
  local command line own option list all global=${options[tarvik]}
  all=$(printf '%s\n' "${options[@]}" | sort -u)
  offers "tarvik " -x $commands
  for command in '' $commands; do
    line=tarvik${command:+ $command} && own=${options[$line]}
    offers "$line --" $own $global
    refuses "$line --" $(grep -vxF -e "$own" -e "$global" <<<"$all")
    while read -r option list; do
      [[ $option ]] && offers "$line $option " -x ${list//,/ }
    done <<<"${values[$line]}"
  done
}

check_cases() {
  offers "tarvik im" -x import
  offers "tarvik --encoding=" -x utf-8 cp1250
  offers "tarvik --encoding=c" -x cp1250
  offers "tarvik lookup --dict=c" -x ct
  offers "tarvik --dir " -x sub
  offers "tarvik lookup --dir=s" -x sub
  offers "tarvik --dir sub import " words.txt sub
  offers "tarvik translate --dict ct w" -x words.txt
  offers "tarvik import words.txt " -x
  offers "tarvik lookup " -x
  offers "tarvik insert -- -" -x
}

check_all() {
  function=$(complete -p tarvik | sed -n 's/.* -F \([^ ]*\) .*/\1/p')
  failures=0
  check_cases
  check_help
  return $failures
}

loaded_on_demand() {
  mkdir -p "$tmp/share/bash-completion/completions"
  ln -sf "$completion" "$tmp/share/bash-completion/completions/tarvik"
  export XDG_DATA_DIRS=$tmp/share BASH_COMPLETION_USER_DIR=$tmp/none
  . /usr/share/bash-completion/bash_completion || return 1
  __load_completion tarvik && complete -p tarvik >/dev/null
}

(. "$completion" && check_all) || { echo "FAIL: sourced alone"; exit 1; }
(loaded_on_demand || { echo "FAIL: bash-completion did not load it"; exit 1; }
 check_all) || { echo "FAIL: under bash-completion"; exit 1; }
echo "completion: all cases pass"
