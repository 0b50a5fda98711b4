#!/usr/bin/env python3
# Corvane — SPDX-License-Identifier: GPL-3.0-or-later
"""Installs a build into a fresh prefix and checks what lands there: exactly the expected
files, the shipped data as it is in the repository, icons of the size their folder names,
the menu entry and the metadata accepted by their validators and pointing at files that
exist, and manual pages that render without a warning.

Usage: check_install.py BUILD_DIR SOURCE_DIR   prints each problem and exits 1 when there is one
"""
import configparser
import os
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET
from pathlib import Path

import layout


def installed_files(prefix):
    return {p.relative_to(prefix).as_posix() for p in prefix.rglob("*") if not p.is_dir()}


def layout_problems(prefix, source, build):
    expected, found = layout.expected_files(source, build), installed_files(prefix)
    problems = [f"missing: {name}" for name in sorted(expected - found)]
    problems += [f"not expected: {name}" for name in sorted(found - expected)]
    for name in layout.shipped_data(source):
        installed = prefix / "share/corvane" / name
        if installed.is_file() and installed.read_bytes() != (source / "data" / name).read_bytes():
            problems.append(f"share/corvane/{name} differs from data/{name}")
    for name in sorted(expected & found):
        executable = os.access(prefix / name, os.X_OK)
        if executable != (name in layout.PROGRAMS):
            problems.append(f"{name} is {'' if executable else 'not '}executable")
    return problems


def icon_problems(prefix):
    problems = []
    for size in layout.ICON_SIZES:
        name = layout.png_icon(size)
        if (problem := layout.png_problem(prefix / name, size)):
            problems.append(f"{name}: {problem}")
    if (problem := layout.svg_problem(prefix / layout.SVG_ICON)):
        problems.append(f"{layout.SVG_ICON}: {problem}")
    return problems


def desktop_entry(path):
    entry = configparser.ConfigParser(interpolation=None, strict=True)
    entry.optionxform = str  # keys are case-sensitive
    entry.read(path, encoding="utf-8")
    return entry["Desktop Entry"]


def reference_problems(prefix):
    """The entry, the metadata and the icon name must agree, or the menu shows no icon and
    software centres find no program to start."""
    problems = []
    entry = desktop_entry(prefix / layout.DESKTOP)
    if not (prefix / "bin" / entry.get("Exec", "")).is_file():
        problems.append(f"Exec={entry.get('Exec')} names no installed program")
    if entry.get("Icon") != layout.APP_ID:
        problems.append(f"Icon={entry.get('Icon')}, but the icons are named {layout.APP_ID}")
    root = ET.parse(prefix / layout.METAINFO).getroot()
    if root.findtext("id") != layout.APP_ID:
        problems.append(f"metainfo id {root.findtext('id')}, not {layout.APP_ID}")
    launchable = root.findtext("launchable")
    if not (prefix / "share/applications" / (launchable or "")).is_file():
        problems.append(f"metainfo launchable {launchable} is no installed desktop entry")
    for binary in root.iterfind("provides/binary"):
        if not (prefix / "bin" / binary.text).is_file():
            problems.append(f"metainfo provides {binary.text}, which is not installed")
    return problems


def validation_problems(prefix):
    problems = layout.validator_problems(["desktop-file-validate", str(prefix / layout.DESKTOP)])
    problems += layout.validator_problems(
        ["appstreamcli", "validate", "--no-net", str(prefix / layout.METAINFO)])
    for page in layout.MAN_PAGES:
        if (problem := layout.man_page_problem(prefix / page)):
            problems.append(f"{page}: {problem}")
    return problems


def main(build, source):
    with tempfile.TemporaryDirectory() as work:
        prefix = Path(work) / "prefix"
        result = subprocess.run(["cmake", "--install", build, "--prefix", prefix],
                                capture_output=True, text=True)
        if result.returncode:
            print(result.stdout + result.stderr)
            return 1
        problems = layout_problems(prefix, source, build)
        if not problems:  # the checks below read the files the layout names
            problems = icon_problems(prefix) + reference_problems(prefix)
            problems += validation_problems(prefix)
    for problem in problems:
        print(problem)
    return 1 if problems else 0


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    sys.exit(main(Path(sys.argv[1]), Path(sys.argv[2])))
