#!/usr/bin/env bash
# Installs the build into a scratch prefix, moves the installed tree elsewhere, and runs the
# programs from an unrelated working folder: they must find their data relative to themselves.
#   moved_install_test.sh BUILD_DIR WITH_WINDOW(0|1)
set -euo pipefail
build=$1
window=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$work/installed" >/dev/null
mv "$work/installed" "$work/moved"
prefix=$work/moved
mkdir "$work/elsewhere" "$work/home"
cd "$work/elsewhere"
# No saved state of the person running the tests is read.
export HOME=$work/home XDG_DATA_HOME=$work/home/data XDG_CONFIG_HOME=$work/home/config

for f in bin/mirvo-cli share/vantrel/mirvo.dat share/vantrel/manual.html share/vantrel/festivals.txt; do
  [ -f "$prefix/$f" ] || fail "$f is not installed"
done
out=$("$prefix/bin/mirvo-cli" show "2024-02-10 CE")
grep -q '^Chinese Lunar: *79-41-01-01 CHL' <<<"$out" || fail "mirvo-cli show printed: $out"
out=$("$prefix/bin/mirvo-cli" festivals --from 2024 --to 2024) || fail "mirvo-cli festivals failed"
grep -q '^2024-09-17  Mid-Autumn Festival' <<<"$out" || fail "mirvo-cli festivals printed: $out"

if [ "$window" = 1 ]; then
  for f in bin/mirvo share/applications/mirvo.desktop share/icons/hicolor/scalable/apps/mirvo.svg \
           share/icons/hicolor/16x16/apps/mirvo.png share/icons/hicolor/256x256/apps/mirvo.png; do
    [ -f "$prefix/$f" ] || fail "$f is not installed"
  done
  if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$prefix/share/applications/mirvo.desktop" || fail "invalid desktop entry"
  fi
  # A program that cannot find its program texts ends with exit code 1 and the error on stderr.
  labels=$(QT_QPA_PLATFORM=offscreen timeout 120 "$prefix/bin/mirvo" --print-labels) ||
    fail "mirvo --print-labels failed"
  grep -q $'\t''[0-9-]*-[0-9]*-[0-9]*\*\?-[0-9]* CHL' <<<"$labels" || fail "mirvo --print-labels printed: $labels"
fi
echo "installed tree moved to another folder: both programs run"
