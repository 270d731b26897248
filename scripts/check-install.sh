#!/usr/bin/env bash
# Checks what an install puts in place, on a configured and built build folder (default
# build/): the desktop entry, the AppStream metainfo, the manual pages and the bash
# completion are valid and cover every subcommand; an install into a staging folder holds
# exactly packaging/linux/installed-files.txt; the Debian package holds the same files and
# lintian finds no error in it.
set -euo pipefail
export LC_ALL=C  # one sort order for the file lists
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
linux=$root/packaging/linux
id=io.github.orvane.Orvane
work=$(mktemp -d /tmp/orvane-check-install-XXXXXX)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
step() { echo "== $*"; }

step desktop entry
desktop-file-validate "$linux/$id.desktop" || fail "desktop-file-validate"

step AppStream metainfo
appstreamcli validate --no-net "$linux/$id.metainfo.xml" || fail "appstreamcli validate"

step manual pages
for page in "$linux/orvane.1" "$linux/orvane-cli.1"; do
  out=$(groff -ww -man -z "$page" 2>&1) || fail "groff failed on $page"
  [ -z "$out" ] || fail "groff warns on $(basename "$page"): $out"
done

# The subcommands orvane-cli itself offers, from its help.
mapfile -t subcommands < <("$build/orvane-cli" --help | sed -n '/^Subcommands:/,$p' | awk 'NR > 1 && NF { print $1 }')
[ ${#subcommands[@]} -ge 10 ] || fail "could not read the subcommands from orvane-cli --help"
for sub in "${subcommands[@]}"; do
  grep -q "^\.SS \"\?${sub//-/\\\\-}\b" "$linux/orvane-cli.1" || fail "orvane-cli.1 has no section for $sub"
done

step bash completion
complete_words() {
  bash -c 'source "$1"; shift; COMP_WORDS=("$@"); COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
           COMP_LINE="$*"; COMP_POINT=${#COMP_LINE}; _orvane_cli; printf "%s\n" "${COMPREPLY[@]}"' \
    _ "$linux/orvane-cli.bash" "$@"
}
offered=$(complete_words orvane-cli "")
for sub in "${subcommands[@]}"; do
  grep -qx -- "$sub" <<<"$offered" || fail "completion does not offer $sub"
done
[ "$(complete_words orvane-cli -f x.ini rena)" = rename-type ] || fail "completion after -f FILE"
[ "$(complete_words orvane-cli list --fam)" = --family ] || fail "completion of a subcommand's option"
[ "$(complete_words orvane-cli export --format "" | tr '\n' ' ')" = "json csv " ] || fail "completion of a value"

step staged install
DESTDIR="$work/stage" cmake --install "$build" --prefix /usr >/dev/null
(cd "$work/stage" && find . \( -type f -o -type l \) | sed 's|^\./|/|' | sort) >"$work/installed.txt"
diff -u "$linux/installed-files.txt" "$work/installed.txt" || fail "the staged install differs from installed-files.txt"

step Debian package
(cd "$build" && cpack -G DEB >"$work/cpack.log" 2>&1) || { cat "$work/cpack.log" >&2; fail "cpack -G DEB"; }
deb=$(ls "$build"/orvane_*_*.deb | head -n 1)
dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { sub(/^\./, "", $6); print $6 }' | sort >"$work/packaged.txt"
diff -u "$linux/installed-files.txt" "$work/packaged.txt" || fail "the package holds other files than installed-files.txt"
dpkg-deb -f "$deb" Depends | grep -q libqt6widgets6 || fail "the package does not depend on the Qt libraries"
lintian --fail-on error --display-info "$deb" 2>&1 | grep -v 'running with root privileges' | tee "$work/lintian.txt" || true
! grep -q '^E:' "$work/lintian.txt" || fail "lintian reports errors"

if [ "$failures" -ne 0 ]; then
  echo "check-install: $failures check(s) failed" >&2
  exit 1
fi
echo "check-install: all checks passed ($deb)"
