#!/usr/bin/env bash
# Line coverage of the Qt-free libraries by the whole test suite (the whole-range walks left out),
# from the "coverage" build: a summary on the terminal, the file list in build-coverage/coverage.txt
# and a page per file under build-coverage/coverage/index.html.
set -euo pipefail
cd "$(dirname "$0")/.."
find build-coverage -name '*.gcda' -delete 2>/dev/null || true
QT_QPA_PLATFORM=offscreen ctest --test-dir build-coverage --output-on-failure -j "$(nproc)" \
  --exclude-regex 'Exhaustive' "$@"
mkdir -p build-coverage/coverage
filters=(--filter 'util/' --filter 'platform/(astro|calendarlib|services|ical)/' --filter 'core/'
         --filter 'features/' --filter 'app/cli/'
         --exclude '.*/(ElpMpp02Series|Vsop87EarthSeries)\.cpp')
gcovr -r . build-coverage -j "$(nproc)" "${filters[@]}" --exclude-unreachable-branches --gcov-ignore-parse-errors \
  --txt build-coverage/coverage.txt --html-details build-coverage/coverage/index.html --print-summary
