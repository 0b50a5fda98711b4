#!/bin/bash
# Corvane — SPDX-License-Identifier: GPL-3.0-or-later
# The real program started twice on one program folder: the second start hands its request to
# the first and ends with 0 at once, touching no file; while the first hangs, a second start
# says so and fails; a start on another folder runs beside it.
set -u
corvane=$1
source_dir=$2
work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill -CONT "$pid" 2>/dev/null; kill -TERM "$pid" 2>/dev/null; done
    wait
    rm -rf "$work"
}
trap cleanup EXIT
status=0
fail() { echo "$1"; shift; for f in "$@"; do echo "--- $f"; cat "$f"; done; status=1; }

runtime=$work/rt
mkdir -p "$runtime" && chmod 700 "$runtime"
make_home() {
    mkdir -p "$1/Data" "$1/LScripts"
    cp "$source_dir"/data/LScripts/*.lng "$1/LScripts/"
    printf '[Language]\r\nFile=English.lng\r\n' > "$1/Data/CORVANE.INI"
}
run() { # home, stderr file, arguments...
    local home=$1 err=$2
    shift 2
    CORVANE_TRACE_STARTUP=1 QT_QPA_PLATFORM=offscreen CORVANE_HOME=$home \
        XDG_RUNTIME_DIR=$runtime timeout 20 "$corvane" "$@" 2> "$err"
}
# The same in the background, the program itself the job (so signals reach it): sets $started.
run_in_background() {
    local home=$1 err=$2
    CORVANE_TRACE_STARTUP=1 QT_QPA_PLATFORM=offscreen CORVANE_HOME=$home \
        XDG_RUNTIME_DIR=$runtime "$corvane" 2> "$err" &
    started=$!
    pids+=("$started")
}
# Waits for a line in a file; never longer than ten seconds.
wait_for() {
    for _ in $(seq 100); do
        grep -q "$2" "$1" && return 0
        sleep 0.1
    done
    return 1
}
now_ms() { echo $(($(date +%s%N) / 1000000)); }
snapshot() { (cd "$1" && find . -printf '%p %s %T@\n' | sort); }

make_home "$work/a"
run_in_background "$work/a" "$work/a.err"
first=$started
wait_for "$work/a.err" 'first paint' || fail "first start did not come up" "$work/a.err"
[ -e "$work/a/Data.lock" ] || fail "no lock beside Data"

before=$(snapshot "$work/a")
start=$(now_ms)
# Qt's own options (a session manager restarts with -session) are no command: the window comes.
run "$work/a" "$work/a2.err" -session second-start
rc=$?
took=$(($(now_ms) - start))
[ "$rc" -eq 0 ] || fail "second start ended with $rc" "$work/a2.err"
# Generous for sanitizer builds on a busy machine; a plain build takes well under a second.
[ "$took" -lt 10000 ] || fail "second start took $took ms"
echo "second start ended after $took ms"
wait_for "$work/a.err" 'request to come to the front (3 arguments)' \
    || fail "the first start got no request" "$work/a.err"
[ "$before" = "$(snapshot "$work/a")" ] || fail "the second start changed files"
grep -q 'first paint' "$work/a2.err" && fail "the second start opened a window"

# A Corvane that holds the lock but cannot answer (stopped): the second start gives up.
kill -STOP "$first"
start=$(now_ms)
run "$work/a" "$work/a3.err"
rc=$?
took=$(($(now_ms) - start))
kill -CONT "$first"
[ "$rc" -ne 0 ] || fail "a second start beside a hung Corvane ended with 0"
grep -q 'already running for this folder' "$work/a3.err" || fail "no message" "$work/a3.err"
[ "$took" -lt 12000 ] || fail "giving up took $took ms"
echo "second start beside a stopped Corvane gave up after $took ms"
[ "$before" = "$(snapshot "$work/a")" ] || fail "the failed start changed files"

make_home "$work/b"
run_in_background "$work/b" "$work/b.err"
wait_for "$work/b.err" 'first paint' || fail "a start on another folder did not run" "$work/b.err"
kill -0 "$first" || fail "the first start is gone"

for pid in "${pids[@]}"; do kill -TERM "$pid"; done
for pid in "${pids[@]}"; do
    wait "$pid" || fail "a Corvane ended with $? after SIGTERM"
done
pids=()
[ -e "$work/a/Data.lock" ] && fail "the lock stayed behind"
exit $status
