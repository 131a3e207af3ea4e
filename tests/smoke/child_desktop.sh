#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Torvex developers
# SPDX-License-Identifier: GPL-3.0-or-later
# child_desktop.sh PROGRAM WORDS: with a window manager (openbox) and its own mouse bindings,
# `torvex --child` keeps the screen: Alt+wheel (switch desktop) and Alt+middle-click (lower)
# leave it full screen, focused and on top, and another program's new window stays under it.
# The parent's hold then brings back a window with its frame on the screen.
set -euo pipefail
program=$(realpath "$1")
words=$(realpath "$2")
source "$(dirname "$0")/x11_session.sh"
XVFB_SCREEN=1920x1080x24 run_in_x11 "$0" "$program" "$words"
# Full screen, focused, on top of the stack and on the first desktop: "kept", else "lost".
state() {
  local stack
  stack=$(xprop -root _NET_CLIENT_LIST_STACKING | grep -oE '0x[0-9a-f]+$' || true)
  [ "$(xdotool getwindowgeometry "$window" | grep -c 'Geometry: 1920x1080')" = 1 ] &&
    [ "$(xdotool getactivewindow 2>/dev/null)" = "$window" ] &&
    [ "$((stack))" = "$window" ] && [ "$(xdotool get_desktop)" = 0 ] && echo kept || echo lost
}
# Waits up to MS milliseconds for STATE.
reaches() { eventually "$2" is "$1"; }
is() { [ "$(state)" = "$1" ]; }
# The window manager acts at once on a click; the screen is watched for a second after it.
keeps() {
  local until=$(($(now) + 1000))
  while [ "$(now)" -lt "$until" ]; do [ "$(state)" = kept ] || fail "$1"; sleep 0.02; done
}

openbox &
others+=($!)
wm_running() { xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'; }
eventually 10000 wm_running || fail "openbox did not start"
start_game "$program" --child "$words" || fail "no window"
reaches kept 10000 || fail "not full screen, focused and on top"
above() { xprop -id "$window" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE; }
below_others_allowed() { ! above; }
above || fail "not kept above other windows"
xdotool mousemove 960 540 keydown alt click 4 click 4 click 5 keyup alt
keeps "Alt+wheel took the screen"
xdotool keydown alt click 2 keyup alt
keeps "Alt+middle-click took the screen"
xmessage -name other "another program" &
others+=($!)
eventually 10000 xdotool search --onlyvisible --classname other >/dev/null || fail "no other window"
reaches kept 2000 || fail "another program's window took the screen"
keeps "another program's window took the screen"
echo "child_desktop: Alt+wheel, Alt+middle-click and a new window left the game on top"

xdotool keydown ctrl+alt+q
windowed() { [ "$(xdotool getwindowgeometry "$window" | grep -c 'Geometry: 1920x1080')" = 0 ]; }
eventually 10000 windowed || fail "the hold did not leave child mode"
xdotool keyup ctrl+alt+q
# The frame, once the window manager has put it back round the window, lies on the screen.
framed() { xprop -id "$window" _NET_FRAME_EXTENTS | grep -qE '= [0-9]+, [0-9]+, [1-9]'; }
eventually 10000 framed || fail "no frame round the window"
eventually 5000 below_others_allowed || fail "the window is still kept above other windows"
read -r left right top bottom <<<"$(xprop -id "$window" _NET_FRAME_EXTENTS | grep -oE '[0-9]+' | tr '\n' ' ')"
eval "$(xdotool getwindowgeometry --shell "$window")"
[ $((X - left)) -ge 0 ] && [ $((Y - top)) -ge 0 ] && [ $((X + WIDTH + right)) -le 1920 ] &&
  [ $((Y + HEIGHT + bottom)) -le 1080 ] || fail "frame off the screen: ${WIDTH}x$HEIGHT at $X,$Y"
echo "child_desktop: left child mode to a ${WIDTH}x$HEIGHT window with its frame on the screen"
echo "1 passed, 0 failed"
