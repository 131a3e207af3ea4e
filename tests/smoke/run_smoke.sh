#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Torvex developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Starts the game on a word list in a real X server, waits for its window, moves the pointer over
# the board and checks a screenshot for the blue frame where the layout puts it.
set -euo pipefail
program=$(realpath "$1")
words=$(realpath "$2")
source "$(dirname "$0")/x11_session.sh"
run_in_x11 "$0" "$program" "$words"
start=$(now)
start_game "$program" "$words" || fail "the window never mapped"
echo "smoke: window $window mapped after $(($(now) - start)) ms"
xdotool mousemove --window "$window" 500 450
# The frame's top edge lies at client y 125..134, below the menu bar: find the blue run.
frame_shown() {
  import -window root "$work/shot.png"
  eval "$(xdotool getwindowgeometry --shell "$window")"
  column=$(convert "$work/shot.png" -crop "1x100+$((X + 150))+$((Y + 100))" +repage txt:-)
  grep -qE '\((0,0,180)\)|#0000B4' <<<"$column"
}
eventually 10000 frame_shown || fail "no blue frame in the screenshot"
echo "smoke: blue frame found at window x 150"
kill "$pid"
wait "$pid" 2>/dev/null || true
echo "1 passed, 0 failed"
