#!/usr/bin/env bash
# The code's layout, kept by clang-format (.clang-format at the top of the tree).
#   scripts/format.sh --check   fails, listing them, when hand-written files are not formatted
#   scripts/format.sh           formats them in place
# The series and tables written by tools/ (the astronomical series, the observed Delta T) keep
# the layout their generators give them.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(git ls-files '*.cpp' '*.h' |
  grep -v -E '^platform/astro/(ElpMpp02Series\.cpp|Vsop87EarthSeries\.cpp|DeltaTObserved\.h)$')
if [ "${1:-}" = --check ]; then
  bad=()
  for f in "${files[@]}"; do
    clang-format --dry-run -Werror "$f" >/dev/null 2>&1 || bad+=("$f")
  done
  if [ ${#bad[@]} -gt 0 ]; then
    printf 'not formatted (run scripts/format.sh): %s\n' "${bad[@]}" >&2
    exit 1
  fi
  echo "format: ${#files[@]} files formatted"
else
  clang-format -i "${files[@]}"
fi
