#!/usr/bin/env python3
"""Checks the word-book sources in data/courses/ before they are built into courses.

Each book is a UTF-8 TSV file, one word a line, four tab-separated fields:
    word, phonetic, phonetic note, explanation
and courses.list names the books in the order the learner sees them:
    file name (without .tsv) <TAB> Chinese name of the book

Usage: check-wordlists.py [DIR]   (DIR defaults to data/courses beside this script's repository)
Prints every problem as FILE:LINE: message (stopping after a screenful) and exits 1 when there is any.
"""

import os
import re
import sys

MAX_PROBLEMS = 30

# Byte limits of the course record fields (word, phonetic, phonetic note, explanation).
FIELD_LIMITS = (127, 127, 127, 32767)
FIELD_NAMES = ("word", "phonetic", "phonetic note", "explanation")
BOOK_NAME_LIMIT = 127

# Part-of-speech abbreviations an explanation line may start with; longest first so that
# "modal v." is not read as an unknown word followed by "v.".
EXPLANATION_POS = ("modal v.", "aux. v.", "adj.", "adv.", "prep.", "conj.", "pron.", "det.",
                   "num.", "int.", "art.", "abbr.", "phr.", "vt.", "vi.", "n.", "v.")
# A note may also say "phr. v." (a phrasal verb, explained as "v.").
NOTE_POS = ("phr. v.",) + EXPLANATION_POS
NOTE_POS_MEANS = {"phr. v.": "v."}

# Symbols of the learner-dictionary IPA we write. Plain "g" is used for the voiced velar stop
# throughout; "o" only occurs in the American diphthong "oʊ".
IPA_LETTERS = set("abdefghijklmnoprstuvwzæɑɒɔəɜɪʊʌθðŋʃʒ")
IPA_MARKS = set("ːˈˌ")
LONG_VOWELS = set("iɑɔuɜ")
VOWELS = set("iɪeæɑɒɔʊuʌəɜao")

SLASHED = re.compile(r"/([^/]*)/")


class Problems:
    def __init__(self):
        self.items = []

    def add(self, path, line, message):
        self.items.append((path, line, message))
        if len(self.items) <= MAX_PROBLEMS:
            where = f"{path}:{line}" if line else path
            print(f"{where}: {message}", file=sys.stderr)

    def __len__(self):
        return len(self.items)


def ipa_problem(ipa, american):
    """Returns what is wrong with the IPA between two slashes, or None.

    The phonetic field is British (non-rhotic, əʊ); transcriptions in the note may be American."""
    if not ipa:
        return "empty transcription"
    if ipa != ipa.strip() or "  " in ipa:
        return "stray spaces"
    for ch in ipa:
        if ch == "ɡ":
            return "use the plain letter g, not the IPA script ɡ (U+0261)"
        if ch not in IPA_LETTERS and ch not in IPA_MARKS and ch != " ":
            return f"character {ch!r} (U+{ord(ch):04X}) is not one of our IPA symbols"
    if "ˈ" not in ipa:
        return "no primary stress mark ˈ"
    for i, ch in enumerate(ipa):
        nxt = ipa[i + 1] if i + 1 < len(ipa) else ""
        prev = ipa[i - 1] if i > 0 else ""
        if ch in "ˈˌ" and nxt not in IPA_LETTERS:
            return f"stress mark {ch} must be followed by a sound"
        if ch == "ː" and prev not in LONG_VOWELS:
            return f"length mark after {prev!r}; only iː ɑː ɔː uː ɜː are long"
        if ch in "ɑɜ" and nxt != "ː":
            return f"{ch} without length mark"
        if ch == "ɒ" and nxt == "ː":
            return "ɒ is short"
        if ch == "a" and nxt not in ("ɪ", "ʊ"):
            return "a only occurs in aɪ and aʊ (use æ or ɑː)"
        if ch == "o" and (nxt != "ʊ" or not american):
            return "o only occurs in the American oʊ (British: əʊ)"
        if ch == "r" and not american and nxt not in VOWELS:
            return "British transcription: r only before a vowel"
    return None


def split_pos(text, allowed):
    """Splits a leading "pos/pos/..." list off text; returns (list, rest) or (None, text)."""
    found = []
    rest = text
    while True:
        for pos in allowed:
            if rest.startswith(pos):
                found.append(pos)
                rest = rest[len(pos):]
                break
        else:
            return None, text
        if rest.startswith("/"):
            rest = rest[1:]
            continue
        return found, rest


def check_book(path, problems):
    name = os.path.basename(path)
    try:
        with open(path, "rb") as f:
            data = f.read()
    except OSError as e:
        problems.add(name, 0, f"cannot read: {e.strerror}")
        return 0
    try:
        text = data.decode("utf-8")
    except UnicodeDecodeError as e:
        line = data[:e.start].count(b"\n") + 1
        problems.add(name, line, "not valid UTF-8")
        return 0
    if text.startswith("\ufeff"):
        problems.add(name, 1, "byte order mark at the start")
    if "\r" in text:
        problems.add(name, text[:text.index("\r")].count("\n") + 1, "carriage return (use LF line ends)")
    if not text:
        problems.add(name, 0, "empty book")
        return 0
    if not text.endswith("\n"):
        problems.add(name, text.count("\n") + 1, "last line has no line end")

    seen = {}
    count = 0
    lines = text.split("\n")
    if text.endswith("\n"):
        lines.pop()
    for number, line in enumerate(lines, 1):
        if not line.strip():
            problems.add(name, number, "blank line")
            continue
        fields = line.split("\t")
        if len(fields) != 4:
            problems.add(name, number, f"{len(fields)} fields, expected 4 (word, phonetic, note, explanation)")
            continue
        count += 1
        bad = False
        for field, limit, label in zip(fields, FIELD_LIMITS, FIELD_NAMES):
            if not field:
                problems.add(name, number, f"empty {label}")
                bad = True
            elif field != field.strip():
                problems.add(name, number, f"{label} has leading or trailing spaces")
                bad = True
            elif len(field.encode("utf-8")) > limit:
                problems.add(name, number, f"{label} is {len(field.encode('utf-8'))} bytes, more than {limit}")
                bad = True
            elif any(ord(c) < 0x20 or c == "\x7f" for c in field):
                problems.add(name, number, f"control character in {label}")
                bad = True
        if bad:
            continue
        word, phonetic, note, explanation = fields

        if word in seen:
            problems.add(name, number, f"duplicate word {word!r} (first on line {seen[word]})")
        else:
            seen[word] = number

        m = re.fullmatch(r"/([^/]*)/", phonetic)
        if not m:
            problems.add(name, number, "phonetic must be one transcription between slashes, e.g. /ˈbæŋk/")
        else:
            why = ipa_problem(m.group(1), american=False)
            if why:
                problems.add(name, number, f"phonetic {phonetic}: {why}")

        note_pos, note_rest = split_pos(note, NOTE_POS)
        if note_pos is None or (note_rest and not note_rest.startswith(" ")):
            problems.add(name, number, "phonetic note must start with the part of speech, e.g. 'n.' or 'v./n.'")
        else:
            for m in SLASHED.finditer(note_rest):
                # Notes give American forms and the other readings of the word.
                why = ipa_problem(m.group(1), american=True)
                if why:
                    problems.add(name, number, f"transcription /{m.group(1)}/ in the note: {why}")
            if note_rest.count("/") % 2:
                problems.add(name, number, "unbalanced slash in the phonetic note")

        explained = []
        for part in explanation.split("\\n"):
            pos, rest = split_pos(part, EXPLANATION_POS)
            if pos is None or len(pos) != 1 or not rest.startswith(" ") or not rest.strip():
                problems.add(name, number,
                             f"explanation line {part!r} must be a part of speech, a space and the senses")
                explained = None
                break
            if re.search(r"[;()]", rest):
                problems.add(name, number, "explanation uses ASCII ; or ( ); write Chinese punctuation ；（）")
            if "..." in rest:
                problems.add(name, number, "write the ellipsis as … in explanations")
            if rest.count("（") != rest.count("）"):
                problems.add(name, number, f"unbalanced （） in explanation line {part!r}")
            if rest.strip() != rest[1:] or "；；" in rest or rest.endswith("；"):
                problems.add(name, number, f"stray space or separator in explanation line {part!r}")
            explained.append(pos[0])
        if explained is not None and note_pos is not None:
            noted = [NOTE_POS_MEANS.get(p, p) for p in note_pos]
            if noted != explained:
                problems.add(name, number,
                             f"note says {'/'.join(note_pos)} but the explanation has {'/'.join(explained)}")
    return count


def check_list(directory, problems):
    path = os.path.join(directory, "courses.list")
    books = []
    try:
        with open(path, "rb") as f:
            data = f.read()
    except OSError as e:
        problems.add("courses.list", 0, f"cannot read: {e.strerror}")
        return books
    try:
        text = data.decode("utf-8")
    except UnicodeDecodeError:
        problems.add("courses.list", 0, "not valid UTF-8")
        return books
    if "\r" in text:
        problems.add("courses.list", 0, "carriage return (use LF line ends)")
    if text and not text.endswith("\n"):
        problems.add("courses.list", text.count("\n") + 1, "last line has no line end")
    seen = set()
    for number, line in enumerate(text.splitlines(), 1):
        fields = line.split("\t")
        if len(fields) != 2 or not all(fields):
            problems.add("courses.list", number, "expected: file name <TAB> Chinese name of the book")
            continue
        stem, title = fields
        if not re.fullmatch(r"[a-z0-9_-]+", stem) or stem == "newword":
            problems.add("courses.list", number, f"file name {stem!r}: lower-case letters, digits, _ and - only "
                         "(and not the new-word book's name)")
        elif stem in seen:
            problems.add("courses.list", number, f"{stem} listed twice")
        elif not os.path.isfile(os.path.join(directory, stem + ".tsv")):
            problems.add("courses.list", number, f"{stem}.tsv does not exist")
        seen.add(stem)
        if len(title.encode("utf-8")) > BOOK_NAME_LIMIT or title != title.strip():
            problems.add("courses.list", number, "book name too long or padded with spaces")
        books.append(stem)
    if not books:
        problems.add("courses.list", 0, "no books listed")
    return books


def main():
    if len(sys.argv) > 2:
        print(__doc__, file=sys.stderr)
        return 2
    here = os.path.dirname(os.path.abspath(__file__))
    directory = sys.argv[1] if len(sys.argv) == 2 else os.path.join(here, "..", "data", "courses")
    problems = Problems()
    listed = check_list(directory, problems)
    counts = []
    for entry in sorted(os.listdir(directory)) if os.path.isdir(directory) else []:
        if entry.endswith(".tsv"):
            stem = entry[:-4]
            if stem not in listed:
                problems.add(entry, 0, "book not named in courses.list")
            counts.append((stem, check_book(os.path.join(directory, entry), problems)))
    if len(problems):
        more = len(problems) - MAX_PROBLEMS
        if more > 0:
            print(f"... and {more} more problems", file=sys.stderr)
        return 1
    for stem, count in counts:
        print(f"{stem}: {count} words")
    return 0


if __name__ == "__main__":
    sys.exit(main())
