#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (build-fuzz/, with AddressSanitizer
# and UndefinedBehaviorSanitizer) and runs each for SECONDS (default 30) on a
# copy of its seed corpus in fuzz/corpus/. Any finding fails the run; the
# input that caused it is written to build-fuzz/ as crash-*, timeout-* or leak-*.
#   bash scripts/fuzz.sh [SECONDS]
set -euo pipefail
KIT_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$KIT_ROOT/scripts/setup.sh"

kit_install_missing clang-14 libclang-rt-14-dev
CC=clang-14 CXX=clang++-14 cmake -S "$KIT_ROOT" -B "$KIT_ROOT/build-fuzz" -DKIT_SANITIZE=ON \
  -DKIT_FUZZ=ON -DKIT_BENCHMARKS=OFF -DFUZZ_SECONDS="${1:-30}" >/dev/null
cmake --build "$KIT_ROOT/build-fuzz" -j "$(nproc)" --target fuzz_targets
(cd "$KIT_ROOT/build-fuzz" && ctest -L fuzz --output-on-failure -j "$(nproc)")
