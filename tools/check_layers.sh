#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Torvex developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Fails when a source file includes a header of a layer it must not know. The arrows run one way:
#   app -> rewards -> board -> wordlist -> gfx -> platform
# and nothing between the platform and app includes the menus. Run by every build (src/CMakeLists.txt).
#   tools/check_layers.sh SRC_DIR [STAMP]
set -euo pipefail
src=$1
stamp=${2:-}
declare -A allowed=(
  [platform]="platform"
  [gfx]="gfx platform"
  [wordlist]="wordlist gfx platform"
  [board]="board wordlist gfx platform"
  [rewards]="rewards board wordlist gfx platform"
  [app]="app rewards board wordlist gfx platform"
)
status=0
for layer in "${!allowed[@]}"; do
  while IFS=: read -r file line include; do
    target=$(sed -E 's/.*#include "([a-z]+)\/.*/\1/' <<<"$include")
    header=$(sed -E 's/.*#include "([^"]+)".*/\1/' <<<"$include")
    if [[ " ${allowed[$layer]} " != *" $target "* ]] ||
      { [[ "$layer" != app && "$layer" != platform ]] && [ "$header" = platform/menu.h ]; }; then
      echo "$file:$line: the $layer layer must not include \"$header\"" >&2
      status=1
    fi
  done < <(grep -HnE '^\s*#\s*include "[a-z]+/' "$src/$layer"/*.cpp "$src/$layer"/*.h 2>/dev/null || true)
done
[ "$status" -eq 0 ] && [ -n "$stamp" ] && touch "$stamp"
exit "$status"
