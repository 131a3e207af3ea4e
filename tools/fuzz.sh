#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Torvex developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs each fuzz target of the sanitizer tree for a bounded time, one after the other, on a
# working copy of its seed corpus (fuzz/corpus/NAME; what a run finds is kept in the tree for
# the next run, never written into the repository). A crash, a sanitizer report, a failed check,
# a hang or a run past the memory limit fails the script; the input is left in
# TREE/fuzz-findings/ to become a regression test.
#   tools/fuzz.sh [SECONDS] [TREE]     SECONDS per target (default 60), TREE as tools/sanitize.sh
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
tree=${2:-$here/build-asan}
# shellcheck source=tools/sanitizer_env.sh
source "$here/tools/sanitizer_env.sh"

# Name, the longest input tried and the largest single allocation allowed, in MB. A word list's
# interesting part is its first lines; pictures and sounds need room for their headers, palettes
# and a few samples. SDL reserves whatever a wave file's data chunk claims (up to 4 GiB) before it
# finds the file short. Outside the sanitizer that costs nothing (the pages are never touched),
# but AddressSanitizer marks the reservation's shadow, half a gigabyte and many seconds for each
# such input; so the sanitizer refuses any single allocation over 1 GiB (returning null, which
# SDL reports as a refused file) and the fuzzer's own limit lies above that.
targets=("word_list 16384 2048" "picture 65536 2048" "sound 65536 2048")
export ASAN_OPTIONS=$ASAN_OPTIONS:max_allocation_size_mb=1024
findings=$tree/fuzz-findings
mkdir -p "$findings"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
for target in "${targets[@]}"; do
  read -r name max_len malloc_limit <<<"$target"
  corpus=$tree/fuzz-corpus/$name
  mkdir -p "$corpus"
  cp -n "$here/fuzz/corpus/$name/"* "$corpus/"
  log=$tree/fuzz-$name.log
  echo "fuzz: $name for ${seconds}s"
  TMPDIR=$scratch "$tree/fuzz/fuzz_$name" "$corpus" -max_total_time="$seconds" \
    -max_len="$max_len" -timeout=10 -rss_limit_mb=2048 -malloc_limit_mb="$malloc_limit" -print_final_stats=1 \
    -artifact_prefix="$findings/$name-" >"$log" 2>&1 || {
    tail -n 60 "$log"
    echo "fuzz: $name FAILED; the input is in $findings"
    exit 1
  }
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  peak=$(sed -n 's/^stat::peak_rss_mb: *//p' "$log")
  echo "fuzz: $name passed: $runs runs, peak ${peak} MB, corpus $(find "$corpus" -type f | wc -l) inputs"
done
echo "fuzz: ${#targets[@]} passed, 0 failed"
