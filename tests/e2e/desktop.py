# Corvane — SPDX-License-Identifier: GPL-3.0-or-later
"""A private headless desktop for one run: Xvfb on a display number of its own, a window
manager, a tray host and the accessibility bus, all inside the session bus that
dbus-run-session gave this process. Everything started here runs in a process group of its
own, so closing the desktop ends it and whatever it started, also after a failure."""

import os
import signal
import subprocess
import time

SCREEN_SIZE = (1024, 768)


class Desktop:
    def __init__(self, scratch, screens):
        self.scratch = scratch
        self.screens = screens
        self.env = dict(os.environ)
        self._groups = []  # (name, Popen) in start order
        self._shots = 0

    def __enter__(self):
        try:
            self._start_x()
            self._start_helpers()
        except BaseException:
            self.close()
            raise
        return self

    def __exit__(self, *exc):
        self.close()
        return False

    def spawn(self, name, argv, env=None, **kw):
        """Starts a program on this desktop in a process group of its own, with `env` added to
        the desktop's environment; its output goes to <scratch>/<name>.log."""
        merged = dict(self.env, **(env or {}))
        with open(os.path.join(self.scratch, name + ".log"), "wb") as log:
            proc = subprocess.Popen(argv, env=merged, stdout=log, stderr=subprocess.STDOUT,
                                    start_new_session=True, **kw)
        self._groups.append((name, proc))
        return proc

    def _start_x(self):
        # The server picks a free display itself and names it once it accepts clients, so
        # parallel runs never collide and nothing has to guess when it is ready.
        read_end, write_end = os.pipe()
        self.spawn("xvfb", ["Xvfb", "-displayfd", str(write_end), "-screen", "0",
                             "%dx%dx24" % SCREEN_SIZE,
                             "-nolisten", "tcp", "-noreset"], pass_fds=[write_end])
        os.close(write_end)
        with os.fdopen(read_end, "rb") as pipe:
            number = pipe.readline().strip()  # empty when the server died first
        if not number:
            raise RuntimeError("Xvfb did not start: " + self.log("xvfb"))
        self.env["DISPLAY"] = ":" + number.decode()
        os.environ["DISPLAY"] = self.env["DISPLAY"]  # for pyatspi in this process too

    def _start_helpers(self):
        # Qt and pyatspi find the accessibility bus through the session bus, or through the
        # root window's AT_SPI_BUS property that the launcher sets.
        self.spawn("at-spi-bus", ["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"])
        self.spawn("openbox", ["openbox", "--sm-disable"])
        self.spawn("trayer", ["trayer", "--edge", "bottom", "--align", "right",
                               "--widthtype", "request", "--height", "24"])
        wait_until(self._helpers_ready, 10, "accessibility bus, window manager and tray host")

    def _helpers_ready(self):
        # openbox names itself on its check window once it manages windows; trayer's panel
        # window appears as it claims the tray.
        return "unix:" in self._run(["xprop", "-root", "AT_SPI_BUS"]) \
            and self._wm_name() == "openbox" \
            and "trayer" in self._run(["xwininfo", "-root", "-tree"]).lower()

    def _wm_name(self):
        check = self._run(["xprop", "-root", "-notype", "_NET_SUPPORTING_WM_CHECK"])
        window = check.split()[-1] if "window id" in check else ""
        if not window.startswith("0x"):
            return ""
        name = self._run(["xprop", "-id", window, "-notype", "_NET_WM_NAME"])
        return name.split('"')[1].lower() if '"' in name else ""

    def _run(self, argv):
        done = subprocess.run(argv, env=self.env, capture_output=True, text=True, timeout=10)
        return done.stdout if done.returncode == 0 else ""

    def log(self, name):
        try:
            with open(os.path.join(self.scratch, name + ".log"), "rb") as f:
                return f.read().decode("utf-8", "replace")
        except OSError:
            return ""

    def screenshot(self, step):
        """Saves the whole screen as <screens>/NN-step.png, numbered in the order taken."""
        self._shots += 1
        path = os.path.join(self.screens, "%02d-%s.png" % (self._shots, step))
        subprocess.run(["import", "-window", "root", path], env=self.env,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=20)
        return path

    def close(self):
        # Newest first, so the program goes before the desktop it draws on.
        for name, proc in reversed(self._groups):
            stop_group(proc)
        self._groups.clear()


def stop_group(proc, grace=3.0):
    """Ends a process group started with start_new_session: TERM, then KILL after `grace`."""
    for sig, wait in ((signal.SIGTERM, grace), (signal.SIGKILL, grace)):
        try:
            os.killpg(proc.pid, sig)
        except ProcessLookupError:
            pass
        try:
            proc.wait(wait)
            # Its children may outlive it in the group; they get the same signal.
            os.killpg(proc.pid, signal.SIGKILL)
        except ProcessLookupError:
            return
        except subprocess.TimeoutExpired:
            continue
        return


def wait_until(condition, timeout, what="the state", interval=0.05):
    """Polls `condition` until it returns something true and returns that; raises TimeoutError
    naming `what` after `timeout` seconds."""
    deadline = time.monotonic() + timeout
    while True:
        result = condition()
        if result:
            return result
        if time.monotonic() > deadline:
            raise TimeoutError("no %s within %g s" % (what, timeout))
        time.sleep(interval)
