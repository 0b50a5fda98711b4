#!/usr/bin/env bash
# Corvane — SPDX-License-Identifier: GPL-3.0-or-later
# Start-up time (process start to first paint) and resident memory of Corvane against a bare
# Qt Widgets window, measured alternately in one run under Xvfb.
# Usage: bash bench/startup.sh [BUILD_DIR] [RUNS] [THEME]   (BUILD_DIR built with
# -DCORVANE_BENCH=ON; THEME names a theme of BUILD_DIR/Data to start with)
set -euo pipefail
build=${1:-build/bench}
runs=${2:-15}
theme=${3:-}
work=$(mktemp -d)
trap 'kill $xvfb 2>/dev/null; rm -rf "$work"' EXIT
Xvfb :77 -screen 0 1280x800x24 >/dev/null 2>&1 &
xvfb=$!
sleep 1
cp -r "$build/LScripts" "$build/Data" "$work/"
printf '[Language]\r\nFile=English.lng\r\n[General]\r\nOption 3=0\r\nTheme=%s\r\n' "$theme" \
    > "$work/Data/CORVANE.INI"
export DISPLAY=:77 XDG_RUNTIME_DIR="$work" CORVANE_HOME="$work"

measure() { # program -> "ms rss_mb"
    local out="$work/trace"
    # The child must not inherit the clean-up trap.
    (trap - EXIT; exec env CORVANE_TRACE_STARTUP="$(date +%s%N)" "$1" 2>"$out") &
    local pid=$!
    for _ in $(seq 100); do grep -q '^startup:' "$out" && break; sleep 0.05; done
    kill $pid 2>/dev/null; wait $pid 2>/dev/null || true
    sed -n 's/^startup: first paint after \([0-9.]*\) ms, resident \([0-9.]*\) MB.*/\1 \2/p' "$out"
}

median() { sort -n | awk '{a[NR]=$1} END {print (NR%2 ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2)}'; }

: > "$work/corvane" ; : > "$work/bare"
measure "$build/bare_window" >/dev/null; measure "$build/corvane" >/dev/null # warm the caches
for _ in $(seq "$runs"); do
    measure "$build/bare_window" >> "$work/bare"
    measure "$build/corvane" >> "$work/corvane"
done
for who in bare corvane; do
    printf '%-8s first paint median %6.1f ms   resident median %5.1f MB   (%d runs)\n' "$who" \
        "$(cut -d' ' -f1 "$work/$who" | median)" "$(cut -d' ' -f2 "$work/$who" | median)" "$runs"
done
