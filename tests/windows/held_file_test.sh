#!/usr/bin/env bash
# orvane-cli.exe under Wine meets a catalogue another program holds open (file_holder.exe):
# a hold that shares only reading stops add, one that shares nothing stops list, each
# with a message saying what holds the file, and the file stays as it was; a hold that
# ends while the save waits for it lets the save through.
# Usage: held_file_test.sh ORVANE-CLI.EXE FILE_HOLDER.EXE STARTER.INI
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
cli=${1:?usage: held_file_test.sh ORVANE-CLI.EXE FILE_HOLDER.EXE STARTER.INI}
holder=${2:?usage: held_file_test.sh ORVANE-CLI.EXE FILE_HOLDER.EXE STARTER.INI}
starter=${3:?usage: held_file_test.sh ORVANE-CLI.EXE FILE_HOLDER.EXE STARTER.INI}
source "$here/../support/shell_checks.bash"
holder_pid=
trap 'exec 3>&-; [ -z "$holder_pid" ] || wait "$holder_pid" || true; rm -rf "$work"' EXIT

cli_run() {
    local status=0
    bash "$here/run_suite.sh" "$cli" -f "$work/Progr.ini" "$@" >"$work/out" 2>"$work/err" || status=$?
    tr -d '\r' <"$work/err" >"$work/err.txt"
    return "$status"
}

# Starts the holder with its arguments after the file and waits until it holds the file;
# without MS it holds until descriptor 3 closes.
hold() {
    rm -f "$work/release" "$work/held"
    if [ $# -eq 1 ]; then
        mkfifo "$work/release"
        bash "$here/run_suite.sh" "$holder" "$work/Progr.ini" "$@" <"$work/release" >"$work/held" &
        holder_pid=$!
        exec 3>"$work/release"
    else
        bash "$here/run_suite.sh" "$holder" "$work/Progr.ini" "$@" </dev/null >"$work/held" &
        holder_pid=$!
    fi
    for _ in $(seq 150); do
        [ -s "$work/held" ] && break
        sleep 0.1
    done
    [ "$(cat "$work/held" 2>/dev/null)" = y ] || { echo "FAIL: file_holder.exe did not hold the file" >&2; exit 1; }
}

release() {
    exec 3>&-
    wait "$holder_pid" || true
    holder_pid=
}

# The file as it was, and no temporary file of a save beside it.
expect_untouched() {
    cmp -s "$work/Progr.ini" "$starter" || fail "$1: the catalogue changed"
    [ -z "$(find "$work" -name '.Progr.ini.*')" ] || fail "$1: a temporary file was left behind"
}

cp "$starter" "$work/Progr.ini"
hold read
status=0
cli_run add "Held chip" --type 0 || status=$?
release
[ "$status" -eq 1 ] || fail "add on a file held for reading exited $status"
grep -q "^orvane-cli: Cannot save .*Progr.ini: it is open in another program that does not allow it to be changed, such as the programmer's software. Close that program and try again; the catalogue is unchanged.$" "$work/err.txt" ||
    fail "add did not say what holds the file: $(cat "$work/err.txt")"
expect_untouched add

hold none
status=0
cli_run list || status=$?
release
[ "$status" -eq 1 ] || fail "list on a file held by a program that shares nothing exited $status"
grep -q "Cannot read .*Progr.ini: it is open in another program that does not allow it to be read" "$work/err.txt" ||
    fail "list did not say what holds the file: $(cat "$work/err.txt")"
expect_untouched list

# The holder lets go 300 ms after the save's temporary file shows, well within the
# second a save waits.
hold read 300
status=0
cli_run add "Late chip" --type 0 || status=$?
wait "$holder_pid" || true
holder_pid=
[ "$status" -eq 0 ] || fail "add did not go through when the hold ended: $(cat "$work/err.txt")"
cli_run list || true
grep -q "Late chip" "$work/out" || fail "the chip added after the hold ended is not listed"

[ "$failures" -eq 0 ] && echo "held catalogue: reported, unchanged, and saved once let go"
