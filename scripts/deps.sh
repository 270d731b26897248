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
  # The sanitizer build and its libFuzzer targets.
  packages+=(clang-14 libclang-rt-14-dev)
  # The locales whose code pages and orders the tests run under, on Linux and under Wine.
  packages+=(locales)
fi
locales=()
[ "${1:-test}" = test ] &&
  locales=(en_US de_DE pl_PL ru_RU el_GR tr_TR ja_JP zh_CN zh_TW ko_KR sv_SE cs_CZ)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
# locale -a spells the code set "utf8".
absent=()
for l in "${locales[@]}"; do
  locale -a 2>/dev/null | grep -qx "$l.utf8" || absent+=("$l")
done
[ ${#missing[@]} -eq 0 ] && [ ${#absent[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
  echo "Missing packages or locales. Run:" >&2
  [ ${#missing[@]} -eq 0 ] || echo "  sudo apt-get install -y ${missing[*]}" >&2
  for l in "${absent[@]}"; do echo "  sudo localedef -i $l -f UTF-8 $l.UTF-8" >&2; done
  exit 1
fi
if [ ${#missing[@]} -ne 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
for l in "${absent[@]}"; do
  echo "Generating the locale $l.UTF-8"
  localedef -i "$l" -f UTF-8 "$l.UTF-8"
done
