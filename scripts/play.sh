#!/usr/bin/env bash
# Builds the kit and starts the main program. Without a display ($DISPLAY
# unset) it runs the program under a virtual X server for a few seconds
# instead, saves a screenshot and prints the PNG's path.
set -euo pipefail
KIT_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$KIT_ROOT/scripts/setup.sh"

PROGRAM="${1:-showcase}"
SECONDS_TO_SHOW=3

kit_install_missing
kit_build build >/dev/null

if [ -n "${DISPLAY:-}" ]; then
  exec "$KIT_ROOT/build/bin/$PROGRAM"
fi

shot="$KIT_ROOT/build/$PROGRAM.png"
xvfb-run -a -s "-screen 0 800x600x24" bash -c '
  "$1" & pid=$!
  sleep "$2"
  import -window root -crop 620x430+0+0 "$3"
  kill "$pid"
' _ "$KIT_ROOT/build/bin/$PROGRAM" "$SECONDS_TO_SHOW" "$shot"
echo "No display: ran $PROGRAM under Xvfb for $SECONDS_TO_SHOW seconds."
echo "Screenshot: $shot"
