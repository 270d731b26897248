#!/usr/bin/env bash
# Times whole runs of orvane-cli: list on 100,000 chips (goal: under 150 ms), check on
# 1,000,000 chips (goal: under 2 s), and merge: a catalogue of 1,000,000 chips into
# itself (under 3 s) and 10,000 chips into 100,000 (under 500 ms). Prints the best and
# the median of RUNS runs.
# Usage: bench/cli_bench.sh [path/to/orvane-cli] [runs]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cli=${1:-$root/build/orvane-cli}
runs=${2:-7}
[ -x "$cli" ] || { echo "cli_bench: $cli: not built (cmake --build build --target orvane-cli)" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
python3 "$root/bench/gen_catalog.py" 100000 "$work/list.ini"
python3 "$root/bench/gen_catalog.py" 1000000 "$work/check.ini"
python3 "$root/bench/gen_catalog.py" 10000 "$work/more.ini" 2

# Runs the command RUNS times and prints "best median" in milliseconds.
time_ms() {
  local times=()
  for _ in $(seq "$runs"); do
    local t0 t1
    t0=$(date +%s%N)
    "$@" >/dev/null || [ $? -le 1 ]
    t1=$(date +%s%N)
    times+=($(( (t1 - t0) / 1000000 )))
  done
  printf '%s\n' "${times[@]}" | sort -n | awk '{a[NR]=$1} END {print a[1], a[int((NR+1)/2)]}'
}

report() {
  local label=$1 goal=$2; shift 2
  read -r best median < <(time_ms "$@")
  local verdict=ok
  [ "$median" -lt "$goal" ] || verdict=SLOW
  printf '%-34s best %5d ms  median %5d ms  goal < %d ms  %s\n' "$label" "$best" "$median" "$goal" "$verdict"
}

echo "orvane-cli: $cli ($runs runs each)"
report "list, 100,000 chips" 150 "$cli" -f "$work/list.ini" list
report "list --file-order, 100,000 chips" 150 "$cli" -f "$work/list.ini" list --file-order
report "check, 1,000,000 chips" 2000 "$cli" -f "$work/check.ini" check
report "merge into itself, 1,000,000" 3000 "$cli" -f "$work/check.ini" merge "$work/check.ini"
report "merge 10,000 into 100,000" 500 "$cli" -f "$work/list.ini" merge "$work/more.ini" --dry-run
