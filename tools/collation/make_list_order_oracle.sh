#!/usr/bin/env bash
# Writes tests/data/list-order/LOCALE.sorted: the order in which a real sorted list box
# shows the names of common.names followed by LOCALE.names, added in that order, under
# Wine with that locale (its ANSI code page and user locale). Needs the MinGW-w64
# compiler, Wine, Xvfb and the locales generated (scripts/deps.sh does it).
# Usage: make_list_order_oracle.sh [LOCALE...]   (all of the folder's lists by default)
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
data=$root/tests/data/list-order
. "$root/tests/win32/wine_env.bash"
. "$root/tests/support/xvfb.bash"

work=$(mktemp -d /tmp/orvane-oracle-XXXXXX)
trap '[ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null; rm -rf "$work"' EXIT
x86_64-w64-mingw32-g++-posix -O2 -static -Wall -Wextra -o "$work/ListBoxOrder.exe" "$root/tools/collation/ListBoxOrder.cpp"
# A list box is a window, and Wine's windows need a display.
xvfb_start "$work" || { echo "Xvfb did not start: $(cat "$work/xvfb.log")" >&2; exit 1; }

if [ $# -eq 0 ]; then
    set -- $(cd "$data" && ls *.names | sed -n 's/\.names$//p' | grep -v '^common$')
fi
for locale in "$@"; do
    cat "$data/common.names" "$data/$locale.names" >"$work/names.txt"
    ORVANE_WINE_LANG=$locale.UTF-8 bash "$root/tests/windows/run_suite.sh" "$work/ListBoxOrder.exe" \
        "$work/names.txt" >"$work/sorted.txt"
    head -n1 "$work/sorted.txt" | grep -q "user locale ${locale/_/-}\$" ||
        { echo "$locale: Wine did not take the locale: $(head -n1 "$work/sorted.txt")" >&2; exit 1; }
    mv "$work/sorted.txt" "$data/$locale.sorted"
    echo "$locale: $(head -n1 "$data/$locale.sorted")"
done
