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
cd "$work"
start=$(date +%s%N)
start_game "$program" "$words" || { cat "$work/game.log"; echo "smoke: the window never mapped"; exit 1; }
echo "smoke: window $window mapped after $(( ($(date +%s%N) - start) / 1000000 )) ms"
sleep 0.5
xdotool mousemove --window "$window" 500 450
sleep 0.3
import -window root "$work/shot.png"
# The frame's top edge lies at client y 125..134, below the menu bar: find the blue run.
eval "$(xdotool getwindowgeometry --shell "$window")"
column=$(convert "$work/shot.png" -crop "1x100+$((X + 150))+$((Y + 100))" +repage txt:-)
grep -qE '\((0,0,180)\)|#0000B4' <<<"$column" || { echo "smoke: no blue frame in the screenshot"; exit 1; }
echo "smoke: blue frame found at window x 150"
kill "$pid"
wait "$pid" 2>/dev/null || true
echo "1 passed, 0 failed"
