# Corvane — SPDX-License-Identifier: GPL-3.0-or-later
"""Uses the real Corvane as a person would, on a private headless desktop: the first-start
language choice, a new 3-second countdown entered, added, started and its alarm closed, the
language switched to German in the options window, the program closed with the exit question
answered Yes; then the files it saved. Controls are found in the accessibility tree by role
and name and clicked with the real pointer; Start is reached with Tab and pressed with Space.

Run inside a session bus of its own (dbus-run-session), with Debian's /usr/bin/python3:
    corvane_e2e.py CORVANE_EXECUTABLE SCREENSHOT_FOLDER
A failed step names what it looked for and prints the program's accessibility tree; the
screenshots of every step, the failed one included, stay in SCREENSHOT_FOLDER."""

import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time
import traceback

from desktop import Desktop, wait_until

HERE = os.path.dirname(os.path.abspath(__file__))
STEP_TIMEOUT = 10  # seconds for any one state to appear
START_TIMEOUT = 30  # the first window: an AddressSanitizer build loads slowly
EXIT_TIMEOUT = 30  # after Yes: saving, then the sanitizer's leak check
RUN_LIMIT = 100  # the whole run, so everything is cleaned up before CTest's 120 s strike
ALARM_LIMIT = 3.3  # seconds from the press of Start to the alarm of a 3-second countdown

NEW_TITLE = "Egg"
NEW_MESSAGE = "The egg is boiled"
# As the list file holds an entry: title; duration, message, sound file, seconds.
NEW_ENTRY = ("\t%s\r\n\t\t00:00:03\r\n\t\t%s\r\n\t\t\r\n\t\t3\r\n"
             % (NEW_TITLE, NEW_MESSAGE)).encode()


class StepFailed(Exception):
    pass


class OutOfTime(Exception):
    pass


class Session:
    def __init__(self, desktop, corvane):
        import a11y  # only once the accessibility bus is up

        self.a11y = a11y
        self.desktop = desktop
        self.corvane = corvane
        self.app = None
        self.main = None  # the main window, once it is there

    def wait(self, condition, what, timeout=STEP_TIMEOUT):
        """Polls `condition` and returns its first true result; fails naming `what` (a text,
        or a function giving it at the time of the failure) when the time is up or Corvane
        has ended meanwhile."""

        def alive_and_met():
            if self.corvane.poll() is not None:
                raise StepFailed("%s, but Corvane ended with status %d"
                                 % (describe(what), self.corvane.returncode))
            return condition()

        try:
            return wait_until(alive_and_met, timeout)
        except TimeoutError:
            raise StepFailed("%s (waited %g s)" % (describe(what), timeout)) from None

    def window(self, title, timeout=STEP_TIMEOUT):
        return self.wait(lambda: self.a11y.window(self.app, title),
                         lambda: "window %r (open: %s)" % (title, self.a11y.windows(self.app)),
                         timeout)

    def window_with(self, role, name):
        """The showing top-level window that holds a showing control of this role and name."""

        def look():
            for i in range(self.a11y.safe(lambda: self.app.childCount, 0)):
                top = self.a11y.safe(lambda: self.app.getChildAtIndex(i))
                if top is not None and self.a11y.find(top, role, name):
                    return top
            return None

        return self.wait(look, "a window with %s %r" % (role, name))

    def control(self, root, role, name):
        """A control that is showing and has a place on screen, so a click reaches it."""
        return self.wait(lambda: self.a11y.find(root, role, name), "%s %r" % (role, name))

    def click(self, root, role, name):
        node = self.control(root, role, name)
        self.a11y.click(node, self.desktop.env)
        return node

    def gone(self, node, what):
        self.wait(lambda: not self.a11y.extents(node) or not self.a11y.showing(node),
                  "%s to close" % what)

    def type_into(self, root, role, name, text):
        """Clicks the field, selects what it holds and types `text` over it."""
        field = self.click(root, role, name)
        self.wait(lambda: self.a11y.focused(field), "keyboard focus in %s %r" % (role, name))
        self.key("ctrl+a")
        self.a11y.xdotool(self.desktop.env, "type", "--delay", "20", text)
        self.wait(lambda: self.a11y.text_of(field) == text,
                  lambda: "%r in %s %r (it holds %r)" % (text, role, name,
                                                         self.a11y.text_of(field)))

    def tab_to(self, node, what, keys="Tab", presses=20):
        """Presses `keys` until the focus is on `node`, as a keyboard user moves to it."""
        for _ in range(presses):
            if self.a11y.focused(node):
                return
            self.key(keys)
            time.sleep(0.1)
        self.wait(lambda: self.a11y.focused(node), "keyboard focus on %s by %s" % (what, keys))

    def time_left(self, root, text):
        """The time display, reached by keys, tells the time left as it gets the focus."""
        shown = self.control(root, "label", "Time left")
        self.tab_to(shown, "the time display", "shift+Tab")
        self.wait(lambda: self.a11y.description_of(shown) == text,
                  lambda: "the time display to say %r (it says %r)"
                  % (text, self.a11y.description_of(shown)))

    def key(self, keys):
        self.a11y.xdotool(self.desktop.env, "key", keys)

    def dump(self):
        return self.a11y.dump(self.app) if self.app is not None else "(Corvane not registered)"


# The steps, in order. Each takes the session and returns nothing; a failure raises.

def choose_english(s):
    s.app = s.wait(lambda: s.a11y.application("Corvane"), "Corvane in the accessibility tree",
                   START_TIMEOUT)
    dialog = s.window("Input", START_TIMEOUT)
    s.control(dialog, "label", "Please select language:")
    s.click(dialog, "list item", "English")
    s.wait(lambda: s.a11y.selected(s.a11y.find(dialog, "list item", "English")),
           "English selected")
    s.desktop.screenshot("language-choice")
    s.click(dialog, "push button", "OK")
    s.gone(dialog, "the language choice")
    # Found once: the options window has the same title.
    s.main = s.window("Corvane")


def prepared_list(s):
    main = s.main
    s.click(main, "page tab", "List")
    tree = s.control(main, "tree", "Countdowns")
    for title in ("Entries", "Tea", "Pizza"):
        s.control(tree, "table cell", title)
    s.desktop.screenshot("prepared-list")


def enter_countdown(s):
    main = s.main
    s.click(main, "page tab", "Enter")
    s.type_into(main, "text", "Title", NEW_TITLE)
    # The editor holds the entry chosen at the start; every field is typed over.
    for field, value in (("Hours", "0"), ("Minutes", "0"), ("Seconds", "3")):
        s.type_into(main, "spin button", field, value)
    s.type_into(main, "text", "Message", NEW_MESSAGE)
    add = s.control(main, "push button", "Add entry")
    s.wait(lambda: s.a11y.enabled(add), "push button 'Add entry' enabled")
    s.desktop.screenshot("enter-countdown")
    s.a11y.click(add, s.desktop.env)
    s.wait(lambda: s.a11y.find(main, "table cell", NEW_TITLE, visible=False),
           "%r in the list" % NEW_TITLE)


def start_countdown(s):
    main = s.main
    s.click(main, "page tab", "Display")
    s.control(main, "combo box", NEW_TITLE)
    s.time_left(main, "00:00:03")
    # Start from the keyboard: Tab moves on from the time display, Space presses.
    start = s.control(main, "push button", "Start countdown")
    s.tab_to(start, "Start")
    s.desktop.screenshot("before-start")
    clicked = time.monotonic()
    s.key("space")
    try:
        alarm = s.window("Corvane Alarm", ALARM_LIMIT + STEP_TIMEOUT)
    except StepFailed as e:
        raise StepFailed("the alarm of a 3-second countdown within %.1f s of the press of "
                         "Start: none came; %s" % (ALARM_LIMIT, e)) from None
    took = time.monotonic() - clicked
    print("alarm %.2f s after the press of Start" % took)
    s.desktop.screenshot("alarm")
    if took > ALARM_LIMIT:
        raise StepFailed("the alarm of a 3-second countdown within %.1f s of the press of "
                         "Start: it came after %.2f s" % (ALARM_LIMIT, took))
    # It cannot end before its time: the countdown starts as Space is released.
    if took < 3.0:
        raise StepFailed("the alarm not before 3 s: it came after %.2f s" % took)
    s.control(alarm, "label", NEW_MESSAGE)
    s.click(alarm, "push button", "OK")
    s.gone(alarm, "the alarm")
    # An ended countdown holds the other pages locked until Stop is pressed, which loads the
    # chosen entry again.
    s.click(main, "image", "Stop countdown")
    s.time_left(main, "00:00:03")


def switch_to_german(s):
    main = s.main
    s.click(main, "page tab", "Options")
    options = s.window_with("list", "Language")
    s.click(options, "list item", "German.lng")
    s.desktop.screenshot("options-german")
    s.click(options, "push button", "OK")
    s.gone(options, "the options window")
    for role, name in (("page tab", "Anzeige"), ("page tab", "Eingabe"), ("page tab", "Liste"),
                       ("page tab", "Optionen"), ("push button", "Beenden"),
                       ("image", "Countdown starten")):
        s.control(main, role, name)
    s.desktop.screenshot("main-german")


def close_and_confirm(s):
    main = s.main
    s.a11y.xdotool(s.desktop.env, "search", "--sync", "--onlyvisible", "--name", "^Corvane$",
                   "windowactivate", "--sync")
    s.wait(lambda: s.a11y.active(main), "the main window active")
    s.key("alt+F4")  # openbox closes the active window, as its title-bar button does
    question = s.window_with("label", "Möchten Sie das Programm wirklich beenden?")
    s.desktop.screenshot("exit-question")
    s.click(question, "push button", "Ja")


def saved_files(s, home):
    try:
        status = s.corvane.wait(EXIT_TIMEOUT)
    except subprocess.TimeoutExpired:
        raise StepFailed("Corvane to end within %d s after Yes" % EXIT_TIMEOUT) from None
    if status != 0:
        raise StepFailed("exit status 0, not %d" % status)
    s.app = None
    ini = read(os.path.join(home, "Data", "CORVANE.INI")).decode("utf-8", "replace")
    if profile_value(ini, "Language", "File") != "German.lng":
        raise StepFailed("File=German.lng in [Language] of CORVANE.INI:\n" + ini)
    prepared = read(os.path.join(HERE, "Timelist.dat"))
    root, entries = prepared.split(b"\r\n", 1)
    expected = root + b"\r\n" + NEW_ENTRY + entries
    saved = read(os.path.join(home, "Data", "Timelist.dat"))
    if saved != expected:
        raise StepFailed("Timelist.dat to hold the prepared entries and the new one:\n"
                         "expected %r\nsaved    %r" % (expected, saved))


def profile_value(text, section, key):
    """The first value of a key in a section, names in any letter case and blanks trimmed;
    None when absent."""
    current = None
    for line in text.splitlines():
        line = line.strip()
        if line.startswith("[") and line.endswith("]"):
            current = line[1:-1].strip().lower()
        elif current == section.lower() and "=" in line:
            name, value = line.split("=", 1)
            if name.strip().lower() == key.lower():
                return value.strip()
    return None


def describe(what):
    return what() if callable(what) else what


def read(path):
    with open(path, "rb") as f:
        return f.read()


def program_folder(scratch, corvane):
    """A fresh program folder from the files the build lays beside the executable, without
    settings, so the first start asks for the language, and with the prepared list."""
    built = os.path.dirname(os.path.abspath(corvane))
    home = os.path.join(scratch, "corvane")
    for sub in ("LScripts", "Help", "Texts"):
        shutil.copytree(os.path.join(built, sub), os.path.join(home, sub))
    os.makedirs(os.path.join(home, "Data"))
    for name in os.listdir(os.path.join(built, "Data")):
        if name.lower().endswith((".thm", ".wav")):
            shutil.copy(os.path.join(built, "Data", name), os.path.join(home, "Data"))
    shutil.copy(os.path.join(HERE, "Timelist.dat"), os.path.join(home, "Data"))
    return home


def user_env(scratch):
    """A user of its own: nothing the program writes (autostart, caches) reaches the real one."""
    runtime = os.path.join(scratch, "runtime")
    os.mkdir(runtime, 0o700)
    user = os.path.join(scratch, "home")
    env = {"HOME": user, "XDG_CONFIG_HOME": os.path.join(user, ".config"),
           "XDG_DATA_HOME": os.path.join(user, ".local", "share"),
           "XDG_CACHE_HOME": os.path.join(user, ".cache"), "XDG_RUNTIME_DIR": runtime}
    for path in env.values():
        os.makedirs(path, exist_ok=True)
    return env


STEPS = [("choose English at the first start", choose_english),
         ("see the prepared list", prepared_list),
         ("enter and add a 3-second countdown", enter_countdown),
         ("start it and close its alarm", start_countdown),
         ("switch to German in the options window", switch_to_german),
         ("close the main window and answer Yes", close_and_confirm)]


def run(corvane_path, screens, scratch):
    os.environ.update(user_env(scratch))
    home = program_folder(scratch, corvane_path)
    with Desktop(scratch, screens) as desktop:
        corvane = desktop.spawn("corvane", [corvane_path], {
            "QT_QPA_PLATFORM": "xcb", "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1",
            "CORVANE_HOME": home})
        try:
            return run_steps(Session(desktop, corvane), home)
        finally:
            signal.alarm(0)  # the desktop is closed whatever the time


def run_steps(session, home):
    steps = STEPS + [("end with status 0 and the files saved", lambda s: saved_files(s, home))]
    for number, (title, step) in enumerate(steps, 1):
        started = time.monotonic()
        try:
            step(session)
        except StepFailed as e:
            report_failure(session, number, title, "looked for " + str(e))
            return 1
        except Exception:  # a tool that failed, or the run's time limit
            report_failure(session, number, title, traceback.format_exc())
            return 1
        print("step %d (%s): %.2f s" % (number, title, time.monotonic() - started))
    return 0


def report_failure(session, number, title, problem):
    print("FAILED step %d (%s): %s" % (number, title, problem))
    print("Screenshot: " + session.desktop.screenshot("failed-step-%d" % number))
    print("Accessibility tree of Corvane:\n" + session.dump())
    print("Corvane's output:\n" + session.desktop.log("corvane")[-4000:])


def out_of_time(signum, frame):
    raise OutOfTime("the whole run took longer than %d s" % RUN_LIMIT)


def stopped(signum, frame):
    raise SystemExit("stopped by signal %d" % signum)  # the desktop still gets closed


TOOLS = ["Xvfb", "openbox", "trayer", "xprop", "xwininfo", "xdotool", "import",
         "/usr/libexec/at-spi-bus-launcher"]


def main():
    corvane_path, screens = sys.argv[1], sys.argv[2]
    missing = [tool for tool in TOOLS if not shutil.which(tool)]
    if missing:
        print("FAILED: missing %s; tools/packages.sh names the Debian packages (TEST_PACKAGES)"
              % ", ".join(missing))
        return 1
    sys.stdout.reconfigure(errors="backslashreplace", line_buffering=True)
    signal.signal(signal.SIGALRM, out_of_time)
    signal.signal(signal.SIGTERM, stopped)
    signal.alarm(RUN_LIMIT)
    shutil.rmtree(screens, ignore_errors=True)
    os.makedirs(screens)
    scratch = tempfile.mkdtemp(prefix="corvane-e2e-")
    started = time.monotonic()
    try:
        status = run(corvane_path, screens, scratch)
    finally:
        shutil.rmtree(scratch, ignore_errors=True)
    print("%s in %.1f s; screenshots in %s" % ("passed" if status == 0 else "FAILED",
                                              time.monotonic() - started, screens))
    return status


if __name__ == "__main__":
    sys.exit(main())
