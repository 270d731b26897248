#!/usr/bin/env python3
"""Writes platform/core/CodePageTables.cpp: the upper halves (0x80 to 0xFF) of the
Windows single-byte ANSI code pages, as Windows' MultiByteToWideChar reads them, and the
lower-case partner of each byte for the list's order.

Python's codecs know every byte a page defines, except 0xCA of 1255. They refuse the
bytes a page leaves undefined, which Windows still reads: those of 0x80 to 0x9F as the
control character of that value, the others as the private-use characters listed below
(from the pages' "best fit" tables). Windows writes each of them back as its byte.

Run: python3 tools/make_code_page_tables.py > platform/core/CodePageTables.cpp
"""

PAGES = [
    (874, "Thai", {0xDB: 0xF8C1, 0xDC: 0xF8C2, 0xDD: 0xF8C3, 0xDE: 0xF8C4,
                   0xFC: 0xF8C5, 0xFD: 0xF8C6, 0xFE: 0xF8C7, 0xFF: 0xF8C8}),
    (1250, "Central European", {}),
    (1251, "Cyrillic", {}),
    (1252, "Western", {}),
    (1253, "Greek", {0xAA: 0xF8F9, 0xD2: 0xF8FA, 0xFF: 0xF8FB}),
    (1254, "Turkish", {}),
    (1255, "Hebrew", {0xCA: 0x05BA, 0xD9: 0xF88D, 0xDA: 0xF88E, 0xDB: 0xF88F, 0xDC: 0xF890,
                      0xDD: 0xF891, 0xDE: 0xF892, 0xDF: 0xF893, 0xFB: 0xF894, 0xFC: 0xF895,
                      0xFF: 0xF896}),
    (1256, "Arabic", {}),
    (1257, "Baltic", {0xA1: 0xF8FC, 0xA5: 0xF8FD}),
    (1258, "Vietnamese", {}),
]


def upper_half(number, extra):
    table = []
    for b in range(0x80, 0x100):
        if b in extra:
            table.append(extra[b])
            continue
        try:
            table.append(ord(bytes([b]).decode("cp%d" % number)))
        except UnicodeDecodeError:
            if b >= 0xA0:
                raise SystemExit("cp%d: byte %02X has no mapping here" % (number, b))
            table.append(b)
    return table


def fold(table):
    # A letter folds to its simple lower case where the page holds that too; a letter
    # whose lower case is more than one character (Turkish dotted I) keeps its byte.
    where = {u: 0x80 + i for i, u in enumerate(table)}
    out = []
    for i, u in enumerate(table):
        lower = chr(u).lower()
        out.append(where.get(ord(lower), 0x80 + i) if len(lower) == 1 else 0x80 + i)
    return out


def rows(values, width, per_line):
    for i in range(0, len(values), per_line):
        yield "        " + " ".join("0x%0*X," % (width, v) for v in values[i:i + per_line])


def main():
    print("// Made by tools/make_code_page_tables.py; change that and run it again instead.")
    print('#include "CodePageTables.h"')
    print()
    print("const CodePageTable kCodePageTables[kCodePageTableCount] = {")
    for number, name, extra in PAGES:
        table = upper_half(number, extra)
        print("    // %s" % name)
        print("    {%d," % number)
        print("     {")
        print("\n".join(rows(table, 4, 32)))
        print("     },")
        print("     {")
        print("\n".join(rows(fold(table), 2, 32)))
        print("     }},")
    print("};")


main()
