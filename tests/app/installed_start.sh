#!/bin/bash
# Corvane — SPDX-License-Identifier: GPL-3.0-or-later
# An installed Corvane reads its shipped files from PREFIX/share/corvane and keeps the user's
# Data in $XDG_DATA_HOME/corvane: created on the first start with the shipped themes, saved
# there at the end, and never anything written below the prefix. A Data home it cannot use
# is reported.
set -u
cmake=$1
build=$2
work=$(mktemp -d)
pids=()
trap 'kill -KILL "${pids[@]}" 2>/dev/null; rm -rf "$work"' EXIT
prefix=$work/prefix
"$cmake" --install "$build" --prefix "$prefix" > "$work/install.log" 2>&1 \
    || { cat "$work/install.log"; exit 1; }
[ -x "$prefix/bin/corvane" ] || { echo "nothing installed as bin/corvane"; exit 1; }
status=0
fail() { echo "$*"; status=1; }

# Waits up to ten seconds for a command to succeed.
wait_for() {
    for _ in $(seq 100); do
        "$@" && return 0
        sleep 0.1
    done
    return 1
}

start() { # name, then extra environment
    local name=$1; shift
    mkdir -p "$work/$name/rt" "$work/$name/home"
    chmod 700 "$work/$name/rt"
    env -u CORVANE_HOME HOME="$work/$name/home" XDG_RUNTIME_DIR="$work/$name/rt" \
        QT_QPA_PLATFORM=offscreen CORVANE_TRACE_STARTUP=1 "$@" \
        "$prefix/bin/corvane" 2> "$work/$name/err" &
    pids+=($!)
}

touch "$work/before"

# 1. The first start creates Data with the shipped themes (the language question then waits).
start first XDG_DATA_HOME="$work/first/xdg"
data=$work/first/xdg/corvane/Data
themes() { [ "$(ls "$data"/*.thm 2>/dev/null | wc -l)" -ge 4 ]; }
wait_for themes || fail "first start: no Data with the shipped themes in $data"
[ -d "$work/first/xdg/corvane/LScripts" ] || fail "first start: no folder for own scripts"
kill -KILL "${pids[-1]}"

# 2. With settings there, it runs and saves into the user's Data on SIGTERM.
mkdir -p "$work/second/xdg/corvane/Data"
printf '[Language]\r\nFile=German.lng\r\n' > "$work/second/xdg/corvane/Data/CORVANE.INI"
start second XDG_DATA_HOME="$work/second/xdg"
pid=${pids[-1]}
wait_for grep -q 'first paint' "$work/second/err" || fail "second start: never painted"
kill -TERM "$pid"
wait "$pid" || fail "second start: exit status $?"
grep -q '^Top=' "$work/second/xdg/corvane/Data/CORVANE.INI" || fail "second start: not saved"
[ -f "$work/second/xdg/corvane/Data/Timelist.dat" ] || fail "second start: list not saved"

# 3. A Data home that is a file: a clear message, and the file left alone.
printf 'mine' > "$work/xdgfile"
start third XDG_DATA_HOME="$work/xdgfile"
wait_for grep -q 'cannot create its data folder' "$work/third/err" \
    || { fail "unusable data home: no message"; cat "$work/third/err"; }
[ "$(cat "$work/xdgfile")" = mine ] || fail "unusable data home: the file was changed"
kill -KILL "${pids[-1]}"

# Nothing below the prefix was written by the runs.
changed=$(find "$prefix" -newer "$work/before" ! -type d)
[ -z "$changed" ] || fail "written below the prefix: $changed"
exit $status
