#!/usr/bin/env bash
# Line and branch coverage of everything that runs without a window: builds
# build-cov/ with coverage counters, runs every test but the window tests,
# and reports per file and in total (HTML in build-cov/coverage/index.html).
set -euo pipefail
KIT_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$KIT_ROOT/scripts/setup.sh"

kit_install_missing gcovr
kit_build build-cov -DKIT_COVERAGE=ON -DKIT_BENCHMARKS=OFF >/dev/null
find "$KIT_ROOT/build-cov" -name '*.gcda' -delete
(cd "$KIT_ROOT/build-cov" && ctest -LE 'window|memcheck' -j "$(nproc)" >/dev/null)

mkdir -p "$KIT_ROOT/build-cov/coverage"
cd "$KIT_ROOT"
# Tests, test support, tools and the programs' window-only parts are not measured.
gcovr --root . --object-directory build-cov \
  --exclude '.*/tests/.*' --exclude 'testing/.*' --exclude 'fuzz/.*' --exclude 'tools/.*' \
  --exclude 'build.*' --exclude '.*/bench/.*' --exclude '.*_bench\.cpp' \
  --exclude 'ui/showcase\.cpp' --exclude 'games/rocks/rubblons\.cpp' \
  --exclude 'games/[a-z]*/main\.cpp' --exclude 'ui/sound\.cpp' \
  --exclude-throw-branches --exclude-unreachable-branches \
  --html-details build-cov/coverage/index.html --print-summary --txt
