#!/usr/bin/env bash
# What reading the pads costs with no pad plugged in: the shooter's share of
# one core as built here, beside the same program built from BASE (a commit
# from before the pads, with no SDL at all), the two taking turns, each RUNS
# times for SECONDS under Xvfb with tools/framemeter.so preloaded, after one
# run each not counted. Prints each pair, then the medians and the median of
# the pairs' differences, in percent of one core.
#   bash tools/measure-pads.sh BASE [runs] [seconds]     (default 12 runs of 20 s)
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BASE_COMMIT="$1"
RUNS="${2:-12}"
SECONDS_TO_MEASURE="${3:-20}"
BASE="$(mktemp -d)"
trap 'git -C "$ROOT" worktree remove --force "$BASE"' EXIT
git -C "$ROOT" worktree add --detach "$BASE" "$BASE_COMMIT" >/dev/null 2>&1
cmake -S "$BASE" -B "$BASE/build" -DKIT_BENCHMARKS=OFF >/dev/null
cmake --build "$BASE/build" -j "$(nproc)" --target rubblons >/dev/null
cmake --build "$ROOT/build" --target framemeter rubblons >/dev/null

# One run's share of one core in percent, from the frame meter's CPU seconds and wall seconds.
share() {
  FRAMEMETER_SECONDS="$SECONDS_TO_MEASURE" LD_PRELOAD="$ROOT/build/lib/framemeter.so" \
    xvfb-run -a -s "-screen 0 1700x1700x24" "$1" --mute 2>&1 >/dev/null |
    sed -n 's/.*frames in \([0-9.]*\) s.*CPU \([0-9.]*\) s.*/\2 \1/p' | awk '{ printf "%.2f", 100 * $1 / $2 }'
}

median() { sort -n | awk '{ v[NR] = $1 } END { printf "%.2f", (v[int((NR + 1) / 2)] + v[int(NR / 2) + 1]) / 2 }'; }

uptime
share "$ROOT/build/bin/rubblons" >/dev/null
share "$BASE/build/bin/rubblons" >/dev/null
PAIRS="$(mktemp)"
for _ in $(seq "$RUNS"); do
  echo "$(share "$ROOT/build/bin/rubblons") $(share "$BASE/build/bin/rubblons")" | tee -a "$PAIRS"
done
echo "median: pads read $(cut -d' ' -f1 "$PAIRS" | median), no SDL $(cut -d' ' -f2 "$PAIRS" | median)," \
     "difference $(awk '{ print $1 - $2 }' "$PAIRS" | median)"
rm "$PAIRS"
uptime
