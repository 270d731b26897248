#!/usr/bin/env python3
"""orvane-cli list shows the names as a sorted list box of the locale does: for every
list of tests/data/list-order, a catalogue of its names (common.names, then the
locale's, in the code page of the locale) is imported, listed under that locale and
compared with the order a list box gave under Wine (LOCALE.sorted).

Usage: list_order_test.py ORVANE-CLI [--wine RUN_SUITE.SH [--editor ORVANE.EXE LIST_ROWS.EXE]]
With --wine the program is a Windows one, run under Wine with ORVANE_WINE_LANG set
to the locale; otherwise LANG names it (and LC_ALL and LC_CTYPE are cleared). With
--editor the editor's chip list is read as well, by LIST_ROWS.EXE, on the display
that DISPLAY names. A locale of a double-byte page is skipped while the programs
refuse that page.
"""
import json
import os
import subprocess
import sys
import tempfile

ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."))
DATA = os.path.join(ROOT, "tests", "data", "list-order")
I2C_BYTES = "80 80 00 01 20 10 10 08 A0 00 10 00"


def read_names(path):
    with open(path, encoding="utf-8") as f:
        return [line.rstrip("\n") for line in f if line.strip() and not line.startswith("# ")]


def oracle_page(path):
    with open(path, encoding="utf-8") as f:
        return int(f.readline().split()[3].rstrip(","))


def command(program, wine, locale, args):
    env = dict(os.environ)
    if wine:
        env["ORVANE_WINE_LANG"] = locale + ".UTF-8"
        return ["bash", wine, program] + args, env
    env.update(LANG=locale + ".UTF-8", LC_ALL="", LC_CTYPE="")
    return [program] + args, env


def run(program, wine, locale, args, cwd=None):
    argv, env = command(program, wine, locale, args)
    return subprocess.run(argv, env=env, capture_output=True, timeout=120, cwd=cwd)


def differs(shown, expected):
    """Where shown first differs from expected, or an empty string."""
    if shown == expected:
        return ""
    first = next(i for i, (a, b) in enumerate(zip(shown + [""], expected + [""])) if a != b)
    return "row %d is %r, the list box shows %r\n  shown: %s" % (
        first, shown[first] if first < len(shown) else None, expected[first] if first < len(expected) else None,
        " | ".join(shown))


def editor_rows(editor, list_rows, wine, locale, folder):
    """The rows of the editor's chip list, started in folder on its Progr.ini."""
    argv, env = command(editor, wine, locale, [])
    app = subprocess.Popen(argv, env=env, cwd=folder, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
    try:
        rows = run(list_rows, wine, locale, ["Orvane"])
        app.wait(timeout=30)
    finally:
        if app.poll() is None:
            app.kill()
            app.wait()
    if rows.returncode != 0:
        raise RuntimeError(rows.stderr.decode("utf-8", "replace").strip())
    return rows.stdout.decode("utf-8").splitlines()


def check(cli, wine, locale, work, editor=None):
    names = read_names(os.path.join(DATA, "common.names")) + read_names(os.path.join(DATA, locale + ".names"))
    sorted_path = os.path.join(DATA, locale + ".sorted")
    expected = read_names(sorted_path)
    doc = {"format": "orvane-catalogue", "version": 1, "codepage": oracle_page(sorted_path),
           "types": [{"name": "I2C"}], "entries": [{"name": n, "bytes": I2C_BYTES} for n in names]}
    folder = os.path.join(work, locale)
    os.mkdir(folder)
    source = os.path.join(folder, "names.json")
    with open(source, "w", encoding="utf-8") as f:
        json.dump(doc, f, ensure_ascii=False)
    # Paths relative to the folder: a Windows program takes "/tmp/..." for an option.
    made = run(cli, wine, locale, ["-f", "Progr.ini", "import", "names.json"], folder)
    if made.returncode != 0:
        why = made.stderr.decode("utf-8", "replace").strip()
        if "double-byte" in why:
            return "skipped (waits for the double-byte pages): " + why
        return "FAIL: import: " + why
    listed = run(cli, wine, locale, ["-f", "Progr.ini", "list"], folder)
    if listed.returncode != 0:
        return "FAIL: list: " + listed.stderr.decode("utf-8", "replace").strip()
    shown = [line[30:] for line in listed.stdout.decode("utf-8").replace("\r\n", "\n").splitlines()]
    if differs(shown, expected):
        return "FAIL: list: " + differs(shown, expected)
    if editor:
        try:
            rows = editor_rows(editor[0], editor[1], wine, locale, folder)
        except (RuntimeError, subprocess.TimeoutExpired) as e:
            return "FAIL: the editor's chip list: %s" % e
        if differs(rows, expected):
            return "FAIL: the editor's chip list: " + differs(rows, expected)
    return "ok (%d names%s)" % (len(shown), ", list and chip list" if editor else "")


def main():
    args = sys.argv[1:]
    if len(args) not in (1, 3, 6) or (len(args) > 1 and args[1] != "--wine") or (len(args) > 3 and args[3] != "--editor"):
        sys.exit(__doc__)
    cli = os.path.abspath(args[0])
    wine = args[2] if len(args) > 1 else None
    editor = [os.path.abspath(a) for a in args[4:6]] or None
    locales = sorted(f[:-len(".sorted")] for f in os.listdir(DATA) if f.endswith(".sorted"))
    failed = False
    with tempfile.TemporaryDirectory(prefix="orvane-list-order-") as work:
        for locale in locales:
            verdict = check(cli, wine, locale, work, editor)
            failed = failed or verdict.startswith("FAIL")
            print("%s: %s" % (locale, verdict))
    sys.exit(1 if failed else 0)


main()
