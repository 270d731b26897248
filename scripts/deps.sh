#!/usr/bin/env bash
# Installs the Debian packages a task needs, when any is missing: "run" for building and
# running the editor and orvane-cli, "test" for that and every test (the default).
# As root it runs apt-get; otherwise it prints the line to run.
set -euo pipefail

packages=(cmake g++ make qt6-base-dev libcli11-dev nlohmann-json3-dev)
if [ "${1:-test}" = test ]; then
  packages+=(libgtest-dev libgmock-dev libbenchmark-dev xvfb xdotool x11-apps python3
             googletest g++-mingw-w64-x86-64-posix wine64)
  # The Windows setup program, and the fonts the Wine tests install into their prefix.
  packages+=(nsis fonts-wine)
  # The install checks: desktop entry, metainfo, package dependencies and lint, manual
  # pages, completion.
  packages+=(desktop-file-utils appstream dpkg-dev lintian groff-base bash-completion)
fi
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
else
  echo "Missing packages. Run:" >&2
  echo "  sudo apt-get install -y ${missing[*]}" >&2
  exit 1
fi
