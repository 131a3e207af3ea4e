#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Torvex developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts `torvex --child` on a 1920x1080 X server and checks that the window covers the screen
# and shows the board scaled to fill its height, centred: the blue frame where the scale puts it.
set -euo pipefail
program=$(realpath "$1")
words=$(realpath "$2")
source "$(dirname "$0")/x11_session.sh"
XVFB_SCREEN=1920x1080x24 run_in_x11 "$0" "$program" "$words"
start_game "$program" --child "$words" || fail "no window"
# The window reaches the screen's size once it is full screen.
full_screen() {
  eval "$(xdotool getwindowgeometry --shell "$window")"
  [ "$WIDTH" = 1920 ] && [ "$HEIGHT" = 1080 ]
}
eventually 10000 full_screen || fail "window is ${WIDTH}x$HEIGHT"
# 1.45 screen pixels per board pixel (whole twentieths up to 1080 / 724): a 1370 x 1050 board
# at (275, 15). The frame's top edge, board y 125..134 at board x 150, lies at screen y 196..209.
frame_at_scale() {
  import -window root "$work/shot.png"
  column=$(convert "$work/shot.png" -crop "1x40+492+185" +repage txt:-)
  grep -qE '\((0,0,180)\)|#0000B4' <<<"$column"
}
eventually 10000 frame_at_scale || fail "no blue frame at its scaled place"
# Nothing above the board: no menu bar, only the window colour.
convert "$work/shot.png" -crop "1920x14+0+0" +repage -format '%[fx:minima.r*minima.g*minima.b]' info: |
  grep -qx 1 || fail "something drawn above the board"
echo "child_mode: full screen with the board at scale 1.45"
echo "1 passed, 0 failed"
