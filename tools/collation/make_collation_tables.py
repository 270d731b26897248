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
from tables_cpp import emit
from winsort import IGNORED, KANA_NEUTRAL, Key, Model, Unit, read_marks, read_units

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
