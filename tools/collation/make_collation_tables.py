#!/usr/bin/env python3
"""Writes platform/core/CollationTables.cpp: the weights Windows sorts text by, for the
default order and for each language whose order differs, as the sort keys of Windows
itself give them (tools/collation/SortKeyQuery.cpp, run under Wine).

For every language the script asks the key of each character its tables cover, finds
the units of several characters by asking the key of every pair of its code page's
characters (and of longer runs around each unit found), and checks the result: every
character, every pair of the page and random texts must give, built from the tables,
the very key Windows gives. What still differs is listed at the end.

Needs the MinGW-w64 compiler and Wine (scripts/deps.sh installs both).
It also writes tests/data/list-order/sort-keys.txt: texts of each order with the keys
Windows gives them, which the tests build from the tables.

Run: python3 tools/collation/make_collation_tables.py > platform/core/CollationTables.cpp
"""
import os
import pickle
import random
import sys

import winsort
from winsort import IGNORED, NONSPACE, NORMAL, REPEAT, SPECIAL, Key, Model, Unit

# Each order: the Linux language (with a script modifier where the language is written
# in two), the Windows locale whose order it takes. The first is the default, which C,
# POSIX and every language not listed take.
LANGUAGES = [
    ("", "en-US"),
    # Western European (1252)
    ("de", "de-DE"), ("fr", "fr-FR"), ("es", "es-ES"), ("it", "it-IT"), ("pt", "pt-PT"), ("nl", "nl-NL"),
    ("sv", "sv-SE"), ("fi", "fi-FI"), ("da", "da-DK"), ("nb", "nb-NO"), ("nn", "nn-NO"), ("no", "nb-NO"),
    ("is", "is-IS"), ("fo", "fo-FO"), ("ca", "ca-ES"), ("eu", "eu-ES"), ("gl", "gl-ES"), ("cy", "cy-GB"),
    ("ga", "ga-IE"), ("af", "af-ZA"), ("id", "id-ID"), ("ms", "ms-MY"), ("sw", "sw-KE"), ("se", "se-NO"),
    ("kl", "kl-GL"), ("lb", "lb-LU"), ("fy", "fy-NL"), ("br", "br-FR"), ("oc", "oc-FR"), ("rm", "rm-CH"),
    # Central European (1250)
    ("pl", "pl-PL"), ("cs", "cs-CZ"), ("sk", "sk-SK"), ("hu", "hu-HU"), ("hr", "hr-HR"), ("sl", "sl-SI"),
    ("ro", "ro-RO"), ("bs", "bs-Latn-BA"), ("sq", "sq-AL"), ("tk", "tk-TM"), ("hsb", "hsb-DE"),
    ("dsb", "dsb-DE"), ("sr@latin", "sr-Latn-RS"),
    # Cyrillic (1251)
    ("ru", "ru-RU"), ("uk", "uk-UA"), ("be", "be-BY"), ("bg", "bg-BG"), ("sr", "sr-Cyrl-RS"), ("mk", "mk-MK"),
    ("kk", "kk-KZ"), ("ky", "ky-KG"), ("tt", "tt-RU"), ("ba", "ba-RU"), ("sah", "sah-RU"), ("mn", "mn-MN"),
    ("tg", "tg-Cyrl-TJ"), ("bs@cyrillic", "bs-Cyrl-BA"), ("az@cyrillic", "az-Cyrl-AZ"),
    ("uz@cyrillic", "uz-Cyrl-UZ"),
    # Greek, Turkish, Hebrew, Arabic, Baltic, Vietnamese, Thai
    ("el", "el-GR"), ("tr", "tr-TR"), ("az", "az-Latn-AZ"), ("uz", "uz-Latn-UZ"), ("he", "he-IL"),
    ("iw", "he-IL"), ("yi", "yi-001"), ("ar", "ar-SA"), ("fa", "fa-IR"), ("ur", "ur-PK"), ("ps", "ps-AF"),
    ("ug", "ug-CN"), ("ckb", "ku-Arab-IQ"), ("et", "et-EE"), ("lv", "lv-LV"), ("lt", "lt-LT"),
    ("vi", "vi-VN"), ("th", "th-TH"),
    # The double-byte pages
    ("ja", "ja-JP"), ("ko", "ko-KR"), ("zh", "zh-CN"), ("zh_SG", "zh-SG"), ("zh_TW", "zh-TW"),
    ("zh_HK", "zh-HK"), ("zh_MO", "zh-MO"),
]

SINGLE_BYTE_PAGES = [874, 1250, 1251, 1252, 1253, 1254, 1255, 1256, 1257, 1258]
DOUBLE_BYTE_PAGES = [932, 936, 949, 950]
# Added to every key the tables are read from, so that nothing of the character before
# it is dropped as a trailing neutral value: an accented letter (the first of these
# that the language does not count a letter of its own), a full-width letter, and kana
# of every row.
ACCENTED = "\u00e9\u00e8\u1ebd\u0113\u0115"
SENTINEL_TAIL = "\uff21\uff67\u30fd"
sentinels = {}


def sentinel(locale):
    if locale not in sentinels:
        keys = winsort.sort_keys([(locale, a + SENTINEL_TAIL) for a in ACCENTED])
        sentinels[locale] = next(a + SENTINEL_TAIL for a, k in zip(ACCENTED, keys) if Key(k).diacritic)
    return sentinels[locale]


def is_private(ch):
    return 0xE000 <= ord(ch) <= 0xF8FF


def is_han(ch):
    c = ord(ch)
    return 0x3400 <= c <= 0x9FFF or 0xF900 <= c <= 0xFAFF or 0xAC00 <= c <= 0xD7A3


class Language:
    def __init__(self, name, locale, page):
        self.name, self.locale, self.page = name, locale, page
        self.chars = {}
        self.joined = {}
        self.model = None
        self.compare_only = set()
        self.reverse = False


def read_units(locale, texts, reverse=False):
    """Each text's unit, from the key of the text followed by the sentinel. Where the
    diacritics are read backwards, the diacritics come from the key of the text after
    the sentinel, whose first diacritic then ends them."""
    end = sentinel(locale)
    keys = winsort.sort_keys([(locale, end)] + [(locale, t + end) for t in texts] +
                             [(locale, "a" + t) for t in texts] +
                             [(locale, end + t) for t in (texts if reverse else [])])
    tail = Key(keys[0])
    if reverse:
        tail.diacritic = tail.diacritic[::-1]
    n = len(texts)
    units, odd, folded = {}, [], set()
    for i, (text, raw, after_a) in enumerate(zip(texts, keys[1:n + 1], keys[n + 1:2 * n + 1])):
        parts = None
        readings = Key.readings(raw)
        if reverse:
            readings = [k for k in readings if reverse_diacritics(k, keys[2 * n + 1 + i], tail)]
        for k in readings:
            rows = (k.primary, k.diacritic, k.case) + (k.kana or ())
            ends = (tail.primary, tail.diacritic, tail.case) + tail.kana
            if k.kana is not None and all(r.endswith(e) for r, e in zip(rows, ends)):
                parts = [r[:len(r) - len(e)] for r, e in zip(rows, ends)]
                break
        if parts is None:
            odd.append(text)
            continue
        p, d, c, *kana = parts
        if fold_marks(p, d, c) != (p, d, c):
            p, d, c = fold_marks(p, d, c)
            folded.add(text)
        if not p and k.special:
            if len(k.special) != 4 or k.special[:2] != b"\xff\xff":
                odd.append(text)
                continue
            units[text] = Unit(SPECIAL, special=k.special[2:])
        elif not p and not d and not c and not any(kana):
            units[text] = Unit(IGNORED)
        elif not p and len(d) == 1 and not c and not any(kana):
            units[text] = Unit(NONSPACE, diacritic=d)
        elif p == b"\xff\xff" and Key.readings(after_a)[0].primary == b"\x0e\x02\x0e\x02":
            units[text] = Unit(REPEAT, p, d, c, kana)
        else:
            units[text] = Unit(NORMAL, p, d, c, kana)
    return units, odd, folded


def read_marks(lang):
    """A length or iteration mark's own weights show only after kana: its diacritic and
    its second kana row, and the width a length mark gives (see Model.repeated)."""
    marks = [ch for ch, u in lang.chars.items() if u.kind == REPEAT]
    after_kana, odd, _ = read_units(lang.locale, ["\u30a2" + m for m in marks], lang.reverse)
    for m in marks:
        pair = after_kana.get("\u30a2" + m)
        if pair is None or len(pair.diacritic) != 2 or any(len(row) != 2 for row in pair.kana):
            raise SystemExit("%s: cannot read the mark U+%04X after kana" % (lang.locale, ord(m)))
        lang.chars[m] = Unit(REPEAT, b"\xff\xff", pair.diacritic[1:], b"",
                             (b"", pair.kana[1][1:], b"", pair.kana[3][1:]))


def reverse_diacritics(k, raw_after, tail):
    """Turns k's diacritics, read backwards, the right way round. The key drops the
    neutral diacritics a text begins with, so for a text that has primary weights
    they are read from the key of the text after the sentinel, whose first diacritic
    then ends them; a lone mark added there would join the sentinel's last letter."""
    k.diacritic = k.diacritic[::-1]
    if not k.primary[:len(k.primary) - len(tail.primary)]:
        return True
    for after in Key.readings(raw_after):
        forward = after.diacritic[::-1]  # the sentinel's, then the text's
        if forward.startswith(tail.diacritic):
            k.diacritic = forward[len(tail.diacritic):] + tail.diacritic
            return True
    return False


def fold_marks(p, d, c):
    """A sort key keeps a mark an expansion brings as a unit of its own (01 00 among
    the primary weights); a comparison, which is what a list box makes, adds its
    diacritic to the letter before it, as for any other mark."""
    if len(p) % 2 or len(p) // 2 != len(d) or b"\x01" not in p[::2]:
        return p, d, c
    p2, d2, c2 = bytearray(), bytearray(), bytearray()
    for i in range(len(d)):
        if p[2 * i] == 1 and d2:
            d2[-1] += d[i]
        else:
            p2 += p[2 * i:2 * i + 2]
            d2.append(d[i])
            c2.append(c[i] if i < len(c) else 2)
    return bytes(p2), bytes(d2), bytes(c2)


# The neutral value of each kana row, which a key leaves out at the row's end: normal
# size, a kana that is no mark, hiragana, full width.
KANA_NEUTRAL = (0xC6, 0x03, 0xE4, 0xC5)


def mismatches(lang, texts):
    """The texts whose key the model builds wrong. A text with a character whose sort
    key and comparison differ is left to the comparisons of check_order."""
    texts = [t for t in texts if not lang.compare_only.intersection(t)]
    keys = winsort.sort_keys([(lang.locale, t) for t in texts])
    return [(t, k) for t, k in zip(texts, keys) if lang.model.key(t) != k]


def find_joined(lang, alphabet):
    """Units of several characters: pairs of the alphabet, then runs around each found."""
    scan = [a + b for a in alphabet for b in alphabet]
    unexplained = []
    rounds = 0
    while scan and rounds < 6:
        rounds += 1
        wrong = [t for t, _ in mismatches(lang, scan)]
        units, odd, _ = read_units(lang.locale, wrong, lang.reverse)
        unexplained += odd
        new = {t: u for t, u in units.items() if t not in lang.joined}
        lang.joined.update(new)
        lang.model = Model(lang.chars, lang.joined, lang.model.kana_neutral, lang.reverse)
        still = [t for t, _ in mismatches(lang, list(new))]
        for t in still:
            del lang.joined[t]
        unexplained += still
        lang.model = Model(lang.chars, lang.joined, lang.model.kana_neutral, lang.reverse)
        grown = [t for t in new if t not in still and len(t) < 8]
        print("   round %d: %d scanned, %d wrong, %d new: %s" % (rounds, len(scan), len(wrong), len(new),
              " ".join(list(new)[:12])), file=sys.stderr)
        if len(new) > 2000:
            raise SystemExit("too many units of several characters")
        scan = [a + t for t in grown for a in alphabet] + [t + b for t in grown for b in alphabet]
    return unexplained


CHECKS = 6000
ASCII = [chr(c) for c in range(0x20, 0x7F)]


def random_text(rng, alphabet):
    return "".join(rng.choice(ASCII if rng.random() < 0.5 else alphabet) for _ in range(rng.randint(1, 7)))


def near(rng, text, alphabet):
    """text with one small change: a character replaced, inserted or dropped."""
    i = rng.randrange(len(text) + 1)
    what = rng.random()
    if what < 0.3:
        return text[:i] + rng.choice("-'") + text[i:]
    if what < 0.6:
        return text[:i] + rng.choice(alphabet + ASCII) + text[i + 1:]
    if what < 0.8:
        return text[:i] + text[i + 1:]
    return text.swapcase()


def check_order(lang, pages):
    """Random pairs of texts and near pairs, compared by the model and by Windows."""
    rng = random.Random(lang.locale)
    page = pages.get(lang.page, pages[1252])
    alphabet = [ch for ch in page if ch >= " " and lang.chars.get(ch, Unit(IGNORED)).kind != IGNORED]
    pairs = []
    for i in range(CHECKS):
        a = random_text(rng, alphabet)
        pairs.append((a, near(rng, a, alphabet) if i % 2 else random_text(rng, alphabet)))
    # Names come from the page; a case change may step outside it.
    pairs = [(a, b) for a, b in pairs if all(ch in lang.chars for ch in a + b)]
    said = winsort.compare([(lang.locale, a, b) for a, b in pairs])
    wrong = []
    for (a, b), s in zip(pairs, said):
        ka, kb = lang.model.key(a), lang.model.key(b)
        if ((ka > kb) - (ka < kb)) != s:
            wrong.append((a, b))
    return wrong


def analyse(lang, covered, pages, default):
    """Reads the language's units and checks them; says on stderr what does not fit."""
    probe = Key(winsort.sort_keys([(lang.locale, "\u00e9a")])[0])
    lang.reverse = probe.diacritic == b"\x02\x0e"
    lang.chars, odd, lang.compare_only = read_units(lang.locale, covered, lang.reverse)
    read_marks(lang)
    if odd:
        print("%s: %d characters give keys the tables cannot hold: %s" %
              (lang.locale, len(odd), " ".join("U+%04X" % ord(t) for t in odd[:20])), file=sys.stderr)
    lang.model = Model(lang.chars, {}, KANA_NEUTRAL, lang.reverse)
    wrong = mismatches(lang, covered)
    print("%s: %d characters, %d of them built wrong" % (lang.locale, len(covered), len(wrong)), file=sys.stderr)
    for t, k in wrong[:5]:
        print("   U+%04X %s model %s" % (ord(t), k.hex(), lang.model.key(t).hex()), file=sys.stderr)
    unexplained = []
    for page in (SINGLE_BYTE_PAGES if lang is default else [lang.page] if lang.page in pages else []):
        alphabet = [ch for ch in pages[page] if not is_han(ch) and not is_private(ch) and
                    lang.chars.get(ch, Unit(IGNORED)).kind != IGNORED]
        unexplained += find_joined(lang, alphabet)
    print("%s: %d units of several characters; %d pairs unexplained %s" % (
        lang.locale, len(lang.joined), len(unexplained), " ".join(unexplained[:10])), file=sys.stderr)
    wrong = check_order(lang, pages)
    print("%s: %d of %d random comparisons differ %s" % (lang.locale, len(wrong), CHECKS,
                                                          " ".join("%s/%s" % w for w in wrong[:6])), file=sys.stderr)
    sys.stderr.flush()


def load_languages(pages, single, double):
    """Every language of LANGUAGES that Windows has, analysed; kept in the folder
    ORVANE_COLLATION_CACHE, if set, so that a second run goes straight to the tables."""
    cache = os.environ.get("ORVANE_COLLATION_CACHE")
    locale_pages = winsort.run_questions(["A " + locale for _, locale in LANGUAGES])
    languages = []
    for (name, locale), page in zip(LANGUAGES, locale_pages):
        if page == "0":
            print("skipped %s: Windows has no locale %s" % (name, locale), file=sys.stderr)
        else:
            languages.append(Language(name, locale, int(page)))
    default = languages[0]
    for lang in languages:
        path = cache and os.path.join(cache, lang.locale + ".pickle")
        if path and os.path.exists(path):
            with open(path, "rb") as f:
                lang.reverse, lang.chars, lang.joined, lang.compare_only = pickle.load(f)
            continue
        covered = set(single)
        if lang is default:
            covered |= set(double)
        elif lang.page in DOUBLE_BYTE_PAGES:
            covered |= set(c for c in pages[lang.page] if not is_private(c))
        analyse(lang, sorted(covered), pages, default)
        if path:
            os.makedirs(cache, exist_ok=True)
            with open(path, "wb") as f:
                pickle.dump((lang.reverse, lang.chars, lang.joined, lang.compare_only), f)
    return languages


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


def emit(languages):
    """Prints CollationTables.cpp: the default order, then each order that differs from
    it, shared by the languages that have it."""
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
    pool = bytearray()
    words, counts = [], []
    out = ["// Made by tools/collation/make_collation_tables.py from the sort keys Windows gives;",
           "// change that and run it again instead.",
           '#include "CollationTables.h"', "", "#ifndef _WIN32", ""]
    entries = []
    for n, (names, runs, joined, reverse) in enumerate(orders):
        if runs:
            out.append("const CollationRange kRanges%d[] = {" % n)
            for kind, items in runs:
                data, template = range_units(kind, items)
                out.append("    {0x%04X, 0x%04X, %d, %d, %d, %d}," % (
                    ord(items[0][0]), ord(items[-1][0]), len(pool), kind, template,
                    len(words) if kind == LISTED else 0))
                pool += data
                if kind == LISTED:
                    w, c = presence(items)
                    words += w
                    counts += c
            out.append("};")
        if joined:
            out.append("const CollationJoined kJoined%d[] = {" % n)
            for text, unit in joined:
                out.append('    {u"%s", %d},' % ("".join("\\u%04X" % ord(c) for c in text), len(pool)))
                pool += record(unit)
            out.append("};")
        entries.append('    {"%s", %s, %d, %s, %d, %s},' % (
            "".join(name + " " for name in names if name), "kRanges%d" % n if runs else "nullptr", len(runs),
            "kJoined%d" % n if joined else "nullptr", len(joined), "true" if reverse else "false"))
    out += ["", "const std::uint64_t kCollationPresence[] = {"]
    for i in range(0, len(words), 6):
        out.append("    " + " ".join("0x%016X," % w for w in words[i:i + 6]))
    out += ["};", "const std::uint16_t kCollationPresent[] = {"]
    for i in range(0, len(counts), 16):
        out.append("    " + " ".join("%d," % c for c in counts[i:i + 16]))
    out += ["};", "", "const unsigned char kCollationUnits[] = {"]
    for i in range(0, len(pool), 40):
        out.append("    " + ",".join("%d" % b for b in pool[i:i + 40]) + ",")
    out += ["};", "", "const unsigned char kCollationKanaNeutral[4] = {%s};" %
            ", ".join("0x%02X" % v for v in KANA_NEUTRAL), "",
            "const CollationLanguage kCollationLanguages[] = {"] + entries + [
            "};", "const std::size_t kCollationLanguageCount = %d;" % len(entries), "", "#endif"]
    print("\n".join(out))
    print("%d bytes of units, %d words of bitmaps, %d ranges, %d orders" % (
        len(pool), len(words), sum(len(o[1]) for o in orders), len(entries)), file=sys.stderr)


SAMPLES = 12


def write_samples(languages, path):
    """Texts of each order and the keys Windows gives them, for the tests of the tables:
    the characters the order weighs apart from the default, its units of several
    characters, hyphens, apostrophes and ASCII, mixed."""
    default = languages[0]
    rng = random.Random(26)
    rows, seen = [], set()
    for lang in languages:
        order = (tuple(sorted((c, u) for c, u in lang.chars.items() if default.chars.get(c) != u)),
                 tuple(sorted(lang.joined.items())), lang.reverse)
        if (lang is not default and order == ((), (), False)) or order in seen:
            continue
        seen.add(order)
        own = [c for c in (lang.chars if lang is default else dict(order[0])) if not is_private(c) and c >= " "]
        # Mostly the single-byte pages' characters: the double-byte ones outnumber them.
        near = sorted(c for c in own if ord(c) < 0x3000)
        far = sorted(c for c in own if ord(c) >= 0x3000)
        own = rng.sample(near, min(len(near), 300)) + rng.sample(far, min(len(far), 100))
        pieces = own + [t for t, _ in order[1]] + list("-'aZ09 _") + ["ch", "dzs", "\u30ab\u30fc"]
        for _ in range(SAMPLES * (4 if lang is default else 1)):
            text = "".join(rng.choice(pieces) for _ in range(rng.randint(1, 6)))
            if not lang.compare_only.intersection(text) and "\t" not in text and "\n" not in text:
                rows.append((lang.name or "en_US", lang.locale, text))
    keys = winsort.sort_keys([(locale, text) for _, locale, text in rows])
    with open(path, "w", encoding="utf-8") as f:
        f.write("# locale, text and the sort key Windows gives it, made by make_collation_tables.py\n")
        for (name, _, text), key in zip(rows, keys):
            f.write("%s\t%s\t%s\n" % (name, text, key.hex()))


def main():
    pages = winsort.page_characters(SINGLE_BYTE_PAGES + DOUBLE_BYTE_PAGES)
    single = sorted(set(c for p in SINGLE_BYTE_PAGES for c in pages[p]) | {chr(c) for c in range(1, 0x100)} |
                    {chr(c) for c in range(0xF880, 0xF900)})
    # The double-byte pages' areas for characters of one's own (private use) are left
    # to the order by code point.
    double = sorted(set(c for p in DOUBLE_BYTE_PAGES for c in pages[p] if not is_private(c)))
    languages = load_languages(pages, single, double)
    emit(languages)
    write_samples(languages, os.path.join(winsort.ROOT, "tests", "data", "list-order", "sort-keys.txt"))


main()
