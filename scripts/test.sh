#!/usr/bin/env bash
# Builds and runs every test twice: a normal build, then an address and
# undefined-behaviour sanitizer build with clang, whose tests also run each libFuzzer
# target for half a minute; then the Windows build under Wine.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/deps.sh" test

run_suite() {
  local dir=$1; shift
  cmake -S "$root" -B "$dir" "$@" >/dev/null
  cmake --build "$dir" -j2
  (cd "$dir" && ctest --output-on-failure -j2)
}

run_suite "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON -DORVANE_BENCH=ON
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  run_suite "$root/build-asan" -DCMAKE_CXX_COMPILER=clang++-14 -DCMAKE_BUILD_TYPE=Debug -DORVANE_SANITIZE=ON \
  -DORVANE_FUZZ=ON -DBUILD_TESTING=ON -DORVANE_BENCH=OFF
bash "$root/scripts/check-install.sh" "$root/build"
# The Windows programs, cross-built and tested under Wine, their zip and their setup program.
bash "$root/scripts/build-windows.sh" test
