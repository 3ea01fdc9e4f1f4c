#!/usr/bin/env bash
# Builds everything and runs every test: once in a normal build (build/), once
# with AddressSanitizer and UndefinedBehaviorSanitizer (build-asan/), the
# browser pages (build-web/) in headless Chromium, then the libFuzzer targets
# for a bounded time each (build-fuzz/, clang).
set -euo pipefail
KIT_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$KIT_ROOT/scripts/setup.sh"

kit_install_missing

kit_build build
(cd "$KIT_ROOT/build" && ctest --output-on-failure -j "$(nproc)")

kit_build build-asan -DKIT_SANITIZE=ON -DKIT_BENCHMARKS=OFF
(cd "$KIT_ROOT/build-asan" && ctest --output-on-failure -j "$(nproc)")

# The browser pages in Debian's headless Chromium, driven by puppeteer-core.
bash "$KIT_ROOT/scripts/web.sh" --build-only
kit_install_missing chromium
command -v npm >/dev/null || kit_install_missing nodejs npm
(cd "$KIT_ROOT/web" && npm ci --no-audit --no-fund --loglevel=error)
(cd "$KIT_ROOT/build-web" && ctest --output-on-failure -L browser)

# The fuzz targets, 30 seconds each.
bash "$KIT_ROOT/scripts/fuzz.sh" 30
