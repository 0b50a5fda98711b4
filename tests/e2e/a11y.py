# Corvane — SPDX-License-Identifier: GPL-3.0-or-later
"""Finding Corvane's controls in the accessibility tree and using them as a person would:
xdotool moves the pointer to the middle of a control and clicks, or types into the control
that has the keyboard focus."""

import subprocess

import pyatspi

from desktop import SCREEN_SIZE


def application(name):
    """Corvane's node under the desktop, or None while it has not registered."""
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = safe(lambda: desktop.getChildAtIndex(i))
        if app is not None and safe(lambda: app.name) == name:
            return app
    return None


def safe(read, default=None):
    """A read of a node that may vanish between two calls (a dialog closing) gives `default`."""
    try:
        return read()
    except Exception:  # GLib errors of a node that is gone have no common class
        return default


def walk(node, depth=0, only_showing=False):
    """Every node below `node`, depth first, with its depth; below showing nodes only when
    asked. A combo box's popup list is left out: the font list alone holds hundreds of
    entries, and no step reads a closed popup."""
    if node is None or depth > 40 or (only_showing and not showing(node)):
        return
    yield node, depth
    if role_of(node) == "combo box":
        return
    for i in range(safe(lambda: node.childCount, 0)):
        yield from walk(safe(lambda: node.getChildAtIndex(i)), depth + 1, only_showing)


def role_of(node):
    return safe(lambda: node.getRoleName(), "?")


def name_of(node):
    return safe(lambda: node.name, "") or ""


def description_of(node):
    return safe(lambda: node.description, "") or ""


def has_state(node, state):
    states = safe(lambda: node.getState())
    return states is not None and states.contains(state)


def showing(node):
    return has_state(node, pyatspi.STATE_SHOWING)


def focused(node):
    return has_state(node, pyatspi.STATE_FOCUSED)


def selected(node):
    return has_state(node, pyatspi.STATE_SELECTED)


def enabled(node):
    return has_state(node, pyatspi.STATE_ENABLED)


def active(node):
    return has_state(node, pyatspi.STATE_ACTIVE)


def text_of(node):
    """The whole text of an editable control, or None when it has none."""
    return safe(lambda: node.queryText().getText(0, -1))


def extents(node):
    """The node's screen rectangle (x, y, width, height), or None while it has no size."""
    box = safe(lambda: node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS))
    if box is None or box.width <= 0 or box.height <= 0:
        return None
    return box.x, box.y, box.width, box.height


def find(root, role, name=None, visible=True):
    """The first node below `root` with this role name and (when given) this name, that is
    showing and has a size on screen when `visible`."""
    for node, _ in walk(root, only_showing=visible):
        if role_of(node) != role or (name is not None and name_of(node) != name):
            continue
        if not visible or (showing(node) and extents(node)):
            return node
    return None


def window(app, title):
    """A showing top-level window of `app` with this title."""
    for i in range(safe(lambda: app.childCount, 0)):
        top = safe(lambda: app.getChildAtIndex(i))
        if top is not None and name_of(top) == title and extents(top):
            return top
    return None


def windows(app):
    """The titles of the app's top-level windows that have a size on screen."""
    tops = (safe(lambda: app.getChildAtIndex(i)) for i in range(safe(lambda: app.childCount, 0)))
    return [name_of(t) for t in tops if t is not None and extents(t)]


def dump(root):
    """The tree below `root` as indented lines: role, name, extents."""
    lines = []
    for node, depth in walk(root):
        lines.append("%s%s %r %s" % ("  " * depth, role_of(node), name_of(node), extents(node)))
    return "\n".join(lines)


def point_at(node, display_env):
    """Moves the pointer to the middle of the node's screen rectangle."""
    x, y, w, h = extents(node)
    xdotool(display_env, "mousemove", "--sync", str(x + w // 2), str(y + h // 2))


def click(node, display_env):
    """A left click in the middle of the node's screen rectangle."""
    point_at(node, display_env)
    click_here(display_env)


def click_here(display_env):
    """A left click where the pointer is; then the pointer leaves for the screen's top right
    corner, where no window of the test lies, so that no tooltip opens over the next control
    to be clicked (a click on a tooltip only closes it)."""
    xdotool(display_env, "click", "1", "mousemove", "--sync", str(SCREEN_SIZE[0] - 1), "0")


def xdotool(display_env, *args):
    subprocess.run(["xdotool", *args], env=display_env, check=True, timeout=10)
