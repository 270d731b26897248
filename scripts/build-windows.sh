#!/usr/bin/env bash
# Cross-builds the Windows programs into build-win64 with the MinGW-w64 toolchain and
# makes dist/orvane-<version>-win64-setup.exe, the setup program (packaging/windows/orvane.nsi),
# and dist/orvane-<version>-win64.zip for those who want no setup: orvane.exe,
# orvane-cli.exe, README.txt, LICENSE.txt and the starter catalogue Progr.ini. With "test"
# it first runs their tests under Wine, then tries the setup program in a prefix of its own.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${ORVANE_WIN64_BUILD:-$root/build-win64}

for tool in x86_64-w64-mingw32-g++-posix:g++-mingw-w64-x86-64-posix x86_64-w64-mingw32-windres:binutils-mingw-w64-x86-64 \
            makensis:nsis; do
  command -v "${tool%%:*}" >/dev/null || {
    echo "Missing ${tool%%:*}. Run: sudo apt-get install -y ${tool##*:}" >&2
    exit 1
  }
done

cmake -S "$root" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
  -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=ON >/dev/null
cmake --build "$build" -j2
if [ "${1:-}" = test ]; then
  # The Wine prefix is made once, before tests that may start side by side.
  bash "$root/tests/windows/run_suite.sh" cmd /c ver >/dev/null
  (cd "$build" && ctest --output-on-failure -j2)
fi

version=$(sed -n 's/^project(Orvane VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")
name=orvane-$version-win64
stage=$build/dist/$name
rm -rf "$stage"
mkdir -p "$stage" "$root/dist"
cp "$build/orvane.exe" "$build/orvane-cli.exe" "$stage/"
cp "$root/examples/Progr.ini" "$stage/Progr.ini"
sed 's/$/\r/' "$root/LICENSE" >"$stage/LICENSE.txt"
# Windows' own editors want CRLF line ends.
sed 's/$/\r/' >"$stage/README.txt" <<TEXT
Orvane $version for Windows (64-bit)

Orvane edits Progr.ini, the chip catalogue of a serial-EEPROM device programmer:
its chip types and the settings of every chip.

The setup program puts these in a folder of their own, with a Start menu entry and
"Edit with Orvane" on the right-click menu of .ini files; the zip holds the same.

  orvane.exe      the editor. Put it in the folder that holds your Progr.ini and
                  double-click it, or run "orvane.exe FOLDER" or "orvane.exe FILE".
                  With no Progr.ini there, the first save starts a new one.
  orvane-cli.exe  the same catalogue from the command prompt: list, check, add,
                  edit, export, import and more. Run "orvane-cli.exe --help".
  Progr.ini       a starter catalogue of common serial EEPROMs.

From the zip nothing needs to be installed: both programs run from any folder and
keep no settings of their own. Every save replaces the catalogue as a whole, or,
where that cannot be done, writes it in place and puts the old bytes back on any
failure, so a failed save leaves the old file as it was.
TEXT
zip=$root/dist/$name.zip
rm -f "$zip"
(cd "$build/dist" && cmake -E tar cf "$zip" --format=zip "$name")
setup=$root/dist/$name-setup.exe
makensis -V2 -DVERSION="$version" -DSTAGE="$stage" -DICON="$build/res/orvane.ico" -DOUTFILE="$setup" \
  "$root/packaging/windows/orvane.nsi"
if [ "${1:-}" = test ]; then
  bash "$root/tests/windows/setup_test.sh" "$setup" "$version"
fi
for file in "$stage/orvane.exe" "$stage/orvane-cli.exe" "$zip" "$setup"; do
  printf '%10d bytes  %s\n' "$(stat -c %s "$file")" "${file#"$root"/}"
done
