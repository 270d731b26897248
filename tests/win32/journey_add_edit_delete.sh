#!/usr/bin/env bash
# A person adds an I2C chip, edits it and deletes it, by keyboard only, in orvane.exe
# under Wine; Progr.ini is checked after each step on the bytes the Linux journey
# (tests/journeys/add_edit_delete_i2c.sh) expects. Usage: journey_add_edit_delete.sh EXE
set -u
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
exe=${1:?usage: journey_add_edit_delete.sh ORVANE_EXE}
[ -f "$exe" ] || { echo "FAIL: no program at $exe" >&2; exit 1; }
[ -x "${ORVANE_WINE64:-/usr/lib/wine/wine64}" ] || { echo "skipped: wine64 is not installed"; exit 0; }
. "$here/wine_env.bash"
. "$here/../journeys/journey_lib.bash"

# The prefix is readied on a display of its own; Wine's session must then begin on the
# journey's display, so nothing of Wine may still run.
bash "$here/run_wine.sh" prepare >/dev/null || exit 1
"$wineserver" -w

# The journey starts "the program" in a fresh folder: here Wine running the executable.
launch_dir=$(mktemp -d /tmp/orvane-wine-launch-XXXXXX)
printf '#!/bin/sh\nexec "%s" "%s"\n' "$wine" "$(cd "$(dirname "$exe")" && pwd)/$(basename "$exe")" >"$launch_dir/orvane"
chmod +x "$launch_dir/orvane"
journey_start "$launch_dir/orvane"
trap '"$wineserver" -k 2>/dev/null; journey_cleanup; rm -rf "$launch_dir"' EXIT
journey_launch

# Chip list: the focus starts on Cancel; Tab passes the list and reaches Add New.
main=$(journey_window Orvane)
journey_keys Tab Tab Return

# Select Type: from OK, Tab twice reaches the list, which has no selection yet; the
# first key selects the row with the focus rectangle, the first type (I2C), and Up keeps
# it. Enter in the list presses the default button.
journey_window "Select Type" >/dev/null
journey_keys Tab Tab Down Up Return
journey_window_gone "Select Type"

# The I2C form opens on OK; Name and Lenght are the last two tab stops before it.
journey_window "Setup I2C Memory" >/dev/null
journey_keys shift+Tab shift+Tab
journey_type "ZZ journey"
journey_keys Tab
journey_type "512"
journey_keys Return
journey_window_gone "Setup I2C Memory"
journey_check_file "after Add New" '
types, entries = load("Progr.ini")
starter_types, starter_entries = load("starter.ini")
expect(types, starter_types, "type names")
expect(entries[:-1], starter_entries, "earlier entries")
expect(entries[-1], (b"ZZ journey", bytes.fromhex("80 00 02 11 20 10 10 08 A0 00 10 00")), "new entry")
'

# Back in the list, which sorts the new chip last. Windows' list box makes the first key
# in a list without a selection select the focus row, so Home, then End to the new chip,
# then Edit chip.
journey_window Orvane >/dev/null
journey_keys shift+Tab Home End Tab Tab Return
journey_window "Setup I2C Memory" >/dev/null
journey_keys shift+Tab
journey_type "1024"
journey_keys Return
journey_window_gone "Setup I2C Memory"
journey_check_file "after Edit chip" '
types, entries = load("Progr.ini")
starter_types, starter_entries = load("starter.ini")
expect(entries[:-1], starter_entries, "earlier entries")
expect(entries[-1], (b"ZZ journey", bytes.fromhex("80 00 04 11 20 10 10 08 A0 00 10 00")), "edited entry")
'

# Select the chip again, press Delete Chip and answer the question with Enter (Yes).
journey_window Orvane >/dev/null
journey_keys shift+Tab shift+Tab Home End Tab Tab Tab Return
# The question is captioned with the program's name, as the main window is.
journey_window orvane "$main" >/dev/null
journey_keys Return
journey_check_file "after Delete Chip" '
expect(open("Progr.ini", "rb").read(), open("starter.ini", "rb").read(), "file")
'

journey_quit
echo "passed: Add New, Edit chip and Delete Chip by keyboard in orvane.exe"
