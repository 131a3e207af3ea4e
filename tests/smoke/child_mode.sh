#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Torvex developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts `torvex --child` on a 1920x1080 X server and checks that the window covers the screen
# and shows the board scaled to fill its height, centred: the blue frame where the scale puts it.
set -euo pipefail
program=$(realpath "$1")
words=$(realpath "$2")
export XVFB_SCREEN=1920x1080x24
source "$(dirname "$0")/x11_session.sh"
run_in_x11 "$0" "$program" "$words"
cd "$work"
start_game "$program" --child "$words" || { cat "$work/game.log"; echo "child: no window"; exit 1; }
# The window reaches the screen's size once it is full screen.
for _ in $(seq 1 500); do
  eval "$(xdotool getwindowgeometry --shell "$window")"
  [ "$WIDTH" = 1920 ] && [ "$HEIGHT" = 1080 ] && break
  sleep 0.01
done
[ "$WIDTH" = 1920 ] && [ "$HEIGHT" = 1080 ] || { echo "child: window is ${WIDTH}x$HEIGHT"; exit 1; }
# 1.45 screen pixels per board pixel (whole twentieths up to 1080 / 724): a 1370 x 1050 board
# at (275, 15). The frame's top edge, board y 125..134 at board x 150, lies at screen y 196..209.
for _ in $(seq 1 500); do
  import -window root "$work/shot.png"
  column=$(convert "$work/shot.png" -crop "1x40+492+185" +repage txt:-)
  grep -qE '\((0,0,180)\)|#0000B4' <<<"$column" && break
  sleep 0.01
done
grep -qE '\((0,0,180)\)|#0000B4' <<<"$column" || { echo "child: no blue frame at its scaled place"; exit 1; }
# Nothing above the board: no menu bar, only the window colour.
convert "$work/shot.png" -crop "1920x14+0+0" +repage -format '%[fx:minima.r*minima.g*minima.b]' info: |
  grep -qx 1 || { echo "child: something drawn above the board"; exit 1; }
echo "child: full screen with the board at scale 1.45"
echo "1 passed, 0 failed"
