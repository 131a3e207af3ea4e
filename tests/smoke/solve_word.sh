#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Torvex developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# solve_word.sh PROGRAM CONTENT_DIR [SCREENSHOT.png]: starts the game in the built content folder
# in a real X server, switches to the one-year level through the menu (its pieces have one solid
# colour each, so a screenshot tells which piece is which), solves the first starter word with
# real clicks and drags and checks that the word's own picture appears at (20, 380). With a third argument
# the solved window is kept as a screenshot there.
set -euo pipefail
program=$(realpath "$1")
content=$(realpath "$2")
keep=${3:+$(realpath "$3")}
source "$(dirname "$0")/x11_session.sh"
run_in_x11 "$0" "$program" "$content" ${keep:+"$keep"}

cd "$content"
start_game "$program" "$content/words.txt" || fail "the window never mapped"
xdotool windowfocus --sync "$window"

shot() { import -window "$window" "$work/shot.png"; }

# The view lies below the menu bar: find the board frame's top-left corner, which the view draws
# at (55, 125), to turn the view's coordinates into the window's.
frame_found() {
  shot
  column=$(convert "$work/shot.png" -crop 1x201+150+0 +repage txt:-)
  origin_y=$(sed -nE '/#0000B4/{s/^0,([0-9]+):.*/\1/p;q}' <<<"$column")
  [ -n "$origin_y" ] && origin_y=$((origin_y - 125))
}
eventually 10000 frame_found || fail "no board frame in the window"
click() { xdotool mousemove --window "$window" "$1" $(($2 + origin_y)) sleep 0.15 click 1 sleep 0.15; }
# A press at (x1, y1), a move with the button down through the middle to (x2, y2), and a release.
drag() {
  xdotool mousemove --window "$window" "$1" $(($2 + origin_y)) sleep 0.15 mousedown 1 sleep 0.1 \
    mousemove --window "$window" $((($1 + $3) / 2)) $((($2 + $4) / 2 + origin_y)) sleep 0.1 \
    mousemove --window "$window" "$3" $(($4 + origin_y)) sleep 0.15 mouseup 1 sleep 0.15
}

# つぎへ and もどる, then 設定 → 難易度 → 一歳, which sets the first word up again at once.
xdotool key alt+n sleep 0.2 key alt+b sleep 0.2
xdotool key alt+s sleep 0.2 key Down sleep 0.1 key Right sleep 0.2 key Return

# Each piece of the first character has its own colour; its home is known from its colour. The
# kanji's strokes cover part of a piece, so the colour that fills most of its square counts.
declare -A home=([FF00FF]="65 135" [0000FF]="65 235" [00FFFF]="165 135" [FFFF00]="165 235")
piece_colour() {
  convert "$work/shot.png" -crop "100x100+$1+$(($2 + origin_y))" +repage -format %c histogram:info:- |
    sed -nE 's/^ *([0-9]+):.*#(FF00FF|0000FF|00FFFF|FFFF00) .*/\1 \2/p' | sort -rn | head -n1 |
    cut -d' ' -f2
}
level_one_shown() {
  shot
  for x in 20 130 240 350; do [ -n "${home[$(piece_colour "$x" 380)]:-}" ] || return 1; done
}
eventually 10000 level_one_shown || fail "no level-one pieces at y 380"
for x in 20 130 240 350; do
  colour=$(piece_colour "$x" 380)
  [ -n "${home[$colour]:-}" ] || fail "no level-one piece at ($x, 380): colour $colour"
  read -r home_x home_y <<<"${home[$colour]}"
  if [ "$x" = 20 ] || [ "$x" = 240 ]; then
    click $((x + 50)) 430
    click $((home_x + 53)) $((home_y + 53)) # held at its middle, put down 3 pixels off
  else
    # Dragged by its middle and let go 35 pixels off: within the youngest's reach.
    drag $((x + 50)) 430 $((home_x + 85)) $((home_y + 85))
  fi
done

# The word's picture, unscaled, with its top-left corner at (20, 380).
picture_shown() {
  shot
  convert "$work/shot.png" -crop "300x300+20+$((380 + origin_y))" +repage "$work/picture.png"
  different=$(compare -metric AE "$work/picture.png" "$content/bmp/犬.bmp" null: 2>&1 || true)
  [ "$different" = 0 ]
}
eventually 10000 picture_shown || fail "the picture of 犬 is not at (20, 380): $different pixels differ"
[ -z "$keep" ] || cp "$work/shot.png" "$keep"
echo "solve_word: solved 犬 and found its picture at (20, 380)"
echo "1 passed, 0 failed"
