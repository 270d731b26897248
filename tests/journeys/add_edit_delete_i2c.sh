#!/usr/bin/env bash
# A person adds an I2C chip, edits it and deletes it, by keyboard only, in the real
# program; Progr.ini is checked after each step. Usage: add_edit_delete_i2c.sh ORVANE
set -u
. "$(dirname "$0")/journey_lib.bash"
journey_start "$@"
. "$(dirname "$0")/add_edit_delete_steps.bash"
