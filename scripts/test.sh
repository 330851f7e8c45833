#!/usr/bin/env bash
# Builds Corvana and runs its whole test suite, then a short run of every fuzz target.
#   scripts/test.sh             the normal build in build/
#   scripts/test.sh --sanitize  the same suite built with ASan, UBSan and LSan in build-asan/
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh

build=build
options=()
if [ "${1:-}" = "--sanitize" ]; then
  build=build-asan
  options=(-DCORVANA_SANITIZE=ON -DCORVANA_BENCH=OFF -DCMAKE_BUILD_TYPE=Debug)
  # Leaks fail too; the suppressions name only memory the platform's own libraries
  # keep until exit.
  export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
  export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
  export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
fi

cmake -S . -B "$build" -G Ninja "${options[@]}" >/dev/null
cmake --build "$build"
ctest --test-dir "$build" --output-on-failure -j2 --timeout 300

if [ "$build" = build ]; then
  scripts/fuzz.sh
fi
