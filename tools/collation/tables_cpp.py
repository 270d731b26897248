"""Writes the tables of units as C++ (CollationTables.h says what they hold)."""
import sys

from winsort import KANA_NEUTRAL, NONSPACE, NORMAL, REPEAT, SPECIAL


PLAIN = 5  # a normal unit without kana whose case weights are all 02


def record(unit):
    """A unit as the bytes of its record (CollationTables.h)."""
    head = unit.kind << 5
    if unit.kind == NORMAL:
        rows = len(unit.kana[0])
        if len(unit.primary) > 31 or len(unit.diacritic) > 15 or len(unit.case) > 15 or \
                any(len(r) != rows for r in unit.kana):
            raise SystemExit("a unit the records cannot hold: %r" % unit)
        counts = bytes([len(unit.diacritic) << 4 | len(unit.case)])
        if not rows and unit.case == b"\x02" * len(unit.case):
            return bytes([PLAIN << 5 | len(unit.primary)]) + unit.primary + counts + unit.diacritic
        return (bytes([head | len(unit.primary)]) + unit.primary + counts + unit.diacritic + unit.case +
                bytes([rows]) + b"".join(unit.kana))
    if unit.kind == NONSPACE:
        return bytes([head]) + unit.diacritic
    if unit.kind == SPECIAL:
        return bytes([head]) + unit.special
    if unit.kind == REPEAT:
        return bytes([head]) + unit.diacritic + unit.kana[1] + unit.kana[3]
    return bytes([head])


def step_value(primary):
    """The last two primary weights as one number: weights run from 02 to FF."""
    return primary[-2] * 254 + primary[-1] - 2


def stepped(a, b):
    """True when b's record is a's with the number of its last two primary weights one
    higher (after FF the last weight starts again at 02 and the one before it grows)."""
    if a.kind != NORMAL or b.kind != NORMAL or len(a.primary) < 2 or len(a.primary) != len(b.primary):
        return False
    if (a.diacritic, a.case, a.kana, a.primary[:-2]) != (b.diacritic, b.case, b.kana, b.primary[:-2]):
        return False
    return a.primary[-1] >= 2 and b.primary[-1] >= 2 and step_value(b.primary) == step_value(a.primary) + 1


CONSECUTIVE, STEPPED, LISTED = 0, 1, 2
STEPPED_RUN = 8
# A listed range ends at a gap wider than this: its bitmap would grow by the gap.
WIDEST_GAP = 512


def shape(unit):
    """Units of one shape can share a range: plain units with the same counts of
    weights (whose records then differ only in their primary and diacritic weights), or
    other units with records of one length."""
    r = record(unit)
    return r[:1] + r[1 + (r[0] & 31):2 + (r[0] & 31)] if r[0] >> 5 == PLAIN else len(r)


def ranges(chars):
    """The characters as ranges (kind, [(character, unit)]) in code point order: a
    stepped run, or consecutive characters of one shape, or characters of one shape
    with gaps between them, which are listed."""
    items = sorted(chars.items(), key=lambda cu: ord(cu[0]))
    out = []
    i = 0
    while i < len(items):
        j = i + 1
        while j < len(items) and ord(items[j][0]) == ord(items[j - 1][0]) + 1 and \
                stepped(items[j - 1][1], items[j][1]):
            j += 1
        if j - i >= STEPPED_RUN:
            out.append((STEPPED, items[i:j]))
            i = j
            continue
        j = i + 1
        while j < len(items) and shape(items[j][1]) == shape(items[i][1]) and not stepped_run_at(items, j) and \
                ord(items[j][0]) - ord(items[j - 1][0]) <= WIDEST_GAP:
            j += 1
        run = items[i:j]
        gaps = ord(run[-1][0]) - ord(run[0][0]) + 1 != len(run)
        out.append((LISTED if gaps else CONSECUTIVE, run))
        i = j
    return out


def stepped_run_at(items, i):
    return i + STEPPED_RUN <= len(items) and all(
        ord(items[k + 1][0]) == ord(items[k][0]) + 1 and stepped(items[k][1], items[k + 1][1])
        for k in range(i, i + STEPPED_RUN - 1))


def range_units(kind, items):
    """The bytes of a range's units and whether they are a template and its parts: a
    plain record, then the primary and diacritic weights of each character."""
    units = [u for _, u in items]
    if kind == STEPPED:
        return record(units[0]), False
    if record(units[0])[0] >> 5 == PLAIN and len(units) > 1:
        return record(units[0]) + b"".join(u.primary + u.diacritic for u in units), True
    return b"".join(record(u) for u in units), False


def presence(items):
    """A listed range's bitmap, 64 code points a word, and the count of characters
    before each word."""
    first = ord(items[0][0])
    words = [0] * ((ord(items[-1][0]) - first) // 64 + 1)
    for ch, _ in items:
        words[(ord(ch) - first) // 64] |= 1 << ((ord(ch) - first) % 64)
    counts = []
    total = 0
    for w in words:
        counts.append(total)
        total += bin(w).count("1")
    return words, counts


class Tables:
    """What CollationTables.cpp holds: each order's ranges, as (first, last, unit, kind,
    template, word), and joined runs, as (text, unit); the pool of units, the bitmaps of
    listed ranges and the counts before their words; and each order's entry, as (names,
    ranges, joined, reverse)."""

    def __init__(self):
        self.ranges, self.joined, self.entries = {}, {}, []
        self.pool = bytearray()
        self.words, self.counts = [], []


def build(languages):
    """The default order, then each order that differs from it, shared by the languages
    that have it."""
    default = languages[0]
    orders = []  # [names, ranges, joined as (text, unit), reverse]
    for lang in languages:
        chars = lang.chars if lang is default else {c: u for c, u in lang.chars.items()
                                                     if default.chars.get(c) != u}
        order = [ranges(chars), sorted(lang.joined.items()), lang.reverse]
        if lang is not default and order == [[], [], False]:
            continue
        same = next((o for o in orders if o[1:] == order), None)
        if same:
            same[0].append(lang.name)
        else:
            orders.append([[lang.name]] + order)
    t = Tables()
    for n, (names, runs, joined, reverse) in enumerate(orders):
        if runs:
            t.ranges[n] = []
            for kind, items in runs:
                data, template = range_units(kind, items)
                t.ranges[n].append((ord(items[0][0]), ord(items[-1][0]), len(t.pool), kind, int(template),
                                    len(t.words) if kind == LISTED else 0))
                t.pool += data
                if kind == LISTED:
                    w, c = presence(items)
                    t.words += w
                    t.counts += c
        if joined:
            t.joined[n] = []
            for text, unit in joined:
                t.joined[n].append((text, len(t.pool)))
                t.pool += record(unit)
        t.entries.append(("".join(name + " " for name in names if name), len(runs), len(joined), reverse))
    return t


def listed(values, fmt):
    """The values of an array on one line: the tables are read by the compiler, and a
    line per value or per row would only make them long."""
    return "{" + ",".join(fmt % v for v in values) + "}"


def write(t):
    """CollationTables.cpp's text."""
    out = ["// Made by tools/collation/make_collation_tables.py from the sort keys Windows gives;",
           "// change that and run it again instead.",
           '#include "CollationTables.h"', "", "#ifndef _WIN32", ""]
    for n in range(len(t.entries)):
        if n in t.ranges:
            out.append("const CollationRange kRanges%d[] = %s;" % (n, listed(t.ranges[n], "{0x%X,0x%X,%d,%d,%d,%d}")))
        if n in t.joined:
            texts = [("".join("\\u%04X" % ord(c) for c in text), unit) for text, unit in t.joined[n]]
            out.append("const CollationJoined kJoined%d[] = %s;" % (n, listed(texts, '{u"%s",%d}')))
    out += ["", "const std::uint64_t kCollationPresence[] = %s;" % listed(t.words, "0x%X"),
            "const std::uint16_t kCollationPresent[] = %s;" % listed(t.counts, "%d"), "",
            "const unsigned char kCollationUnits[] = %s;" % listed(t.pool, "%d"), "",
            "const unsigned char kCollationKanaNeutral[4] = %s;" % listed(KANA_NEUTRAL, "0x%02X"), "",
            "const CollationLanguage kCollationLanguages[] = {"]
    for n, (names, nranges, njoined, reverse) in enumerate(t.entries):
        out.append('    {"%s", %s, %d, %s, %d, %s},' % (
            names, "kRanges%d" % n if nranges else "nullptr", nranges,
            "kJoined%d" % n if njoined else "nullptr", njoined, "true" if reverse else "false"))
    out += ["};", "const std::size_t kCollationLanguageCount = %d;" % len(t.entries), "", "#endif"]
    return "\n".join(out)


def emit(languages):
    """Prints CollationTables.cpp."""
    t = build(languages)
    print(write(t))
    print("%d bytes of units, %d words of bitmaps, %d ranges, %d orders" % (
        len(t.pool), len(t.words), sum(len(r) for r in t.ranges.values()), len(t.entries)), file=sys.stderr)
