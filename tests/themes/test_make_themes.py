#!/usr/bin/env python3
# Corvane — SPDX-License-Identifier: GPL-3.0-or-later
"""The theme generator's parts that a wrong byte or a wrong formula would break unseen: the
bitmap layout, the contrast rule, colour numbers, file names, refusals and the check."""
import contextlib
import dataclasses
import io
import struct
import sys
import tempfile
import unittest
from pathlib import Path

sys.dont_write_bytecode = True  # no cache folder in the source tree
sys.path.insert(0, str(Path(__file__).resolve().parents[2] / "tools" / "themes"))
import make_themes as mt  # noqa: E402


def fake_corvtool(folder):
    """A corvtool whose theme-pack writes the pictures' bytes and the three values in turn,
    so the check can be tried without building the real one."""
    path = Path(folder, "corvtool")
    path.write_text(f"""#!{sys.executable}
import sys
from pathlib import Path
out, *rest = sys.argv[2:]
pictures = b"".join(Path(p).read_bytes() for p in rest[:5])
Path(out).write_bytes(pictures + " ".join(rest[5:]).encode())
""")
    path.chmod(0o755)
    return str(path)


class BitmapLayout(unittest.TestCase):
    def test_24_bit_rows_are_bottom_up_bgr_and_padded(self):
        rows = [[(x, 10, 200) for x in range(19)], [(x, 20, 100) for x in range(19)]]
        data = mt.bmp24(rows)
        magic, size, _, _, offset = struct.unpack_from("<2sIHHI", data)
        info, width, height, planes, bits, compression, image = struct.unpack_from(
            "<IiiHHII", data, 14)
        self.assertEqual((magic, offset, info, width, height, planes, bits, compression),
                         (b"BM", 54, 40, 19, 2, 1, 24, 0))
        self.assertEqual(image, 2 * 60)  # 57 bytes of pixels padded to 60
        self.assertEqual(size, len(data))
        self.assertEqual(size, 54 + 120)
        self.assertEqual(data[54:57], bytes([100, 20, 0]))  # the bottom row, blue first
        self.assertEqual(data[54 + 54:54 + 57], bytes([100, 20, 18]))
        self.assertEqual(data[54 + 57:54 + 60], b"\0\0\0")
        self.assertEqual(data[54 + 60:54 + 63], bytes([200, 10, 0]))

    def test_8_bit_palette_is_full_and_rows_padded(self):
        palette = [(1, 2, 3), (250, 128, 4)]
        data = mt.bmp8(palette, [[0] * 49 + [1], [1] * 50])
        _, size, _, _, offset = struct.unpack_from("<2sIHHI", data)
        width, height, _, bits = struct.unpack_from("<iiHH", data, 18)
        used, important = struct.unpack_from("<II", data, 46)
        self.assertEqual((width, height, bits, used, important), (50, 2, 8, 256, 0))
        self.assertEqual(offset, 54 + 1024)
        self.assertEqual(data[54:62], bytes([3, 2, 1, 0, 4, 128, 250, 0]))
        self.assertEqual(data[54 + 8:offset], bytes(1016))
        self.assertEqual(size, offset + 2 * 52)
        self.assertEqual(data[offset:offset + 52], bytes([1] * 50 + [0, 0]))
        self.assertEqual(data[offset + 52:offset + 52 + 50], bytes([0] * 49 + [1]))

    def test_reader_gives_back_what_was_written(self):
        rows = [[(x * 13 % 256, y * 40, 7) for x in range(5)] for y in range(3)]
        self.assertEqual(mt.read_bmp(mt.bmp24(rows)), (5, 3, 24, rows))
        palette, indices = mt.median_cut(rows)
        self.assertEqual(mt.read_bmp(mt.bmp8(palette, indices))[3], rows)

    def test_palette_is_exact_for_up_to_256_colours(self):
        rows = [[(x * 16 + y, 255 - x * 16, y * 16) for x in range(16)] for y in range(16)]
        palette, indices = mt.median_cut(rows)
        self.assertEqual([[palette[i] for i in row] for row in indices], rows)

    def test_palette_follows_every_shipped_picture_closely(self):
        for number, theme in enumerate(mt.THEMES):
            for size, design in ((mt.BACKGROUND_SIZE, theme.background),
                                 (mt.PROGRESS_SIZE, theme.progress)):
                rows = mt.draw(size, design, 1.0, number)
                palette, indices = mt.median_cut(rows)
                errors = [max(abs(a - b) for a, b in zip(c, palette[i]))
                          for row, irow in zip(rows, indices) for c, i in zip(row, irow)]
                self.assertLessEqual(max(errors), 12, theme.name)
                self.assertLess(sum(errors) / len(errors), 4, theme.name)


class Colours(unittest.TestCase):
    def test_contrast_ratio_matches_wcag_reference_values(self):
        white, black = (255, 255, 255), (0, 0, 0)
        self.assertAlmostEqual(mt.contrast_ratio(white, black), 21.0)
        self.assertAlmostEqual(mt.contrast_ratio(black, white), 21.0)
        # The well-known edge of level AA on white: #767676 passes, #777777 does not.
        self.assertGreaterEqual(mt.contrast_ratio((0x76,) * 3, white), 4.5)
        self.assertLess(mt.contrast_ratio((0x77,) * 3, white), 4.5)
        self.assertAlmostEqual(mt.contrast_ratio((255, 0, 0), white), 4.0, places=2)

    def test_colour_numbers_are_red_in_the_low_byte(self):
        self.assertEqual(mt.win_color((255, 255, 0)), 65535)
        self.assertEqual(mt.win_color((0, 0, 128)), 8388608)

    def test_file_names_are_the_upper_case_hex_of_utf8(self):
        theme = dataclasses.replace(mt.THEMES[0], name="Dark")
        self.assertEqual(theme.file_name(), "Theme4461726B.thm")
        self.assertEqual(dataclasses.replace(theme, name="Grün").file_name(),
                         "Theme4772C3BC6E.thm")


class ShippedDesigns(unittest.TestCase):
    def test_every_shipped_theme_may_ship(self):
        self.assertGreaterEqual(len(mt.THEMES), 3)
        for theme in mt.THEMES:
            self.assertEqual(mt.theme_problems(theme), [], theme.name)

    def test_symbols_start_on_the_key_and_carry_no_tint_of_it(self):
        for number, theme in enumerate(mt.THEMES):
            pictures = mt.theme_pictures(theme, seed=number)
            mt.check_pictures(theme, pictures)
            for data in pictures[2:]:
                rows = mt.read_bmp(data)[3]
                self.assertEqual(rows[-1][0], mt.KEY)
                drawn = [c for row in rows for c in row if c != mt.KEY]
                self.assertGreater(len(drawn), 60, theme.name)
                # An edge blended toward the key would turn magenta where it is left in.
                fringed = [c for c in drawn if min(c[0], c[2]) - c[1] > 60]
                self.assertEqual(fringed, [], theme.name)


class Building(unittest.TestCase):
    def setUp(self):
        work = tempfile.TemporaryDirectory()
        self.addCleanup(work.cleanup)
        self.folder = Path(work.name)
        self.corvtool = fake_corvtool(self.folder)
        self.out = self.folder / "Data"
        themes = mt.THEMES
        self.addCleanup(setattr, mt, "THEMES", themes)
        mt.THEMES = themes[:1]  # one theme is enough and keeps the drawing short

    def run_main(self, *args):
        err = io.StringIO()
        with contextlib.redirect_stdout(io.StringIO()), contextlib.redirect_stderr(err):
            code = mt.main(["--corvtool", self.corvtool, *args])
        return code, err.getvalue()

    def test_a_theme_below_aa_is_refused_before_anything_is_packed(self):
        grey = dataclasses.replace(mt.THEMES[0], name="Fog", font_color=(0x77,) * 3,
                                   back_color=(255, 255, 255))
        with self.assertRaises(SystemExit) as refused:
            mt.build([mt.THEMES[0], grey], self.corvtool, self.folder)
        self.assertIn("Fog", str(refused.exception))
        self.assertEqual(list(self.folder.glob("*.thm")), [])

    def test_fonts_off_the_desktop_and_the_built_in_name_are_refused(self):
        theme = dataclasses.replace(mt.THEMES[0], font="Arial", name="Standard")
        self.assertEqual(len(mt.theme_problems(theme)), 2)

    def test_check_names_each_file_that_differs_is_missing_or_is_stale(self):
        self.assertEqual(self.run_main("--out", str(self.out))[0], 0)
        name = mt.THEMES[0].file_name()
        self.assertTrue((self.out / name).is_file())
        self.assertEqual(self.run_main("--check", str(self.out)), (0, ""))

        with open(self.out / name, "ab") as changed:
            changed.write(b"\r\n")
        code, err = self.run_main("--check", str(self.out))
        self.assertEqual(code, 1)
        self.assertIn(name, err)

        (self.out / name).unlink()
        (self.out / "Theme4F6C64.thm").write_bytes(b"")
        code, err = self.run_main("--check", str(self.out))
        self.assertEqual(code, 1)
        self.assertIn(f"{name}: missing", err)
        self.assertIn("Theme4F6C64.thm", err)

    def test_a_failing_pack_replaces_nothing(self):
        self.out.mkdir()
        (self.out / mt.THEMES[0].file_name()).write_bytes(b"old")
        broken = self.folder / "broken"
        broken.write_text("#!/bin/sh\nexit 3\n")
        broken.chmod(0o755)
        self.corvtool = str(broken)
        with self.assertRaises(Exception):
            self.run_main("--out", str(self.out))
        self.assertEqual((self.out / mt.THEMES[0].file_name()).read_bytes(), b"old")


if __name__ == "__main__":
    unittest.main()
