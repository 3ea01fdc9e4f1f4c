#!/usr/bin/env bash
# Builds the kit and starts the main program. Without a display ($DISPLAY
# unset) it runs the program under a virtual X server for a few seconds
# instead, saves a screenshot and prints the PNG's path.
set -euo pipefail
KIT_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$KIT_ROOT/scripts/setup.sh"

PROGRAM="${1:-rubblons}"
SECONDS_TO_SHOW=3

kit_install_missing
kit_build build >/dev/null

if [ -n "${DISPLAY:-}" ]; then
  exec "$KIT_ROOT/build/bin/$PROGRAM"
fi

shot="$KIT_ROOT/build/$PROGRAM.png"
# The window's title is the program's name with a capital letter.
xvfb-run -a -s "-screen 0 800x600x24" bash -c '
  "$1" & pid=$!
  win=$(timeout 20 xdotool search --sync --onlyvisible --name "^$2\$" | head -n 1)
  sleep "$3"
  import -window "$win" "$4"
  kill "$pid"
' _ "$KIT_ROOT/build/bin/$PROGRAM" "${PROGRAM^}" "$SECONDS_TO_SHOW" "$shot"
echo "No display: ran $PROGRAM under Xvfb for $SECONDS_TO_SHOW seconds."
echo "Screenshot: $shot"
