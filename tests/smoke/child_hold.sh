#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Torvex developers
# SPDX-License-Identifier: GPL-3.0-or-later
# child_hold.sh PROGRAM WORDS [loaded]: keys held as a keyboard holds them, with the X server's own
# key repeat. In `torvex --child` Ctrl+Alt+Q held 1 s stays and held 2.5 s leaves; in the window
# F11 tapped stays a window and held 2.5 s enters. With "loaded" two busy processes keep both
# processors full meanwhile.
set -euo pipefail
program=$(realpath "$1")
words=$(realpath "$2")
source "$(dirname "$0")/x11_session.sh"
XVFB_SCREEN=1920x1080x24 run_in_x11 "$0" "$program" "$words" ${3:-}
if [ "${3:-}" = loaded ]; then
  for _ in 1 2; do
    yes >/dev/null &
    others+=($!)
  done
fi
xset r on
state() { [ "$(xdotool getwindowgeometry "$window" | grep -c 'Geometry: 1920x1080')" = 1 ] && echo full || echo window; }
# Waits up to MS milliseconds for STATE.
reaches() { eventually "$2" is "$1"; }
is() { [ "$(state)" = "$1" ]; }
# Holds KEYS for MS milliseconds, watching the window: `changed` is how far into the hold it left
# the state it had (empty: it did not), read until STAY milliseconds after the keys are let go.
hold() {
  local start was up=""
  start=$(now) was=$(state) changed=""
  xdotool keydown "$1"
  while [ $(($(now) - start)) -lt $(($2 + ${3:-0})) ]; do
    if [ -z "$up" ] && [ $(($(now) - start)) -ge "$2" ]; then xdotool keyup "$1"; up=1; fi
    if [ "$(state)" != "$was" ]; then changed=$(($(now) - start)); break; fi
    sleep 0.02
  done
  [ -n "$up" ] || xdotool keyup "$1"
}

start_game "$program" --child "$words" || fail "no window"
reaches full 10000 || fail "not full screen"
hold ctrl+alt+q 1000 1500
[ -z "$changed" ] || fail "a 1 s hold left child mode after $changed ms"
hold ctrl+alt+q 2500
[ -n "$changed" ] && [ "$changed" -ge 1950 ] || fail "a 2.5 s hold: left after '${changed}' ms"
echo "child_hold: Ctrl+Alt+Q held 2.5 s left after $changed ms; held 1 s stayed"
reaches window 5000 || fail "not back in a window"
for _ in $(seq 1 12); do xdotool key F11 sleep 0.1; done
hold F11 1000 1500
[ -z "$changed" ] && [ "$(state)" = window ] || fail "F11 taps or a 1 s hold entered child mode"
hold F11 2500
[ -n "$changed" ] && [ "$changed" -ge 1950 ] || fail "a 2.5 s F11 hold: entered after '${changed}' ms"
echo "child_hold: F11 taps stayed a window; held 2.5 s entered child mode after $changed ms"
echo "1 passed, 0 failed"
