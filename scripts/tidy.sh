#!/usr/bin/env bash
# clang-tidy (.clang-tidy) over the Qt-free sources and mirvo-cli, from the compile commands of
# build/ (build-ci/ under CI; run ./test first). Writes BUILD/tidy-report.txt and prints the
# findings by check. With --check, fails on a finding that tools/tidy-accepted.txt does not list
# (file, check and function, and why).
set -euo pipefail
cd "$(dirname "$0")/.."
build=build
[ "${CI:-}" = true ] && build=build-ci
[ -f $build/compile_commands.json ] || build=build-ci
[ -f $build/compile_commands.json ] || { echo "run ./test first (compile_commands.json)" >&2; exit 2; }
mapfile -t files < <(git ls-files 'util/*.cpp' 'platform/astro/*.cpp' 'platform/calendarlib/*.cpp' \
  'platform/services/*.cpp' 'platform/ical/*.cpp' 'core/*.cpp' 'features/*.cpp' 'app/cli/*.cpp' \
  'app/mirvo_cli.cpp' | grep -v -E '(ElpMpp02Series|Vsop87EarthSeries)\.cpp$')
report=$build/tidy-report.txt
printf '%s\n' "${files[@]}" |
  xargs -P "$(nproc)" -n 4 clang-tidy -p "$build" --quiet 2>/dev/null |
  grep -E '^[^ ]+:[0-9]+:[0-9]+: (warning|error):' | sed "s|^$PWD/||" | sort -u >"$report" || true
echo "clang-tidy: $(wc -l <"$report") findings in ${#files[@]} files (list: $report)"
sed -E 's/.*\[([^]]+)\]$/\1/' "$report" | sort | uniq -c | sort -rn
if [ "${1:-}" = --check ]; then
  # A finding is known by its file and check (and function, for complexity), not by its line.
  new=$(sed -E "s/^([^:]+):[0-9]+:[0-9]+: [a-z]+: (.*) \[([^]]+)\]$/\1 \3 \2/; s/ (readability-function-cognitive-complexity) function '([^']+)'.*/ \1 \2/; /cognitive-complexity/!s/ ([a-z-]+-[a-z-]+) .*/ \1/" "$report" |
        sort -u | grep -v -x -F -f <(grep -v '^#' tools/tidy-accepted.txt | sed 's/ | .*//') || true)
  if [ -n "$new" ]; then
    echo "findings not listed in tools/tidy-accepted.txt:" >&2
    echo "$new" >&2
    exit 1
  fi
fi
