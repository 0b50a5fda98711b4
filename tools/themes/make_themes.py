#!/usr/bin/env python3
# Corvane — SPDX-License-Identifier: GPL-3.0-or-later
# Usage: make_themes.py --corvtool PATH --out DIR    writes the themes into DIR (normally data/Data)
#        make_themes.py --corvtool PATH --check DIR  fails, naming each file a build now changes
"""Draws the pictures of the themes Corvane ships and packs each theme with corvtool.

Every picture is drawn here in code, so a design is changed by editing this file and running
it again. The output is the same byte for byte on every run: the only noise is a fixed hash
of the pixel position.

Where the pictures end up on the Display page (289 x 125):
- the background fills the page and, squeezed whole, the 61 x 29 face of each of the three
  buttons; only soft gradients and large shapes survive both stretches;
- the progress picture is stretched into a 31-pixel-wide white well and to whatever height
  the countdown has left, so it varies across its width only;
- a symbol is drawn centred on a button face, and every pixel of its lower-left pixel's
  colour is left out. Edges are blended toward the face they will sit on, never toward that
  key colour, which would leave a coloured fringe.
"""
import argparse
import math
import shutil
import struct
import subprocess
import sys
import tempfile
from collections import Counter
from dataclasses import dataclass
from pathlib import Path

BACKGROUND_SIZE = (176, 177)
PROGRESS_SIZE = (50, 178)
SYMBOL_SIZES = {"start": (20, 22), "pause": (19, 22), "stop": (20, 22)}
BUTTON_FACE = (61, 29)  # a button's inner area, which shows the whole background
KEY = (255, 0, 255)  # no design uses pure magenta, so it is safe as the left-out colour
# Installed with every Debian desktop, so a theme never falls back to some other font.
FONTS = {"DejaVu Sans", "DejaVu Sans Mono", "DejaVu Serif",
         "Liberation Sans", "Liberation Mono", "Liberation Serif"}
MIN_CONTRAST = 4.5  # WCAG 2.x level AA for normal text


# ---- colours ---------------------------------------------------------------------------

def rgb(text):
    """'#rrggbb' as an (r, g, b) tuple."""
    return tuple(int(text[i:i + 2], 16) for i in (1, 3, 5))


def mix(a, b, t):
    return tuple(x + (y - x) * t for x, y in zip(a, b))


def clamp(x, low=0.0, high=1.0):
    return max(low, min(high, x))


def smoothstep(x):
    x = clamp(x)
    return x * x * (3 - 2 * x)


def ramp(stops, t):
    """The colour at t of a gradient through (position, colour) stops, eased between them."""
    if t <= stops[0][0]:
        return stops[0][1]
    for (p0, c0), (p1, c1) in zip(stops, stops[1:]):
        if t <= p1:
            return mix(c0, c1, smoothstep((t - p0) / (p1 - p0)))
    return stops[-1][1]


def glow(u, v, cx, cy, rx, ry):
    """A soft Gaussian spot, 1 at its centre, on the picture's 0..1 coordinates."""
    return math.exp(-(((u - cx) / rx) ** 2 + ((v - cy) / ry) ** 2))


def win_color(colour):
    """A colour as Corvane's settings hold it: 0x00BBGGRR."""
    r, g, b = colour
    return r | g << 8 | b << 16


def luminance(colour):
    """Relative luminance as WCAG 2.x defines it."""
    def linear(c):
        c /= 255
        return c / 12.92 if c <= 0.03928 else ((c + 0.055) / 1.055) ** 2.4
    r, g, b = (linear(c) for c in colour)
    return 0.2126 * r + 0.7152 * g + 0.0722 * b


def contrast_ratio(a, b):
    la, lb = sorted((luminance(a), luminance(b)), reverse=True)
    return (la + 0.05) / (lb + 0.05)


def grain(x, y, seed):
    """Fixed noise in -1..1 from the pixel position: breaks up banding without randomness."""
    h = (x * 374761393 + y * 668265263 + seed * 2246822519) & 0xFFFFFFFF
    h = ((h ^ (h >> 13)) * 1274126177) & 0xFFFFFFFF
    h ^= h >> 16
    return h / 0x7FFFFFFF - 1.0


# ---- pictures --------------------------------------------------------------------------

def draw(size, colour_at, grain_levels=0.0, seed=0):
    """Rows of integer colours, top row first; colour_at takes pixel centres on 0..1."""
    width, height = size
    rows = []
    for y in range(height):
        row = []
        for x in range(width):
            c = colour_at((x + 0.5) / width, (y + 0.5) / height)
            n = grain(x, y, seed) * grain_levels
            row.append(tuple(int(clamp(round(v + n), 0, 255)) for v in c))
        rows.append(row)
    return rows


def median_cut(rows, colours=256):
    """A palette of at most `colours` entries for the picture, and each pixel's index in it.

    The box of colours spanning most on one channel is split at its median until there are
    enough boxes; a box's entry is the mean of its pixels. Smooth pictures only need the
    palette to follow the few directions their colours run in, which this does well.
    """
    counts = Counter(c for row in rows for c in row)

    def describe(box):
        spans = [max(c[i] for c in box) - min(c[i] for c in box) for i in range(3)]
        axis = max(range(3), key=lambda i: spans[i])
        return spans[axis], axis, box

    boxes = [describe(sorted(counts))]
    while len(boxes) < colours:
        index = max(range(len(boxes)), key=lambda i: boxes[i][0])
        span, axis, box = boxes[index]
        if span == 0:
            break
        box = sorted(box, key=lambda c: (c[axis], c))
        half, seen, cut = sum(counts[c] for c in box) / 2, 0, 1
        for i, c in enumerate(box[:-1]):
            seen += counts[c]
            cut = i + 1
            if seen >= half:
                break
        boxes[index:index + 1] = [describe(box[:cut]), describe(box[cut:])]

    palette, index_of = [], {}
    means = []
    for _, _, box in boxes:
        total = sum(counts[c] for c in box)
        mean = tuple(round(sum(c[i] * counts[c] for c in box) / total) for i in range(3))
        means.append((luminance(mean), mean, box))
    for number, (_, mean, box) in enumerate(sorted(means)):  # dark to light, for tidiness
        palette.append(mean)
        for c in box:
            index_of[c] = number
    return palette, [[index_of[c] for c in row] for row in rows]


def bmp_headers(width, height, bits, data_size, palette_entries):
    offset = 14 + 40 + 4 * palette_entries
    file_header = struct.pack("<2sIHHI", b"BM", offset + data_size, 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, 0, data_size,
                       2835, 2835, palette_entries, 0)  # 2835 pixels a metre: 72 dpi
    return file_header + info


def bmp8(palette, indices):
    """A 256-colour Windows bitmap: full BGR0 palette, bottom-up rows padded to 4 bytes."""
    width, height = len(indices[0]), len(indices)
    pad = b"\0" * (-width % 4)
    data = b"".join(bytes(row) + pad for row in reversed(indices))
    entries = list(palette) + [(0, 0, 0)] * (256 - len(palette))
    table = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in entries)
    return bmp_headers(width, height, 8, len(data), 256) + table + data


def bmp24(rows):
    """A 24-bit Windows bitmap: BGR pixels, bottom-up rows padded to 4 bytes."""
    width, height = len(rows[0]), len(rows)
    pad = b"\0" * (-(width * 3) % 4)
    data = b"".join(b"".join(struct.pack("<BBB", b, g, r) for r, g, b in row) + pad
                    for row in reversed(rows))
    return bmp_headers(width, height, 24, len(data), 0) + data


def read_bmp(data):
    """(width, height, bits, rows top first) of a plain bitmap as written above; ValueError else."""
    if data[:2] != b"BM" or len(data) < 54:
        raise ValueError("not a bitmap")
    _, size, _, _, offset = struct.unpack_from("<2sIHHI", data)
    (info, width, height, planes, bits, compression, _, _, _, used, _) = struct.unpack_from(
        "<IiiHHIIiiII", data, 14)
    if size != len(data) or info != 40 or planes != 1 or compression != 0 or height <= 0:
        raise ValueError("unexpected header")
    if bits not in (8, 24) or (bits == 8) != (used == 256) or offset != 54 + 4 * used:
        raise ValueError("unexpected depth or palette")
    table = [struct.unpack_from("<BBBB", data, 54 + 4 * i)[2::-1] for i in range(used)]
    stride = (width * bits // 8 + 3) // 4 * 4
    if offset + stride * height != size:
        raise ValueError("unexpected size")
    rows = []
    for y in range(height):
        line = data[offset + (height - 1 - y) * stride:]
        if bits == 8:
            rows.append([table[line[x]] for x in range(width)])
        else:
            rows.append([tuple(line[3 * x:3 * x + 3][::-1]) for x in range(width)])
    return width, height, bits, rows


def indexed_picture(size, colour_at, grain_levels, seed):
    return bmp8(*median_cut(draw(size, colour_at, grain_levels, seed)))


def squeeze(rows, size):
    """The picture shrunk to size by averaging, as a button face shows the background."""
    width, height = size
    sw, sh = len(rows[0]), len(rows)
    out = []
    for y in range(height):
        y0, y1 = y * sh // height, max((y + 1) * sh // height, y * sh // height + 1)
        row = []
        for x in range(width):
            x0, x1 = x * sw // width, max((x + 1) * sw // width, x * sw // width + 1)
            block = [rows[j][i] for j in range(y0, y1) for i in range(x0, x1)]
            row.append(tuple(sum(c[k] for c in block) / len(block) for k in range(3)))
        out.append(row)
    return out


# ---- progress bars ---------------------------------------------------------------------

def glossy_bar(stops, gloss=0.45):
    """A rounded rod: the colour runs down the stops and is lit from the upper left, with a
    soft highlight a third of the way across and darker sides, so the bar reads as a solid
    body in its white well at any height."""
    def colour_at(u, v):
        n = 2 * u - 1
        shade = 0.72 + 0.38 * math.sqrt(max(0.0, 1 - n * n)) - 0.12 * n
        base = tuple(c * shade for c in ramp(stops, v))
        return mix(base, (255, 255, 255), gloss * glow(u, 0, 0.34, 0, 0.13, 1))
    return colour_at


def railed_bar(core, rail):
    """A flat bar of one strong colour between dark rails: the rails keep it distinct from
    its white well, the core from the dark page."""
    def colour_at(u, v):
        return rail if u < 0.22 or u > 0.78 else core
    return colour_at


# ---- symbols ---------------------------------------------------------------------------

def polygon_distance(points, x, y):
    """Signed distance from (x, y) to a polygon, negative inside."""
    d = (x - points[0][0]) ** 2 + (y - points[0][1]) ** 2
    sign = 1.0
    for (ax, ay), (bx, by) in zip(points, points[1:] + points[:1]):
        ex, ey, wx, wy = bx - ax, by - ay, x - ax, y - ay
        t = clamp((wx * ex + wy * ey) / (ex * ex + ey * ey))
        d = min(d, (wx - ex * t) ** 2 + (wy - ey * t) ** 2)
        above, below, left = y >= ay, y < by, ex * wy > ey * wx
        if (above and below and left) or not (above or below or left):
            sign = -sign
    return sign * math.sqrt(d)


def box_distance(x, y, left, top, right, bottom, radius):
    """Signed distance to a box with rounded corners."""
    qx = abs(x - (left + right) / 2) - (right - left) / 2 + radius
    qy = abs(y - (top + bottom) / 2) - (bottom - top) / 2 + radius
    outside = math.hypot(max(qx, 0.0), max(qy, 0.0))
    return outside + min(max(qx, qy), 0.0) - radius


# The shapes in the symbol's pixel coordinates (y down), corners rounded by about r pixels.
# The triangle sits a little right of centre, where it looks centred; the square is smaller
# than its box, as a square of the triangle's height looks heavier than it. All leave the
# lower-left pixel free for the key.
SHAPES = {
    "start": lambda x, y, r: polygon_distance([(5.0, 3.0), (18.0, 11.0), (5.0, 19.0)], x, y),
    "pause": lambda x, y, r: min(box_distance(x, y, 3.0, 3.5, 8.0, 18.5, r),
                                 box_distance(x, y, 11.0, 3.5, 16.0, 18.5, r)),
    "stop": lambda x, y, r: box_distance(x, y, 3.5, 4.5, 16.5, 17.5, 1.5 * r),
}


@dataclass(frozen=True)
class SymbolStyle:
    fill_top: tuple
    fill_bottom: tuple
    outline: tuple = (0, 0, 0)
    outline_width: float = 0.0
    shadow: float = 0.0  # strength of a soft shadow one pixel down and right
    smooth: bool = True  # anti-aliased, rounded; False: square corners, every pixel in or out


def symbol_picture(shape, style, face):
    """A symbol as its 24-bit bitmap, edges blended into the button face under them."""
    width, height = SYMBOL_SIZES[shape]
    corner = 1.0 if style.smooth else 0.0  # a rounded corner without blending looks chipped

    def distance(x, y):
        return SHAPES[shape](x, y, corner)

    left, top = (BUTTON_FACE[0] - width) // 2, (BUTTON_FACE[1] - height) // 2  # as centred
    steps = 4 if style.smooth else 1
    offsets = [(i + 0.5) / steps for i in range(steps)]
    rows = []
    for y in range(height):
        row = []
        for x in range(width):
            fill = edge = shade = 0.0
            for oy in offsets:
                for ox in offsets:
                    px, py = x + ox, y + oy
                    d = distance(px, py)
                    fill += d <= 0
                    edge += d <= style.outline_width
                    shade += distance(px - 1.2, py - 1.2) <= style.outline_width + 0.6
            fill, edge, shade = (v / steps ** 2 for v in (fill, edge, shade))
            if edge == 0 and (shade == 0 or style.shadow == 0):
                row.append(KEY)
                continue
            c = face[top + y][left + x]
            c = mix(c, (0, 0, 0), shade * style.shadow)
            c = mix(c, style.outline, edge)
            c = mix(c, mix(style.fill_top, style.fill_bottom, y / (height - 1)), fill)
            c = tuple(int(round(v)) for v in c)
            row.append(c if c != KEY else (255, 1, 255))  # the key itself would be left out
        rows.append(row)
    return bmp24(rows)


# ---- the themes ------------------------------------------------------------------------

@dataclass(frozen=True)
class Theme:
    name: str
    font: str
    font_color: tuple
    back_color: tuple  # of the time display
    background: object  # colour_at(u, v) of the page
    grain: float
    progress: object  # colour_at(u, v) of the progress picture
    symbols: dict  # shape -> SymbolStyle

    def file_name(self):
        return "Theme" + self.name.encode("utf-8").hex().upper() + ".thm"


def midnight_background(u, v):
    """Night sky over a slate horizon: lighter at the top, so a squeezed button face looks
    lit from above, with a cold moonlit haze high on the right and a faint indigo low left."""
    c = ramp([(0.0, rgb("#2a3b5c")), (0.55, rgb("#18243d")), (1.0, rgb("#0c1424"))], v)
    c = mix(c, rgb("#3f7390"), 0.35 * glow(u, v, 0.85, 0.15, 0.55, 0.45))
    return mix(c, rgb("#2b2a5e"), 0.30 * glow(u, v, 0.10, 0.95, 0.50, 0.40))


def daylight_background(u, v):
    """Paper in morning light: near white at the top, a calm blue-grey below, a large pale
    mint shape low on the right for freshness, nothing that competes with dark digits."""
    c = ramp([(0.0, rgb("#f7fafc")), (1.0, rgb("#dce6ee"))], v)
    c = mix(c, rgb("#c6ecd8"), 0.75 * glow(u, v, 0.95, 0.95, 0.55, 0.50))
    return mix(c, (255, 255, 255), 0.6 * glow(u, v, 0.05, 0.0, 0.50, 0.35))


def high_contrast_background(u, v):
    """Almost black, with just enough of a gradient for the button faces to keep their shape;
    everything on it is yellow or white."""
    return ramp([(0.0, rgb("#262626")), (1.0, rgb("#050505"))], v)


def ember_background(u, v):
    """A banked fire: charcoal above, a low orange glow rising from the bottom centre, so
    the buttons look warmed from below."""
    c = ramp([(0.0, rgb("#241714")), (0.6, rgb("#2e1912")), (1.0, rgb("#4a1e0e"))], v)
    c = mix(c, rgb("#a4441a"), 0.55 * glow(u, v, 0.5, 1.05, 0.55, 0.45))
    return mix(c, rgb("#5a2a16"), 0.25 * glow(u, v, 0.0, 0.3, 0.35, 0.5))


def one_style(style):
    return {shape: style for shape in SYMBOL_SIZES}


THEMES = [
    # Cool and quiet for evenings: ice-blue digits and symbols on night blue.
    Theme("Midnight", "DejaVu Sans Mono", rgb("#d6ecff"), rgb("#0d1628"),
          midnight_background, 1.2,
          glossy_bar([(0.0, rgb("#9af0ff")), (0.5, rgb("#3fa6ec")), (1.0, rgb("#2f4fd0"))]),
          one_style(SymbolStyle(rgb("#f2faff"), rgb("#a8d2f2"), shadow=0.55))),
    # Bright offices: deep slate digits on white, a fresh green bar, symbols coloured by
    # what they do so they read at a glance; their dark outlines hold over 5:1 against the
    # pale button faces, where the amber itself cannot.
    Theme("Daylight", "Liberation Sans", rgb("#1c3347"), rgb("#ffffff"),
          daylight_background, 0.8,
          glossy_bar([(0.0, rgb("#62dca6")), (1.0, rgb("#129a72"))], gloss=0.35),
          {"start": SymbolStyle(rgb("#2aa464"), rgb("#1b8150"), rgb("#145c38"), 0.9),
           "pause": SymbolStyle(rgb("#e3a020"), rgb("#c98210"), rgb("#7a4a04"), 0.9),
           "stop": SymbolStyle(rgb("#e5564a"), rgb("#c23a2e"), rgb("#7c1f17"), 0.9)}),
    # Legibility first: the widest bold digits in pure yellow on black (about 19.6:1),
    # hard-edged yellow symbols, and a bar that stands out in its white well.
    Theme("High Contrast", "DejaVu Sans", rgb("#ffff00"), rgb("#000000"),
          high_contrast_background, 0.0,
          railed_bar(rgb("#ffff00"), rgb("#000000")),
          one_style(SymbolStyle(rgb("#ffff00"), rgb("#ffff00"), smooth=False))),
    # Warm and calm: amber serif digits on charcoal, a flame-coloured bar, cream symbols.
    Theme("Ember", "DejaVu Serif", rgb("#ffb44d"), rgb("#160c08"),
          ember_background, 1.5,
          glossy_bar([(0.0, rgb("#ffe27a")), (0.45, rgb("#ff9a36")), (1.0, rgb("#c0301a"))],
                     gloss=0.3),
          one_style(SymbolStyle(rgb("#fff0cf"), rgb("#ffc274"), shadow=0.6))),
]


def theme_problems(theme):
    """Why a theme may not be shipped; empty if it may."""
    problems = []
    ratio = contrast_ratio(theme.font_color, theme.back_color)
    if ratio < MIN_CONTRAST:
        problems.append(f"digits have a contrast of {ratio:.2f}:1, below {MIN_CONTRAST}:1")
    if theme.font not in FONTS:
        problems.append(f"font {theme.font!r} is not on every Debian desktop")
    if theme.name.casefold() == "standard":
        problems.append("the name Standard is the built-in design's")
    return problems


def theme_pictures(theme, seed):
    """The five bitmap files of a theme: background, progress, start, pause, stop."""
    background = indexed_picture(BACKGROUND_SIZE, theme.background, theme.grain, seed)
    progress = indexed_picture(PROGRESS_SIZE, theme.progress, 0.6, seed + 1)
    face = squeeze(read_bmp(background)[3], BUTTON_FACE)
    symbols = [symbol_picture(shape, theme.symbols[shape], face) for shape in SYMBOL_SIZES]
    return [background, progress] + symbols


def check_pictures(theme, pictures):
    """Raises ValueError unless every picture has its designed size and depth and every
    symbol's lower-left pixel is the key colour."""
    designed = [("background",) + BACKGROUND_SIZE + (8,), ("progress",) + PROGRESS_SIZE + (8,)]
    designed += [(shape,) + size + (24,) for shape, size in SYMBOL_SIZES.items()]
    for data, (kind, *want) in zip(pictures, designed):
        width, height, bits, rows = read_bmp(data)
        if [width, height, bits] != want:
            raise ValueError(f"{theme.name}: the {kind} picture is {width}x{height}x{bits}")
        if bits == 24 and rows[-1][0] != KEY:
            raise ValueError(f"{theme.name}: the {kind} symbol does not start on the key")


def build(themes, corvtool, out_dir):
    """Writes every theme file into out_dir; refuses all if any theme may not be shipped."""
    for theme in themes:
        problems = theme_problems(theme)
        if problems:
            raise SystemExit(f"theme {theme.name!r} not written: " + "; ".join(problems))
    with tempfile.TemporaryDirectory() as work:
        for number, theme in enumerate(themes):
            pictures = theme_pictures(theme, seed=17 * number + 1)
            check_pictures(theme, pictures)
            paths = []
            for kind, data in zip(("background", "progress", *SYMBOL_SIZES), pictures):
                path = Path(work, f"{number}-{kind}.bmp")
                path.write_bytes(data)
                paths.append(str(path))
            subprocess.run([corvtool, "theme-pack", str(Path(out_dir, theme.file_name())),
                            *paths, theme.font, str(win_color(theme.font_color)),
                            str(win_color(theme.back_color))], check=True)


def differences(built_dir, shipped_dir):
    """What keeps shipped_dir's theme files from being those built into built_dir."""
    built = {p.name: p for p in Path(built_dir).glob("Theme*.thm")}
    shipped = {p.name: p for p in Path(shipped_dir).glob("Theme*.thm")}
    found = []
    for name in sorted(built.keys() | shipped.keys()):
        if name not in shipped:
            found.append(f"{Path(shipped_dir, name)}: missing")
        elif name not in built:
            found.append(f"{shipped[name]}: not one of the themes make_themes.py builds")
        elif built[name].read_bytes() != shipped[name].read_bytes():
            found.append(f"{shipped[name]}: differs from what make_themes.py builds now")
    return found


def main(argv=None):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--corvtool", required=True, help="the corvtool program")
    action = parser.add_mutually_exclusive_group(required=True)
    action.add_argument("--out", help="folder to write the theme files into")
    action.add_argument("--check", help="folder whose theme files must match a build now")
    args = parser.parse_args(argv)
    if args.out:
        Path(args.out).mkdir(parents=True, exist_ok=True)
        with tempfile.TemporaryDirectory() as built:
            build(THEMES, args.corvtool, built)  # nothing is replaced unless all succeed
            for path in sorted(Path(built).iterdir()):
                shutil.copyfile(path, Path(args.out, path.name))
        for theme in THEMES:
            ratio = contrast_ratio(theme.font_color, theme.back_color)
            print(f"{theme.file_name()}  {theme.name}: {theme.font}, digits {ratio:.2f}:1")
        return 0
    with tempfile.TemporaryDirectory() as built:
        build(THEMES, args.corvtool, built)
        found = differences(built, args.check)
    for line in found:
        print(line, file=sys.stderr)
    if found:
        print("run make_themes.py --out with the same folder to rebuild them", file=sys.stderr)
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())
