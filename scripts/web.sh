#!/usr/bin/env bash
# Builds a browser page of every arcade program into build-web/ (with an
# index.html linking them) and serves the folder on a local port.
#   bash scripts/web.sh [--build-only] [port]      (default port 8000)
set -euo pipefail
KIT_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$KIT_ROOT/scripts/setup.sh"

BUILD_ONLY=false
PORT=8000
for arg in "$@"; do
  case "$arg" in
    --build-only) BUILD_ONLY=true ;;
    *) PORT="$arg" ;;
  esac
done

# The compiler, and the parser its optimiser loads from Debian's node modules
# (found through NODE_PATH when the machine's node is not Debian's).
kit_install_missing emscripten node-acorn
export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}

emcmake cmake -S "$KIT_ROOT" -B "$KIT_ROOT/build-web" -DCMAKE_BUILD_TYPE=Release -DKIT_WERROR=ON >/dev/null
cmake --build "$KIT_ROOT/build-web" --target web_pages -j "$(nproc)"
echo "Pages: $KIT_ROOT/build-web/index.html"

if [ "$BUILD_ONLY" = true ]; then
  exit 0
fi
echo "Serving the games at http://127.0.0.1:$PORT/ (Ctrl-C stops)"
cd "$KIT_ROOT/build-web"
exec python3 -m http.server "$PORT" --bind 127.0.0.1
