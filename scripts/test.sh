#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: once on the
# optimised build, once under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh

cmake --preset release
cmake --build --preset release
ctest --preset release

cmake --preset asan
cmake --build --preset asan
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ctest --preset asan

# A few seconds of each fuzz target on its corpus, so a target that no longer
# builds or breaks on its own seeds is noticed.
if command -v clang++ >/dev/null; then
  scripts/fuzz.sh 5
fi
