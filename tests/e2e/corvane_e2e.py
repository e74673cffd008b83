"""Drives the real Corvane program as a screen-reader user would, through the AT-SPI tree.

Run with Debian's /usr/bin/python3 inside a D-Bus session on an X display (see run_e2e.sh).
Fields and buttons are found by their accessible names, which are the texts of their labels.
"""
import contextlib
import os
import subprocess
import tempfile
import time

import pyatspi
from Xlib import X, display, protocol

MAIN_CAPTION = ("Amateur Radio Astronomy -- Corvane        rev 2.2  "
                "corvane.author@example.org 23 MAR 06")


def wait_for(predicate, timeout=20.0, interval=0.1, what="condition"):
    end = time.time() + timeout
    while time.time() < end:
        result = predicate()
        if result:
            return result
        time.sleep(interval)
    raise AssertionError("timed out waiting for " + what)


class Program:
    """The running executable and its accessibility tree."""

    def __init__(self, executable):
        env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        self.log = tempfile.TemporaryFile()
        self.process = subprocess.Popen([executable], env=env, stderr=self.log)
        self.app = wait_for(lambda: self._find_app() or self._check_running(), what="Corvane on the accessibility bus")

    def _check_running(self):
        if self.process.poll() is not None:
            self.log.seek(0)
            raise AssertionError("Corvane ended at start-up with status %d: %s"
                                 % (self.process.returncode, self.log.read().decode(errors="replace")[-600:]))
        return None

    def _find_app(self):
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == "Corvane":
                return app
        return None

    # --- windows -----------------------------------------------------------------------
    def windows(self):
        return [w for w in self.app if w is not None]

    def window(self, caption, timeout=20.0):
        return wait_for(lambda: next((w for w in self.windows() if w.name == caption), None),
                        timeout=timeout, what="window " + repr(caption))

    def main_window(self):
        return self.window(MAIN_CAPTION)

    # --- controls ----------------------------------------------------------------------
    @staticmethod
    def find(root, name, role=None):
        def match(node):
            return node is not None and node.name == name and (role is None or node.getRoleName() == role)
        found = pyatspi.findDescendant(root, match)
        if found is None:
            raise AssertionError("no %s named %r" % (role or "control", name))
        return found

    def field(self, name, root=None):
        return self.find(root or self.main_window(), name, "text")

    def text_of(self, name, root=None):
        return text(self.field(name, root))

    def set_text(self, name, value, root=None):
        self.field(name, root).queryEditableText().setTextContents(value)

    def press(self, name, root=None):
        button = self.find(root or self.main_window(), name, "push button")
        button.queryAction().doAction(0)
        return button

    def pick(self, list_name, item):
        """Picks a list item as a user does: opens the list with a click and clicks the item."""
        combo = self.find(self.main_window(), list_name, "combo box")
        entry = next(c for c in combo[0] if c.name == item)
        click(combo)
        wait_for(lambda: entry.getState().contains(pyatspi.STATE_SHOWING) and extents(entry)[1] > 0,
                 timeout=5, what="the list of %r to open" % list_name)
        time.sleep(0.2)
        click(entry)
        wait_for(lambda: entry.getState().contains(pyatspi.STATE_SELECTED), timeout=5,
                 what="%r picked in %r" % (item, list_name))
        time.sleep(0.2)

    # --- the end -----------------------------------------------------------------------
    def close_main_window(self):
        close_window(MAIN_CAPTION)

    def wait_exit(self, timeout=20):
        return self.process.wait(timeout=timeout)

    def kill(self):
        if self.process.poll() is None:
            self.process.kill()
            self.process.wait()


def extents(node):
    e = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return e.x, e.y, e.width, e.height


def click(node):
    """A left click in the middle of a control, through the X server like a real mouse."""
    x, y, w, h = extents(node)
    subprocess.run(["xdotool", "mousemove", str(x + w // 2), str(y + h // 2), "click", "1"], check=True)


@contextlib.contextmanager
def running(executable):
    """The program for the length of a `with` block, which it must leave by closing the main
    window (done here unless the block did) with exit status 0."""
    program = Program(executable)
    try:
        yield program
        if program.process.poll() is None:
            program.close_main_window()
        status = program.wait_exit()
        assert status == 0, "exit status %d" % status
    finally:
        program.kill()


def text(node):
    return node.queryText().getText(0, -1)


def x_window(caption, d=None, prefix=False):
    """The X window whose WM_NAME or _NET_WM_NAME is `caption` (or begins with it)."""
    d = d or display.Display()
    net_name = d.intern_atom("_NET_WM_NAME")
    utf8 = d.intern_atom("UTF8_STRING")

    def walk(w):
        prop = w.get_full_property(net_name, utf8)
        name = prop.value.decode() if prop else w.get_wm_name()
        if isinstance(name, str) and (name.startswith(caption) if prefix else name == caption):
            return w
        for child in w.query_tree().children:
            found = walk(child)
            if found:
                return found
        return None
    return d, walk(d.screen().root)


def close_window(caption):
    """Asks the window to close as a window manager's close button would (WM_DELETE_WINDOW)."""
    d, w = x_window(caption)
    if w is None:
        raise AssertionError("no X window " + repr(caption))
    send_delete(d, w)


def send_delete(d, w):
    protocols = d.intern_atom("WM_PROTOCOLS")
    delete = d.intern_atom("WM_DELETE_WINDOW")
    event = protocol.event.ClientMessage(window=w, client_type=protocols, data=(32, [delete, X.CurrentTime, 0, 0, 0]))
    w.send_event(event)
    d.flush()


def is_modal(caption):
    """Whether the window tells the window manager that it is modal (_NET_WM_STATE_MODAL)."""
    d, w = x_window(caption)
    state = w.get_full_property(d.intern_atom("_NET_WM_STATE"), X.AnyPropertyType)
    return bool(state) and d.intern_atom("_NET_WM_STATE_MODAL") in state.value


def window_geometry(caption):
    d, w = x_window(caption)
    g = w.get_geometry()
    pos = w.translate_coords(d.screen().root, 0, 0)
    return -pos.x, -pos.y, g.width, g.height
