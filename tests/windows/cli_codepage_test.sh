#!/usr/bin/env bash
# orvane-cli.exe under Wine takes names from its UTF-16 command line into the catalogue's
# code page: each name is added and listed, and checked on the stored bytes; a name the
# page cannot hold is refused and leaves the file as it was.
# Usage: cli_codepage_test.sh ORVANE-CLI.EXE STARTER.INI
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
cli=${1:?usage: cli_codepage_test.sh ORVANE-CLI.EXE STARTER.INI}
starter=${2:?usage: cli_codepage_test.sh ORVANE-CLI.EXE STARTER.INI}
work=$(mktemp -d /tmp/orvane-cli-cp-XXXXXX)
trap 'rm -rf "$work"' EXIT
failures=0

# page  name    stored bytes (empty: refused)
cases=(
    "1252|Café|43 61 66 E9"
    "1251|Жук-25|C6 F3 EA 2D 32 35"
    "1252|Жук|"
    "1251|Café|"
)
for row in "${cases[@]}"; do
    IFS='|' read -r page name hex <<<"$row"
    cp "$starter" "$work/Progr.ini"
    status=0
    bash "$here/run_suite.sh" "$cli" -f "$work/Progr.ini" --codepage "$page" add "$name" --type 0 \
        >"$work/out" 2>"$work/err" || status=$?
    listed=$(bash "$here/run_suite.sh" "$cli" -f "$work/Progr.ini" --codepage "$page" list | tr -d '\r')
    verdict=$(python3 - "$work/Progr.ini" "$starter" "$hex" "$name" "$listed" "$status" "$(cat "$work/err")" <<'PY'
import sys
path, starter, hex_, name, listed, status, err = sys.argv[1:]
data, before = open(path, "rb").read(), open(starter, "rb").read()
if hex_:
    stored = bytes.fromhex(hex_)
    if status != "0":
        print(f"exit {status}: {err}")
    elif bytes([len(stored)]) + stored not in data:
        print(f"the name is not stored as {hex_}")
    elif name not in listed:
        print(f"list does not show {name}: {listed[-200:]}")
elif status != "2" or data != before:
    print(f"exit {status}, file {'changed' if data != before else 'unchanged'}: the name should be refused")
elif "lacks" not in err:
    print(f"the refusal does not say why: {err}")
PY
)
    if [ -n "$verdict" ]; then
        echo "FAIL: code page $page, \"$name\": $verdict" >&2
        failures=$((failures + 1))
    else
        echo "ok: code page $page, \"$name\" ${hex:+stored as $hex}$([ -n "$hex" ] || echo refused)"
    fi
done

# A file name reaches the file layer in the system's ANSI code page (1252 here): one it
# can hold is found, one it cannot is refused by name.
mkdir "$work/Café"
cp "$starter" "$work/Café/Progr.ini"
if ! bash "$here/run_suite.sh" "$cli" -f "$work/Café/Progr.ini" list >/dev/null 2>"$work/err"; then
    echo "FAIL: a catalogue in a folder named Café was not found: $(cat "$work/err")" >&2
    failures=$((failures + 1))
fi
status=0
bash "$here/run_suite.sh" "$cli" -f "$work/Жук.ini" list >/dev/null 2>"$work/err" || status=$?
if [ "$status" -ne 2 ] || ! grep -q "the file name .* has U+0416" "$work/err"; then
    echo "FAIL: a file name outside code page 1252 gave exit $status: $(cat "$work/err")" >&2
    failures=$((failures + 1))
fi
[ "$failures" -eq 0 ]
