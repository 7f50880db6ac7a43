#!/usr/bin/env bash
# Every .ts file is complete and up to date with the sources: lupdate, run on a copy of it, marks
# no text as unfinished (a text of the sources without a translation) or as vanished or obsolete
# (a translation of a text the sources no longer have).
# usage: translations_complete.sh LUPDATE WORK_FOLDER SOURCE... -- TS_FILE...
set -euo pipefail
lupdate=$1 work=$2
shift 2
sources=()
while [ $# -gt 0 ] && [ "$1" != -- ]; do sources+=("$1"); shift; done
shift
[ $# -gt 0 ] || { echo "no .ts files given" >&2; exit 1; }
rm -rf "$work"
mkdir -p "$work"
status=0
for ts in "$@"; do
  copy="$work/$(basename "$ts")"
  cp "$ts" "$copy"
  "$lupdate" -silent -locations none "${sources[@]}" -ts "$copy" >/dev/null
  if grep -n -E 'type="(unfinished|vanished|obsolete)"' "$copy" >"$work/problems"; then
    echo "$(basename "$ts"): $(wc -l <"$work/problems") entries left unfinished or no longer in the sources:" >&2
    grep -B3 -E 'type="(unfinished|vanished|obsolete)"' "$copy" | grep -E '<source>|<name>' | head -20 >&2
    status=1
  fi
done
exit $status
