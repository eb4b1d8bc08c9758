#!/usr/bin/env bash
# The headless war's figures for the table that ends `make bench`: 100 days from 22 June 1941
# (five runs) and whole wars of one-day turns (seeds 1, 2 and 3), each the processor time of the
# whole gravmark-sim process, and each war's median computer turn of either coalition. Appends
# KEY<TAB>VALUE lines to BUILD/bench-results/figures.tsv. Reports numbers only.
#
#   sim_figures.sh BUILD_DIR
set -u
build=$(cd "${1:-build}" && pwd)
mkdir -p "$build/bench-results"
out="$build/bench-results/figures.tsv"
log="$build/bench-results/sim.txt"
TIMEFORMAT='%3U %3S'

# Processor seconds (user and system) of one run of the sim with the given arguments; what it
# prints goes to $log.
run() {
  local t
  t=$({ time "$build/gravmark-sim" "$@" >"$log" 2>&1; } 2>&1) || return 1
  awk '{printf "%.2f\n", $1 + $2}' <<<"$t"
}

for i in 1 2 3 4 5; do
  if s=$(run --days 100 --seed 1); then
    printf 'sim.100days\t%s\n' "$s" >>"$out"
    echo "100 days, seed 1: $s s"
  fi
done
for seed in 1 2 3; do
  s=$(run --seed "$seed") || continue
  printf 'sim.war\t%s\n' "$s" >>"$out"
  read -r soviet german < <(sed -n 's/.*median turn Soviet \([0-9.]*\) ms, German \([0-9.]*\) ms.*/\1 \2/p' "$log")
  printf 'sim.turn.soviet\t%s\nsim.turn.german\t%s\n' "$soviet" "$german" >>"$out"
  echo "whole war, seed $seed: $s s; $(grep '^summary:' "$log" | cut -d';' -f2-)"
done
