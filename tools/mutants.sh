#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Torvex developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Mutation sample: does the suite notice a plausible one-line slip? Each line of MUTANTS is
#   FILE<TAB>SED-EXPRESSION<TAB>WHAT THE SLIP DOES
# The expression must change exactly one line of FILE (others are left out). Each mutant is
# applied to a scratch copy of the tracked files, the unit and widget tests are built and run, and
# the mutant counts as killed when the build or any test fails (each group stops at its first
# failure); each mutant's build and test output is kept as TREE/log-N. The working tree is never
# changed.
#   tools/mutants.sh MUTANTS [TREE]    TREE: a scratch build folder (default /tmp/torvex-mutants)
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
list=$(realpath "$1")
tree=${2:-/tmp/torvex-mutants}
copy=$tree/src-copy
rm -rf "$copy"
mkdir -p "$copy"
(cd "$here" && git ls-files -z | xargs -0 cp -a --parents -t "$copy")
cmake -S "$copy" -B "$tree/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON >/dev/null

killed=0
survived=0
while IFS=$'\t' read -r file expression what; do
  [ -z "$file" ] || [ "${file:0:1}" = "#" ] && continue
  cp "$copy/$file" "$tree/original"
  sed -i "$expression" "$copy/$file"
  changed=$(diff "$tree/original" "$copy/$file" | grep -c '^<' || true)
  if [ "$changed" -ne 1 ]; then
    echo "not one line ($changed changed), left out: $file $expression"
    cp "$tree/original" "$copy/$file"
    continue
  fi
  if cmake --build "$tree/build" -j"$(nproc)" --target unit_tests widget_tests >"$tree/log" 2>&1 &&
    GTEST_FAIL_FAST=1 ctest --test-dir "$tree/build" -R '^(unit|widget)$' >>"$tree/log" 2>&1; then
    survived=$((survived + 1))
    echo "SURVIVED  $file: $what"
  else
    killed=$((killed + 1))
    echo "killed    $file: $what"
  fi
  # Kept so a kill can be traced to the test (or build step) that failed.
  cp "$tree/log" "$tree/log-$((killed + survived))"
  cp "$tree/original" "$copy/$file"
done <"$list"
echo "mutants: $killed killed, $survived survived of $((killed + survived))"
