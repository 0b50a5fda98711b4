#!/usr/bin/env bash
# Corvane — SPDX-License-Identifier: GPL-3.0-or-later
# What a countdown costs: Corvane's CPU time over 60 s idle and over 60 s of a running
# countdown (ten ticks a second), and its resident memory at the start and the end of a
# longer run. Under Xvfb; uses xdotool to press Start.
# Usage: bash bench/countdown_cost.sh [BUILD_DIR] [LONG_RUN_SECONDS]
set -euo pipefail
build=${1:-build/bench}
long=${2:-600}
work=$(mktemp -d)
Xvfb :78 -screen 0 1024x768x24 >/dev/null 2>&1 &
xvfb=$!
cleanup() { kill "$pid" "$xvfb" 2>/dev/null || true; rm -rf "$work"; }
trap cleanup EXIT
sleep 1
mkdir -p "$work/Data"
cp -r "$build/LScripts" "$work/"
printf '[Language]\r\nFile=English.lng\r\n[General]\r\nOption 3=0\r\nLeft=100\r\nTop=100\r\n' \
    > "$work/Data/CORVANE.INI"
printf 'Entries\r\n\tLong\r\n\t\t01:00:00\r\n\t\tDone\r\n\t\t\r\n\t\t3600\r\n' > "$work/Data/Timelist.dat"
export DISPLAY=:78 XDG_RUNTIME_DIR="$work" CORVANE_HOME="$work"
"$build/corvane" &
pid=$!
sleep 3

cpu_ms() { awk '{print ($14 + $15) * 1000 / '"$(getconf CLK_TCK)"'}' "/proc/$pid/stat"; }
rss_kb() { awk '/VmRSS/ {print $2}' "/proc/$pid/status"; }
window=$(xdotool search --sync --onlyvisible --name Corvane | head -1)

a=$(cpu_ms); sleep 60; b=$(cpu_ms)
echo "idle:    $(echo "$b - $a" | bc) ms CPU in 60 s"
# The Start button's glyph lies at (8..73, 88..121) of the Display page, below the tabs.
eval "$(xdotool getwindowgeometry --shell "$window")"
xdotool mousemove $((X + 40)) $((Y + 130)) click 1
sleep 2
a=$(cpu_ms); r0=$(rss_kb); sleep 60; b=$(cpu_ms)
echo "running: $(echo "$b - $a" | bc) ms CPU in 60 s"
sleep "$((long > 60 ? long - 60 : 0))"
echo "resident memory: $r0 kB after the start, $(rss_kb) kB after $long s of running"
