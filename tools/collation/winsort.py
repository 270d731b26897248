"""Windows' sort keys, asked of Windows itself, and a model that rebuilds them.

A Windows sort key (LCMapStringEx with LCMAP_SORTKEY and NORM_IGNORECASE, the
comparison of a sorted list box) has these parts, each ended by the byte 01:

    primary     two or more bytes for each character that sorts (script, weight)
    diacritic   one byte a character; a combining mark adds its weight to the byte
                before it; trailing 02 bytes are dropped
    case        one byte a character (width, kana size); trailing 02 bytes dropped
    kana        only when the text has kana: four rows, E0 FF E1 02 E2 FF E3 FF,
                each without its trailing neutral values
    special     for each hyphen or apostrophe ("word sort"): its place among the
                primary weights, negated, in two bytes, then its weight and its
                case and diacritic in one byte each

then 00. Some languages join letters into one (Czech "ch", Hungarian "dzs") or weigh
a letter differently (Polish "l" with stroke after "l"); those units are found by
comparing what the model builds for every pair of a page's characters with the key
Windows gives the pair.
"""
import os
import subprocess
import threading

ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."))

NORMAL, NONSPACE, SPECIAL, IGNORED, REPEAT = 0, 1, 2, 3, 4


class Unit:
    """What one character, or a unit of several, adds to each part of a key."""

    __slots__ = ("kind", "primary", "diacritic", "case", "kana", "special")

    def __init__(self, kind, primary=b"", diacritic=b"", case=b"", kana=(b"", b"", b"", b""), special=b""):
        self.kind = kind
        self.primary = primary
        self.diacritic = diacritic
        self.case = case
        self.kana = tuple(kana)
        self.special = special  # weight and case byte of a SPECIAL unit

    def fields(self):
        return (self.kind, self.primary, self.diacritic, self.case, self.kana, self.special)

    def __eq__(self, other):
        return self.fields() == other.fields()

    def __hash__(self):
        return hash(self.fields())

    def __repr__(self):
        return "Unit(%d, %s, %s, %s, %s, %s)" % (
            self.kind, self.primary.hex(), self.diacritic.hex(), self.case.hex(),
            "/".join(k.hex() for k in self.kana), self.special.hex())


class Key:
    """A sort key split into its parts."""

    __slots__ = ("primary", "diacritic", "case", "kana", "special")

    def __init__(self, raw, marks_in_primary=False):
        """Splits raw. A mark that an expansion brings weighs 01 00 among the primary
        weights; with marks_in_primary such pairs are read as primary weights, not as
        the end of them (a diacritic byte that overflowed to 00 looks the same)."""
        j = 0
        while raw[j] != 1 or (marks_in_primary and raw[j + 1] == 0):
            j += 2 if raw[j] == 1 else 1
        self.primary = raw[:j]
        i = j + 1
        j = raw.index(1, i)
        self.diacritic = raw[i:j]
        i = j + 1
        j = raw.index(1, i)
        self.case = raw[i:j]
        i = j + 1
        self.kana = None
        if raw[i] != 1:
            rows = []
            for end in (0xFF, 0x02, 0xFF, 0xFF):
                j = raw.index(end, i)
                rows.append(raw[i:j])
                i = j + 1
            self.kana = tuple(rows)
        if raw[i] != 1 or raw[-1] != 0:
            raise ValueError("unexpected key " + raw.hex())
        self.special = raw[i + 1:-1]

    @staticmethod
    def readings(raw):
        """The ways raw may be read, the plain one first."""
        out = []
        for marks in (False, True):
            try:
                out.append(Key(raw, marks))
            except (ValueError, IndexError):
                pass
        return out


_process = None


def run_questions(lines):
    """Asks SortKeyQuery.exe, kept running under Wine; one answer a question (L lines
    have none)."""
    global _process
    if _process is None:
        # A prefix of its own: the test scripts end every program of theirs when done.
        env = dict(os.environ)
        env.setdefault("ORVANE_WINEPREFIX", os.path.join(os.path.expanduser("~"), ".cache/orvane/wine64-collation"))
        _process = subprocess.Popen(["bash", os.path.join(ROOT, "tests/windows/run_suite.sh"),
                                     build_query_program()], env=env,
                                    stdin=subprocess.PIPE, stdout=subprocess.PIPE, text=True, bufsize=1 << 20)
    writer = threading.Thread(target=lambda: (_process.stdin.write("\n".join(lines + ["E"]) + "\n"),
                                              _process.stdin.flush()))
    writer.start()
    answers = []
    for line in _process.stdout:
        line = line.rstrip("\r\n")
        if line == ".":
            break
        answers.append(line)
    writer.join()
    expected = sum(1 for l in lines if not l.startswith("L "))
    if len(answers) != expected:
        raise SystemExit("SortKeyQuery.exe gave %d answers to %d questions" % (len(answers), expected))
    return answers


def build_query_program():
    out = os.path.join(os.environ.get("TMPDIR", "/tmp"), "orvane-SortKeyQuery.exe")
    subprocess.run(["x86_64-w64-mingw32-g++-posix", "-O2", "-static", "-Wall", "-Wextra", "-o", out,
                    os.path.join(ROOT, "tools/collation/SortKeyQuery.cpp")], check=True)
    return out


def utf16_hex(text):
    data = text.encode("utf-16-be")
    return data.hex()


def sort_keys(locale_texts):
    """[(locale, text)] -> [bytes]: the keys, asked in one run."""
    lines = []
    current = None
    for locale, text in locale_texts:
        if locale != current:
            lines.append("L " + locale)
            current = locale
        lines.append("K " + utf16_hex(text))
    out = []
    for answer in run_questions(lines):
        if answer.startswith("error"):
            raise SystemExit("LCMapStringEx failed: " + answer)
        out.append(bytes.fromhex(answer))
    return out


def page_characters(pages):
    answers = run_questions(["P %d" % p for p in pages])
    return {p: [chr(int(h, 16)) for h in a.split()] for p, a in zip(pages, answers)}


def trim(row, neutral):
    end = len(row)
    while end and row[end - 1] in neutral:
        end -= 1
    return row[:end]


class Model:
    """Builds keys from units: a table of single characters and one of longer units."""

    def __init__(self, chars, joined, kana_neutral, reverse=False):
        self.reverse = reverse  # diacritics compared from the last (French)
        self.chars = chars      # character -> Unit
        self.joined = joined    # string of 2 or more characters -> Unit
        self.longest = max((len(s) for s in joined), default=1)
        self.kana_neutral = kana_neutral  # the four rows' neutral values

    def units(self, text):
        i = 0
        while i < len(text):
            for n in range(min(self.longest, len(text) - i), 1, -1):
                unit = self.joined.get(text[i:i + n])
                if unit is not None:
                    i += n
                    yield i, unit
                    break
            else:
                i += 1
                yield i, self.unit_of(text[i - 1])

    def unit_of(self, ch):
        return self.chars.get(ch) or fallback(ch)

    def repeated(self, text, end, mark):
        """A length or iteration mark (a REPEAT unit: its own diacritic and, in the
        kana rows, its second row and for a length mark its width) weighs as the
        character before it that sorts; after kana, as that kana's vowel for a length
        mark. With none before it, or after an expansion, it weighs FF FF."""
        for ch in reversed(text[:end]):
            before = self.unit_of(ch)
            if before.kind in (IGNORED, NONSPACE, REPEAT):
                continue
            if before.kind == SPECIAL:
                return Unit(NORMAL, bytes([6, before.special[0]]), bytes([before.special[1] >> 3]), b"\x02")
            p = before.primary
            if any(before.kana):
                lengthens = mark.kana[1] == b"\x05"
                weight = bytes([p[0], p[1] & 0x87 if lengthens else p[1]])
                width = mark.kana[3] if lengthens else before.kana[3]
                return Unit(NORMAL, weight, mark.diacritic, b"\x02",
                            (before.kana[0], mark.kana[1], before.kana[2], width))
            if len(p) == 4 and p[:2] == b"\xfd\xff":
                return Unit(NORMAL, bytes([5, p[2]]), bytes([p[3]]), b"\x02")
            if len(p) > 3:
                break
            return Unit(NORMAL, p, before.diacritic, b"\x02" * len(before.case))
        return Unit(NORMAL, b"\xff\xff")

    def key(self, text):
        primary, diacritic, case, special = bytearray(), bytearray(), bytearray(), bytearray()
        kana = [bytearray() for _ in range(4)]
        for end, unit in self.units(text):
            if unit.kind == REPEAT:
                unit = self.repeated(text, end - 1, unit)
            if unit.kind == NONSPACE:
                if diacritic:
                    diacritic[-1] = (diacritic[-1] + unit.diacritic[0]) & 0xFF
                else:
                    diacritic += unit.diacritic
            elif unit.kind == SPECIAL:
                place = (-(len(primary) // 2) - 1) & 0xFFFF
                special += bytes([place >> 8, place & 0xFF]) + unit.special
            elif unit.kind == NORMAL:
                primary += unit.primary
                diacritic += unit.diacritic
                case += unit.case
                for row, extra in zip(kana, unit.kana):
                    row += extra
        if self.reverse:
            diacritic.reverse()
        out = bytearray(primary) + b"\x01" + trim(diacritic, {2}) + b"\x01" + trim(case, {2}) + b"\x01"
        if kana[2]:
            for row, neutral, end in zip(kana, self.kana_neutral, (0xFF, 0x02, 0xFF, 0xFF)):
                out += trim(row, {neutral}) + bytes([end])
        return bytes(out + b"\x01" + special + b"\x00")


# Added to every key the tables are read from, so that nothing of the character before
# it is dropped as a trailing neutral value: an accented letter (the first of these
# that the language does not count a letter of its own), a full-width letter, and kana
# of every row.
ACCENTED = "\u00e9\u00e8\u1ebd\u0113\u0115"
SENTINEL_TAIL = "\uff21\uff67\u30fd"
sentinels = {}


def sentinel(locale):
    if locale not in sentinels:
        keys = sort_keys([(locale, a + SENTINEL_TAIL) for a in ACCENTED])
        sentinels[locale] = next(a + SENTINEL_TAIL for a, k in zip(ACCENTED, keys) if Key(k).diacritic)
    return sentinels[locale]


def read_units(locale, texts, reverse=False):
    """Each text's unit, from the key of the text followed by the sentinel. Where the
    diacritics are read backwards, the diacritics come from the key of the text after
    the sentinel, whose first diacritic then ends them."""
    end = sentinel(locale)
    keys = sort_keys([(locale, end)] + [(locale, t + end) for t in texts] +
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



def fallback(ch):
    """A character no table holds sorts after every other, by its code point."""
    c = ord(ch)
    return Unit(NORMAL, bytes([0xFF, 0xFE, c >> 16, (c >> 8) & 0xFF, c & 0xFF]), b"\x02", b"\x02")


def compare(locale_pairs):
    """[(locale, a, b)] -> [-1, 0 or 1]: what CompareStringEx says, asked in one run."""
    lines = []
    current = None
    for locale, a, b in locale_pairs:
        if locale != current:
            lines.append("L " + locale)
            current = locale
        lines.append("C %s %s" % (utf16_hex(a), utf16_hex(b)))
    return [int(a) for a in run_questions(lines)]
