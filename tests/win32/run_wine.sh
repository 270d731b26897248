#!/usr/bin/env bash
# Runs the cross-built Windows programs under Wine on a private Xvfb display.
#   run_wine.sh test EXE [FILTER]     the backend tests; exit code of the program
#   run_wine.sh keys EXE              the probe dialog driven by real keys via xdotool
#   run_wine.sh imports EXE...        each program imports only DLLs Windows ships
#   run_wine.sh shots DIR EXE         screenshots of the probe and the five templates
#   run_wine.sh prepare               makes the prefix ready, for a script that starts
#                                     its own display (see journey_add_edit_delete.sh)
# The Wine prefix is made once and kept (ORVANE_WINEPREFIX, by default under ~/.cache).
# Every wait is bounded, so a run fails rather than hangs.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
mode=${1:?usage: run_wine.sh test|keys|imports|shots|prepare ...}
shift
. "$here/wine_env.bash"
. "$here/../support/xvfb.bash"

work=
app_pid=
watchdog_pid=

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

cleanup() {
    set +e
    [ -n "$watchdog_pid" ] && kill "$watchdog_pid" 2>/dev/null
    [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null
    # Ends what Wine still runs in this prefix, so nothing holds the display.
    "$wineserver" -k 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    wait 2>/dev/null
    [ -n "$work" ] && rm -rf "$work"
    return 0
}

# The DLLs a program may import: all ship with every Windows since 7.
check_imports() {
    local objdump=${OBJDUMP:-x86_64-w64-mingw32-objdump} exe dll bad=0
    local allowed=" kernel32.dll user32.dll gdi32.dll comctl32.dll msvcrt.dll advapi32.dll shell32.dll comdlg32.dll ole32.dll oleaut32.dll oleacc.dll "
    command -v "$objdump" >/dev/null || fail "$objdump is not installed"
    for exe in "$@"; do
        [ -f "$exe" ] || fail "no program at $exe"
        local dlls
        dlls=$("$objdump" -p "$exe" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr 'A-Z' 'a-z')
        [ -n "$dlls" ] || fail "$exe: no import table found"
        for dll in $dlls; do
            if [[ "$allowed" != *" $dll "* ]]; then
                echo "$exe imports $dll, which Windows does not ship" >&2
                bad=1
            fi
        done
        echo "$(basename "$exe") ($(stat -c %s "$exe") bytes) imports:" $dlls
    done
    [ "$bad" -eq 0 ] || exit 1
}

start_display() {
    local tool
    for tool in Xvfb "$wine"; do
        command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 0; }
    done
    trap cleanup EXIT
    trap 'echo "FAIL: interrupted or out of time" >&2; exit 1' INT TERM
    sleep "${ORVANE_WINE_TIMEOUT:-240}" >/dev/null 2>&1 </dev/null && kill -TERM $$ &
    watchdog_pid=$!
    work=$(mktemp -d /tmp/orvane-wine-XXXXXX)
    xvfb_start "$work" || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
    wine_prefix_ready || fail "the Wine prefix could not be made"
    wine_set_dpi "${ORVANE_WINE_DPI:-96}" || fail "cannot set the screen's scale in the Wine prefix"
    # Xvfb has no window manager: Wine then draws the frames itself, and does not wait
    # about a second for a manager at every window shown or hidden.
    if [ ! -f "$WINEPREFIX/.orvane-unmanaged" ]; then
        "$wine" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >"$work/reg.log" 2>&1 ||
            fail "cannot set up the Wine prefix: $(cat "$work/reg.log")"
        "$wineserver" -w
        touch "$WINEPREFIX/.orvane-unmanaged"
    fi
}

# Waits up to 15 s for a visible window with this title and prints its id.
find_window() {
    local title=$1 id= i
    for i in $(seq 75); do
        id=$(xdotool search --onlyvisible --name "^${title}\$" 2>/dev/null | head -n1)
        [ -n "$id" ] && { echo "$id"; return 0; }
        kill -0 "$app_pid" 2>/dev/null || return 1
        sleep 0.2
    done
    return 1
}

# The program's output without the carriage returns of its text-mode console.
app_log() {
    tr -d '\r' <"$work/app.log"
}

# Waits up to 10 s for the program's output to hold a line.
wait_for_line() {
    local line=$1 i
    for i in $(seq 50); do
        app_log | grep -qxF "$line" && return 0
        sleep 0.2
    done
    return 1
}

screenshot() {
    xwd -root -silent | python3 "$here/xwd_to_png.py" "$1"
}

case $mode in
imports)
    check_imports "$@"
    ;;
test)
    exe=${1:?usage: run_wine.sh test EXE [FILTER]}
    start_display
    "$wine" "$exe" ${2:+"$2"}
    ;;
keys)
    exe=${1:?usage: run_wine.sh keys EXE}
    command -v xdotool >/dev/null || { echo "skipped: xdotool is not installed"; exit 0; }
    start_display
    "$wine" "$exe" >"$work/app.log" 2>&1 &
    app_pid=$!
    id=$(find_window Conformance) || fail "the probe dialog did not appear: $(app_log)"
    xdotool windowfocus --sync "$id" 2>/dev/null || true
    # F1 asks for help; the focus starts in the entry box with its text selected, so
    # typing replaces it; Tab x7 reaches Go (Digits List Act Ask Tell OK Go), which
    # Space presses; Shift+Tab goes back to OK, which Enter presses.
    xdotool key --delay 60 F1
    xdotool type --delay 60 'keys'
    xdotool key --delay 60 Tab Tab Tab Tab Tab Tab Tab space shift+Tab Return
    wait_for_line "result 1" || fail "Enter did not end the dialog with OK: $(app_log)"
    wait "$app_pid" || true
    app_pid=
    app_log | grep -qxF "text keys" || fail "the typed text did not arrive: $(app_log)"
    [ "$(app_log | grep -cxF "notify 250 768")" -eq 4 ] || fail "expected four EN_CHANGE of the entry box: $(app_log)"
    app_log | grep -qxF "notify 210 0" || fail "Space did not press Go: $(app_log)"
    [ "$(app_log | grep -cxF "notify 57670 0")" -eq 1 ] || fail "F1 did not ask for help exactly once: $(app_log)"
    echo "keyboard journey passed"
    ;;
prepare)
    start_display
    ;;
shots)
    dir=${1:?usage: run_wine.sh shots DIR EXE}
    exe=${2:?usage: run_wine.sh shots DIR EXE}
    mkdir -p "$dir"
    dir=$(cd "$dir" && pwd)
    command -v xdotool >/dev/null || fail "xdotool is needed"
    start_display
    for shot in "Conformance:" "Orvane:102" "Select Type:130" "Edit string:133" "Setup I2C Memory:131" \
                "Setup Microwire Memory:132"; do
        title=${shot%%:*}
        tmpl=${shot##*:}
        "$wine" "$exe" ${tmpl:+--template "$tmpl"} >"$work/app.log" 2>&1 &
        app_pid=$!
        id=$(find_window "$title") || fail "$title did not appear: $(app_log)"
        sleep 1
        name=$(echo "${tmpl:-probe}" | tr -c 'a-z0-9\n' '_')
        screenshot "$dir/dialog-$name.png"
        xdotool windowfocus --sync "$id" key Escape 2>/dev/null || true
        for i in $(seq 25); do kill -0 "$app_pid" 2>/dev/null || break; sleep 0.2; done
        kill "$app_pid" 2>/dev/null || true
        wait "$app_pid" 2>/dev/null || true
        app_pid=
        echo "$title: $dir/dialog-$name.png"
    done
    ;;
*)
    fail "unknown mode $mode"
    ;;
esac
