#!/usr/bin/env bash
# Sets up, builds and runs every test: the debug build's tests (GUI tests on the offscreen
# platform included), a short run of every fuzz target, the ThreadSanitizer build's tests of
# everything that runs on workers, and the address and undefined-behaviour sanitizer build's
# non-GUI tests and soak with the leak checker.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh

jobs=$(nproc)
cmake --preset debug
cmake --build --preset debug -j "$jobs"
ctest --preset debug -j "$jobs"

# A short run of every fuzz target (scripts/fuzz.sh 600 for a longer one).
scripts/fuzz.sh 6

cmake --preset tsan
cmake --build --preset tsan -j "$jobs"
ctest --preset tsan -j "$jobs"

cmake --preset sanitize
cmake --build --preset sanitize -j "$jobs"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ctest --preset sanitize -j "$jobs"
