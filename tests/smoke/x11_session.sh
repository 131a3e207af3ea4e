# SPDX-FileCopyrightText: 2026 The Torvex developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Shared by the real-X tests: sourced after the script has set `program` and its arguments.
# run_in_x11 re-runs the calling script inside a fresh Xvfb, in a scratch folder $work;
# start_game starts the program, logging to $work/game.log, and waits for its window, leaving its
# id in `window`. Processes a script starts besides the game go into `others`, ended with it.

run_in_x11() {
  if [ -z "${XVFB_INSIDE:-}" ]; then
    export XVFB_INSIDE=1
    # xvfb-run does not wait for its server to exit, and a server still exiting removes its
    # socket: the next test on the same number would lose its display. A random start keeps
    # consecutive tests apart.
    exec xvfb-run -a -n "$((100 + RANDOM % 800))" -s "-screen 0 ${XVFB_SCREEN:-1024x768x24}" "$@"
  fi
  script=("$(realpath "$1")" "${@:2}")
  work=$(mktemp -d)
  others=()
  trap 'kill "${pid:-0}" "${others[@]}" 2>/dev/null || true; rm -rf "$work"' EXIT
  export SDL_AUDIODRIVER=dummy HOME="$work"
  cd "$work"
}

now() { echo $(($(date +%s%N) / 1000000)); }

# Runs COMMAND until it succeeds, for at most MS milliseconds: a test waits for what it expects
# to see, however long a loaded machine takes to show it.
#   eventually MS COMMAND...
eventually() {
  local until=$(($(now) + $1))
  shift
  until "$@"; do
    [ "$(now)" -lt "$until" ] || return 1
    sleep 0.02
  done
}

# Ends the test as failed, showing what the game wrote.
fail() {
  echo "$(basename "$0" .sh): $*"
  cat "$work/game.log" 2>/dev/null || true
  echo "0 passed, 1 failed"
  exit 1
}

start_game() {
  "$@" 2>"$work/game.log" &
  pid=$!
  window=""
  eventually 10000 game_window_shown && return 0
  # A server still exiting on the same display number can take this server's socket with it:
  # the machine's fault, not the game's. The test starts again once, on a fresh server.
  if grep -q "could not connect to display" "$work/game.log" && [ -z "${XVFB_RETRY:-}" ]; then
    echo "$(basename "$0" .sh): the display was lost; starting again on another"
    kill "${others[@]}" 2>/dev/null || true
    cd /
    rm -rf "$work"
    export XVFB_RETRY=1
    unset XVFB_INSIDE
    exec "${script[@]}"
  fi
  return 1
}

game_window_shown() {
  window=$(xdotool search --onlyvisible --name ' - Torvex$' 2>/dev/null | head -n1 || true)
  [ -n "$window" ]
}
