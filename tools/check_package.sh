#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Torvex developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The install route a user takes: a Release build of the game alone (no tests, warnings not
# errors), packed with `cpack -G DEB`; the package's contents are checked, lintian (when it is
# installed) must find no error, and the packaged program is started in a real X server until
# its window maps.
#   tools/check_package.sh [TREE]      TREE defaults to build-release beside this repository's build
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
tree=${1:-$here/build-release}

cmake -S "$here" -B "$tree" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$tree" -j"$(nproc)" >"$tree/build.log" 2>&1 || { tail -n 40 "$tree/build.log"; exit 1; }
(cd "$tree" && cpack -G DEB >/dev/null)
package=$(ls "$tree"/torvex_*.deb)

passed=0
failed=0
check() { # check WHAT COMMAND...
  local what=$1
  shift
  if "$@" >/dev/null 2>&1; then passed=$((passed + 1)); else
    failed=$((failed + 1))
    echo "package: FAILED: $what"
  fi
}
contents=$(dpkg-deb -c "$package" | awk '{print $6}')
has() { grep -qx "./usr/$1" <<<"$contents"; }
check "launcher" has games/torvex
check "program" has libexec/torvex/torvex
for list in words どうぶつ たべもの のりもの しぜんとからだ; do
  check "starter list $list" has "share/torvex/$list.txt"
done
check "a starter picture" has "share/torvex/bmp/犬.bmp"
check "a starter sound" has "share/torvex/wav/犬.wav"
check "help page" has "share/torvex/読んでね。.html"
check "desktop entry" has share/applications/org.torvex.Torvex.desktop
check "metainfo" has share/metainfo/org.torvex.Torvex.metainfo.xml
check "icon" has share/icons/hicolor/256x256/apps/org.torvex.Torvex.png
check "copyright" has share/doc/torvex/copyright
check "changelog" has share/doc/torvex/changelog.gz
check "manual page" has share/man/man6/torvex.6.gz
check "no tests packed" test -z "$(grep -E '_tests$|bench' <<<"$contents")"
if command -v lintian >/dev/null; then
  # Every finding is shown; an error fails the check (lintian's own status also counts warnings).
  lintian --tag-display-limit 0 "$package" >"$tree/lintian.log" 2>&1 || true
  sed 's/^/package: /' "$tree/lintian.log"
  check "lintian finds no error" test -z "$(grep '^E:' "$tree/lintian.log")"
fi

# The packaged program, unpacked, in a real X server for a fresh player.
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
dpkg-deb -x "$package" "$stage/root"
cat >"$stage/start.sh" <<'EOF'
#!/usr/bin/env bash
HOME=$1/home SDL_AUDIODRIVER=dummy "$1/root/usr/games/torvex" 2>"$1/game.log" &
pid=$!
for _ in $(seq 1 1000); do
  xdotool search --onlyvisible --name ' - Torvex$' >/dev/null 2>&1 && { kill $pid; exit 0; }
  sleep 0.01
done
kill $pid
cat "$1/game.log"
exit 1
EOF
check "packaged game's window maps" xvfb-run -a -s "-screen 0 1024x768x24" bash "$stage/start.sh" "$stage"

echo "package: $(basename "$package") $passed passed, $failed failed"
[ "$failed" -eq 0 ]
