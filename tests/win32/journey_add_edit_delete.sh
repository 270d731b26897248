#!/usr/bin/env bash
# A whole-program journey of tests/journeys run in orvane.exe under Wine, checked on the
# bytes the Linux journey expects: by default a person adds an I2C chip, edits it and
# deletes it, by keyboard only. Usage: journey_add_edit_delete.sh EXE [STEPS]
# (STEPS: a steps file of tests/journeys, add_edit_delete_steps.bash unless given, or
# the path of another)
set -u
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
exe=${1:?usage: journey_add_edit_delete.sh ORVANE_EXE [STEPS]}
steps=${2:-add_edit_delete_steps.bash}
[ -f "$exe" ] || { echo "FAIL: no program at $exe" >&2; exit 1; }
[ -x "${ORVANE_WINE64:-/usr/lib/wine/wine64}" ] || { echo "skipped: wine64 is not installed"; exit 0; }
. "$here/wine_env.bash"
. "$here/../journeys/journey_lib.bash"

# The prefix is readied on a display of its own; Wine's session must then begin on the
# journey's display, so nothing of Wine may still run.
bash "$here/run_wine.sh" prepare >/dev/null || exit 1
"$wineserver" -w

# The journey starts "the program" in a fresh folder: here Wine running the executable,
# with the arguments a journey gives it.
launch_dir=$(mktemp -d /tmp/orvane-wine-launch-XXXXXX)
printf '#!/bin/sh\nexec "%s" "%s" "$@"\n' "$wine" "$(cd "$(dirname "$exe")" && pwd)/$(basename "$exe")" >"$launch_dir/orvane"
chmod +x "$launch_dir/orvane"
journey_start "$launch_dir/orvane"
trap '"$wineserver" -k 2>/dev/null; journey_cleanup; rm -rf "$launch_dir"' EXIT
case $steps in
*/*) . "$steps" ;;
*) . "$here/../journeys/$steps" ;;
esac
