#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Gauntry developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Processor time of a start to the tool menu and of an idle suite, each beside
# a bare Qt window (one maximised child in an MDI area), measured over whole
# processes with /usr/bin/time -v.
#   bench/startup-cpu.sh [build folder]     (make bench-startup)
# RUNS starts are averaged (default 10). IDLE seconds of idling with only the
# clock running (default 10): the idle figure is the CPU time of one start +
# idle less that of a start alone, so it is good to about 0.01 s.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD=${1:-build}
RUNS=${RUNS:-10}
IDLE=${IDLE:-10}
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
suite="$PWD/$BUILD/bench/startup_suite"
bare="$PWD/$BUILD/bench/startup_bare"
for p in "$suite" "$bare" /usr/bin/time; do
  [ -x "$p" ] || { echo "missing $p (make build; scripts/install-deps.sh)" >&2; exit 1; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp data/lang/*.txt "$work/"
cp data/lang/English.txt "$work/langutil.txt"

# Prints "cpu wall" in seconds for the whole command, children included.
measure() {
  (cd "$work" && /usr/bin/time -v -o "$work/time.txt" "$@" >/dev/null 2>&1)
  awk -F': ' '
    /User time/   { cpu += $2 }
    /System time/ { cpu += $2 }
    /Elapsed/     { n = split($2, t, ":"); wall = 0; for (i = 1; i <= n; i++) wall = wall * 60 + t[i] }
    END { printf "%.4f %.4f\n", cpu, wall }' "$work/time.txt"
}

# A start is a few hundredths of a second of CPU, close to the 0.01 s that
# the kernel's accounting resolves, so RUNS starts run under one measurement
# and the figures are per start.
per_start() {
  measure bash -c 'for _ in $(seq "$0"); do "$1" 0; done' "$RUNS" "$1" |
    awk -v n="$RUNS" '{ printf "%.4f %.4f\n", $1 / n, $2 / n }'
}

read -r s_cpu s_wall < <(per_start "$suite")
read -r b_cpu b_wall < <(per_start "$bare")
read -r si_cpu si_wall < <(measure "$suite" "$IDLE")
read -r bi_cpu bi_wall < <(measure "$bare" "$IDLE")

printf 'platform %s; starts: mean of %s\n' "$QT_QPA_PLATFORM" "$RUNS"
printf '%-34s %8s %8s\n' "" "CPU s" "wall s"
printf '%-34s %8s %8s\n' "suite: start to tool menu" "$s_cpu" "$s_wall"
printf '%-34s %8s %8s\n' "bare window: start" "$b_cpu" "$b_wall"
printf '%-34s %8s %8s\n' "suite: start + ${IDLE} s idle" "$si_cpu" "$si_wall"
printf '%-34s %8s %8s\n' "bare window: start + ${IDLE} s idle" "$bi_cpu" "$bi_wall"
awk -v s="$s_cpu" -v b="$b_cpu" -v si="$si_cpu" -v bi="$bi_cpu" -v idle="$IDLE" 'BEGIN {
  printf "start CPU, suite / bare window: %.2f (target at most 1.5)\n", (b > 0 ? s / b : 0)
  d = si - s; if (d < 0) d = 0; e = bi - b; if (e < 0) e = 0
  printf "idle CPU over %d s: suite %.2f s, bare window %.2f s (resolution 0.01 s)\n", idle, d, e }'
