#!/usr/bin/env bash
# Every option the program's help lists is offered by the completion, and
# nothing after --lookup, which takes the user's own word.
# Usage: completion_test.sh TARVIK_SLOVNIK COMPLETION_FILE
source "$2" || exit 1
status=0
for option in $("$1" --help | grep -o -- '--[a-z-]*' | sort -u); do
  COMP_WORDS=(tarvik-slovnik "${option:0:4}") COMP_CWORD=1
  _tarvik_slovnik
  [[ " ${COMPREPLY[*]} " == *" $option "* ]] || { echo "not offered: $option"; status=1; }
done
COMP_WORDS=(tarvik-slovnik --lookup '') COMP_CWORD=2
_tarvik_slovnik
[ ${#COMPREPLY[@]} -eq 0 ] || { echo "offered after --lookup: ${COMPREPLY[*]}"; status=1; }
exit $status
