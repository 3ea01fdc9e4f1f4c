#!/usr/bin/env bash
# Builds the kit and starts a program: bash scripts/play.sh [program] [--seed N]
# (the shooter, rubblons, unless another is named). Without a display
# ($DISPLAY unset) it runs the program under a virtual X server for a few
# seconds instead, saves a screenshot and prints the PNG's path.
set -euo pipefail
KIT_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$KIT_ROOT/scripts/setup.sh"

# The window programs it can start; the first is the main program.
PROGRAMS=(rubblons gallery lander catcher showcase)
PROGRAM="${1:-${PROGRAMS[0]}}"
SECONDS_TO_SHOW=3

if [[ " ${PROGRAMS[*]} " != *" $PROGRAM "* ]]; then
  echo "play.sh: no program named '$PROGRAM'. It can start: ${PROGRAMS[*]}" >&2
  echo "usage: bash scripts/play.sh [program] [--seed N]" >&2
  exit 1
fi

kit_install_missing
kit_build build >/dev/null

if [ -n "${DISPLAY:-}" ]; then
  exec "$KIT_ROOT/build/bin/$PROGRAM" "${@:2}"
fi

shot="$KIT_ROOT/build/$PROGRAM.png"
# The window's title is the program's name with a capital letter.
# A program that ends before its window shows (a bad --seed, say) ends the run with its status.
xvfb-run -a -s "-screen 0 800x600x24" bash -c '
  "$1" "${@:5}" & pid=$!
  for _ in $(seq 200); do
    kill -0 "$pid" 2>/dev/null || { wait "$pid"; exit; }
    win=$(xdotool search --onlyvisible --name "^$2\$" | head -n 1) && [ -n "$win" ] && break
    sleep 0.1
  done
  sleep "$3"
  import -window "$win" "$4"
  kill "$pid"
' _ "$KIT_ROOT/build/bin/$PROGRAM" "${PROGRAM^}" "$SECONDS_TO_SHOW" "$shot" "${@:2}"
echo "No display: ran $PROGRAM under Xvfb for $SECONDS_TO_SHOW seconds."
echo "Screenshot: $shot"
