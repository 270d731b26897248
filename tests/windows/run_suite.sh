#!/usr/bin/env bash
# Runs a cross-built Windows program under Wine: run_suite.sh EXE [ARGS...].
# CMake uses it as the emulator of the Windows build, so ctest runs every test program
# through it. The Wine prefix (ORVANE_WINEPREFIX, by default under ~/.cache) is made on
# first use, under a lock, since ctest may start several programs at once. Console
# programs need no display, so none is started.
set -euo pipefail

wine=${ORVANE_WINE64:-/usr/lib/wine/wine64}
export WINEDEBUG=-all
export WINEPREFIX=${ORVANE_WINEPREFIX:-${XDG_CACHE_HOME:-${HOME:-/tmp}/.cache}/orvane/wine64}
# No Mono or Gecko: nothing here needs them, and a fresh prefix would offer to fetch them.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
# The Western ANSI code page, whatever the machine's locale.
export LANG=en_US.UTF-8 LC_ALL=

[ -x "$wine" ] || { echo "Wine is not installed at $wine (apt-get install wine64)" >&2; exit 1; }

if [ ! -f "$WINEPREFIX/system.reg" ]; then
    mkdir -p "$WINEPREFIX"
    (
        flock -w 120 9 || { echo "timed out waiting for the Wine prefix to be made" >&2; exit 1; }
        if [ ! -f "$WINEPREFIX/system.reg" ]; then
            "$wine" wineboot -i >/dev/null 2>&1 || { echo "wineboot failed in $WINEPREFIX" >&2; exit 1; }
            "$(dirname "$wine")/wineserver" -w
        fi
    ) 9>"$WINEPREFIX.lock"
fi

exec "$wine" "$@"
