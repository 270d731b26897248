# The steps of the part-number question journey, shared by the program on Linux and
# orvane.exe under Wine: a person adds a 24LC64 with the wrong length, answers No to the
# question OK asks, types the right length over the selected one and saves, by keyboard
# only. Sourced after journey_start.
journey_launch

main=$(journey_window Orvane)
journey_add_i2c 24LC64 4096

# The question is captioned with the program's name; No is its default button.
journey_window orvane "$main" >/dev/null
journey_keys Return
journey_check_file "after No" '
expect(open("Progr.ini", "rb").read(), open("starter.ini", "rb").read(), "file")
'

# The form is still open with the focus in Lenght and its text selected, so typing
# replaces it. A second question would keep the form open.
journey_window "Setup I2C Memory" >/dev/null
journey_type "8192"
journey_keys Return
journey_window_gone "Setup I2C Memory"
journey_check_file "after OK" '
expect_last(b"24LC64", "80 00 20 00 20 10 10 08 A0 00 10 00", "new entry")
'

journey_quit
echo "passed: the part-number question, answered No, then the length corrected"
