#!/usr/bin/env bash
# Runs a cross-built Windows program under Wine: run_suite.sh EXE [ARGS...].
# CMake uses it as the emulator of the Windows build, so ctest runs every test program
# through it. The Wine prefix (ORVANE_WINEPREFIX, by default under ~/.cache) is made on
# first use, under a lock, since ctest may start several programs at once. Console
# programs need no display, so none is started.
set -euo pipefail

. "$(dirname "${BASH_SOURCE[0]}")/../win32/wine_env.bash"
wine_prefix_ready
exec "$wine" "$@"
