#!/usr/bin/env bash
# Measures a kit program's frame rate and CPU share over 10 seconds under
# Xvfb, from outside the program: tools/framemeter is preloaded into it.
# Arguments after the seconds go to the program (--scale 2, say).
#   bash tools/measure-fps.sh [program] [seconds] [program's options]   (default: rubblons 10)
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
PROGRAM="${1:-rubblons}"
SECONDS_TO_MEASURE="${2:-10}"
shift $(( $# < 2 ? $# : 2 ))
cmake --build "$ROOT/build" --target framemeter "$PROGRAM" >/dev/null
FRAMEMETER_SECONDS="$SECONDS_TO_MEASURE" LD_PRELOAD="$ROOT/build/lib/framemeter.so" \
  xvfb-run -a -s "-screen 0 1700x1700x24" "$ROOT/build/bin/$PROGRAM" "$@"
