# Corvane — SPDX-License-Identifier: GPL-3.0-or-later
"""What an installed Corvane consists of, relative to its prefix, and the checks of single
installed files that the install test and the package test share."""
import gzip
import re
import struct
import subprocess
import xml.etree.ElementTree as ET
from pathlib import Path

APP_ID = "org.corvane.Corvane"
ICON_SIZES = (16, 22, 24, 32, 48, 64, 128, 256)
DESKTOP = f"share/applications/{APP_ID}.desktop"
METAINFO = f"share/metainfo/{APP_ID}.metainfo.xml"
SVG_ICON = f"share/icons/hicolor/scalable/apps/{APP_ID}.svg"
MAN_PAGES = ("share/man/man1/corvane.1.gz", "share/man/man1/corvtool.1.gz")
PROGRAMS = ("bin/corvane", "bin/corvtool")


def png_icon(size):
    return f"share/icons/hicolor/{size}x{size}/apps/{APP_ID}.png"


def shipped_data(source):
    """The repository's data/ tree, as paths relative to it, less the hidden files that only
    keep empty folders in git."""
    data = Path(source) / "data"
    return sorted(p.relative_to(data).as_posix() for p in data.rglob("*")
                  if p.is_file() and not p.name.startswith("."))


def sound_module(build):
    """Where the build installs its sound module: lib/<triplet>/corvane on Debian."""
    cache = (Path(build) / "CMakeCache.txt").read_text(encoding="utf-8")
    folder = re.search(r"^CORVANE_INSTALL_MODULE_DIR:INTERNAL=(.*)$", cache, re.M).group(1)
    return folder + "/libcorvane_sound_effect.so"


def expected_files(source, build):
    files = set(PROGRAMS) | {sound_module(build), DESKTOP, METAINFO, SVG_ICON}
    files |= {"share/doc/corvane/copyright", "share/doc/corvane/changelog.gz"}
    files |= set(MAN_PAGES)
    files |= {png_icon(size) for size in ICON_SIZES}
    files |= {"share/corvane/" + name for name in shipped_data(source)}
    return files


def png_problem(path, size):
    """None when the file is an RGBA PNG of size x size pixels, else what is wrong."""
    head = Path(path).read_bytes()[:26]
    if head[:8] != b"\x89PNG\r\n\x1a\n" or head[12:16] != b"IHDR":
        return "not a PNG"
    width, height = struct.unpack(">II", head[16:24])
    if (width, height) != (size, size):
        return f"{width}x{height} pixels, not {size}x{size}"
    if head[25] != 6:
        return "without an alpha channel: its corners would not be see-through"
    return None


def svg_problem(path):
    try:
        root = ET.parse(path).getroot()
    except ET.ParseError as error:
        return f"not XML: {error}"
    if root.tag != "{http://www.w3.org/2000/svg}svg":
        return "not an SVG document"
    box = root.get("viewBox", "").split()
    if len(box) != 4 or box[2] != box[3]:
        return f"viewBox {root.get('viewBox')!r} is not a square"
    return None


def man_page_problem(path):
    """None when the page is compressed without a name or time (so builds are reproducible)
    and groff renders it without a warning."""
    raw = Path(path).read_bytes()
    if raw[:2] != b"\x1f\x8b":
        return "not gzip-compressed"
    flags, mtime = raw[3], struct.unpack("<I", raw[4:8])[0]
    if flags & 0x08 or mtime:
        return "compressed with its file name or time (gzip -n leaves them out)"
    result = subprocess.run(["groff", "-man", "-Tutf8", "-ww", "-z"],
                            input=gzip.decompress(raw), capture_output=True)
    if result.returncode or result.stderr:
        return "groff: " + result.stderr.decode(errors="replace").strip()
    return None


def validator_problems(command):
    """The lines of warning or error level a validator prints (appstreamcli marks them
    W: and E:, desktop-file-validate prints nothing else), or its failure."""
    result = subprocess.run(command, capture_output=True, text=True)
    lines = (result.stdout + result.stderr).splitlines()
    if command[0] == "desktop-file-validate":
        bad = [line for line in lines if line.strip()]
    else:
        bad = [line for line in lines if line.startswith(("E:", "W:"))]
    if result.returncode and not bad:
        bad = [f"{command[0]} failed with status {result.returncode}"] + lines
    return bad
