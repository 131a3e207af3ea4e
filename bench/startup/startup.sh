#!/usr/bin/env bash
# Start-up time in a real X server: from exec to the mapped, painted window (the board is
# painted before the window first shows), for the game on the starter words and for an empty
# Qt window. Prints the median of several runs of each.
#   bench/startup/startup.sh build/torvex build/bench/torvex_minimal_window content/words.txt
# A fourth argument, --child, starts the game in child mode (full screen, on a 1920x1080 screen).
set -euo pipefail
if [ -z "${XVFB_INSIDE:-}" ]; then
  export XVFB_INSIDE=1
  screen=1024x768x24
  [ "${4:-}" = --child ] && screen=1920x1080x24
  exec xvfb-run -a -s "-screen 0 $screen" "$0" "$@"
fi
game=$1 minimal=$2 words=$3 mode=${4:-} runs=${RUNS:-9}
export SDL_AUDIODRIVER=dummy

# Milliseconds from exec until a window with the title pattern is visible.
time_to_map() {
  local start pid window=""
  start=$(date +%s%N)
  "$@" >/dev/null 2>>/tmp/startup-stderr.log &
  pid=$!
  for _ in $(seq 5000); do
    window=$(xdotool search --onlyvisible --name ' - Torvex$' 2>/dev/null | head -n1 || true)
    [ -n "$window" ] && break
  done
  [ -n "$window" ] || { echo "startup: no window from $*" >&2; kill "$pid"; return 1; }
  echo $(( ($(date +%s%N) - start) / 1000000 ))
  kill "$pid"; wait "$pid" 2>/dev/null || true
}

median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

for label in game minimal; do
  for _ in $(seq "$runs"); do
    if [ "$label" = game ]; then time_to_map "$game" $mode "$words"; else time_to_map "$minimal"; fi
  done | median | sed "s/^/$label: median ms to a mapped window over $runs runs: /"
done
