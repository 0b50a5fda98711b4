#!/usr/bin/env python3
# Corvane — SPDX-License-Identifier: GPL-3.0-or-later
"""Packs a build with cpack into a Debian package in a fresh folder and checks it: its name,
that it holds exactly the installed layout under /usr with root as owner, and its control
fields, among them the library dependencies dpkg-shlibdeps found.

Usage: check_deb.py BUILD_DIR SOURCE_DIR VERSION   prints each problem and exits 1 when there is one
"""
import subprocess
import sys
import tempfile
from pathlib import Path

import layout

FIELDS = {
    "Package": "corvane",
    "Section": "utils",
    "Priority": "optional",
    "Maintainer": "The Corvane developers <developers@corvane.org>",
    "Homepage": "https://corvane.org",
}
# What the program cannot start without; the rest follows from these.
NEEDED = ("libqt6widgets6", "libqt6multimedia6", "libqt6printsupport6", "libqt6dbus6", "libc6")


def run(*command):
    return subprocess.run(command, capture_output=True, text=True, check=True).stdout


def content_problems(deb, source, build):
    files, problems = set(), []
    for line in run("dpkg-deb", "--contents", deb).splitlines():
        mode, owner, _size, _date, _time, name = line.split(None, 5)
        if owner != "root/root":
            problems.append(f"{name} belongs to {owner}")
        if not mode.startswith("d"):
            files.add(name)
    expected = {"./usr/" + name for name in layout.expected_files(source, build)}
    problems += [f"missing: {name}" for name in sorted(expected - files)]
    problems += [f"not expected: {name}" for name in sorted(files - expected)]
    return problems


def field_problems(deb, version):
    problems = []
    wanted = dict(FIELDS, Version=version)
    for field, value in wanted.items():
        found = run("dpkg-deb", "--field", deb, field).strip()
        if found != value:
            problems.append(f"{field}: {found!r}, not {value!r}")
    depends = {item.split()[0] for item in run("dpkg-deb", "--field", deb, "Depends").split(",")
               if item.strip()}
    problems += [f"Depends lacks {name}" for name in NEEDED if name not in depends]
    description = run("dpkg-deb", "--field", deb, "Description").splitlines()
    if len(description) < 3 or description[0].endswith(".") or description[0][:1].isupper():
        problems.append("Description needs a lower-case synopsis without a full stop and a "
                        "long description: " + " / ".join(description[:2]))
    return problems


def main(build, source, version):
    with tempfile.TemporaryDirectory() as work:
        result = subprocess.run(["cpack", "-G", "DEB", "--config", build / "CPackConfig.cmake",
                                 "-B", work], capture_output=True, text=True)
        debs = list(Path(work).glob("*.deb"))
        if result.returncode or len(debs) != 1:
            print(result.stdout + result.stderr)
            return 1
        deb = debs[0]
        arch = run("dpkg", "--print-architecture").strip()
        problems = [] if deb.name == f"corvane_{version}_{arch}.deb" else [f"named {deb.name}"]
        problems += content_problems(deb, source, build) + field_problems(deb, version)
    for problem in problems:
        print(problem)
    return 1 if problems else 0


if __name__ == "__main__":
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    sys.exit(main(Path(sys.argv[1]), Path(sys.argv[2]), sys.argv[3]))
