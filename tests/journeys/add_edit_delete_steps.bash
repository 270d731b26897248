# The steps of the add, edit and delete journey, shared by the program on Linux and
# orvane.exe under Wine: a person adds an I2C chip, edits it and deletes it, by keyboard
# only; Progr.ini is checked after each step. Sourced after journey_start.
# ORVANE_JOURNEY_NAME names the chip (it must sort after the starter's chips) and
# ORVANE_JOURNEY_NAME_HEX gives its bytes in the system's code page.
name=${ORVANE_JOURNEY_NAME:-ZZ journey}
name_hex=${ORVANE_JOURNEY_NAME_HEX:-$(printf %s "$name" | od -An -tx1 | tr -d ' \n')}
journey_launch

main=$(journey_window "$journey_title")
journey_screenshot chip-list "$main"
journey_add_i2c "$name" 512
journey_window_gone "Setup I2C Memory"
journey_check_file "after Add New" "
expect_last(bytes.fromhex('$name_hex'), '80 00 02 11 20 10 10 08 A0 00 10 00', 'new entry')
"

# Back in the list, which sorts the new chip last: select it and press Edit chip. A
# Windows list box without a selection spends the first key on selecting the focus
# row, so Home comes before End.
journey_window "$journey_title" >/dev/null
journey_keys shift+Tab Home End Tab Tab Return
journey_window "Setup I2C Memory" >/dev/null
journey_keys shift+Tab
journey_type "1024"
journey_keys Return
journey_window_gone "Setup I2C Memory"
journey_check_file "after Edit chip" "
expect_last(bytes.fromhex('$name_hex'), '80 00 04 11 20 10 10 08 A0 00 10 00', 'edited entry')
"

# Select the chip again, press Delete Chip and answer the question with Enter (Yes).
journey_window "$journey_title" >/dev/null
journey_keys shift+Tab shift+Tab Home End Tab Tab Tab Return
# The question is captioned with the program's name, as the main window is.
journey_window orvane "$main" >/dev/null
journey_keys Return
journey_check_file "after Delete Chip" '
expect(open("Progr.ini", "rb").read(), open("starter.ini", "rb").read(), "file")
'

journey_quit
echo "passed: Add New, Edit chip and Delete Chip by keyboard"
