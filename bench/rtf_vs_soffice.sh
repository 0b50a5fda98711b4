#!/usr/bin/env bash
# Corvane — SPDX-License-Identifier: GPL-3.0-or-later
# Reading a 5 MB word-processor RTF: Corvane's reader (corvtool rtf-text) against
# LibreOffice (soffice --headless --convert-to txt), on the same file, in one run.
# Usage: bash bench/rtf_vs_soffice.sh [BUILD_DIR]   (BUILD_DIR built with -DCORVANE_BENCH=ON)
set -euo pipefail
build=${1:-build/bench}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
CORVANE_BENCH_RTF_OUT="$work/doc.rtf" "$build/bench/bench_rtf"
size=$(stat -c %s "$work/doc.rtf")
seconds() { local s e; s=$(date +%s.%N); "$@" >/dev/null 2>&1; e=$(date +%s.%N); echo "$e - $s" | bc; }
soffice --headless --convert-to txt:Text --outdir "$work" "$work/doc.rtf" >/dev/null 2>&1 || true # warm up
ours=$(seconds "$build/tools/corvtool/corvtool" rtf-text "$work/doc.rtf")
theirs=$(seconds soffice --headless --convert-to txt:Text --outdir "$work" "$work/doc.rtf")
printf 'file %.1f MB: corvtool rtf-text %.2f s (%.1f MB/s), soffice %.2f s; ratio %.1f\n' \
    "$(echo "$size / 1048576" | bc -l)" "$ours" "$(echo "$size / 1048576 / $ours" | bc -l)" \
    "$theirs" "$(echo "$theirs / $ours" | bc -l)"
