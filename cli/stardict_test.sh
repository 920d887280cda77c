#!/usr/bin/env bash
# The table export as StarDict takes it: the sample dictionary exported with
# --format tsv, built by the real tabfile and looked up with the real sdcv, as
# the README shows. A missing tool fails the test; scripts/deps installs them.
set -euo pipefail
tarvik=$1 sample=$2
tabfile=/usr/lib/stardict-tools/tabfile
for tool in "$tabfile" sdcv; do
  command -v "$tool" >/dev/null || { echo "$tool is missing (packages stardict-tools, sdcv)" >&2; exit 1; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

"$tarvik" --encoding cp1250 import --dict tc "$sample"
"$tarvik" export --format tsv
# tabfile reports a line it cannot take as a warning and still succeeds.
"$tabfile" tc_slovnik.tsv 2>tabfile.log
if grep -q Warning tabfile.log; then cat tabfile.log >&2; exit 1; fi
mkdir dic
mv tc_slovnik.ifo tc_slovnik.idx tc_slovnik.dict.dz dic/

found=$(HOME="$work" sdcv --non-interactive --only-data-dir --utf8-input --utf8-output --data-dir dic drom |
        grep -v '^save to cache')
expected=$'Found 1 items, similar to drom.\n-->tc_slovnik\n-->DROM\n\nMUŽ; ČLOVĚK; MANŽEL'
if [ "$found" != "$expected" ]; then
  printf 'sdcv printed:\n%s\nexpected:\n%s\n' "$found" "$expected" >&2
  exit 1
fi
