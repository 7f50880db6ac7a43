#!/usr/bin/env bash
# Builds the libFuzzer programs (preset "fuzz": clang, AddressSanitizer + UBSan) and runs each for
# SECONDS on its seed corpus (tests/fuzz/corpus/NAME, only read) and its working corpus
# (build-fuzz/corpus/NAME, kept between runs). An input that breaks a program is saved as
# build-fuzz/crashes/NAME-*; the run then fails. Further arguments go to every program, e.g.
# -runs=10000000.
#   scripts/fuzz.sh SECONDS [LIBFUZZER OPTIONS]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=$1
shift
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j "$(nproc)"
mkdir -p build-fuzz/crashes
# Long runs may ask for ASAN_OPTIONS=malloc_context_size=0 (no stack of each allocation: a quarter
# faster, at the price of a report that does not say where freed memory was allocated).
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1${ASAN_OPTIONS:+:$ASAN_OPTIONS}
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
passed=0
failed=0
for program in build-fuzz/tests/fuzz/fuzz_*; do
  name=${program##*/fuzz_}
  mkdir -p "build-fuzz/corpus/$name"
  log=build-fuzz/fuzz-$name.log
  if "$program" "build-fuzz/corpus/$name" "tests/fuzz/corpus/$name" -max_total_time="$seconds" \
      -print_final_stats=1 -artifact_prefix="build-fuzz/crashes/$name-" "$@" >"$log" 2>&1; then
    passed=$((passed + 1))
    echo "fuzz $name: $(grep -E '^#[0-9]+[[:space:]]+DONE' "$log" | tail -1)"
  else
    failed=$((failed + 1))
    echo "fuzz $name: FAILED, see $log"
    tail -40 "$log"
  fi
done
echo "fuzz: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
