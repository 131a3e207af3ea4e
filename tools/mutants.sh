#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Torvex developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Mutation sample: does the suite notice a plausible one-line slip? Each line of MUTANTS is
#   FILE<TAB>SED-EXPRESSION<TAB>WHAT THE SLIP DOES
# The expression must change exactly one line of FILE (others are left out). Each mutant is
# applied to a scratch copy of the tracked files, the unit and widget tests are built and run, and
# the mutant counts as killed when the build or any test fails (each group stops at its first
# failure). A mutant they leave alive also meets the real-X smoke tests, which see what only a
# real window manager and server show. Mutants are numbered from 1 in file order (comments left
# out), and mutant N's build and test output is kept as TREE/log-N. The working tree is never
# changed.
#   tools/mutants.sh [-r FIRST[-LAST]] [-m REGEX] MUTANTS [TREE]
#     -r      run only mutants FIRST to LAST (LAST left out: to the end; one number: that one)
#     -m      run only mutants whose line matches REGEX (grep -E)
#     TREE    a scratch build folder (default /tmp/torvex-mutants)
set -euo pipefail
first=1 last='' match=''
while getopts r:m: option; do
  case $option in
  r) first=${OPTARG%%-*} last=${OPTARG#*-} ;;
  m) match=$OPTARG ;;
  *) exit 2 ;;
  esac
done
shift $((OPTIND - 1))
last=${last:-1000000}
here=$(cd "$(dirname "$0")/.." && pwd)
list=$(realpath "$1")
tree=${2:-/tmp/torvex-mutants}
copy=$tree/src-copy
smoke='^smoke_(x11|solve_word|child_mode|child_hold)$'
# The copy is brought up to date file by file, and a file that differs gets a new time: a run cut
# short with a fault in place leaves no object built from it that make would take as current.
mkdir -p "$copy"
(cd "$here" && git ls-files -z) | while IFS= read -r -d '' file; do
  cmp -s "$here/$file" "$copy/$file" || { mkdir -p "$(dirname "$copy/$file")" && cp --preserve=mode "$here/$file" "$copy/$file"; }
done
launcher=()
if command -v ccache >/dev/null; then
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
fi
# Each mutant recompiles one file and relinks both test programs: without debug information and
# with gold that takes a fraction of the time, and -O1 keeps the tests quick.
if command -v ld.gold >/dev/null; then
  launcher+=(-DCMAKE_EXE_LINKER_FLAGS=-fuse-ld=gold)
fi
cmake -S "$copy" -B "$tree/build" -DCMAKE_BUILD_TYPE=Release "-DCMAKE_CXX_FLAGS_RELEASE=-O1 -DNDEBUG" \
  -DBUILD_TESTING=ON "${launcher[@]}" >/dev/null

# Builds TARGETS and runs the tests matching PATTERN, stopping at the first failure.
#   suite_passes PATTERN TARGET...
suite_passes() {
  local pattern=$1
  shift
  cmake --build "$tree/build" -j"$(nproc)" --target "$@" &&
    GTEST_FAIL_FAST=1 ctest --test-dir "$tree/build" --stop-on-failure -R "$pattern"
}

# A fault counts as killed only against a suite that passes without one.
if ! suite_passes '^(unit|widget)$' unit_tests widget_tests >"$tree/log-baseline" 2>&1; then
  echo "mutants: the suite fails without a fault (see $tree/log-baseline)"
  exit 1
fi

killed=0 survived=0 number=0
while IFS=$'\t' read -r file expression what; do
  [ -z "$file" ] || [ "${file:0:1}" = "#" ] && continue
  number=$((number + 1))
  if [ "$number" -lt "$first" ] || [ "$number" -gt "$last" ] ||
    ! grep -qE -- "$match" <<<"$file	$expression	$what"; then
    continue
  fi
  cp "$copy/$file" "$tree/original"
  sed -i "$expression" "$copy/$file"
  changed=$(diff "$tree/original" "$copy/$file" | grep -c '^<' || true)
  if [ "$changed" -ne 1 ]; then
    echo "$number  not one line ($changed changed), left out: $file $expression"
    cp "$tree/original" "$copy/$file"
    continue
  fi
  log=$tree/log-$number
  if ! suite_passes '^(unit|widget)$' unit_tests widget_tests >"$log" 2>&1; then
    killed=$((killed + 1))
    echo "$number  killed    $file: $what"
  elif ! suite_passes "$smoke" torvex >>"$log" 2>&1; then
    killed=$((killed + 1))
    echo "$number  killed    $file: $what  (by a smoke test)"
  else
    survived=$((survived + 1))
    echo "$number  SURVIVED  $file: $what"
  fi
  cp "$tree/original" "$copy/$file"
done <"$list"
echo "mutants: $killed killed, $survived survived of $((killed + survived))"
