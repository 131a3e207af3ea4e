#!/usr/bin/env bash
# Starts the game on a word list in a real X server, waits for its window, clicks a scattered
# piece and checks a screenshot for the blue frame where the layout puts it.
set -euo pipefail
program=$1
words=$2
if [ -z "${XVFB_INSIDE:-}" ]; then
  export XVFB_INSIDE=1
  exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi
work=$(mktemp -d)
trap 'kill "${pid:-0}" 2>/dev/null || true; rm -rf "$work"' EXIT
export SDL_AUDIODRIVER=dummy HOME="$work"
cd "$work"
start=$(date +%s%N)
"$program" "$words" &
pid=$!
window=""
for _ in $(seq 1 1000); do
  window=$(xdotool search --onlyvisible --name ' - Torvex$' 2>/dev/null | head -n1 || true)
  [ -n "$window" ] && break
  sleep 0.01
done
[ -n "$window" ] || { echo "smoke: the window never mapped"; exit 1; }
mapped=$(( ($(date +%s%N) - start) / 1000000 ))
echo "smoke: window $window mapped after ${mapped} ms"
sleep 0.5
xdotool mousemove --window "$window" 500 450
sleep 0.3
import -window root "$work/shot.png"
# The frame's top edge lies at client y 125..134, below the menu bar: find the blue run.
eval "$(xdotool getwindowgeometry --shell "$window")"
column=$(convert "$work/shot.png" -crop "1x100+$((X + 150))+$((Y + 100))" +repage txt:-)
found=0
if grep -qE '\((0,0,180)\)|#0000B4' <<<"$column"; then
  found=1
  echo "smoke: blue frame found at window x 150"
fi
[ "$found" = 1 ] || { echo "smoke: no blue frame in the screenshot"; exit 1; }
kill "$pid"
wait "$pid" 2>/dev/null || true
echo "1 passed, 0 failed"
