#!/usr/bin/env bash
# Tries the setup program as an administrator would, silently, in a Wine prefix made
# afresh for it: for the current user (the default) and for all users (/ALLUSERS), it
# checks the files, the Start menu shortcut, the uninstall entry and the right-click
# verb of .ini files, runs the installed orvane-cli.exe, then uninstalls silently and
# checks that nothing of it is left. Usage: setup_test.sh SETUP.EXE VERSION
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
setup=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
version=${2:?usage: setup_test.sh SETUP.EXE VERSION}

# A prefix of its own, beside the tests' one, made anew each time.
base=${ORVANE_WINEPREFIX:-${XDG_CACHE_HOME:-${HOME:-/tmp}/.cache}/orvane/wine64}
export ORVANE_WINEPREFIX=${ORVANE_SETUP_WINEPREFIX:-$base-setup}
if [ -d "$ORVANE_WINEPREFIX" ]; then
    [ -f "$ORVANE_WINEPREFIX/system.reg" ] || { echo "FAIL: $ORVANE_WINEPREFIX is not a Wine prefix; not removing it" >&2; exit 1; }
    rm -rf "$ORVANE_WINEPREFIX"
fi
. "$here/../win32/wine_env.bash"
wine_prefix_ready

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Runs a Windows program and waits for everything it started, the uninstaller's copy of
# itself included, within a minute.
run() {
    timeout 120 "$wine" "$@"
    timeout 60 "$wineserver" -w
}

# Prints the values of a registry key as NAME=DATA lines; nothing when it is absent.
reg_values() {
    "$wine" reg query "$1" 2>/dev/null | tr -d '\r' |
        sed -n 's/^    \([^ ].*[^ ]\)    REG_[A-Z_]*    \(.*\)$/\1=\2/p; s/^    (Default)    REG_[A-Z_]*    \(.*\)$/(Default)=\1/p' | sort -u
}

expect_value() {
    local key=$1 pair=$2
    reg_values "$key" | grep -qxF "$pair" || fail "$key lacks $pair; it holds: $(reg_values "$key" | tr '\n' ' ')"
}

# Menu entries and file associations that Wine wrote for the host's desktop name the
# prefix they start programs in.
host_desktop() {
    grep -rlF "$WINEPREFIX" "${XDG_DATA_HOME:-$HOME/.local/share}/applications" \
        "${XDG_DATA_HOME:-$HOME/.local/share}/mime" "${XDG_CONFIG_HOME:-$HOME/.config}/menus" 2>/dev/null || true
}

users=$WINEPREFIX/drive_c/users/$(id -un)
# mode, option, registry, install folder, Start menu, whether the user saves over the
# starter catalogue before uninstalling (then that file alone stays).
modes=(
    "current|        |HKCU|$users/AppData/Local/Programs/Orvane|$users/AppData/Roaming/Microsoft/Windows/Start Menu/Programs|no"
    "all    |/ALLUSERS|HKLM|$WINEPREFIX/drive_c/Program Files/Orvane|$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs|yes"
)
for row in "${modes[@]}"; do
    IFS='|' read -r mode option root dir menu saves <<<"$row"
    mode=${mode// /} option=${option// /}
    uninstall_key="$root\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Orvane"
    verb_key="$root\\Software\\Classes\\SystemFileAssociations\\.ini\\shell\\Orvane.Edit"
    run "$setup" /S $option || fail "$mode: the silent install exited $?"

    for file in orvane.exe orvane-cli.exe Progr.ini README.txt LICENSE.txt uninstall.exe; do
        [ -f "$dir/$file" ] || fail "$mode: $dir/$file was not installed"
    done
    [ -f "$menu/Orvane.lnk" ] || fail "$mode: no Start menu shortcut in $menu"
    python3 - "$menu/Orvane.lnk" <<'PY' || fail "$mode: the shortcut does not start orvane.exe --ask"
import sys
text = open(sys.argv[1], "rb").read()
sys.exit(0 if "--ask".encode("utf-16-le") in text and b"orvane.exe" in text.lower() else 1)
PY
    win_dir=$("$wine" winepath -w "$dir" 2>/dev/null | tr -d '\r')
    for pair in "DisplayName=Orvane" "DisplayVersion=$version" "Publisher=The Orvane developers" \
                "DisplayIcon=$win_dir\\orvane.exe,0" "UninstallString=\"$win_dir\\uninstall.exe\""; do
        expect_value "$uninstall_key" "$pair"
    done
    expect_value "$verb_key" "(Default)=Edit with Orvane"
    expect_value "$verb_key\\command" "(Default)=\"$win_dir\\orvane.exe\" \"%1\""
    # The default program of .ini files stays Windows' own.
    [ -z "$(reg_values "$root\\Software\\Classes\\.ini")" ] || [ "$root" = HKLM ] ||
        fail "$mode: the setup changed $root\\Software\\Classes\\.ini"

    shown=$(timeout 60 "$wine" "$dir/orvane-cli.exe" --version | tr -d '\r')
    [ "$shown" = "orvane-cli $version" ] || fail "$mode: the installed orvane-cli.exe --version said '$shown'"

    if [ "$saves" = yes ]; then
        sleep 1
        printf 'saved by the user' >"$dir/Progr.ini.new" && mv "$dir/Progr.ini.new" "$dir/Progr.ini"
    fi
    run "$dir/uninstall.exe" /S || fail "$mode: the silent uninstall exited $?"
    if [ "$saves" = yes ]; then
        [ "$(cat "$dir/Progr.ini" 2>/dev/null)" = "saved by the user" ] || fail "$mode: the user's catalogue was removed"
        rm "$dir/Progr.ini"
        rmdir "$dir" 2>/dev/null || fail "$mode: the uninstaller left $(find "$dir" | tr '\n' ' ')"
    fi
    [ ! -e "$dir" ] || fail "$mode: the uninstaller left $(find "$dir" | tr '\n' ' ')"
    [ ! -e "$menu/Orvane.lnk" ] || fail "$mode: the uninstaller left the shortcut"
    [ -z "$(reg_values "$uninstall_key")" ] || fail "$mode: the uninstall entry is still there"
    [ -z "$(reg_values "$verb_key")" ] || fail "$mode: the right-click verb is still there"
    echo "setup for $mode: installed, checked and uninstalled silently"
done
[ -z "$(host_desktop)" ] || fail "Wine wrote to the host's desktop: $(host_desktop)"
"$wineserver" -k 2>/dev/null || true
rm -rf "$WINEPREFIX" "$WINEPREFIX.lock" "$WINEPREFIX".*.log
echo "setup program passed"
