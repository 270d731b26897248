#!/usr/bin/env bash
# Cross-builds the Windows programs into build-win64 with the MinGW-w64 toolchain and,
# with "test", runs their tests under Wine on a private Xvfb display.
# For now the Windows build holds the framework, the Win32 backend and its test
# programs; the editor, orvane-cli and the zip follow once the file layer runs there.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${ORVANE_WIN64_BUILD:-$root/build-win64}

for tool in x86_64-w64-mingw32-g++-posix x86_64-w64-mingw32-windres; do
  command -v "$tool" >/dev/null || {
    echo "Missing $tool. Run: sudo apt-get install -y g++-mingw-w64-x86-64-posix" >&2
    exit 1
  }
done

cmake -S "$root" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
  -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=ON >/dev/null
cmake --build "$build" -j2
if [ "${1:-}" = test ]; then
  (cd "$build" && ctest --output-on-failure)
fi
