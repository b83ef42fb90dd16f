# A private desktop to drive the real program as a user does: Xvfb, the
# accessibility bus, real keys and clicks (xdotool), the window read back
# through AT-SPI and screenshots. Runs inside the caller's session bus.

import ctypes
import os
import re
import shutil
import subprocess
import tempfile
import time

WINDOW_TITLE = "Tessomar 5.1"
FOCUSABLE = ("text", "push button", "scroll bar", "spin button", "check box")  # the roles that take the focus and the clicks
_libc = ctypes.CDLL(None)


class Failure(AssertionError):
    pass


def tool_items():
    """The tools' menu items in menu order, as the program's table lists them: a
    scenario names its tool, whatever the others before it."""
    source = os.path.join(os.path.dirname(__file__), "../../src/qt/tool_windows.cpp")
    with open(source) as table:
        return re.findall(r'^ +\{"([^"]+)", "\w+", make', table.read(), re.M)


def wait_for(predicate, what, timeout=4.0):
    # The window answers in its own time, and AT-SPI calls fail while its tree changes.
    deadline = time.monotonic() + timeout
    while True:
        try:
            last = predicate()
            if last:
                return last
        except ChildProcessError:
            raise
        except Exception as error:  # noqa: BLE001 - a dead proxy reads as "not yet"
            last = error
        if time.monotonic() > deadline:
            raise Failure(f"{what} (last seen: {last!r})")
        time.sleep(0.03)


def run(args, env, check=True):
    done = subprocess.run(args, env=env, capture_output=True, text=True, timeout=20)
    if check and done.returncode != 0:
        raise Failure(f"{' '.join(args)} failed: {done.stderr.strip()}")
    return done.stdout


def spawn(args, env=None, stdout=subprocess.DEVNULL, **options):
    # Each child ends with the suite (PR_SET_PDEATHSIG, SIGTERM), also when a
    # stage's timeout kills it.
    return subprocess.Popen(args, env=env, stdout=stdout, stderr=subprocess.STDOUT,
                            preexec_fn=lambda: _libc.prctl(1, 15), **options)


def stop(proc):
    proc.terminate()
    try:
        proc.wait(5)
    except subprocess.TimeoutExpired:
        proc.kill()
        proc.wait()


class XServer:
    """Xvfb on a free display; at another dpi also Xft.dpi, where Qt reads it."""

    def __init__(self, dpi=96):
        read_end, write_end = os.pipe()
        self.proc = spawn(["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x1024x24", "-dpi", str(dpi),
                           "-nolisten", "tcp", "-noreset"], pass_fds=(write_end,))
        os.close(write_end)
        with os.fdopen(read_end) as pipe:
            number = pipe.readline().strip()  # Xvfb writes it once it listens
        if not number:
            raise Failure("Xvfb did not start")
        self.env = dict(os.environ, DISPLAY=":" + number)
        if dpi != 96:
            run(["xprop", "-root", "-format", "RESOURCE_MANAGER", "8s", "-set", "RESOURCE_MANAGER",
                 f"Xft.dpi:\t{dpi}\n"], self.env)

    def close(self):
        stop(self.proc)


class AccessibilityBus:
    def __init__(self, env):
        self.proc = spawn(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"], env)
        wait_for(lambda: "unix:" in run(["dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus",
                                         "/org/a11y/bus", "org.a11y.Bus.GetAddress"], env), "the a11y bus", 15)
        import pyatspi  # only now: the client connects to the bus when imported

        self.pyatspi = pyatspi

    def close(self):
        stop(self.proc)


class App:
    """One run of the program in an X server, driven through its window."""

    def __init__(self, program, xserver, bus, extra_env=None):
        self.atspi, self.nodes, self.clipboard = bus.pyatspi, [], None
        self.runtime = tempfile.mkdtemp(prefix="tessomar-e2e-")
        env = {k: v for k, v in xserver.env.items() if k != "QT_QPA_PLATFORM"}
        self.env = dict(env, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", XDG_RUNTIME_DIR=self.runtime, **(extra_env or {}))
        self.log = open(os.path.join(self.runtime, "program.log"), "w+")
        self.proc = spawn([program], self.env, stdout=self.log)
        try:
            self.wid = wait_for(self._window, "the window to be mapped", 20)
            run(["xdotool", "windowfocus", "--sync", self.wid], self.env)
            self.root = wait_for(self._frame, "the window on the accessibility bus", 20)
            # Qt's extents are logical pixels; X input and screenshots are
            # device pixels, more of them at a device pixel ratio above 1.
            self.ratio = self.geometry()[2] / self.root.queryComponent().getExtents(self.atspi.DESKTOP_COORDS).width
        except BaseException:
            self.close()
            raise

    def _windows(self, title):
        if self.proc.poll() is not None:
            raise ChildProcessError(f"the program exited with {self.proc.returncode}: {self.output()}")
        return run(["xdotool", "search", "--all", "--onlyvisible", "--pid", str(self.proc.pid), "--name", title],
                   self.env, check=False).split()

    def _window(self, title=WINDOW_TITLE):
        found = self._windows(f"^{title}$")
        return found[0] if found else None

    def _frame(self, title=WINDOW_TITLE):
        for app in self.atspi.Registry.getDesktop(0):
            if app is not None and app.get_process_id() == self.proc.pid:
                return next((f for f in app if f is not None and f.name == title and f.childCount), None)
        return None

    def switch(self, title, focus=False):
        """Reads, clicks and captures the program's window of that title from now on;
        with focus, gives it the keyboard as a window manager does when another closes."""
        self.wid = wait_for(lambda: self._window(title), f"the window {title!r} shown")
        self.root, self.nodes = wait_for(lambda: self._frame(title), f"{title!r} on the accessibility bus"), []
        if focus:
            run(["xdotool", "windowfocus", "--sync", self.wid], self.env)

    def expect_closed(self, title):
        wait_for(lambda: not self._window(title), f"the window {title!r} closed")

    def menu(self, name, item):
        """Right-clicks the control and picks the menu's item-th entry (from 1), or the
        entry of that name, with the keys."""
        shown = len(self._windows(""))
        self.click(name, None, button="3")
        wait_for(lambda: len(self._windows("")) > shown, "a menu")  # a window of its own
        if isinstance(item, str):
            item = tool_items().index(item) + 1
        self.keys(*["Down"] * item, "Return")

    def output(self):
        with open(self.log.name) as log:
            return log.read()[-2000:]

    def close(self):
        stop(self.proc)
        if self.clipboard:
            stop(self.clipboard)
        self.log.close()
        shutil.rmtree(self.runtime, ignore_errors=True)

    # ---- the accessibility tree ----
    def walk(self):
        # Names are read live, as captions change; find() reads the list again
        # when a control is missing, as some widgets come after the first frame.
        stack = [] if self.nodes else [self.root]
        while stack:
            for child in (c for c in stack.pop() if c is not None):
                self.nodes.append((child, child.getRoleName()))
                stack.append(child)
        return self.nodes

    def find(self, name, role=None):
        # A field and its label may share a name: a role, or FOCUSABLE, chooses.
        for fresh in (False, True):
            self.nodes = [] if fresh else self.nodes
            for node, node_role in self.walk():
                if node.name == name and (role is None or node_role in (role if role == FOCUSABLE else (role,))):
                    return node
        raise Failure(f"no control named {name!r}" + (f" of role {role}" if role else ""))

    def text(self, name):
        return self.find(name, "text").queryText().getText(0, -1)

    def focused(self):
        return next((n.name for n, role in self.walk()
                     if role in FOCUSABLE and n.getState().contains(self.atspi.STATE_FOCUSED)), None)

    def showing(self, name, role=None):
        try:
            return self.find(name, role).getState().contains(self.atspi.STATE_SHOWING)
        except Failure:
            return False

    def extents(self, node):
        """Where a control lies in the window, in device pixels."""
        box = node.queryComponent().getExtents(self.atspi.WINDOW_COORDS)
        return tuple(round(v * self.ratio) for v in (box.x, box.y, box.width, box.height))

    def expect_text(self, name, expected):
        wait_for(lambda: self.text(name) == expected, f"{name} to read {expected!r}")

    def expect_focus(self, name):
        wait_for(lambda: self.focused() == name, f"the focus in {name!r}")

    def expect_showing(self, name, showing=True):
        wait_for(lambda: self.showing(name) == showing, f"{name} {'shown' if showing else 'hidden'}")

    # ---- real input ----
    def keys(self, *keys):
        run(["xdotool", "key", "--delay", "40", *keys], self.env)

    def type(self, text):
        """Types the text; Enter and Tab, which xdotool does not type, as keys."""
        for part in filter(None, re.split(r"([\n\t])", text)):
            if part in "\n\t":
                self.keys("Return" if part == "\n" else "Tab")
            else:
                run(["xdotool", "type", "--delay", "40", "--", part], self.env)

    def copy(self, text):
        """Puts the text on the clipboard, held by xclip in the foreground until the run ends."""
        if self.clipboard:
            stop(self.clipboard)
        self.clipboard = spawn(["xclip", "-quiet", "-selection", "clipboard"], self.env, stdin=subprocess.PIPE)
        self.clipboard.stdin.write(text.encode())
        self.clipboard.stdin.close()
        read = ["xclip", "-o", "-selection", "clipboard"]
        wait_for(lambda: run(read, self.env, check=False) == text, "the text on the clipboard")

    def click(self, name, role=FOCUSABLE, button="1"):
        x, y, w, h = self.extents(self.find(name, role))
        wx, wy = self.geometry()[:2]
        # No --sync: it waits for a motion, which never comes when the pointer stands there.
        run(["xdotool", "mousemove", str(wx + x + w // 2), str(wy + y + h // 2), "click", button], self.env)

    # ---- the window as the X server sees it ----
    def geometry(self):
        shell = run(["xdotool", "getwindowgeometry", "--shell", self.wid], self.env)
        return tuple(int(dict(line.split("=") for line in shell.split())[k]) for k in ("X", "Y", "WIDTH", "HEIGHT"))

    def screenshot(self, path=None):
        # A PNG at path, without time stamps so the same screen gives the same
        # file; without a path, the window's pixel(x, y) as (R, G, B).
        if path:
            return run(["import", "-window", self.wid, "-strip", "-define", "png:exclude-chunks=date,time", path],
                       self.env)
        width = self.geometry()[2]
        data = subprocess.run(["import", "-window", self.wid, "-depth", "8", "rgb:-"], env=self.env,
                              capture_output=True, timeout=20, check=True).stdout
        return lambda x, y: tuple(data[3 * (y * width + x):3 * (y * width + x) + 3])
