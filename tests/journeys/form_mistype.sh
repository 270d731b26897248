#!/usr/bin/env bash
# A person mistypes a pin in each setup form and corrects it, by keyboard only, in the
# real program: one prompt per action, and nothing typed is lost.
# Usage: form_mistype.sh ORVANE
set -u
. "$(dirname "$0")/journey_lib.bash"
journey_start "$@"
. "$(dirname "$0")/form_mistype_steps.bash"
