# The Wine the Windows tests run under, sourced by their scripts: wine64 from Debian's
# package, quiet, in a prefix made once and kept (ORVANE_WINEPREFIX, by default under
# ~/.cache), with the Western ANSI code page whatever the machine's locale.
wine=${ORVANE_WINE64:-/usr/lib/wine/wine64}
wineserver=$(dirname "$wine")/wineserver
export WINEDEBUG=-all
export WINEPREFIX=${ORVANE_WINEPREFIX:-${XDG_CACHE_HOME:-${HOME:-/tmp}/.cache}/orvane/wine64}
# C.UTF-8 is on every glibc system, where en_US.UTF-8 may not be: without a locale that
# the system has, Wine reads the Unix side's arguments and file names as 7-bit ASCII.
# For C Wine takes the Western ANSI code page, 1252. ORVANE_WINE_LANG names another
# locale (it must be generated on the machine): Wine then gives its ANSI code page and
# user locale to each program it starts, so programs of several locales can share the
# prefix, even side by side.
export LANG=${ORVANE_WINE_LANG:-C.UTF-8} LC_ALL=
# No Mono or Gecko: nothing here needs them, and a fresh prefix would offer to fetch
# them. No winemenubuilder: it would write menu entries and file associations for the
# host's desktop.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=;winemenubuilder.exe=d}

# The prefix is ready once this file is there: made, with the fonts, and kept off the
# host's desktop. A prefix that a run left half made is finished by the next.
wine_ready_mark=$WINEPREFIX/.orvane-ready

# Makes the prefix if it is not ready, under a lock, since tests may start side by side.
# Each wineboot is bounded in time; its output is kept and shown if it fails twice.
wine_prefix_ready() {
    [ -f "$wine_ready_mark" ] && return 0
    [ -x "$wine" ] || { echo "Wine is not installed at $wine (apt-get install wine64)" >&2; return 1; }
    mkdir -p "$WINEPREFIX"
    (
        flock -w 600 9 || { echo "timed out waiting for the Wine prefix $WINEPREFIX to be made" >&2; exit 1; }
        [ -f "$wine_ready_mark" ] && exit 0
        wine_boot && wine_install_fonts && wine_keep_off_host && touch "$wine_ready_mark"
    ) 9>"$WINEPREFIX.lock"
}

wine_boot() {
    local log=$WINEPREFIX.wineboot.log try rc
    for try in 1 2; do
        rc=0
        timeout "${ORVANE_WINEBOOT_TIMEOUT:-300}" "$wine" wineboot -i >"$log" 2>&1 &&
            timeout 120 "$wineserver" -w || rc=$?
        [ "$rc" -eq 0 ] && return 0
        # timeout exits 124 when the time ran out.
        echo "wineboot failed in $WINEPREFIX (try $try of 2, exit $rc); its output:" >&2
        tail -n 40 "$log" >&2
        "$wineserver" -k 2>/dev/null
    done
    return 1
}

# Debian's Wine does not look for its fonts where fonts-wine puts them; in the prefix's
# Fonts folder it finds them, and dialogs show "MS Sans Serif" at the widths Windows has.
wine_install_fonts() {
    local fonts=${ORVANE_WINE_FONTS:-/usr/share/wine/fonts}
    if ! ls "$fonts"/*.ttf >/dev/null 2>&1; then
        echo "No Wine fonts in $fonts (apt-get install fonts-wine)" >&2
        return 1
    fi
    mkdir -p "$WINEPREFIX/drive_c/windows/Fonts"
    cp "$fonts"/* "$WINEPREFIX/drive_c/windows/Fonts/"
}

# What is installed in the prefix stays there: no file associations on the host.
wine_keep_off_host() {
    "$wine" reg add 'HKCU\Software\Wine\FileOpenAssociations' /v Enable /d N /f >"$WINEPREFIX.reg.log" 2>&1 &&
        timeout 60 "$wineserver" -w ||
        { echo "cannot set up the Wine prefix $WINEPREFIX: $(cat "$WINEPREFIX.reg.log")" >&2; return 1; }
}

# The screen's scale for the programs started next: 96 pixels per inch is 100 %, 144 is
# 150 %. Wine reads it as a program starts.
wine_set_dpi() {
    local dpi=$1
    local now
    now=$(awk '/^\[/ { desktop = /^\[Control Panel\\\\Desktop\]/ } desktop && /^"LogPixels"=/' \
        "$WINEPREFIX/user.reg" 2>/dev/null)
    [ "$now" = "\"LogPixels\"=dword:$(printf '%08x' "$dpi")" ] && return 0
    "$wine" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1 &&
        timeout 60 "$wineserver" -w
}
