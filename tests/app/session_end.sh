#!/bin/bash
# Corvane — SPDX-License-Identifier: GPL-3.0-or-later
# The real program, told to stop by each signal a logout or a terminal sends, saves its list
# and settings without asking and ends with status 0.
set -u
corvane=$1
source_dir=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
for signal in TERM INT HUP; do
    home=$work/$signal
    mkdir -p "$home/Data" "$home/LScripts" "$home/rt"
    chmod 700 "$home/rt"
    cp "$source_dir"/data/LScripts/*.lng "$home/LScripts/"
    printf '[Language]\r\nFile=English.lng\r\n' > "$home/Data/CORVANE.INI"
    printf 'Entries\r\n\tTea\r\n\t\t00:03:00\r\n\t\tTea is ready\r\n\t\t\r\n\t\t180\r\n' \
        > "$home/Data/Timelist.dat"
    CORVANE_TRACE_STARTUP=1 QT_QPA_PLATFORM=offscreen CORVANE_HOME=$home \
        XDG_RUNTIME_DIR=$home/rt "$corvane" 2> "$home/err" &
    pid=$!
    # Up once its window has painted; never longer than ten seconds.
    for _ in $(seq 100); do
        grep -q 'first paint' "$home/err" && break
        sleep 0.1
    done
    kill -"$signal" "$pid"
    wait "$pid"
    rc=$?
    if [ "$rc" -ne 0 ]; then
        echo "SIG$signal: exit status $rc"; cat "$home/err"; status=1; continue
    fi
    # A close answered Yes writes the window's place and rewrites the list.
    if ! grep -q '^Top=' "$home/Data/CORVANE.INI"; then
        echo "SIG$signal: settings not saved"; cat "$home/Data/CORVANE.INI"; status=1
    fi
    if ! grep -q 'Tea is ready' "$home/Data/Timelist.dat"; then
        echo "SIG$signal: list lost"; status=1
    fi
done
exit $status
