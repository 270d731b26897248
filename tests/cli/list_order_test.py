#!/usr/bin/env python3
"""orvane-cli list shows the names as a sorted list box of the locale does: for every
list of tests/data/list-order, a catalogue of its names (common.names, then the
locale's, in the code page of the locale) is imported, listed under that locale and
compared with the order a list box gave under Wine (LOCALE.sorted).

Usage: list_order_test.py ORVANE-CLI [--wine RUN_SUITE.SH]
With --wine the program is a Windows one, run under Wine with ORVANE_WINE_LANG set
to the locale; otherwise LANG names it (and LC_ALL and LC_CTYPE are cleared).
A locale of a double-byte page is skipped while the program refuses that page.
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


def run(cli, wine, locale, args):
    env = dict(os.environ)
    if wine:
        env["ORVANE_WINE_LANG"] = locale + ".UTF-8"
        command = ["bash", wine, cli] + args
    else:
        env.update(LANG=locale + ".UTF-8", LC_ALL="", LC_CTYPE="")
        command = [cli] + args
    return subprocess.run(command, env=env, capture_output=True, timeout=120)


def check(cli, wine, locale, work):
    names = read_names(os.path.join(DATA, "common.names")) + read_names(os.path.join(DATA, locale + ".names"))
    sorted_path = os.path.join(DATA, locale + ".sorted")
    expected = read_names(sorted_path)
    doc = {"format": "orvane-catalogue", "version": 1, "codepage": oracle_page(sorted_path),
           "types": [{"name": "I2C"}], "entries": [{"name": n, "bytes": I2C_BYTES} for n in names]}
    catalogue = os.path.join(work, locale + ".ini")
    source = os.path.join(work, locale + ".json")
    with open(source, "w", encoding="utf-8") as f:
        json.dump(doc, f, ensure_ascii=False)
    made = run(cli, wine, locale, ["-f", catalogue, "import", source])
    if made.returncode != 0:
        why = made.stderr.decode("utf-8", "replace").strip()
        if "double-byte" in why:
            return "skipped (waits for the double-byte pages): " + why
        return "FAIL: import: " + why
    listed = run(cli, wine, locale, ["-f", catalogue, "list"])
    if listed.returncode != 0:
        return "FAIL: list: " + listed.stderr.decode("utf-8", "replace").strip()
    shown = [line[30:] for line in listed.stdout.decode("utf-8").replace("\r\n", "\n").splitlines()]
    if shown != expected:
        first = next(i for i, (a, b) in enumerate(zip(shown + [""], expected + [""])) if a != b)
        return "FAIL: row %d is %r, the list box shows %r\n  listed: %s" % (
            first, shown[first] if first < len(shown) else None, expected[first], " | ".join(shown))
    return "ok (%d names)" % len(shown)


def main():
    if len(sys.argv) not in (2, 4) or (len(sys.argv) == 4 and sys.argv[2] != "--wine"):
        sys.exit(__doc__)
    cli = os.path.abspath(sys.argv[1])
    wine = sys.argv[3] if len(sys.argv) == 4 else None
    locales = sorted(f[:-len(".sorted")] for f in os.listdir(DATA) if f.endswith(".sorted"))
    failed = False
    with tempfile.TemporaryDirectory(prefix="orvane-list-order-") as work:
        for locale in locales:
            verdict = check(cli, wine, locale, work)
            failed = failed or verdict.startswith("FAIL")
            print("%s: %s" % (locale, verdict))
    sys.exit(1 if failed else 0)


main()
