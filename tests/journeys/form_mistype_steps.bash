# The steps of the mistyped-pin journey, shared by the program on Linux and orvane.exe
# under Wine, by keyboard only. In each setup form a person types a name, mistypes the
# clock pin as 9, ticks power pin 1, changes a data pin, corrects the clock pin to 6 and
# saves. The tick and the data pin change each show one prompt for the clock pin, which
# Enter closes; the focus then waits in the clock pin with its text selected. A second
# prompt for one action would take the keys meant for the form, and the bytes would
# differ: the name and the new data pin must both be stored. Sourced after journey_start.
journey_launch

# Closes the one prompt an action shows, a message box captioned with the program's
# name, and gives the keyboard back to the form.
close_prompt() {
    journey_window orvane "$main" >/dev/null
    journey_keys Return
    journey_window "$form" >/dev/null
}

# Presses a key N times.
repeat_key() {
    journey_keys $(printf "$1 %.0s" $(seq "$2"))
}

# From the form as it opens, the focus on OK: TO_NAME tab stops back to the Name box,
# TO_CLK more to the clock pin, eight more to power pin 1, then TO_DATA forward from the
# clock pin to the data pin.
mistype_in_form() {
    local form=$1 name=$2 to_name=$3 to_clk=$4 to_data=$5
    journey_window "$form" >/dev/null
    repeat_key shift+Tab "$to_name"
    journey_type "$name"
    repeat_key shift+Tab "$to_clk"
    journey_type "9"
    repeat_key shift+Tab 8
    journey_keys space
    close_prompt
    repeat_key Tab "$to_data"
    journey_type "4"
    close_prompt
    journey_type "6"
    journey_keys Return
}

main=$(journey_window Orvane)
# Add New, then the first type (I2C): Name is two tab stops back from OK, Pin CLK three
# back from Name, Pin DATA one after Pin CLK.
journey_keys Tab Tab Return
journey_window "Select Type" >/dev/null
journey_keys Tab Tab Home Return
mistype_in_form "Setup I2C Memory" "ZZ mistyped I2C" 2 3 1
journey_window_gone "Setup I2C Memory"
journey_check_file "after the I2C form" '
expect_last(b"ZZ mistyped I2C", "81 80 00 01 20 08 08 08 A1 00 08 00", "I2C entry")
'

# Add New again (the focus is back on it), then the second type (Microwire x8): Name is
# six tab stops back from OK, Pin CLK just before it, Pin DATAIn three after Pin CLK.
journey_window Orvane >/dev/null
journey_keys Return
journey_window "Select Type" >/dev/null
journey_keys Tab Tab Home Down Return
mistype_in_form "Setup Microwire Memory" "ZZ mistyped Microwire" 6 1 3
journey_window_gone "Setup Microwire Memory"
journey_check_file "after the Microwire form" '
types, entries = load("Progr.ini")
expect(entries[-1], (b"ZZ mistyped Microwire", bytes.fromhex("81 80 00 06 20 08 08 01 00 08 08 01")), "Microwire entry")
expect(len(entries), len(load("starter.ini")[1]) + 2, "entry count")
'

journey_quit
echo "passed: a mistyped clock pin, one prompt per action, the typed data pin stored, in both forms"
