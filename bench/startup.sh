#!/usr/bin/env bash
# Start-up time of the editor beside a bare Qt dialog program built the same way: each
# program is started N times, ends right after its first paint (ORVANE_EXIT_AFTER_SHOW=1),
# and the median wall time of the two is compared. Target: editor <= 1.3 x bare.
#
#   bench/startup.sh [BUILD_DIR] [N]     (default build, 30 runs)
#   XVFB=1 bench/startup.sh ...          under a private Xvfb instead of offscreen
#   CHECK=1 bench/startup.sh ...         exit 1 when the ratio is above 1.3
set -euo pipefail

ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD=$(cd "${1:-$ROOT/build}" && pwd)
RUNS=${2:-30}
ORVANE=$BUILD/orvane
BARE=$BUILD/bench/bare_qt_dialog
for program in "$ORVANE" "$BARE"; do
    [[ -x $program ]] || { echo "startup.sh: $program is missing; build with -DORVANE_BENCH=ON" >&2; exit 2; }
done

WORK=$(mktemp -d /tmp/orvane-startup-XXXXXX)
XVFB_PID=
cleanup() {
    [[ -n $XVFB_PID ]] && kill "$XVFB_PID" 2>/dev/null || true
    rm -rf "$WORK"
}
trap cleanup EXIT
[[ -f $ROOT/examples/Progr.ini ]] && cp "$ROOT/examples/Progr.ini" "$WORK/"

if [[ ${XVFB:-0} == 1 ]]; then
    for n in $(seq 90 120); do [[ -e /tmp/.X11-unix/X$n ]] || break; done
    Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    XVFB_PID=$!
    export DISPLAY=":$n"
    unset WAYLAND_DISPLAY QT_QPA_PLATFORM
    for _ in $(seq 50); do [[ -e /tmp/.X11-unix/X$n ]] && break; sleep 0.1; done
    PLATFORM="Xvfb $DISPLAY"
else
    export QT_QPA_PLATFORM=offscreen
    PLATFORM=offscreen
fi
export ORVANE_EXIT_AFTER_SHOW=1

# Prints the median of N runs in milliseconds.
median_ms() {
    local program=$1 times=() start end
    for _ in $(seq "$RUNS"); do
        start=$(date +%s%N)
        (cd "$WORK" && "$program" >/dev/null 2>&1) || { echo "startup.sh: $program failed" >&2; exit 2; }
        end=$(date +%s%N)
        times+=($(( (end - start) / 1000 )))
    done
    printf '%s\n' "${times[@]}" | sort -n | awk '{a[NR]=$1} END {m = (NR % 2) ? a[(NR+1)/2] : (a[NR/2] + a[NR/2+1]) / 2; printf "%.1f\n", m / 1000}'
}

# One unmeasured start each warms the file cache.
(cd "$WORK" && "$BARE" >/dev/null 2>&1 && "$ORVANE" >/dev/null 2>&1) || true
BARE_MS=$(median_ms "$BARE")
ORVANE_MS=$(median_ms "$ORVANE")
RATIO=$(awk -v a="$ORVANE_MS" -v b="$BARE_MS" 'BEGIN {printf "%.2f", a / b}')
echo "platform: $PLATFORM, runs: $RUNS"
echo "bare Qt dialog: $BARE_MS ms (median)"
echo "orvane:         $ORVANE_MS ms (median)"
echo "ratio:          $RATIO (target <= 1.30)"
if [[ ${CHECK:-0} == 1 ]] && awk -v r="$RATIO" 'BEGIN {exit !(r > 1.3)}'; then
    exit 1
fi
