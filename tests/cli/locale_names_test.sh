#!/usr/bin/env bash
# orvane-cli on systems whose code page is each locale's: a name of that page is added,
# listed, shown, edited, exported and imported with no --codepage, and checked on the
# stored bytes; then read back under a Western locale by --codepage.
# Usage: locale_names_test.sh STARTER.INI "LOCALE..." CLI [ARGS...]
# CLI [ARGS...] runs the tool, such as build/orvane-cli, or tests/windows/run_suite.sh
# with orvane-cli.exe, which Wine starts under ORVANE_WINE_LANG.
set -euo pipefail
starter=${1:?usage: locale_names_test.sh STARTER.INI \"LOCALE...\" CLI [ARGS...]}
locales=${2:?usage: locale_names_test.sh STARTER.INI \"LOCALE...\" CLI [ARGS...]}
shift 2
[ $# -gt 0 ] || { echo "usage: locale_names_test.sh STARTER.INI \"LOCALE...\" CLI [ARGS...]" >&2; exit 2; }
source "$(dirname "${BASH_SOURCE[0]}")/../support/shell_checks.bash"

# locale  page  name  stored bytes; the double-byte names have trail bytes that are a
# backslash or a letter.
names=(
    "ja_JP|932|表示ソフト|95 5C 8E A6 83 5C 83 74 83 67"
    "zh_CN|936|乀Test|81 54 54 65 73 74"
    "zh_TW|950|許功蓋|B3 5C A5 5C BB 5C"
    "ko_KR|949|갂똠|81 41 8C 63"
    "pl_PL|1250|Łódź|A3 F3 64 9F"
    "ru_RU|1251|Жук|C6 F3 EA"
)

# Runs the tool in the work folder under a locale; its output goes to $work/out.
run() {
    local locale=$1
    shift
    (cd "$work" && LC_ALL=$locale ORVANE_WINE_LANG=$locale "${cli[@]}" "$@") >"$work/out" 2>"$work/err"
}

cli=("$@")
for row in "${names[@]}"; do
    IFS='|' read -r locale page name hex <<<"$row"
    case " $locales " in *" $locale "*) ;; *) continue ;; esac
    loc=$locale.UTF-8
    cp "$starter" "$work/Progr.ini"
    run "$loc" add "$name" --type 0 || { fail "$locale: add: $(cat "$work/err")"; continue; }
    stored_as "$work/Progr.ini" "$hex" || fail "$locale: \"$name\" is not stored as $hex"
    run "$loc" list && grep -q "  $name\$" "$work/out" || fail "$locale: list does not show $name: $(tail -n 2 "$work/out")"
    run "$loc" show "$name" && grep -q "$name" "$work/out" || fail "$locale: show: $(cat "$work/err")"
    run "$loc" edit "$name" --length 1024 || fail "$locale: edit: $(cat "$work/err")"
    stored_as "$work/Progr.ini" "$hex" || fail "$locale: edit changed the name's bytes"
    run "$loc" export -o out.json || fail "$locale: export: $(cat "$work/err")"
    grep -q "\"codepage\": $page" "$work/out.json" && grep -q "\"name\": \"$name\"" "$work/out.json" ||
        fail "$locale: the export does not hold page $page and \"$name\""
    cp "$work/Progr.ini" "$work/before.ini"
    rm "$work/Progr.ini"
    run "$loc" import out.json || fail "$locale: import: $(cat "$work/err")"
    cmp -s "$work/Progr.ini" "$work/before.ini" || fail "$locale: import did not give the exported catalogue back"
    run C.UTF-8 --codepage "$page" list --name "$name" && grep -q "  $name\$" "$work/out" ||
        fail "$locale: --codepage $page list --name does not find $name: $(cat "$work/err")"
    [ "$failures" -eq 0 ] && echo "ok: $locale, code page $page: \"$name\" stored as $hex"
done
[ "$failures" -eq 0 ]
