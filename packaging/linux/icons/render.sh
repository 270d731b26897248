#!/usr/bin/env bash
# Renders the committed PNG icons from the hand-drawn SVGs (needs rsvg-convert from
# librsvg2-bin). Each size comes from the drawing whose grid it is a whole multiple of,
# so that every edge lands on a pixel; 24 has a drawing of its own.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
id=io.github.orvane.Orvane
source_for() {
  case $1 in
    16 | 48) echo "$here/src/orvane-16.svg" ;;
    24) echo "$here/src/orvane-24.svg" ;;
    *) echo "$here/$id.svg" ;;
  esac
}
for size in 16 24 32 48 64 128 256; do
  mkdir -p "$here/${size}x${size}"
  rsvg-convert -w "$size" -h "$size" -o "$here/${size}x${size}/$id.png" "$(source_for "$size")"
done
