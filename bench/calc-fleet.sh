#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Gauntry developers
# SPDX-License-Identifier: GPL-3.0-or-later
# gauntry-calc on fleet files of 100,000 and 1,000,000 meters, on one core,
# timed and measured whole with /usr/bin/time -v: each file worked out as it
# streams through, and ranked by payback (--sort payback).
#   bench/calc-fleet.sh [build folder]      (make bench-calc)
# RUNS repeats each run (default 3; the best time and the largest memory
# are reported). Exits with 1 when the 1,000,000 rows ranked take longer
# than LIMIT seconds (default 2), or when streaming them needs more than
# 2 MiB above what 100,000 rows need: memory must not grow with the file.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD=${1:-build}
RUNS=${RUNS:-3}
LIMIT=${LIMIT:-2}
calc="$PWD/$BUILD/gauntry-calc"
for p in "$calc" /usr/bin/time; do
  [ -x "$p" ] || { echo "missing $p (make build; scripts/install-deps.sh)" >&2; exit 1; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# A fleet of $1 meters: flows through common sizes in five units, charges and
# accuracies that vary, a typed annual usage for one meter in eight, a sewage
# charge missing for one in six. The same file every time.
fleet() {
  awk -v n="$1" 'BEGIN {
    srand(1206)
    split("l/s m3/h l/min igpm usgpm", unit, " ")
    split("15 20 25 40 50 80 100 150 200", size, " ")
    print "meter,site,flow,unit,size,annual-usage,price,current-accuracy,water-charge,sewage-charge,supply"
    for (i = 1; i <= n; i++) {
      u = unit[int(rand() * 5) + 1]; s = size[int(rand() * 9) + 1]
      flow = sprintf("%.3f", 0.5 + rand() * 49.5); usage = ""
      if (rand() < 0.125) { usage = sprintf("%d", 1000 + rand() * 500000); flow = ""; u = ""; s = "" }
      sewage = rand() < 0.167 ? "" : sprintf("%.2f", rand() * 2)
      printf "M%07d,\"Site %d, zone %d\",%s,%s,%s,%s,%d,%.2f,%.2f,%s,%s\n", i, i % 977, i % 13, flow, u, s, usage,
        300 + rand() * 4700, 0.6 + rand() * 5.4, 0.5 + rand() * 2.5, sewage, rand() < 0.5 ? "mains" : "battery"
    }
  }'
}

# Prints "seconds peak-MiB" of the best of RUNS runs of gauntry-calc with these arguments.
measure() {
  local best="" peak=0
  for ((r = 0; r < RUNS; r++)); do
    taskset -c 0 /usr/bin/time -v -o "$work/time.txt" "$calc" payback "$@" >"$work/out.csv" 2>"$work/err.txt" ||
      { echo "gauntry-calc payback $* failed:" >&2; head -3 "$work/err.txt" >&2; exit 1; }
    read -r wall rss < <(awk -F': ' '
      /Elapsed \(wall clock\)/ { n = split($2, t, ":"); s = 0; for (i = 1; i <= n; i++) s = s * 60 + t[i]; wall = s }
      /Maximum resident set size/ { rss = $2 }
      END { printf "%.2f %d\n", wall, rss }' "$work/time.txt")
    if [ -z "$best" ] || awk -v a="$wall" -v b="$best" 'BEGIN { exit !(a < b) }'; then best=$wall; fi
    ((rss > peak)) && peak=$rss
  done
  echo "$best $((peak / 1024))"
}

printf '%-10s %-8s %9s %14s\n' rows sorted seconds "peak memory"
declare -A seconds memory
for rows in 100000 1000000; do
  fleet "$rows" >"$work/fleet.csv"
  [ "$(wc -l <"$work/fleet.csv")" -eq $((rows + 1)) ] || { echo "fleet of $rows rows not made" >&2; exit 1; }
  for sort in no yes; do
    args=(--input "$work/fleet.csv")
    [ "$sort" = yes ] && args+=(--sort payback)
    read -r s m < <(measure "${args[@]}")
    [ "$(wc -l <"$work/out.csv")" -eq $((rows + 1)) ] || { echo "not one row out per row in" >&2; exit 1; }
    seconds[$rows,$sort]=$s
    memory[$rows,$sort]=$m
    printf '%-10s %-8s %9s %10s MiB\n' "$rows" "$sort" "$s" "$m"
  done
done

status=0
if awk -v s="${seconds[1000000,yes]}" -v l="$LIMIT" 'BEGIN { exit !(s > l) }'; then
  echo "1,000,000 rows ranked in ${seconds[1000000,yes]} s: more than $LIMIT s" >&2
  status=1
fi
if ((memory[1000000,no] > memory[100000,no] + 2)); then
  echo "streaming 1,000,000 rows took ${memory[1000000,no]} MiB against ${memory[100000,no]} MiB for 100,000" >&2
  status=1
fi
exit $status
