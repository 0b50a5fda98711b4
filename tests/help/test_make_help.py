#!/usr/bin/env python3
# Corvane — SPDX-License-Identifier: GPL-3.0-or-later
"""The help generator's refusals, its RTF and topic files, and the topic checker, each on
small sources written here."""
import struct
import sys
import tempfile
import unittest
import zlib
from pathlib import Path

sys.dont_write_bytecode = True  # no cache folder in the source tree
ROOT = Path(__file__).resolve().parents[2]
sys.path.insert(0, str(ROOT / "tools" / "help"))
sys.path.insert(0, str(Path(__file__).resolve().parent))
import check_help_topics as checker  # noqa: E402
import make_help as mh  # noqa: E402


def png(width, height):
    """A valid one-colour PNG of that size."""
    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data
                + struct.pack(">I", zlib.crc32(kind + data)))
    rows = b"".join(b"\0" + b"\x80" * width for _ in range(height))
    return (mh.PNG_MAGIC + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 0, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(rows)) + chunk(b"IEND", b""))


class Source:
    """A help source in a temporary folder, with a pictures folder beside it."""

    def __init__(self, text, pictures=()):
        self.temp = tempfile.TemporaryDirectory()
        self.folder = Path(self.temp.name)
        (self.folder / "pictures").mkdir()
        for name, data in pictures:
            (self.folder / "pictures" / name).write_bytes(data)
        self.path = self.folder / "en.md"
        self.path.write_text(text, encoding="utf-8")

    def build(self):
        return mh.build(self.path, "Test")

    def close(self):
        self.temp.cleanup()


class GeneratorCase(unittest.TestCase):
    def source(self, text, pictures=()):
        s = Source(text, pictures)
        self.addCleanup(s.close)
        return s

    def refused(self, text, *words, pictures=()):
        with self.assertRaises(mh.HelpError) as caught:
            self.source(text, pictures).build()
        for w in words:
            self.assertIn(w, str(caught.exception))
        return str(caught.exception)


class Refusals(GeneratorCase):
    def test_a_topic_inside_an_earlier_heading(self):
        message = self.refused("# Options window\n\ntext\n\n# Options\n", '"Options"',
                               '"Options window"', "en.md:5", "line 1")
        self.assertIn("would stop inside", message)

    def test_a_topic_inside_an_earlier_heading_deeper_down(self):
        self.refused("# Start\n## The Sound file\n## Sound\n", '"Sound"', '"The Sound file"')

    def test_an_earlier_plain_occurrence_is_fine(self):
        files = self.source("# Intro\n\nSee **Options** and Options.\n\n# Options\n").build()
        self.assertIn(b"Options", files["Test.rtf"])

    def test_a_later_heading_holding_the_topic_is_fine(self):
        self.source("# Options\n## Options window\n").build()

    def test_the_same_topic_twice(self):
        self.refused("# Themes\n## Files\n# Sounds\n## Files\n", '"Files"', "en.md:4", "line 2")

    def test_a_depth_jump_of_two(self):
        self.refused("# Top\n### Too deep\n", '"Too deep"', "en.md:2", "2 levels")

    def test_a_first_heading_below_the_top(self):
        self.refused("## Below\n", "en.md:1", "top-level")

    def test_no_heading(self):
        self.refused("Just text.\n", "no heading")

    def test_a_missing_picture(self):
        self.refused("# Top\n\n![Window](pictures/gone.png)\n", "pictures/gone.png",
                     "does not exist", "en.md:3")

    def test_a_picture_that_is_no_png(self):
        self.refused("# Top\n\n![Window](pictures/x.png)\n", "not a PNG",
                     pictures=[("x.png", b"GIF89a" + bytes(30))])

    def test_a_tab(self):
        self.refused("# Top\n\ttext\n", "TAB", "en.md:2")

    def test_an_unclosed_block(self):
        self.refused("# Top\n```\ncode\n", "not closed", "en.md:2")

    def test_a_heading_with_blanks_around(self):
        self.refused("# Top \n", "blank")

    def test_a_fault_in_one_source_writes_no_file(self):
        good = self.source("# Fine\n")
        bad = Source("# Top\n### Deep\n")
        self.addCleanup(bad.close)
        with tempfile.TemporaryDirectory() as out:
            sets = [(str(good.path), "Good"), (str(bad.path), "Bad")]
            with self.assertRaises(mh.HelpError):
                mh.build_all(out, sets, source_dir="/")
            self.assertEqual(list(Path(out).iterdir()), [])


class Output(GeneratorCase):
    def test_heading_format_and_colour_table(self):
        rtf = self.source("# Über Corvane\n").build()["Test.rtf"].decode("ascii")
        self.assertIn("{\\colortbl ;\\red0\\green0\\blue255;", rtf)
        self.assertIn("{\\fs32\\cf1\\b\\ul \\'dcber Corvane}\\par", rtf)
        self.assertTrue(rtf.startswith("{\\rtf1\\ansi\\ansicpg1252"))

    def test_body_text_never_has_the_heading_format(self):
        s = self.source("# Top\n\n**Top** and *Top* and [Top](https://x.org) and `Top`.\n\n"
                        "- **Top**\n1. Top\n")
        blocks = mh.parse_source(s.path.read_text(), "en.md", s.folder)
        text, flags, starts = mh.visible_text(blocks)
        self.assertEqual(starts, {"Top": 0})
        self.assertEqual([i for i, f in enumerate(flags) if f], [0, 1, 2])
        rtf = s.build()["Test.rtf"]
        read, read_flags = checker.read_rtf(rtf)
        self.assertEqual(read, text)
        self.assertEqual(read_flags, flags)

    def test_escapes(self):
        self.assertEqual(mh.rtf_escape("a{b}c\\d"), "a\\{b\\}c\\\\d")
        self.assertEqual(mh.rtf_escape("äöüß€–"), "\\'e4\\'f6\\'fc\\'df\\'80\\'96")
        self.assertEqual(mh.rtf_escape("→"), "\\u8594?")
        self.assertEqual(mh.rtf_escape("\uffe0"), "\\u-32?")
        self.assertEqual(mh.rtf_escape("\U0001F600"), "\\u-10179?\\u-8704?")
        with self.assertRaises(mh.HelpError):
            mh.rtf_escape("\x85")

    def test_every_character_reads_back(self):
        text = "Grüße „so“ – 5 € → ✓ \U0001F600 {x} \\ *"
        s = self.source("# Top\n\n" + text.replace("\\", "\\\\").replace("*", "\\*") + "\n")
        read, _ = checker.read_rtf(s.build()["Test.rtf"])
        self.assertEqual(read, "Top\u2029" + text + "\u2029")

    def test_markup(self):
        blocks = mh.parse_source("# T\n\n**bold *both* more** *it* `co*de` \\*x\\* "
                                 "[mail](mailto:a@b.org) <https://c.org>\n", "x", Path("."))
        runs = [(r.text, r.bold, r.italic, r.code, r.link) for r in blocks[1].runs]
        self.assertEqual(runs, [("bold ", True, False, False, ""), ("both", True, True, False, ""),
                                (" more", True, False, False, ""),
                                (" ", False, False, False, ""), ("it", False, True, False, ""),
                                (" ", False, False, False, ""), ("co*de", False, False, True, ""),
                                (" *x* ", False, False, False, ""),
                                ("mail", False, False, False, "mailto:a@b.org"),
                                (" ", False, False, False, ""),
                                ("https://c.org", False, False, False, "")])

    def test_unmatched_markup_is_refused(self):
        with self.assertRaises(mh.HelpError):
            mh.parse_inline("a **b", "x:1")

    def test_lists_and_paragraphs(self):
        blocks = mh.parse_source("# T\n\none\ntwo\n\n- a\n  b\n- c\n1. d\n2. e\n", "x", Path("."))
        got = [(b.label, "".join(r.text for r in b.runs)) for b in blocks[1:]]
        self.assertEqual(got, [("", "one two"), ("\u2022", "a b"), ("\u2022", "c"),
                               ("1.", "d"), ("2.", "e")])

    def test_an_indented_line_outside_a_list(self):
        self.refused("# T\n\n  indented\n", "indented line")

    def test_a_link_is_a_field_with_its_target(self):
        rtf = self.source("# T\n\n[contact@corvane.org](mailto:contact@corvane.org)\n").build()
        self.assertIn(b'{\\field{\\*\\fldinst{HYPERLINK "mailto:contact@corvane.org"}}'
                      b'{\\fldrslt{\\ul\\cf3 contact@corvane.org}}}', rtf["Test.rtf"])

    def test_picture_size_and_data(self):
        picture = png(600, 300)
        rtf = self.source("# T\n\n![Big](pictures/a.png)\n\n![Small](pictures/a.png 200)\n",
                          pictures=[("a.png", picture)]).build()["Test.rtf"].decode("ascii")
        self.assertIn("\\pngblip\\picw600\\pich300\\picwgoal6300\\pichgoal3150", rtf)
        self.assertIn("\\picwgoal3000\\pichgoal1500", rtf)
        hexdata = "".join(line for line in rtf.split("\r\n")
                          if line and set(line) <= set("0123456789abcdef"))
        self.assertEqual(bytes.fromhex(hexdata), picture * 2)

    def test_topic_file(self):
        files = self.source("# Eins\n## Zwei\n### Drei\n## Vier\n# Fünf\n").build()
        self.assertEqual(files["Test.ini"], "\ufeffEins\r\n\tZwei\r\n\t\tDrei\r\n\tVier\r\n"
                         "Fünf\r\n".encode("utf-8"))

    def test_the_same_source_gives_the_same_bytes(self):
        s = self.source("# T\n\n![P](pictures/a.png)\n\nText ä.\n", pictures=[("a.png", png(3, 2))])
        self.assertEqual(s.build(), s.build())


class Check(GeneratorCase):
    def test_check_names_changed_missing_and_left_over_files(self):
        s = self.source("# Top\n")
        sets = [(str(s.path), "Test")]
        with tempfile.TemporaryDirectory() as out:
            mh.build_all(out, sets, source_dir="/")
            self.assertEqual(mh.check(out, sets, source_dir="/"), [])
            rtf = Path(out, "Test.rtf")
            rtf.write_bytes(rtf.read_bytes().replace(b"Top", b"Tip"))
            Path(out, "Test.ini").unlink()
            Path(out, "Old.rtf").write_bytes(b"{\\rtf1}")
            self.assertEqual(mh.check(out, sets, source_dir="/"),
                             ["Old.rtf", "Test.ini", "Test.rtf"])


class Checker(unittest.TestCase):
    """The check of the committed files must itself catch what would go wrong."""

    HEADER = (b"{\\rtf1\\ansi\\ansicpg1252{\\fonttbl{\\f0 Arial;}}"
              b"{\\colortbl ;\\red0\\green0\\blue255;\\red0\\green0\\blue254;}")

    def problems(self, body, topics):
        with tempfile.TemporaryDirectory() as folder:
            Path(folder, "H.rtf").write_bytes(self.HEADER + body + b"}")
            Path(folder, "H.ini").write_bytes(b"\xef\xbb\xbf" + topics)
            return checker.check_folder(folder)

    def test_good(self):
        self.assertEqual(self.problems(b"{\\cf1\\b\\ul Top}\\par Top text\\par"
                                       b"{\\cf1\\b\\ul Sub}\\par", b"Top\r\n\tSub\r\n"), [])

    def test_a_topic_that_stops_in_an_earlier_heading(self):
        found = self.problems(b"{\\cf1\\b\\ul Options window}\\par{\\cf1\\b\\ul Options}\\par",
                              b"Options window\r\nOptions\r\n")
        self.assertEqual(len(found), 1)
        self.assertIn('"Options" stops in the heading "Options window"', found[0])

    def test_a_heading_that_is_not_quite_in_the_format(self):
        for body in (b"{\\cf2\\b\\ul Top}\\par", b"{\\cf1\\b\\ul\\i Top}\\par",
                     b"{\\cf1\\b Top}\\par", b"{\\cf1\\b\\ul\\strike Top}\\par",
                     b"{\\cf1\\b\\ul\\ul0 Top}\\par"):
            with self.subTest(body=body):
                found = self.problems(body, b"Top\r\n")
                self.assertTrue(any("topics without a heading: ['Top']" in p for p in found))

    def test_a_partly_formatted_paragraph(self):
        found = self.problems(b"{\\cf1\\b\\ul Top}\\par see {\\cf1\\b\\ul Top}\\par",
                              b"Top\r\n")
        self.assertTrue(any("partly" in p for p in found))

    def test_topics_in_another_order_or_depth_jump(self):
        body = b"{\\cf1\\b\\ul A}\\par{\\cf1\\b\\ul B}\\par"
        self.assertTrue(any("another order" in p for p in self.problems(body, b"B\r\nA\r\n")))
        self.assertTrue(any("depth 2" in p for p in self.problems(body, b"A\r\n\t\tB\r\n")))

    def test_topic_file_form(self):
        body = b"{\\cf1\\b\\ul A}\\par"
        with tempfile.TemporaryDirectory() as folder:
            Path(folder, "H.rtf").write_bytes(self.HEADER + body + b"}")
            Path(folder, "H.ini").write_bytes(b"A\n")
            found = checker.check_folder(folder)
        self.assertTrue(any("byte-order mark" in p for p in found))
        self.assertTrue(any("CR LF" in p for p in found))

    def test_umlauts_and_unicode_in_headings(self):
        body = b"{\\cf1\\b\\ul \\'dcber \\u8594?}\\par"
        self.assertEqual(self.problems(body, "Über →\r\n".encode("utf-8")), [])

    def test_a_missing_partner_file(self):
        with tempfile.TemporaryDirectory() as folder:
            Path(folder, "H.rtf").write_bytes(self.HEADER + b"}")
            self.assertTrue(any("missing" in p for p in checker.check_folder(folder)))


if __name__ == "__main__":
    unittest.main()
