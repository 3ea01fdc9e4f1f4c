#!/usr/bin/env bash
# Measures the browser pages in headless Chromium: each page's WebAssembly and
# JavaScript sizes, time to the first frame, frame rate and CPU share.
#   bash tools/measure-web.sh [seconds]     (default 10)
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
bash "$ROOT/scripts/web.sh" --build-only >/dev/null
(cd "$ROOT/web" && npm ci --no-audit --no-fund --loglevel=error >/dev/null)
uptime
node "$ROOT/web/measure.js" "$ROOT/build-web" "${1:-10}"
