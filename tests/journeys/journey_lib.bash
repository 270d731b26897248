# Shared steps of the whole-program journeys: a private X server, the editor started in
# a fresh folder, keyboard input with xdotool, and checks of Progr.ini. Sourced by the
# journey scripts; every wait is bounded so that a journey fails rather than hangs.

journey_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
. "$journey_root/tests/support/xvfb.bash"
journey_orvane=
# The main window's title, as journey_window matches it.
journey_title=${journey_title:-Orvane}
journey_dir=
journey_app_pid=
journey_watchdog_pid=

journey_fail() {
    echo "FAIL: $*" >&2
    if [ -n "${DISPLAY:-}" ] && command -v xwd >/dev/null && command -v convert >/dev/null; then
        xwd -root -silent 2>/dev/null | convert xwd:- "png:$journey_dir/failure.png" 2>/dev/null &&
            echo "screen at failure: $journey_dir/failure.png" >&2 && journey_keep_dir=1
    fi
    exit 1
}

journey_cleanup() {
    [ -n "$journey_watchdog_pid" ] && kill "$journey_watchdog_pid" 2>/dev/null
    [ -n "$journey_app_pid" ] && kill "$journey_app_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    wait 2>/dev/null
    if [ -n "$journey_dir" ] && [ -z "${journey_keep_dir:-}" ]; then
        rm -rf "$journey_dir"
    fi
}

# Skips the journey (exit 0) when no X server or xdotool can be had; starts Xvfb on a
# display it picks itself, and makes a fresh folder holding the starter catalogue.
journey_start() {
    journey_orvane=${1:?usage: $0 /path/to/orvane}
    local tool
    for tool in Xvfb xdotool; do
        if ! command -v "$tool" >/dev/null; then
            echo "skipped: $tool is not installed"
            exit 0
        fi
    done
    command -v python3 >/dev/null || { echo "FAIL: python3 is needed to check the file" >&2; exit 1; }
    [ -x "$journey_orvane" ] || { echo "FAIL: no program at $journey_orvane" >&2; exit 1; }
    journey_orvane=$(cd "$(dirname "$journey_orvane")" && pwd)/$(basename "$journey_orvane")
    trap journey_cleanup EXIT
    trap 'echo "FAIL: interrupted or out of time" >&2; exit 1' INT TERM
    # Each wait below is bounded; this bounds the whole journey as well.
    sleep "${ORVANE_JOURNEY_TIMEOUT:-180}" >/dev/null 2>&1 </dev/null && kill -TERM $$ &
    journey_watchdog_pid=$!
    journey_dir=$(mktemp -d /tmp/orvane-journey-XXXXXX)
    cp "$journey_root/examples/Progr.ini" "$journey_dir/Progr.ini"
    cp "$journey_dir/Progr.ini" "$journey_dir/starter.ini"

    xvfb_start "$journey_dir" || journey_fail "Xvfb did not start: $(cat "$journey_dir/xvfb.log")"
    export QT_QPA_PLATFORM=xcb
}

journey_launch() {
    export LSAN_OPTIONS="suppressions=$journey_root/tests/journeys/lsan.supp:print_suppressions=0${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
    (cd "$journey_dir" && exec "$journey_orvane") >"$journey_dir/orvane.log" 2>&1 &
    journey_app_pid=$!
}

# Waits up to 10 s for a visible window with this title (xdotool matches titles without
# regard to case), other than the window skipped, gives it the keyboard focus and prints
# its id. Fails at once when the program has ended.
journey_window() {
    local title=$1 skip=${2:-none} id= i
    for i in $(seq 50); do
        id=$(xdotool search --onlyvisible --name "^${title}\$" 2>/dev/null | grep -vx "$skip" | head -n1)
        [ -n "$id" ] && break
        kill -0 "$journey_app_pid" 2>/dev/null ||
            journey_fail "the program ended while waiting for '$title': $(cat "$journey_dir/orvane.log")"
        sleep 0.2
    done
    [ -n "$id" ] || journey_fail "no window '$title' within 10 s"
    timeout 5 xdotool windowfocus --sync "$id" 2>/dev/null || journey_fail "cannot focus '$title'"
    sleep 0.3
    echo "$id"
}

# Waits up to 10 s until no visible window has this title.
journey_window_gone() {
    local title=$1 i
    for i in $(seq 50); do
        xdotool search --onlyvisible --name "^${title}\$" >/dev/null 2>&1 || return 0
        sleep 0.2
    done
    journey_fail "window '$title' still open after 10 s"
}

journey_keys() {
    xdotool key --clearmodifiers --delay 80 "$@"
    sleep 0.2
}

# Types a text. Under Wine, with ORVANE_JOURNEY_TYPER naming type_text.exe, a text beyond
# ASCII comes as an input method gives it: xdotool types such characters on keys it maps
# for the moment, which a busy program may read only after they are gone.
journey_type() {
    if [ -n "${ORVANE_JOURNEY_TYPER:-}" ] && LC_ALL=C.UTF-8 grep -q '[^ -~]' <<<"$1"; then
        "$wine" "$ORVANE_JOURNEY_TYPER" "$1" || journey_fail "type_text.exe could not type \"$1\""
    else
        xdotool type --clearmodifiers --delay 40 "$1"
    fi
    sleep 0.2
}

# Saves a picture of a window when ORVANE_SCREENSHOTS names a folder. The window is
# grabbed by its id: a grab of the whole screen shows some dialogs black under Xvfb.
journey_screenshot() {
    local name=$1 id=$2
    [ -n "${ORVANE_SCREENSHOTS:-}" ] || return 0
    mkdir -p "$ORVANE_SCREENSHOTS"
    sleep 0.3
    xwd -id "$id" -silent | python3 "$journey_root/tests/win32/xwd_to_png.py" "$ORVANE_SCREENSHOTS/$name.png" ||
        echo "note: screenshot $name failed" >&2
}

# Runs a python3 check on Progr.ini (and starter.ini beside it) until it passes or 10 s
# have gone by; the check prints what differs and exits non-zero while it fails.
journey_check_file() {
    local what=$1 script=$2 i
    for i in $(seq 50); do
        (cd "$journey_dir" && python3 -c "$journey_reader$script") >"$journey_dir/check.log" 2>&1 && return 0
        sleep 0.2
    done
    journey_fail "$what: $(cat "$journey_dir/check.log")"
}

# From the chip list as it opens: Add New, the first type (I2C) and, in its form, a name
# and a length, then Enter for OK. The focus starts on Cancel and Tab passes the list to
# reach Add New; in Select Type, Tab twice from OK reaches the list, Down and Up pick the
# first type and Enter presses the default button; the I2C form opens on OK, with Name
# and Lenght the last two tab stops before it.
journey_add_i2c() {
    local name=$1 length=$2
    journey_keys Tab Tab Return
    journey_window "Select Type" >/dev/null
    journey_keys Tab Tab Down Up Return
    journey_window_gone "Select Type"
    local form
    form=$(journey_window "Setup I2C Memory")
    journey_keys shift+Tab shift+Tab
    journey_type "$name"
    journey_keys Tab
    journey_type "$length"
    journey_screenshot i2c-form "$form"
    journey_keys Return
}

# Ends the program with Esc in its main window and waits up to 10 s for it to exit 0.
journey_quit() {
    journey_window "$journey_title" >/dev/null
    journey_keys Escape
    local i
    for i in $(seq 50); do
        if ! kill -0 "$journey_app_pid" 2>/dev/null; then
            wait "$journey_app_pid"
            local rc=$?
            journey_app_pid=
            [ "$rc" -eq 0 ] || journey_fail "the program exited with $rc"
            return 0
        fi
        sleep 0.2
    done
    journey_fail "the program did not end on Esc"
}

# A reader of the catalogue format for the checks: load(path) gives (types, entries)
# with entries as (name bytes, settings bytes). Short and strict on purpose: it refuses
# anything but the shortest encodings the editor writes.
journey_reader='
import sys
def load(path):
    data = open(path, "rb").read()
    pos = 0
    def take(n):
        nonlocal pos
        if pos + n > len(data):
            sys.exit("%s: ends at byte %d" % (path, pos))
        chunk = data[pos:pos + n]
        pos += n
        return chunk
    def string():
        n = take(1)[0]
        if n == 0xFF:
            n = int.from_bytes(take(2), "little")
        return take(n)
    types = [string() for _ in range(int.from_bytes(take(2), "little"))]
    entries = [(string(), take(12)) for _ in range(int.from_bytes(take(4), "little", signed=True))]
    if pos != len(data):
        sys.exit("%s: %d bytes after the catalogue" % (path, len(data) - pos))
    return types, entries
def expect(got, want, what):
    if got != want:
        sys.exit("%s: got %r, want %r" % (what, got, want))
def expect_last(name, hex_settings, what):
    types, entries = load("Progr.ini")
    starter_types, starter_entries = load("starter.ini")
    expect(types, starter_types, "type names")
    expect(entries[:-1], starter_entries, "earlier entries")
    expect(entries[-1], (name, bytes.fromhex(hex_settings)), what)
'
