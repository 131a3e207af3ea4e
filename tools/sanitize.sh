#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Torvex developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The sanitizer tree: the program, its tests and the fuzz targets built with clang under
# AddressSanitizer and UndefinedBehaviorSanitizer (any report ends the process with an error),
# then every test group run there.
#   tools/sanitize.sh [TREE]      TREE defaults to build-asan beside this repository's build
# Run tools/setup.sh first: it installs clang and the sanitizer runtimes.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
tree=${1:-$here/build-asan}
# shellcheck source=tools/sanitizer_env.sh
source "$here/tools/sanitizer_env.sh"

CC=clang CXX=clang++ cmake -S "$here" -B "$tree" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DTORVEX_SANITIZE=ON -DTORVEX_FUZZ=ON -DBUILD_TESTING=ON -DTORVEX_WERROR=ON >/dev/null
cmake --build "$tree" -j"$(nproc)"
# Two real-X tests race the clock: the window manager's bindings against the game's grabs, and
# the parent's hold with both cores taken by hogs. Under the sanitizers' slowdown that race is the
# test's, not the game's; both run in the normal tree.
ctest --test-dir "$tree" --output-on-failure -E "smoke_child_desktop|smoke_child_hold_loaded"
