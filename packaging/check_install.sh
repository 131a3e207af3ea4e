#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Torvex developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# check_install.sh BUILD_DIR APP_ID: installs the build into a staging folder and checks what a
# desktop needs (entry, icons, metainfo: present and valid), then starts the installed launcher
# twice for a fresh player and checks the player's folder and where the game was started.
set -uo pipefail
build=$1
app=$2
stage=$(mktemp -d)
pid=""
trap '[ -n "$pid" ] && kill "$pid" 2>/dev/null; rm -rf "$stage"' EXIT
passed=0
failed=0
check() { # check WHAT COMMAND...: runs one check and counts it
  local what=$1
  shift
  if "$@" >"$stage/out" 2>&1; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    echo "FAILED: $what"
    cat "$stage/out"
  fi
}

DESTDIR="$stage/root" cmake --install "$build" --prefix /usr >/dev/null || exit 1
usr="$stage/root/usr"
check "desktop entry is valid" desktop-file-validate "$usr/share/applications/$app.desktop"
check "metainfo is valid" appstreamcli validate --no-net "$usr/share/metainfo/$app.metainfo.xml"
for size in 16 32 48 64 128 256; do
  check "${size}px icon is a ${size}x${size} PNG" \
    grep -q "PNG image data, $size x $size" <(file "$usr/share/icons/hicolor/${size}x$size/apps/$app.png")
done
check "help page is installed" test -s "$usr/share/torvex/読んでね。.html"
check "manual page is installed" test -s "$usr/share/man/man6/torvex.6.gz"
check "starter pictures are installed" test "$(ls "$usr/share/torvex/bmp" | wc -l)" -ge 50
check "starter sounds are installed" test "$(ls "$usr/share/torvex/wav" | wc -l)" -ge 50

# start_game: runs the launcher for the staged player until it has become the game, then stops it.
home="$stage/home"
player="$home/.local/share/torvex"
start_game() {
  HOME="$home" QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy "$usr/games/torvex" 2>>"$stage/log" &
  pid=$!
  for _ in $(seq 1 500); do
    [ "$(readlink "/proc/$pid/exe")" = "$usr/libexec/torvex/torvex" ] && break
    sleep 0.01
  done
  cwd=$(readlink "/proc/$pid/cwd")
  list=$(tr '\0' '\n' <"/proc/$pid/cmdline" | sed -n 2p)
  kill "$pid"
  wait "$pid" 2>/dev/null
  pid=""
}

start_game
check "game starts in the player's folder" test "$cwd" = "$player"
check "game opens the player's list" test "$list" = "$player/words.txt"
for starter in "$usr/share/torvex"/*.txt; do
  check "player has ${starter##*/}" cmp "$player/${starter##*/}" "$starter"
done
check "bundled picture is reachable" test -s "$player/bmp/犬.bmp"
check "bundled sound is reachable" test -s "$player/wav/犬.wav"
check "help page is reachable" test -s "$player/読んでね。.html"
check "help page's frog is reachable" test -s "$player/help/frog.png"

# A parent's edits and own files survive the next start.
echo "edited" >"$player/words.txt"
rm "$player/どうぶつ.txt"
rm "$player/bmp/犬.bmp"
echo "own" >"$player/bmp/犬.bmp"
ln -s "$usr/share/torvex/bmp/gone.bmp" "$player/bmp/gone.bmp"
start_game
check "edited list is kept" grep -qx edited "$player/words.txt"
check "missing starter list comes back" test -s "$player/どうぶつ.txt"
check "parent's own picture wins" grep -qx own "$player/bmp/犬.bmp"
check "link to a removed file is dropped" test ! -L "$player/bmp/gone.bmp"

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
