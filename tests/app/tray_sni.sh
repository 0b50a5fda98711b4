#!/bin/bash
# Corvane — SPDX-License-Identifier: GPL-3.0-or-later
# The tray icon as KDE Plasma, XFCE and GNOME's AppIndicator extension see it: the real
# program on Xvfb, with a stand-in StatusNotifierWatcher on a private session bus, registers
# a StatusNotifierItem that shows its icon and its name; minimising hides the window into it,
# and the host's click brings the window back.
# Usage: tray_sni.sh CORVANE SOURCE_DIR. Exits 77 (skipped) when a tool it needs is missing.
set -u
corvane=$1
source_dir=$2
here=$(dirname "$0")

for tool in Xvfb dbus-run-session openbox xdotool xprop; do
    command -v "$tool" > /dev/null || { echo "skipped: no $tool"; exit 77; }
done
/usr/bin/python3 -c 'import dbus, gi' 2> /dev/null || { echo "skipped: no python3-dbus"; exit 77; }

# Everything below runs on a private session bus, so no real tray of the desktop interferes.
if [ -z "${CORVANE_TRAY_BUS:-}" ]; then
    CORVANE_TRAY_BUS=1 exec dbus-run-session -- bash "$0" "$@" 2> >(grep -v 'fd limit' >&2)
fi

work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2> /dev/null; done
    wait 2> /dev/null
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAILED: $*"
    echo "--- Corvane's output"; cat "$work/err" 2> /dev/null
    exit 1
}

# Waits up to ten seconds for a command to succeed.
await() {
    for _ in $(seq 100); do
        "$@" > /dev/null 2>&1 && return 0
        sleep 0.1
    done
    return 1
}

mkdir -p "$work/home/Data" "$work/home/LScripts" "$work/rt"
chmod 700 "$work/rt"
export XDG_RUNTIME_DIR=$work/rt
cp "$source_dir"/data/LScripts/*.lng "$work/home/LScripts/"
printf '[Language]\r\nFile=English.lng\r\n' > "$work/home/Data/CORVANE.INI"

exec 3> "$work/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp > /dev/null 2>&1 &
pids+=($!)
await test -s "$work/display" || fail "Xvfb did not start"
export DISPLAY=:$(head -n1 "$work/display")

# A window manager minimises; openbox runs its start-up command once it manages the screen.
openbox --startup "touch $work/wm-ready" > /dev/null 2>&1 &
pids+=($!)
await test -e "$work/wm-ready" || fail "openbox did not start"

/usr/bin/python3 "$here/sni_watcher.py" "$work/items" > "$work/watcher" &
pids+=($!)
await grep -q ready "$work/watcher" || fail "the stand-in watcher did not start"

CORVANE_HOME=$work/home CORVANE_TRACE_STARTUP=1 QT_QPA_PLATFORM=xcb "$corvane" \
    2> "$work/err" &
corvane_pid=$!
pids+=($corvane_pid)
await grep -q 'first paint' "$work/err" || fail "Corvane did not show its window"
await test -s "$work/items" || fail "no StatusNotifierItem was registered"
read -r name path < "$work/items"

props=$(/usr/bin/python3 "$here/sni_host.py" check "$name" "$path") || fail "item: $props"
echo "$props"
for want in 'ToolTip.Title=Corvane' 'Status=Active' 'Category=ApplicationStatus'; do
    grep -qxF "$want" <<< "$props" || fail "item lacks $want"
done
# A host scales the picture nearest its panel's size: a panel-sized and a large one.
grep -Eq '^IconPixmap=.*\b(16|22|24)x' <<< "$props" || fail "no panel-sized icon"
grep -Eq '^IconPixmap=.*\b(48|64)x' <<< "$props" || fail "no large icon"

window=$(xdotool search --onlyvisible --pid "$corvane_pid" --name '^Corvane$' | head -n1)
[ -n "$window" ] || fail "no window named Corvane"
visible() { xdotool search --onlyvisible --pid "$corvane_pid" --name '^Corvane$' | grep -qx "$window"; }
# Hidden into the tray: withdrawn, not merely iconified as a minimised window is.
withdrawn() { ! xprop -id "$window" WM_STATE | grep -Eq 'Normal|Iconic'; }

xdotool windowminimize "$window"
await withdrawn || fail "minimising did not hide the window into the tray"
/usr/bin/python3 "$here/sni_host.py" activate "$name" "$path" || fail "Activate was refused"
await visible || fail "a click on the tray icon did not bring the window back"
echo "registered as $name$path; minimised into the tray and brought back by Activate"
