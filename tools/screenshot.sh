#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Torvex developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# screenshot.sh [BUILD_DIR]: makes docs/screenshot.png for the README, the real game window in a
# real X server (Xvfb) with the first starter word solved (tests/smoke/solve_word.sh does the
# playing). Without BUILD_DIR it builds build/ the way ./run does.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
if [ $# -eq 0 ]; then
  "$here/tools/setup.sh"
  build=$here/build
else
  build=$(realpath "$1")
  cmake --build "$build" -j2 --target torvex torvex_content
fi
"$here/tests/smoke/solve_word.sh" "$build/torvex" "$build/content" "$here/docs/screenshot.png"
echo "screenshot: $here/docs/screenshot.png"
