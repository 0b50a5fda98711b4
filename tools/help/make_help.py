#!/usr/bin/env python3
# Corvane — SPDX-License-Identifier: GPL-3.0-or-later
"""Builds Corvane's help files from one source text per language.

Usage: make_help.py [--out DIR]     writes every help set of SETS below into DIR
                                    (default: data/Help of this checkout)
       make_help.py --check DIR     builds into a temporary folder and fails, naming each
                                    file, when DIR's files differ from that build

For each language the source (tools/help/en.md, tools/help/de.md) gives two files: NAME.rtf,
the help text, and NAME.ini, its topic tree (one node per heading, one TAB per level, CR LF,
UTF-8 with a byte-order mark). The Help page opens a topic by searching the topic's text,
matching case, for the first occurrence that is blue (0, 0, 255), bold and underlined, so
the build refuses a source where that search would stop anywhere but at the topic's own
heading. The source format is described in tools/help/README.md.

Standard library only; the output depends on nothing but the sources and pictures.
"""
import argparse
import filecmp
import os
import re
import struct
import sys
import tempfile
from dataclasses import dataclass, field
from pathlib import Path

HERE = Path(__file__).resolve().parent
CHECKOUT = HERE.parents[1]

# (source file beside this script, name of the help set in the Help folder)
SETS = [("en.md", "Corvane"), ("de.md", "Corvane (Deutsch)")]

MAX_DEPTH = 3  # "#" to "####"
HEADING_SIZES = [32, 28, 24, 22]  # half-points by depth
BODY_SIZE = 20
CODE_SIZE = 18
CAPTION_SIZE = 18
TWIPS_PER_PIXEL = 15  # a picture shows at 96 pixels per inch
DEFAULT_MAX_PICTURE_WIDTH = 420  # pixels; wider pictures are shown scaled down
HEX_LINE = 128  # hexadecimal digits per line of picture data
INDENT = 360  # twips: the hanging indent of a bullet item
PNG_MAGIC = b"\x89PNG\r\n\x1a\n"


class HelpError(Exception):
    """A fault in a help source; the message names the file and line."""


# ---------------------------------------------------------------------------------------------
# The source: blocks of inline runs


@dataclass
class Run:
    text: str
    bold: bool = False
    italic: bool = False
    code: bool = False
    link: str = ""  # a field's target; the text is what the reader sees


@dataclass
class Heading:
    depth: int
    text: str
    line: int


@dataclass
class Paragraph:
    runs: list
    label: str = ""  # "\u2022" for a bullet item, "1." for a numbered one, else empty
    line: int = 0


@dataclass
class Code:
    lines: list
    line: int = 0


@dataclass
class Picture:
    path: Path
    caption: str
    width: int  # display size in pixels
    height: int
    pixel_width: int
    pixel_height: int
    data: bytes = field(repr=False, default=b"")
    line: int = 0


INLINE = re.compile(
    r"\\(?P<escaped>.)"
    r"|\*\*(?P<bold>.+?)\*\*"
    r"|\*(?P<italic>[^*]+?)\*"
    r"|`(?P<code>[^`]+)`"
    r"|\[(?P<label>[^\]]+)\]\((?P<target>[^)\s]+)\)"
    r"|<(?P<auto>(?:https?|mailto):[^>\s]+)>")


def parse_inline(text, where):
    """The runs of one paragraph's text: **bold**, *italic*, `code`, [label](target),
    <https://address> (shown as written; Corvane shows web addresses as links) and \\x for a
    character that would otherwise be markup."""
    runs = []
    plain = []

    def flush():
        if "".join(plain):
            runs.append(Run("".join(plain)))
        plain.clear()

    pos = 0
    for m in INLINE.finditer(text):
        plain.append(text[pos:m.start()])
        pos = m.end()
        if m.group("escaped") is not None:
            plain.append(m.group("escaped"))
            continue
        flush()
        if m.group("bold") is not None:
            for inner in parse_inline(m.group("bold"), where):
                inner.bold = True
                runs.append(inner)
        elif m.group("italic") is not None:
            for inner in parse_inline(m.group("italic"), where):
                inner.italic = True
                runs.append(inner)
        elif m.group("code") is not None:
            runs.append(Run(m.group("code"), code=True))
        elif m.group("label") is not None:
            runs.append(Run(m.group("label"), link=m.group("target")))
        else:
            runs.append(Run(m.group("auto")))
    plain.append(text[pos:])
    flush()
    for run in runs:
        for mark in ("**", "`", "](", "\t"):
            if mark in run.text:
                raise HelpError(f"{where}: unmatched or misplaced {mark!r} in the text")
    return runs


def png_size(data, where):
    if not data.startswith(PNG_MAGIC) or data[12:16] != b"IHDR":
        raise HelpError(f"{where}: not a PNG picture")
    return struct.unpack(">II", data[16:24])


PICTURE = re.compile(r"!\[(?P<caption>[^\]]*)\]\((?P<path>[^)\s]+)(?:\s+(?P<width>\d+))?\)$")


def parse_source(text, name, base):
    """The blocks of a source text. name is used in messages, base is the folder that
    picture paths are relative to."""
    blocks = []
    lines = text.split("\n")
    paragraph = []  # (line number, text)
    label = ""
    i = 0

    def end_paragraph():
        nonlocal label
        if paragraph:
            first = paragraph[0][0]
            joined = " ".join(t.strip() for _, t in paragraph)
            blocks.append(Paragraph(parse_inline(joined, f"{name}:{first}"), label, first))
        paragraph.clear()
        label = ""

    while i < len(lines):
        number = i + 1
        line = lines[i].rstrip("\r")
        where = f"{name}:{number}"
        i += 1
        if "\t" in line:
            raise HelpError(f"{where}: a TAB character; use spaces")
        if line.startswith("%"):
            continue
        if line.startswith("```"):
            end_paragraph()
            code = []
            while True:
                if i >= len(lines):
                    raise HelpError(f"{where}: the code block is not closed with ```")
                inner = lines[i].rstrip("\r")
                i += 1
                if inner.startswith("```"):
                    break
                code.append(inner)
            blocks.append(Code(code, number))
            continue
        if not line.strip():
            end_paragraph()
            continue
        m = re.match(r"(#+) (.*)$", line)
        if m:
            end_paragraph()
            depth = len(m.group(1)) - 1
            heading = m.group(2)
            if depth > MAX_DEPTH:
                raise HelpError(f"{where}: more than {MAX_DEPTH + 1} '#' in a heading")
            if heading != heading.strip() or not heading:
                raise HelpError(f"{where}: a heading must not be empty or begin or end "
                                "with a blank")
            blocks.append(Heading(depth, heading, number))
            continue
        m = PICTURE.match(line.strip())
        if m:
            end_paragraph()
            blocks.append(load_picture(base, m, where))
            continue
        m = re.match(r"(- |(\d+)\. )(.*)$", line)
        if m:
            end_paragraph()
            label = m.group(2) + "." if m.group(2) else "\u2022"
            paragraph.append((number, m.group(3)))
            continue
        if line.startswith(" ") and not (label and paragraph and line.startswith("  ")):
            raise HelpError(f"{where}: an indented line outside a list item")
        paragraph.append((number, line))
    end_paragraph()
    return blocks


def load_picture(base, m, where):
    path = base / m.group("path")
    if not path.is_file():
        raise HelpError(f"{where}: the picture {m.group('path')} does not exist")
    data = path.read_bytes()
    pixel_width, pixel_height = png_size(data, f"{where}: {m.group('path')}")
    width = int(m.group("width")) if m.group("width") else min(pixel_width,
                                                                DEFAULT_MAX_PICTURE_WIDTH)
    if width <= 0:
        raise HelpError(f"{where}: a picture width must be positive")
    height = round(pixel_height * width / pixel_width)
    return Picture(path, m.group("caption"), width, height, pixel_width, pixel_height, data,
                   int(where.rsplit(":", 1)[1]))


# ---------------------------------------------------------------------------------------------
# The topic tree and the search that opens a topic


def topic_tree(blocks, name):
    """The headings as tree-text lines, after checking the tree can be read back."""
    headings = [b for b in blocks if isinstance(b, Heading)]
    if not headings:
        raise HelpError(f"{name}: no heading, so no topic")
    if headings[0].depth != 0:
        raise HelpError(f"{name}:{headings[0].line}: the first heading must be a top-level "
                        "heading (one '#')")
    seen = {}
    previous = 0
    for h in headings:
        if h.depth > previous + 1:
            raise HelpError(f"{name}:{h.line}: the heading \"{h.text}\" is {h.depth - previous} "
                            "levels deeper than the one before; one level at most")
        previous = h.depth
        if h.text in seen:
            raise HelpError(f"{name}:{h.line}: the topic \"{h.text}\" is already the heading "
                            f"of line {seen[h.text]}; topic texts must differ")
        seen[h.text] = h.line
    return ["\t" * h.depth + h.text for h in headings]


def visible_text(blocks):
    """The text as the help page searches it, with a flag per character that says whether it
    has the heading format, and where each heading begins. Paragraphs end with U+2029,
    pictures are U+FFFC, as in the rich-text control."""
    chars = []
    flags = []
    starts = {}

    def add(text, heading=False):
        chars.append(text)
        flags.extend([heading] * len(text))

    for b in blocks:
        if isinstance(b, Heading):
            starts[b.text] = len(flags)
            add(b.text, True)
        elif isinstance(b, Paragraph):
            if b.label:
                add(b.label + "\t")
            for run in b.runs:
                add(run.text)
        elif isinstance(b, Code):
            add("\u2028".join(b.lines))
        elif isinstance(b, Picture):
            add("\ufffc")
            if b.caption:
                add("\u2029" + b.caption)
        add("\u2029")
    return "".join(chars), flags, starts


def check_topics(blocks, name):
    """Every topic's search must stop at its own heading: the first occurrence of its text
    whose characters all have the heading format must be that heading."""
    text, flags, starts = visible_text(blocks)
    line_of = {b.text: b.line for b in blocks if isinstance(b, Heading)}
    for topic, start in starts.items():
        pos = text.find(topic)
        while pos >= 0 and not all(flags[pos:pos + len(topic)]):
            pos = text.find(topic, pos + 1)
        if pos != start:
            other = max((t for t, s in starts.items() if 0 <= s <= pos),
                        key=lambda t: starts[t], default=topic)
            raise HelpError(f"{name}:{line_of[topic]}: the topic \"{topic}\" would stop inside "
                            f"the heading \"{other}\" (line {line_of[other]}); reword one of "
                            "them")


# ---------------------------------------------------------------------------------------------
# RTF


def rtf_escape(text):
    out = []
    for ch in text:
        code = ord(ch)
        if ch in "\\{}":
            out.append("\\" + ch)
        elif ch == "\u2028":
            out.append("\\line ")
        elif 32 <= code < 127:
            out.append(ch)
        else:
            try:
                byte = ch.encode("cp1252") if code > 127 else None
            except UnicodeEncodeError:
                byte = None
            if byte is not None:
                out.append("\\'%02x" % byte[0])
            elif code >= 160:
                units = ch.encode("utf-16-be")
                for (unit,) in struct.iter_unpack(">H", units):
                    out.append("\\u%d?" % (unit - 0x10000 if unit >= 0x8000 else unit))
            else:
                raise HelpError(f"a control character U+{code:04X} in the text")
    return "".join(out)


# Colour table: 1 the heading blue, 2 body text, 3 links, 4 code, 5 captions.
COLOURS = [(0, 0, 255), (0, 0, 0), (0, 70, 160), (90, 40, 0), (80, 80, 80)]
HEADING_COLOUR, TEXT_COLOUR, LINK_COLOUR, CODE_COLOUR, CAPTION_COLOUR = 1, 2, 3, 4, 5


def rtf_runs(runs):
    out = []
    for run in runs:
        words = []
        if run.bold:
            words.append("\\b")
        if run.italic:
            words.append("\\i")
        if run.code:
            words.append(f"\\f1\\fs{CODE_SIZE}\\cf{CODE_COLOUR}")
        body = rtf_escape(run.text)
        if run.link:
            target = run.link.replace("\\", "\\\\").replace('"', "")
            out.append("{\\field{\\*\\fldinst{HYPERLINK \"%s\"}}{\\fldrslt{\\ul\\cf%d%s %s}}}"
                       % (rtf_escape(target), LINK_COLOUR, "".join(words), body))
        elif words:
            out.append("{%s %s}" % ("".join(words), body))
        else:
            out.append(body)
    return "".join(out)


def rtf_document(blocks):
    lines = ["{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1",
             "{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}{\\f1\\fmodern\\fcharset0 "
             "Courier New;}}",
             "{\\colortbl ;" + "".join("\\red%d\\green%d\\blue%d;" % c for c in COLOURS) + "}",
             "\\viewkind4\\f0\\fs%d\\cf%d" % (BODY_SIZE, TEXT_COLOUR)]
    plain = "\\pard\\plain\\f0\\fs%d\\cf%d" % (BODY_SIZE, TEXT_COLOUR)
    for b in blocks:
        if isinstance(b, Heading):
            before = 360 if b.depth == 0 else 240
            lines.append("%s\\sb%d\\sa120{\\fs%d\\cf%d\\b\\ul %s}\\par"
                         % (plain, before, HEADING_SIZES[b.depth], HEADING_COLOUR,
                            rtf_escape(b.text)))
        elif isinstance(b, Paragraph):
            if b.label:
                lines.append("%s\\li%d\\fi-%d\\tx%d\\sa60 %s\\tab %s\\par"
                             % (plain, INDENT, INDENT, INDENT, rtf_escape(b.label),
                                rtf_runs(b.runs)))
            else:
                lines.append("%s\\sa120 %s\\par" % (plain, rtf_runs(b.runs)))
        elif isinstance(b, Code):
            lines.append("%s\\li%d\\sa120{\\f1\\fs%d\\cf%d %s}\\par"
                         % (plain, INDENT, CODE_SIZE, CODE_COLOUR,
                            rtf_escape("\u2028".join(b.lines))))
        elif isinstance(b, Picture):
            hexdata = b.data.hex()
            lines.append("%s\\qc\\sb120\\sa60{\\pict\\pngblip\\picw%d\\pich%d\\picwgoal%d"
                         "\\pichgoal%d" % (plain, b.pixel_width, b.pixel_height,
                                            b.width * TWIPS_PER_PIXEL,
                                            b.height * TWIPS_PER_PIXEL))
            lines.extend(hexdata[i:i + HEX_LINE] for i in range(0, len(hexdata), HEX_LINE))
            lines.append("}\\par")
            if b.caption:
                lines.append("%s\\qc\\sa180{\\i\\fs%d\\cf%d %s}\\par"
                             % (plain, CAPTION_SIZE, CAPTION_COLOUR, rtf_escape(b.caption)))
    lines.append("}")
    return ("\r\n".join(lines) + "\r\n").encode("ascii")


def tree_file(tree):
    return b"\xef\xbb\xbf" + "".join(line + "\r\n" for line in tree).encode("utf-8")


def build(source_path, set_name):
    """The files of one help set, {file name: bytes}, from its source; HelpError on a fault
    in the source."""
    source_path = Path(source_path)
    name = source_path.name
    try:
        text = source_path.read_text(encoding="utf-8")
    except (OSError, UnicodeDecodeError) as e:
        raise HelpError(f"{name}: cannot be read as UTF-8 text ({e})") from e
    blocks = parse_source(text, name, source_path.parent)
    tree = topic_tree(blocks, name)
    check_topics(blocks, name)
    return {f"{set_name}.rtf": rtf_document(blocks), f"{set_name}.ini": tree_file(tree)}


def build_all(out_dir, sets=None, source_dir=HERE):
    """Builds every set and only then writes the files into out_dir, so a fault in one
    source leaves all files as they were. Returns the names written."""
    files = {}
    for source, set_name in sets or SETS:
        files.update(build(Path(source_dir) / source, set_name))
    try:
        Path(out_dir).mkdir(parents=True, exist_ok=True)
        for file_name, data in files.items():
            (Path(out_dir) / file_name).write_bytes(data)
    except OSError as e:
        raise HelpError(f"cannot write the help files into {out_dir}: {e.strerror}") from e
    return list(files)


def check(folder, sets=None, source_dir=HERE):
    """The names of the help files in folder that differ from a build now, are missing, or
    are left over (a .rtf or .ini file that no source builds), sorted."""
    folder = Path(folder)
    with tempfile.TemporaryDirectory() as temp:
        names = build_all(temp, sets, source_dir)
        differ = [n for n in names
                  if not (folder / n).is_file()
                  or not filecmp.cmp(Path(temp) / n, folder / n, shallow=False)]
    stale = [p.name for p in folder.iterdir()
             if p.suffix in (".rtf", ".ini") and p.name not in names] if folder.is_dir() else []
    return sorted(differ + stale)


def main(argv=None):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    action = parser.add_mutually_exclusive_group()
    action.add_argument("--out", help="folder to write the help files into")
    action.add_argument("--check", help="folder whose help files must match a build now")
    args = parser.parse_args(argv)
    try:
        if args.check:
            differ = check(args.check)
            for n in differ:
                print(f"{n} is missing, left over, or differs from what "
                      "tools/help/make_help.py builds now", file=sys.stderr)
            if differ:
                print("run tools/help/make_help.py to rebuild them", file=sys.stderr)
            return 1 if differ else 0
        out = Path(args.out) if args.out else CHECKOUT / "data" / "Help"
        for n in build_all(out):
            print(os.path.join(str(out), n) if args.out else f"data/Help/{n}")
        return 0
    except HelpError as e:
        print(f"make_help.py: {e}", file=sys.stderr)
        return 1


if __name__ == "__main__":
    sys.exit(main())
