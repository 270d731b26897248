#!/usr/bin/env bash
# A person renames a chip type through Edit Type and Edit string, then leaves the form
# that the renamed type opens with Esc; only the type name changes in Progr.ini.
# Usage: rename_type.sh ORVANE (ORVANE_SCREENSHOTS=DIR also saves pictures).
set -u
. "$(dirname "$0")/journey_lib.bash"
journey_start "$@"
journey_launch

journey_window Orvane >/dev/null
journey_keys Tab Tab Return

# Down, Up, Down selects the second row whether or not the first arrow key lands on the
# first row.
types=$(journey_window "Select Type")
journey_screenshot select-type "$types"
journey_keys Tab Tab Down Up Down
journey_screenshot select-type-row "$types"
journey_keys Tab Return

# Edit string opens on OK with the type's name; Shift+Tab reaches the box and selects
# its text, so typing replaces it.
edit=$(journey_window "Edit string")
journey_screenshot edit-string "$edit"
journey_keys shift+Tab
journey_type "93Cxx byte-wide"
journey_screenshot edit-string-typed "$edit"
journey_keys Return
journey_window_gone "Edit string"

# Back in Select Type the list is refilled with nothing selected: pick the renamed type
# again and press OK, which saves; its position still opens the Microwire form.
journey_window "Select Type" >/dev/null
journey_keys shift+Tab Down Up Down Return
journey_window "Setup Microwire Memory" >/dev/null
journey_keys Escape
journey_window_gone "Setup Microwire Memory"
journey_check_file "after renaming" '
types, entries = load("Progr.ini")
starter_types, starter_entries = load("starter.ini")
expect(types, [starter_types[0], b"93Cxx byte-wide"] + starter_types[2:], "type names")
expect(entries, starter_entries, "entries")
'

journey_quit
echo "passed: a type renamed by keyboard"
