#!/usr/bin/env bash
# A person adds a 24LC64 with a length the part does not have, answers No to the
# question, corrects the length and saves, by keyboard only, in the real program.
# Usage: part_question_i2c.sh ORVANE
set -u
. "$(dirname "$0")/journey_lib.bash"
journey_start "$@"
. "$(dirname "$0")/part_question_steps.bash"
