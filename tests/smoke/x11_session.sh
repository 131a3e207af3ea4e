# SPDX-FileCopyrightText: 2026 The Torvex developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Shared by the real-X tests: sourced after the script has set `program` and its arguments.
# run_in_x11 re-runs the calling script inside a fresh Xvfb; start_game starts the program,
# logging to $work/game.log, and waits for its window, leaving its id in `window`. Processes a
# script starts besides the game go into `others`, ended with it.

run_in_x11() {
  if [ -z "${XVFB_INSIDE:-}" ]; then
    export XVFB_INSIDE=1
    # xvfb-run does not wait for its server to exit, and a server still exiting removes its
    # socket: the next test on the same number would lose its display. A random start keeps
    # consecutive tests apart.
    exec xvfb-run -a -n "$((100 + RANDOM % 800))" -s "-screen 0 ${XVFB_SCREEN:-1024x768x24}" "$@"
  fi
  work=$(mktemp -d)
  others=()
  trap 'kill "${pid:-0}" "${others[@]}" 2>/dev/null || true; rm -rf "$work"' EXIT
  export SDL_AUDIODRIVER=dummy HOME="$work"
}

start_game() {
  "$@" 2>"$work/game.log" &
  pid=$!
  window=""
  for _ in $(seq 1 1000); do
    window=$(xdotool search --onlyvisible --name ' - Torvex$' 2>/dev/null | head -n1 || true)
    [ -n "$window" ] && return 0
    sleep 0.01
  done
  return 1
}
