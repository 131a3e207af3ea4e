#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Torvex developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs the Debian 12 packages the game needs to build, run and test, then builds it once.
# Run by ./run and ./test; safe to run again (it installs only what is missing). Arguments are
# passed to CMake's configure step (./test adds the tests and makes warnings errors).
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

packages=(
  cmake g++ make pkg-config
  qt6-base-dev qt6-translations-l10n libfontconfig-dev libsdl2-dev libespeak-ng-dev unicode-cldr-core
  fonts-ipafont-gothic fonts-ipafont-mincho fonts-dejavu-core
  libgtest-dev libbenchmark-dev
  xvfb xauth xdotool imagemagick
  # The child mode tests: key repeat switched on, a window manager, another program's window,
  # and the X client library the game sets a window property with.
  x11-xserver-utils x11-utils openbox libxcb1-dev
  # The drag-latency probe of the speed figures: XTest and a C compiler.
  libx11-dev libxtst-dev gcc
  fonts-noto-color-emoji appstream desktop-file-utils file dpkg-dev
  # tools/check_package.sh runs lintian on the package.
  lintian
  # Every file's licence is checked with `reuse lint`, every source file's format with clang-format.
  reuse clang-format
  # The sanitizer tree and the fuzz targets: clang, its sanitizer and libFuzzer runtimes, and
  # llvm-symbolizer for readable reports.
  clang libclang-rt-14-dev llvm-14
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ "${#missing[@]}" -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

cmake -S "$here" -B "$here/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" > /dev/null
cmake --build "$here/build" -j"$(nproc)"
