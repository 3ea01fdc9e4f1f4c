#!/bin/bash
# How fast --verify checks a recording with no window, and how large a
# recording of a minute of play is.
#
#   bash tools/measure-verify.sh [runs]     (7 runs unless given; build/ must be built)
#
# Speed: the median wall time of `--verify`, start to exit, over a 10-minute
# recording: 18,000 frames of random keys through the shell, recorded by each
# game's soak (the shooter's by rubblons_random). Size: the kept recordings
# (scripted play, games/*/tests/*.replay), scaled to a minute.
set -euo pipefail
cd "$(dirname "$0")/.."
RUNS=${1:-7}
FRAMES_A_MINUTE=1800
TEN_MINUTES=18000
FOLDER=$(mktemp -d)
trap 'rm -rf "$FOLDER"' EXIT

# The median wall time in microseconds of RUNS runs of `program --verify file`.
median_micros() {
  local times=()
  for _ in $(seq "$RUNS"); do
    local start=$(date +%s%N)
    env -u DISPLAY "build/bin/$1" --verify "$2" >/dev/null
    times+=($(( ($(date +%s%N) - start) / 1000 )))
  done
  printf "%s\n" "${times[@]}" | sort -n | sed -n "$(( (RUNS + 1) / 2 ))p"
}

frames_of() { tail -n 1 "$1" | cut -d' ' -f2; }

printf "%-10s %8s %10s %13s %17s\n" program frames "median s" "frames a sec" "bytes a minute"
for game in rubblons:rocks gallery:birds lander:lander catcher:example; do
  program=${game%%:*}
  kept=games/${game#*:}/tests/$program.replay
  timed=$kept
  maker=build/bin/${program}_soak
  [ "$program" = rubblons ] && maker=build/bin/rubblons_random
  if [ -x "$maker" ]; then
    timed=$FOLDER/$program.replay
    "$maker" "$TEN_MINUTES" 7 "$timed" >/dev/null
  fi
  awk -v p="$program" -v f="$(frames_of "$timed")" -v t="$(median_micros "$program" "$timed")" \
      -v b="$(stat -c %s "$kept")" -v k="$(frames_of "$kept")" -v m="$FRAMES_A_MINUTE" \
    'BEGIN { printf "%-10s %8d %10.3f %13.0f %17.0f\n", p, f, t / 1e6, f * 1e6 / t, b * m / k }'
done
