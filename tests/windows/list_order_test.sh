#!/usr/bin/env bash
# orvane-cli.exe list and orvane.exe's chip list under Wine, for each locale of the
# oracle lists (tests/data/list-order): both show the names in the order the sorted
# list box of that locale gave them.
# Usage: list_order_test.sh ORVANE.EXE ORVANE-CLI.EXE LIST_ROWS.EXE
set -u
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
[ $# -eq 3 ] || { echo "usage: list_order_test.sh ORVANE.EXE ORVANE-CLI.EXE LIST_ROWS.EXE" >&2; exit 2; }
[ -x "${ORVANE_WINE64:-/usr/lib/wine/wine64}" ] || { echo "skipped: wine64 is not installed"; exit 0; }
command -v Xvfb >/dev/null || { echo "skipped: Xvfb is not installed"; exit 0; }
. "$here/../win32/wine_env.bash"
. "$here/../support/xvfb.bash"

# The prefix is readied on a display of its own; Wine's session must then begin on this
# one, so nothing of Wine may still run.
bash "$here/../win32/run_wine.sh" prepare >/dev/null || exit 1
"$wineserver" -w
work=$(mktemp -d /tmp/orvane-list-order-XXXXXX)
trap '[ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null; rm -rf "$work"' EXIT
xvfb_start "$work" || { echo "FAIL: Xvfb did not start: $(cat "$work/xvfb.log")" >&2; exit 1; }
python3 "$here/../cli/list_order_test.py" "$2" --wine "$here/run_suite.sh" --editor "$1" "$3"
status=$?
"$wineserver" -w
exit $status
