#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Gauntry developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs every fuzz target built in a fuzz build folder (make fuzz):
#   fuzz/run.sh BUILD SECONDS [RUNS] [TARGET...]
# Each target runs for SECONDS, or for RUNS executions when RUNS is given
# (whichever ends first). New inputs are kept in BUILD/corpus/<target>; the
# seed corpus in fuzz/corpus is read, never written. A crash or broken
# invariant leaves its input in BUILD/artifacts and fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
build=$1
seconds=$2
runs=${3:--1}
shift $(( $# < 3 ? $# : 3 ))
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(langfile numbers)

declare -A options=(
  [langfile]="-max_len=8192"
  [numbers]="-max_len=4096"
)
declare -A seeds=(
  [langfile]="data/lang"
)

# The Qt libraries have no frame pointers, so allocation stacks that pass
# through them unwind into noise; recording them made the sanitizer's stack
# store grow without end (most of the time, and gigabytes over a long run).
# Two frames still name the caller of every allocation.
export ASAN_OPTIONS=${ASAN_OPTIONS:-malloc_context_size=2}

status=0
for t in "${targets[@]}"; do
  mkdir -p "$build/corpus/$t" "$build/artifacts"
  echo "== fuzz_$t: ${seconds} s, runs ${runs}"
  # shellcheck disable=SC2086
  if ! "$build/fuzz_$t" "$build/corpus/$t" "fuzz/corpus/$t" ${seeds[$t]:-} \
      -dict="fuzz/$t.dict" ${options[$t]} -max_total_time="$seconds" -runs="$runs" \
      -artifact_prefix="$build/artifacts/$t-" -print_final_stats=1 >"$build/fuzz_$t.log" 2>&1; then
    status=1
    echo "fuzz_$t FAILED; see $build/fuzz_$t.log and $build/artifacts/"
  fi
  grep -E "^Done [0-9]+ runs|stat::number_of_executed_units|ERROR|invariant broken" "$build/fuzz_$t.log" || true
done
exit $status
