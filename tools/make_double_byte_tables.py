#!/usr/bin/env python3
"""Writes platform/core/DoubleByteTables.cpp: the Windows double-byte ANSI code pages
932, 936, 949 and 950 as Windows' MultiByteToWideChar reads them and
WideCharToMultiByte writes them without best fit, and the simple lower-case mapping of
Unicode for the pages whose characters are not all single bytes.

Python's codecs know every double-byte character these pages define. Windows reads more
than they do: the bytes 0x80 and 0xFF of 936, 949 and 950, and the user-defined areas,
which it maps to private-use characters in the order of their codes (AREAS below). Where
a character has two codes, Windows writes one of them (the prefer functions below); the other is
read but never written, and is listed as a variant.

The test "SystemCodePage" of the Windows build compares every pair and every character
of the Basic Multilingual Plane with the system's own converters; run it under Wine
with tests/windows/run_suite.sh.

Run: python3 tools/make_double_byte_tables.py > platform/core/DoubleByteTables.cpp
"""

BIG5_TRAILS = [(0x40, 0x7E), (0xA1, 0xFE)]
GBK_TRAILS = [(0x40, 0x7E), (0x80, 0xFE)]
ROW_TRAILS = [(0xA1, 0xFE)]

# A user-defined area: its first and last code, the trail bytes it spans, its first
# private-use character and whether it fills only the codes the page leaves undefined.
AREAS = {
    932: [],
    936: [(0xAAA1, 0xAFFE, ROW_TRAILS, 0xE000, False), (0xF8A1, 0xFEFE, ROW_TRAILS, 0xE234, False),
          (0xA140, 0xA7A0, [(0x40, 0x7E), (0x80, 0xA0)], 0xE4C6, False),
          (0xA1A1, 0xA9FE, GBK_TRAILS, 0xE766, True), (0xD7FA, 0xD7FE, GBK_TRAILS, 0xE810, True),
          (0xFE40, 0xFEA0, GBK_TRAILS, 0xE815, True)],
    949: [(0xC9A1, 0xC9FE, ROW_TRAILS, 0xE000, False), (0xFEA1, 0xFEFE, ROW_TRAILS, 0xE05E, False)],
    950: [(0xFA40, 0xFEFE, BIG5_TRAILS, 0xE000, False), (0x8E40, 0xA0FE, BIG5_TRAILS, 0xE311, False),
          (0x8140, 0x8DFE, BIG5_TRAILS, 0xEEB8, False), (0xC6A1, 0xC8FE, BIG5_TRAILS, 0xF6B1, False)],
}


def lowest(char, codes):
    return min(codes)


def prefer_932(char, codes):
    # The NEC-selected IBM extensions (rows ED and EE) repeat the IBM extensions (FA to
    # FC), which Windows writes; otherwise the lowest code.
    return min(codes, key=lambda c: (0xED40 <= c <= 0xEEFC, c))


def prefer_950(char, codes):
    # Four box-drawing characters and two ideographs are written with their later code.
    later = {0x2550: 0xF9F9, 0x255E: 0xF9E9, 0x2561: 0xF9EB, 0x256A: 0xF9EA, 0x5341: 0xA451, 0x5345: 0xA4CA}
    return later.get(char, min(codes))


# number, name, lead-byte ranges, what an undefined character reads as, single bytes
# Python does not read, and which of several codes Windows writes.
PAGES = [
    (932, "Japanese", [(0x81, 0x9F), (0xE0, 0xFC)], 0x30FB, {}, prefer_932),
    (936, "Simplified Chinese", [(0x81, 0xFE)], 0x003F, {0x80: 0x20AC, 0xFF: 0xF8F5}, lowest),
    (949, "Korean", [(0x81, 0xFE)], 0x003F, {0x80: 0x0080, 0xFF: 0xF8F7}, lowest),
    (950, "Traditional Chinese", [(0x81, 0xFE)], 0x003F, {0x80: 0x0080, 0xFF: 0xF8F8}, prefer_950),
]

# A run of at least this many codes whose characters count up by one is stored as its
# first character alone.
MIN_COUNTED_RUN = 6


def is_lead(b, leads):
    return any(lo <= b <= hi for lo, hi in leads)


def single_bytes(number, leads, extra):
    half = []
    for b in range(0x80, 0x100):
        if is_lead(b, leads):
            half.append(0)
        elif b in extra:
            half.append(extra[b])
        else:
            half.append(ord(bytes([b]).decode("cp%d" % number)))
    return half


def pairs(number, leads):
    chars = {}
    for lead in range(0x80, 0x100):
        if not is_lead(lead, leads):
            continue
        for trail in range(1, 0x100):
            try:
                text = bytes([lead, trail]).decode("cp%d" % number)
            except UnicodeDecodeError:
                continue
            if len(text) == 1:
                chars[lead << 8 | trail] = ord(text)
    for first, last, trails, char, holes_only in AREAS[number]:
        for code in range(first, last + 1):
            if not any(lo <= code & 0xFF <= hi for lo, hi in trails) or (holes_only and code in chars):
                continue
            chars[code] = char
            char += 1
    return chars


def variants(chars, prefer):
    by_char = {}
    for code, char in chars.items():
        by_char.setdefault(char, []).append(code)
    out = []
    for char, codes in by_char.items():
        if len(codes) > 1:
            written = prefer(char, sorted(codes))
            out += [c for c in codes if c != written]
    return sorted(out)


def segments(chars):
    """Splits the codes into runs of consecutive codes: counted runs (first character
    only) and listed ones (every character)."""
    codes = sorted(chars)
    spans, span = [], [codes[0]]
    for code in codes[1:]:
        if code == span[-1] + 1:
            span.append(code)
        else:
            spans.append(span)
            span = [code]
    spans.append(span)
    out = []  # (first code, count, first character, or None for a listed run)
    for span in spans:
        listed = []
        i = 0
        while i < len(span):
            j = i
            while j + 1 < len(span) and chars[span[j + 1]] == chars[span[j]] + 1:
                j += 1
            if j - i + 1 >= MIN_COUNTED_RUN:
                if listed:
                    out.append((listed[0], len(listed), None))
                    listed = []
                out.append((span[i], j - i + 1, chars[span[i]]))
            else:
                listed += span[i:j + 1]
            i = j + 1
        if listed:
            out.append((listed[0], len(listed), None))
    return out


def lower_case_ranges():
    """Unicode's simple lower case, where it is one character, as runs of characters
    (every one, or every second) that move by the same distance."""
    pairs_ = [(c, ord(chr(c).lower())) for c in range(0x110000)
              if not 0xD800 <= c <= 0xDFFF and len(chr(c).lower()) == 1 and chr(c).lower() != chr(c)]
    ranges = []  # [first, count, step, distance]
    for c, low in pairs_:
        delta = low - c
        if ranges:
            first, count, step, d = ranges[-1]
            last = first + (count - 1) * step
            if d == delta and ((count == 1 and c - last in (1, 2)) or (count > 1 and c - last == step)):
                ranges[-1] = [first, count + 1, c - last if count == 1 else step, d]
                continue
        ranges.append([c, 1, 1, delta])
    return [tuple(r) for r in ranges]


def listed(values, fmt):
    """The values of an array on one line: the tables are read by the compiler, and a
    line per value or per row would only make them long."""
    return "{" + ",".join(fmt % v for v in values) + "}"


def print_page_data(number, chars, prefer):
    listed_chars, runs = [], []
    for first, count, char in segments(chars):
        if char is None:
            runs.append((first, count, 0, len(listed_chars)))
            listed_chars += [chars[c] for c in range(first, first + count)]
        else:
            runs.append((first, count, char, 0xFFFF))
    print()
    print("const DoubleByteRun k%dRuns[] = %s;" % (number, listed(runs, "{0x%X,%d,0x%X,%d}")))
    print("const char16_t k%dChars[] = %s;" % (number, listed(listed_chars, "0x%X")))
    others = variants(chars, prefer)
    if others:
        print("const std::uint16_t k%dVariants[] = %s;" % (number, listed(others, "0x%X")))
    return bool(others)


def main():
    print("// Made by tools/make_double_byte_tables.py; change that and run it again instead.")
    print('#include "DoubleByteTables.h"')
    print()
    print("namespace {")
    entries = []
    for number, name, leads, default, extra, prefer in PAGES:
        has_variants = print_page_data(number, pairs(number, leads), prefer)
        entries.append((number, name, leads, default, single_bytes(number, leads, extra), has_variants))
    print()
    print("template <class T, std::size_t N> constexpr std::size_t Count(const T (&)[N]) { return N; }")
    print()
    print("}  // namespace")
    print()
    print("const DoubleBytePageTable kDoubleBytePageTables[kDoubleBytePageTableCount] = {")
    for number, name, leads, default, half, has_variants in entries:
        lead_bytes = ", ".join("0x%02X, 0x%02X" % r for r in leads)
        variant_part = "k%dVariants, Count(k%dVariants)" % (number, number) if has_variants else "nullptr, 0"
        print("    // %s" % name)
        print("    {%d, {%s}, 0x%04X, %s," % (number, lead_bytes, default, listed(half, "0x%X")))
        print("     k%dRuns, Count(k%dRuns), k%dChars, %s}," % (number, number, number, variant_part))
    print("};")
    print()
    print("const LowerCaseRange kLowerCaseRanges[] = %s;" % listed(lower_case_ranges(), "{0x%X,%d,%d,%d}"))
    print("const std::size_t kLowerCaseRangeCount = Count(kLowerCaseRanges);")


main()
