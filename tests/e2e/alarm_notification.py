# Corvane — SPDX-License-Identifier: GPL-3.0-or-later
"""The alarm's desktop notification with the real program on a private headless desktop
(Xvfb, openbox, trayer), beside a stand-in notification server (notification_server.py) on
the session bus. A countdown is started and the window minimised into the tray: at the end
the server gets Notify with the alarm's title and message (escaped for the markup the server
reads), Corvane's name and icon, the critical urgency and the "Show Corvane" action, while
the alarm dialog comes up; the server reports a click on the action, and the window comes
back from the tray with the alarm dialog in front of it. Then once more, and this time the
dialog is closed: Corvane takes the notification back (CloseNotification).

Run inside a session bus of its own (dbus-run-session), with Debian's /usr/bin/python3:
    alarm_notification.py CORVANE_EXECUTABLE SCREENSHOT_FOLDER"""

import json
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time
import traceback

try:
    import dbus
except ImportError:  # checked in main()
    dbus = None

from corvane_e2e import Session, StepFailed, user_env
from desktop import Desktop

HERE = os.path.dirname(os.path.abspath(__file__))
RUN_LIMIT = 100
MESSAGE = "Tea & biscuits <now>"
ENTRY = ("Entries\r\n\tTea\r\n\t\t00:00:02\r\n\t\t%s\r\n\t\t\r\n\t\t2\r\n" % MESSAGE).encode()
CONTROL = "org.corvane.Test"


class Run:
    def __init__(self, desktop, session, log_path):
        self.desktop = desktop
        self.s = session
        self.log_path = log_path

    def calls(self, member):
        try:
            with open(self.log_path, encoding="utf-8") as log:
                records = [json.loads(line) for line in log if line.strip()]
        except OSError:
            return []
        return [r for r in records if r["call"] == member]

    def xdotool(self, *args):
        done = subprocess.run(["xdotool", *args], env=self.desktop.env, capture_output=True,
                              text=True, timeout=10)
        return done.stdout.split() if done.returncode == 0 else []

    def main_window_visible(self):
        """The main window's X id in a list while it is on screen; the tray icon's window,
        which has the same name, is left out by its size."""
        found = []
        for window in self.xdotool("search", "--onlyvisible", "--pid",
                                   str(self.s.corvane.pid), "--name", "^Corvane$"):
            geometry = self.xdotool("getwindowgeometry", "--shell", window)
            width = [int(g.split("=")[1]) for g in geometry if g.startswith("WIDTH=")]
            if width and width[0] > 100:
                found.append(window)
        return found

    def start_and_minimise(self):
        main = self.s.main
        start = self.s.control(main, "image", "Start countdown")
        self.s.a11y.click(start, self.desktop.env)
        window = self.s.wait(self.main_window_visible, "the main window on screen")[0]
        self.xdotool("windowminimize", window)
        self.s.wait(lambda: not self.main_window_visible(),
                    "the main window hidden into the tray")

    def alarm_with_notification(self, number):
        alarm = self.s.window("Corvane Alarm", 10)
        self.s.wait(lambda: len(self.calls("Notify")) >= number, "Notify number %d" % number)
        self.desktop.screenshot("alarm-%d" % number)
        return alarm, self.calls("Notify")[number - 1]


def check_notify(call):
    problems = []

    def want(what, got, expected):
        if got != expected:
            problems.append("%s: %r, not %r" % (what, got, expected))

    want("app_name", call["app_name"], "Corvane")
    want("summary", call["summary"], "Corvane Alarm")
    want("body", call["body"], "Tea &amp; biscuits &lt;now&gt;")
    want("actions", call["actions"], ["default", "Show Corvane", "show", "Show Corvane"])
    want("expire_timeout", call["expire_timeout"], 0)
    hints = call["hints"]
    want("urgency", hints.get("urgency"), {"byte": 2})
    want("desktop-entry", hints.get("desktop-entry"), "org.corvane.Corvane")
    # Portable here, unless Corvane's icon is installed on this machine: then by name.
    if call["app_icon"] != "org.corvane.Corvane":
        want("app_icon", call["app_icon"], "")
        image = hints.get("image-data")
        if not image:
            problems.append("neither the icon's name nor image-data")
        else:
            want("image-data size", (image["width"], image["height"]), (64, 64))
            want("image-data bytes", image["bytes"], image["rowstride"] * image["height"])
            want("image-data format", (image["bits"], image["channels"], image["alpha"]),
                 (8, 4, True))
            if image["opaque"] < 64 * 64 // 4:
                problems.append("image-data nearly transparent: %d opaque pixels"
                                % image["opaque"])
    if problems:
        raise StepFailed("a Notify like the alarm's: " + "; ".join(problems)
                         + "\n" + json.dumps(call))


def action_brings_it_back(run):
    run.start_and_minimise()
    alarm, call = run.alarm_with_notification(1)
    check_notify(call)
    print("Notify: %s" % json.dumps(call))
    server = dbus.SessionBus().get_object("org.freedesktop.Notifications",
                                          "/org/freedesktop/Notifications")
    server.Invoke(dbus.UInt32(call["id"]), "show", dbus_interface=CONTROL)
    run.s.wait(run.main_window_visible, "the main window back from the tray after the action")
    run.s.wait(lambda: run.s.a11y.active(alarm), "the alarm dialog active in front of it")
    run.desktop.screenshot("brought-back")
    run.s.click(alarm, "push button", "OK")
    run.s.gone(alarm, "the alarm")
    # The server closed it itself after the click: nothing is left to close.
    time.sleep(0.3)
    if run.calls("CloseNotification"):
        raise StepFailed("no CloseNotification for a notification the server closed: %r"
                         % run.calls("CloseNotification"))
    run.s.click(run.s.main, "image", "Stop countdown")


def dismiss_takes_it_back(run):
    run.start_and_minimise()
    alarm, call = run.alarm_with_notification(2)
    check_notify(call)
    run.s.click(alarm, "push button", "OK")
    run.s.gone(alarm, "the alarm")
    closes = run.s.wait(lambda: run.calls("CloseNotification"), "CloseNotification")
    if (closes[0]["id"], closes[0]["sender"]) != (call["id"], call["sender"]):
        raise StepFailed("CloseNotification of %d from %s, not %r"
                         % (call["id"], call["sender"], closes[0]))


def program_folder(scratch, corvane):
    built = os.path.dirname(os.path.abspath(corvane))
    home = os.path.join(scratch, "corvane")
    shutil.copytree(os.path.join(built, "LScripts"), os.path.join(home, "LScripts"))
    os.makedirs(os.path.join(home, "Data"))
    with open(os.path.join(home, "Data", "CORVANE.INI"), "wb") as f:
        f.write(b"[Language]\r\nFile=English.lng\r\n")
    with open(os.path.join(home, "Data", "Timelist.dat"), "wb") as f:
        f.write(ENTRY)
    return home


STEPS = [("alarm in the tray: Notify, and its action brings the window back",
          action_brings_it_back),
         ("alarm in the tray again: closing the dialog takes the notification back",
          dismiss_takes_it_back)]


def run(corvane_path, screens, scratch):
    os.environ.update(user_env(scratch))
    home = program_folder(scratch, corvane_path)
    log_path = os.path.join(scratch, "notifications.jsonl")
    with Desktop(scratch, screens) as desktop:
        desktop.spawn("notifications", ["/usr/bin/python3", "-u",
                                        os.path.join(HERE, "notification_server.py"), log_path])
        deadline = time.monotonic() + 10
        while "ready" not in desktop.log("notifications"):
            if time.monotonic() > deadline:
                print("FAILED: the stand-in notification server did not start:\n"
                      + desktop.log("notifications"))
                return 1
            time.sleep(0.05)
        corvane = desktop.spawn("corvane", [corvane_path], {
            "QT_QPA_PLATFORM": "xcb", "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1",
            "CORVANE_HOME": home})
        session = Session(desktop, corvane)
        try:
            session.app = session.wait(lambda: session.a11y.application("Corvane"),
                                       "Corvane in the accessibility tree", 30)
            session.main = session.window("Corvane", 30)
        except StepFailed as e:
            print("FAILED: " + str(e) + "\n" + desktop.log("corvane")[-4000:])
            return 1
        this = Run(desktop, session, log_path)
        for number, (title, step) in enumerate(STEPS, 1):
            started = time.monotonic()
            try:
                step(this)
            except Exception as e:  # a step that failed, a tool, or the time limit
                detail = str(e) if isinstance(e, StepFailed) else traceback.format_exc()
                print("FAILED step %d (%s): %s" % (number, title, detail))
                print("Screenshot: " + desktop.screenshot("failed-step-%d" % number))
                print("Accessibility tree of Corvane:\n" + session.dump())
                print("Corvane's output:\n" + desktop.log("corvane")[-4000:])
                return 1
            print("step %d (%s): %.2f s" % (number, title, time.monotonic() - started))
        signal.alarm(0)
    return 0


TOOLS = ["Xvfb", "openbox", "trayer", "xprop", "xwininfo", "xdotool", "import",
         "/usr/libexec/at-spi-bus-launcher"]


def out_of_time(signum, frame):
    raise TimeoutError("the whole run took longer than %d s" % RUN_LIMIT)


def main():
    corvane_path, screens = sys.argv[1], sys.argv[2]
    missing = [tool for tool in TOOLS if not shutil.which(tool)]
    if dbus is None:
        missing.append("python3-dbus")
    if missing:
        print("skipped: missing %s; tools/packages.sh names the Debian packages" % ", ".join(missing))
        return 77
    sys.stdout.reconfigure(errors="backslashreplace", line_buffering=True)
    signal.signal(signal.SIGALRM, out_of_time)
    signal.signal(signal.SIGTERM, lambda signum, frame: sys.exit("stopped by signal %d" % signum))
    signal.alarm(RUN_LIMIT)
    shutil.rmtree(screens, ignore_errors=True)
    os.makedirs(screens)
    scratch = tempfile.mkdtemp(prefix="corvane-notify-")
    try:
        status = run(corvane_path, screens, scratch)
    finally:
        shutil.rmtree(scratch, ignore_errors=True)
    print("%s; screenshots in %s" % ("passed" if status == 0 else "FAILED", screens))
    return status


if __name__ == "__main__":
    sys.exit(main())
