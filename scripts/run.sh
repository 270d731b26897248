#!/usr/bin/env bash
# Builds the editor and starts it on the working folder's catalogue, copying the
# starter catalogue there first when the folder has none.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/deps.sh" run
cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF -DORVANE_BENCH=OFF >/dev/null
cmake --build "$root/build" -j2 --target orvane
mkdir -p "$root/work"
if [ ! -e "$root/work/Progr.ini" ] && [ -f "$root/examples/Progr.ini" ]; then
  cp "$root/examples/Progr.ini" "$root/work/Progr.ini"
fi
cd "$root/work"
exec "$root/build/orvane" "$@"
