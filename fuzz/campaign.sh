#!/usr/bin/env bash
# Runs the libFuzzer targets of a build one after another, at low priority, each on its
# seed corpus, and reports per target the executions, the time, the coverage and any
# finding. Exits 1 when a target found something; the input and the report are kept.
#
#   fuzz/campaign.sh [-t SECONDS | -n RUNS] [-o FOLDER] BUILD [TARGET...]
#
# -t and -n bound each target's run (default: 10 million executions); -o is where new
# inputs, findings and logs go (default BUILD/fuzz/campaign). TARGET is load, codepage,
# partname, start or json; the default is every target the build has.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)

limit=(-runs=10000000)
out=
while getopts t:n:o: opt; do
  case $opt in
    t) limit=(-max_total_time="$OPTARG") ;;
    n) limit=(-runs="$OPTARG") ;;
    o) out=$OPTARG ;;
    *) exit 2 ;;
  esac
done
shift $((OPTIND - 1))
[ $# -ge 1 ] || { sed -n '6p' "$0" >&2; exit 2; }
build=$(cd "$1" && pwd)
shift
out=${out:-$build/fuzz/campaign}
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(load codepage partname start json)

# The longest input worth trying: a catalogue file or a JSON document is long, a chip
# name or a command line is short, and shorter inputs run many times faster.
max_len() {
  case $1 in
    codepage|partname) echo 128 ;;
    start) echo 256 ;;
    *) echo 4096 ;;
  esac
}

status=0
printf '%-9s %12s %8s %7s %7s %7s  %s\n' target executions seconds cov ft corpus findings
for t in "${targets[@]}"; do
  program=$build/fuzz/fuzz_$t
  if [ ! -x "$program" ]; then
    [ $# -eq 0 ] && continue
    echo "$t: $program is not built" >&2
    exit 2
  fi
  dir=$out/$t
  mkdir -p "$dir/found"
  rm -f "$dir"/crash-* "$dir"/leak-* "$dir"/timeout-* "$dir"/oom-* "$dir"/slow-unit-*
  options=("${limit[@]}" -max_len="$(max_len "$t")" -malloc_limit_mb=256 -timeout=10
           -print_final_stats=1 -artifact_prefix="$dir/")
  [ -f "$here/dict/$t.dict" ] && options+=(-dict="$here/dict/$t.dict")
  start=$(date +%s)
  nice "$program" "${options[@]}" "$dir/found" "$here/corpus/$t" >"$dir/log" 2>&1 || true
  seconds=$(($(date +%s) - start))
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$dir/log" | tail -1)
  last=$(grep -E '^#[0-9]+' "$dir/log" | tail -1 || true)
  cov=$(sed -n 's/.* cov: \([0-9]*\).*/\1/p' <<<"$last")
  ft=$(sed -n 's/.* ft: \([0-9]*\).*/\1/p' <<<"$last")
  corp=$(sed -n 's/.* corp: \([0-9]*\).*/\1/p' <<<"$last")
  findings=$(cd "$dir" && ls crash-* leak-* timeout-* oom-* 2>/dev/null | tr '\n' ' ' || true)
  printf '%-9s %12s %8s %7s %7s %7s  %s\n' "$t" "${runs:-?}" "$seconds" "${cov:-?}" "${ft:-?}" "${corp:-?}" \
    "${findings:-none}"
  if [ -n "$findings" ] || ! grep -q '^Done ' "$dir/log"; then
    status=1
    echo "--- $t: $dir/log" >&2
    grep -v '^#[0-9]' "$dir/log" | tail -60 >&2
  fi
done
exit $status
