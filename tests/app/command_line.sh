#!/bin/bash
# Corvane — SPDX-License-Identifier: GPL-3.0-or-later
# The real program's command line: answered from the list file while no Corvane runs, carried
# to the running one otherwise, and refused with a message and status 1 when it cannot be done,
# the list file left byte for byte.
set -u
corvane=$1
source_dir=$2
work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill -TERM "$pid" 2>/dev/null; done
    wait
    rm -rf "$work"
}
trap cleanup EXIT
status=0
fail() { echo "FAIL: $1"; status=1; }

runtime=$work/rt
mkdir -p "$runtime" && chmod 700 "$runtime"
home=$work/home
mkdir -p "$home/Data" "$home/LScripts"
cp "$source_dir"/data/LScripts/*.lng "$home/LScripts/"
printf '[Language]\r\nFile=English.lng\r\n' > "$home/Data/CORVANE.INI"
printf 'Entries\r\n\tTea\r\n\t\t00:03:00\r\n\t\tTea is ready\r\n\t\t\r\n\t\t180\r\n' \
    > "$home/Data/Timelist.dat"
list_before=$(md5sum < "$home/Data/Timelist.dat")

# Runs a command; sets $out, $err and $rc.
cmd() {
    out=$(CORVANE_HOME=$home XDG_RUNTIME_DIR=$runtime QT_QPA_PLATFORM=offscreen \
        timeout 20 "$corvane" "$@" 2> "$work/err")
    rc=$?
    err=$(cat "$work/err")
}
expect() { # description, status, stdout, stderr
    [ "$rc" = "$2" ] && [ "$out" = "$3" ] && [ "$err" = "$4" ] \
        || fail "$1: status $rc, stdout '$out', stderr '$err'"
}
wait_for() {
    for _ in $(seq 100); do
        grep -q "$2" "$1" 2>/dev/null && return 0
        sleep 0.1
    done
    return 1
}

# Without a display: help and version still answer.
out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$corvane" --help); rc=$?
[ $rc = 0 ] && grep -q -- '--start DURATION' <<< "$out" || fail "--help without a display"
out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$corvane" --version)
[ "$out" = "Corvane 1.0" ] || fail "--version: $out"

# No Corvane runs: the file answers, nothing starts.
cmd --list
expect "--list from the file" 0 $'Tea\t00:03:00' ""
cmd --pause
expect "--pause while none runs" 1 "" "Corvane is not running, so no countdown runs."
cmd --start Coffee
expect "--start of an unknown title" 1 "" \
    "There is no countdown called 'Coffee'. corvane --list shows the countdowns."
cmd --start -5m
expect "--start -5m" 1 "" "A duration cannot be negative: '-5m'."
cmd --frobnicate
expect "unknown option" 1 "" "Unknown option '--frobnicate'. Try 'corvane --help' for the options."
[ -e "$home/Data.lock" ] && fail "a refused command left a lock"

# A --start with nothing running starts Corvane, which starts the countdown.
CORVANE_TRACE_STARTUP=1 CORVANE_HOME=$home XDG_RUNTIME_DIR=$runtime QT_QPA_PLATFORM=offscreen \
    "$corvane" --start tea > "$work/first.out" 2> "$work/first.err" &
pids+=($!)
wait_for "$work/first.out" "Started 'Tea' (00:03:00)." || fail "--start did not start Corvane"

# Now the running Corvane answers.
cmd --start 5m
expect "--start while one runs" 1 "" \
    "$(grep -o 'A countdown is running (00:0[23]:[0-9][0-9] left). Stop it first: corvane --stop' <<< "$err")"
[ -n "$err" ] || fail "--start while one runs said nothing"
cmd --pause
expect "--pause" 0 "" ""
cmd --pause
expect "--pause twice" 1 "" "The countdown is paused already."
cmd --stop
expect "--stop" 0 "" ""
cmd --start 1h30m --message "Stretch"
expect "--start a duration" 0 "Started a countdown of 01:30:00." ""
cmd --start "$(head -c 100000 /dev/zero | tr '\0' x)"
expect "a 100 000 character title" 1 "" "The command line is too long."
cmd --start $'\xff\xfe'
[ $rc = 1 ] || fail "--start of invalid UTF-8: status $rc"
cmd --stop
cmd --start 99:60:00
expect "--start 99:60:00" 1 "" "Minutes and seconds go up to 59: '99:60:00'."
cmd --start 1e9s
[ $rc = 1 ] && grep -q "is not a duration" <<< "$err" || fail "--start 1e9s: $rc $err"
cmd --list
expect "--list from the running Corvane" 0 $'Tea\t00:03:00' ""

[ "$(md5sum < "$home/Data/Timelist.dat")" = "$list_before" ] || fail "the list file changed"
kill -TERM "${pids[0]}"
wait "${pids[0]}"
[ "$(md5sum < "$home/Data/Timelist.dat")" = "$list_before" ] || fail "the list changed at the end"
exit $status
