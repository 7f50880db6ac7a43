#!/usr/bin/env bash
# Installs what building and testing Vantrel needs on Debian 12, if anything is missing.
# Used by ./run and ./test. As root it runs apt-get itself, with sudo it asks sudo, otherwise it
# prints the one apt-get line to run and fails. MIRVO_FUZZ=1 adds clang and its libFuzzer,
# MIRVO_FORMAT=1 clang-format and clang-tidy, MIRVO_COVERAGE=1 gcovr.
set -euo pipefail

# libical writes and reads the iCalendar files of the export.
packages=(g++ cmake ninja-build pkgconf libgtest-dev libgmock-dev libbenchmark-dev libical-dev)
if [ "${MIRVO_NO_GUI:-0}" != 1 ]; then
  # Qt 6 Widgets for the window, a CJK font for the stem and branch characters, Xvfb for
  # scripted screenshots on machines without a display, and the checker of the desktop entry
  # that the install test runs. The windows' translations: Qt's lupdate and lrelease, and Qt's
  # own translations of its dialogs; the fonts of their scripts: Noto Sans CJK (Hangul, kana and
  # the Simplified and Traditional forms of the Han characters) and DejaVu Sans (Latin with the
  # stacked diacritics of Vietnamese).
  packages+=(qt6-base-dev libgl-dev fonts-wqy-microhei xvfb desktop-file-utils
             qt6-l10n-tools qt6-translations-l10n fonts-noto-cjk fonts-dejavu-core)
fi
if [ "${MIRVO_FUZZ:-0}" = 1 ]; then
  packages+=(clang libclang-rt-14-dev)
fi
# The layout check and the lint report; the coverage report.
if [ "${MIRVO_FORMAT:-0}" = 1 ]; then
  packages+=(clang-format clang-tidy)
fi
if [ "${MIRVO_COVERAGE:-0}" = 1 ]; then
  packages+=(gcovr)
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
elif command -v sudo >/dev/null 2>&1; then
  sudo apt-get update -qq
  sudo DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
else
  echo "Please run as root: apt-get install ${missing[*]}" >&2
  exit 1
fi
