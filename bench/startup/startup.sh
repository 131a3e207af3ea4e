#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Torvex developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Start-up time in a real X server: from exec to the mapped, painted window (the board is
# painted before the window first shows), for the game on the starter words and for an empty
# Qt window, run in alternating pairs so both see the same machine load. Prints the median time
# and peak resident memory of each and their ratios.
#   bench/startup/startup.sh build/torvex build/bench/torvex_minimal_window content/words.txt
# A fourth argument, --child, starts the game in child mode (full screen, on a 1920x1080 screen).
set -euo pipefail
if [ -z "${XVFB_INSIDE:-}" ]; then
  export XVFB_INSIDE=1
  screen=1024x768x24
  [ "${4:-}" = --child ] && screen=1920x1080x24
  exec xvfb-run -a -s "-screen 0 $screen" "$0" "$@"
fi
game=$1 minimal=$2 words=$3 mode=${4:-} runs=${RUNS:-21}
export SDL_AUDIODRIVER=dummy

# Prints "milliseconds peak-kB" from exec until a window with the title pattern is visible.
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
  local elapsed=$(( ($(date +%s%N) - start) / 1000000 ))
  echo "$elapsed $(awk '/^VmHWM/ {print $2}' "/proc/$pid/status")"
  kill "$pid"; wait "$pid" 2>/dev/null || true
}

median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

samples=$(mktemp)
trap 'rm -f "$samples"' EXIT
for _ in $(seq "$runs"); do
  echo "game $(time_to_map "$game" $mode "$words")" >>"$samples"
  echo "minimal $(time_to_map "$minimal")" >>"$samples"
done
for label in game minimal; do
  ms=$(awk -v l=$label '$1 == l {print $2}' "$samples" | median)
  kb=$(awk -v l=$label '$1 == l {print $3}' "$samples" | median)
  echo "$label: median over $runs runs: $ms ms to a mapped window, peak RSS $kb kB"
  eval "${label}_ms=$ms ${label}_kb=$kb"
done
awk -v a="$game_ms" -v b="$minimal_ms" -v c="$game_kb" -v d="$minimal_kb" \
  'BEGIN {printf "game / minimal: time %.2f, peak RSS %.2f\n", a / b, c / d}'
