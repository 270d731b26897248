#!/usr/bin/env bash
# orvane-cli.exe under Wine takes names from its UTF-16 command line into the catalogue's
# code page: each name is added and listed, and checked on the stored bytes; a name the
# page cannot hold is refused and leaves the file as it was. Paths may hold any script.
# Usage: cli_codepage_test.sh ORVANE-CLI.EXE STARTER.INI
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
cli=${1:?usage: cli_codepage_test.sh ORVANE-CLI.EXE STARTER.INI}
starter=${2:?usage: cli_codepage_test.sh ORVANE-CLI.EXE STARTER.INI}
source "$here/../support/shell_checks.bash"

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
        fail "code page $page, \"$name\": $verdict"
    else
        echo "ok: code page $page, \"$name\" ${hex:+stored as $hex}$([ -n "$hex" ] || echo refused)"
    fi
done

# Paths reach the file layer in UTF-16 whatever the ANSI code page (1252 here): in a
# folder named in Greek and Japanese, and a file named in Cyrillic, catalogues are
# listed, changed, exported and imported, while the names inside stay in the page.
folder="Ελληνικά 日本"
mkdir "$work/$folder"
cp "$starter" "$work/$folder/Progr.ini"
in_folder() {
    (cd "$work" && bash "$here/run_suite.sh" "$cli" "$@") >"$work/out" 2>"$work/err"
}
steps=(
    "list|-f|$folder/Progr.ini|list"
    "add|-f|$folder/Progr.ini|add|Café 2|--type|0"
    "edit|-f|$folder/Progr.ini|edit|Café 2|--name|Café 3"
    "export|-f|$folder/Progr.ini|export|-o|$folder/Жук.json"
    "import|-f|$folder/Жук.ini|import|$folder/Жук.json"
)
for row in "${steps[@]}"; do
    IFS='|' read -r -a args <<<"$row"
    in_folder "${args[@]:1}" || fail "${args[0]} in \"$folder\": $(cat "$work/err")"
done
if ! cmp -s "$work/$folder/Жук.ini" "$work/$folder/Progr.ini"; then
    fail "the catalogue imported in \"$folder\" differs from the one exported"
elif ! stored_as "$work/$folder/Progr.ini" "43 61 66 E9 20 33"; then
    fail "the edited name is not stored in code page 1252"
else
    echo "ok: catalogues in \"$folder\" listed, changed, exported and imported"
fi
[ "$failures" -eq 0 ]
