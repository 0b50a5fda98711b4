#!/usr/bin/env python3
# Corvane — SPDX-License-Identifier: GPL-3.0-or-later
"""Checks the help files of a Help folder as the Help page will use them, reading the RTF
on its own (not through the generator): every topic line of NAME.ini must be a heading of
NAME.rtf in the heading format (blue 0, 0, 255, bold, underlined, not italic, not struck
out), and the first occurrence of the topic's text in that format must be its own heading,
since that is where a click on the topic stops.

Usage: check_help_topics.py FOLDER   prints each problem and exits 1 when there is one
"""
import re
import sys
from pathlib import Path

MAX_RTF_BYTES = 1024 * 1024
HEADING_RGB = (0, 0, 255)
PARAGRAPH = "\u2029"
# Groups whose text the document does not show.
SKIPPED = {"fonttbl", "stylesheet", "info", "fldinst", "pict", "header", "footer",
           "listtable", "listoverridetable"}
RGB = {"red": 0, "green": 1, "blue": 2}

TOKEN = re.compile(rb"\\([a-zA-Z]+)(-?\d+)? ?|\\'([0-9a-fA-F]{2})|\\(.)|([{}])|([\r\n]+)|"
                   rb"([^\\{}\r\n]+)", re.S)


def read_rtf(data):
    """The document's text and, per character, whether it has the heading format.
    Paragraphs end with U+2029, pictures are U+FFFC."""
    colours = []  # an entry without components is the automatic colour, None
    pending = None
    in_colours = False
    state = {"cf": 0, "b": False, "i": False, "ul": False, "strike": False, "skip": False,
             "colortbl": False, "uc": 1}
    stack = []
    chars, flags = [], []
    skip_fallback = 0
    high_surrogate = None

    def heading():
        cf = state["cf"]
        rgb = colours[cf] if cf < len(colours) else None
        return (rgb == HEADING_RGB and state["b"] and state["ul"] and not state["i"]
                and not state["strike"])

    def emit(text):
        nonlocal skip_fallback
        if state["skip"] or state["colortbl"]:
            return
        for ch in text:
            if skip_fallback:
                skip_fallback -= 1
                continue
            chars.append(ch)
            flags.append(heading())

    group_start = False
    for m in TOKEN.finditer(data):
        word, arg, hexbyte, symbol, brace, newline, text = m.groups()
        if newline:
            continue
        if brace == b"{":
            stack.append(dict(state))
            group_start = True
            continue
        if brace == b"}":
            if state["colortbl"]:
                in_colours = False
            state = stack.pop() if stack else state
            group_start = False
            continue
        first_in_group, group_start = group_start, False
        if word is not None:
            w = word.decode()
            n = int(arg) if arg is not None else None
            if w in SKIPPED:
                if w == "pict" and not state["skip"]:
                    emit("\ufffc")  # a picture shows as one object character
                state["skip"] = True
            elif w == "colortbl":
                state["colortbl"] = in_colours = True
            elif w in ("red", "green", "blue") and state["colortbl"]:
                pending = pending or [0, 0, 0]
                pending[RGB[w]] = n or 0
            elif w == "cf":
                state["cf"] = n or 0
            elif w in ("b", "i", "ul", "strike"):
                state[w] = n != 0
            elif w == "ulnone":
                state["ul"] = False
            elif w == "plain":
                state.update(cf=0, b=False, i=False, ul=False, strike=False)
            elif w == "uc":
                state["uc"] = n or 0
            elif w == "u":
                code = n + 65536 if n < 0 else n
                if 0xD800 <= code < 0xDC00:
                    high_surrogate = code
                elif 0xDC00 <= code < 0xE000 and high_surrogate is not None:
                    emit(chr(0x10000 + ((high_surrogate - 0xD800) << 10) + code - 0xDC00))
                    high_surrogate = None
                else:
                    emit(chr(code))
                skip_fallback = state["uc"]
                continue
            elif w == "par":
                emit(PARAGRAPH)
            elif w == "line":
                emit("\u2028")
            elif w == "tab":
                emit("\t")
            elif w == "bullet":
                emit("\u2022")
            continue
        if hexbyte is not None:
            emit(bytes([int(hexbyte, 16)]).decode("cp1252", errors="replace"))
            continue
        if symbol is not None:
            s = symbol.decode("latin-1")
            if s == "*" and first_in_group:
                state["skip"] = True
            elif s in "\\{}":
                emit(s)
            elif s == "~":
                emit("\u00a0")
            continue
        if text is not None:
            t = text.decode("latin-1")
            if state["colortbl"]:
                for _ in range(t.count(";")):
                    colours.append(tuple(pending) if pending else None)
                    pending = None
                continue
            emit(t)
    return "".join(chars), flags


def read_topics(data, name, problems):
    """The topic lines of a topic file, checked as the tree reader reads them."""
    if not data.startswith(b"\xef\xbb\xbf"):
        problems.append(f"{name}: does not begin with the UTF-8 byte-order mark")
    else:
        data = data[3:]
    try:
        text = data.decode("utf-8")
    except UnicodeDecodeError as e:
        problems.append(f"{name}: not UTF-8 ({e})")
        return []
    if not text.endswith("\r\n"):
        problems.append(f"{name}: the last line does not end with CR LF")
    lines = text.split("\r\n")
    if lines and lines[-1] == "":
        lines.pop()
    topics = []
    previous = -1
    for number, line in enumerate(lines, 1):
        text_part = line.lstrip("\t")
        depth = len(line) - len(text_part)
        if "\r" in line or "\n" in line:
            problems.append(f"{name}:{number}: a line break that is not CR LF")
        if not text_part or text_part[0] == " " or text_part != text_part.strip():
            problems.append(f"{name}:{number}: empty, or blanks around the topic")
        if depth > previous + 1 or (number == 1 and depth != 0):
            problems.append(f"{name}:{number}: \"{text_part}\" is at depth {depth} after a "
                            f"line at depth {previous}")
        previous = depth
        topics.append((number, depth, text_part))
    return topics


def check_set(rtf_path, ini_path):
    problems = []
    data = rtf_path.read_bytes()
    if len(data) > MAX_RTF_BYTES:
        problems.append(f"{rtf_path.name}: {len(data)} bytes; keep a help file under 1 MB")
    text, flags = read_rtf(data)
    # The headings: paragraphs wholly in the heading format. A paragraph that is only partly
    # in that format would catch a topic's search, so it is a fault of its own.
    headings = []  # (start, text)
    start = 0
    for paragraph in text.split(PARAGRAPH):
        end = start + len(paragraph)
        marked = flags[start:end]
        if paragraph and all(marked):
            headings.append((start, paragraph))
        elif any(marked):
            problems.append(f"{rtf_path.name}: the paragraph \"{paragraph[:60]}\" is partly "
                            "in the heading format")
        start = end + 1
    topics = read_topics(ini_path.read_bytes(), ini_path.name, problems)
    heading_texts = [h for _, h in headings]
    topic_texts = [t for _, _, t in topics]
    if heading_texts != topic_texts:
        missing = [t for t in topic_texts if t not in heading_texts]
        extra = [h for h in heading_texts if h not in topic_texts]
        problems.append(f"{rtf_path.stem}: the topics and the headings differ"
                        + (f"; topics without a heading: {missing}" if missing else "")
                        + (f"; headings without a topic: {extra}" if extra else "")
                        + ("" if missing or extra else "; they are in another order"))
    own = {h: s for s, h in reversed(headings)}
    for number, _, topic in topics:
        if topic not in own:
            continue
        pos = text.find(topic)
        while pos >= 0 and not all(flags[pos:pos + len(topic)]):
            pos = text.find(topic, pos + 1)
        if pos != own[topic]:
            inside = max((h for s, h in headings if s <= pos), key=lambda h: own.get(h, 0),
                         default="?")
            problems.append(f"{ini_path.name}:{number}: a click on \"{topic}\" stops in the "
                            f"heading \"{inside}\", not in its own")
    return problems


def check_folder(folder):
    folder = Path(folder)
    problems = []
    rtfs = {p.stem for p in folder.glob("*.rtf")}
    inis = {p.stem for p in folder.glob("*.ini")}
    if not rtfs:
        problems.append(f"{folder}: no help file (*.rtf)")
    for stem in sorted(rtfs ^ inis):
        problems.append(f"{stem}: the .rtf or the .ini file is missing")
    for stem in sorted(rtfs & inis):
        problems += check_set(folder / f"{stem}.rtf", folder / f"{stem}.ini")
    return problems


def main(argv):
    if len(argv) != 2:
        print(__doc__.strip().splitlines()[-1], file=sys.stderr)
        return 2
    problems = check_folder(argv[1])
    for p in problems:
        print(p, file=sys.stderr)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
