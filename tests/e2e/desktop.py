"""A private desktop for driving the real program as a user does.

An X server (Xvfb) at a chosen logical dpi, the accessibility bus, the program
started from its binary, real key and pointer events through xdotool, and
what the window shows read back through AT-SPI and from screenshots.
Everything runs inside the caller's session bus (dbus-run-session).
"""

import collections
import ctypes
import os
import select
import shutil
import subprocess
import tempfile
import time

WINDOW_TITLE = "Tessomar 5.1"

_libc = ctypes.CDLL(None, use_errno=True)
_PR_SET_PDEATHSIG = 1


def _die_with_parent():
    """Runs in each child before exec: when the suite is killed (a stage
    timeout), its X server, bus and program end with it instead of lingering."""
    _libc.prctl(_PR_SET_PDEATHSIG, 15)


class Failure(AssertionError):
    pass


class Exited(Failure):
    """The program has ended: nothing is worth waiting for any more."""


def wait_for(predicate, what, timeout=4.0, interval=0.03):
    """Polls until predicate() is true and returns its value.

    The window answers each event on its own thread, so every check on what
    it shows waits for it; AT-SPI calls may fail while the tree changes.
    """
    deadline = time.monotonic() + timeout
    last = None
    while True:
        try:
            value = predicate()
            if value:
                return value
            last = value
        except Exited:
            raise
        except Exception as error:  # noqa: BLE001 - a dead proxy reads as "not yet"
            last = error
        if time.monotonic() > deadline:
            raise Failure(f"{what} (last seen: {last!r})")
        time.sleep(interval)


def stop(proc):
    """Ends a child process: politely first, then for certain."""
    if proc.poll() is None:
        proc.terminate()
        try:
            proc.wait(5)
        except subprocess.TimeoutExpired:
            proc.kill()
            proc.wait()


def run(args, env, timeout=10, check=True):
    try:
        done = subprocess.run(args, env=env, capture_output=True, text=True, timeout=timeout)
    except subprocess.TimeoutExpired:
        raise Failure(f"{' '.join(args)} did not finish in {timeout} s") from None
    if check and done.returncode != 0:
        raise Failure(f"{' '.join(args)} failed: {done.stderr.strip()}")
    return done.stdout


class XServer:
    """Xvfb on a free display; at other than 96 dpi it also publishes
    Xft.dpi, as a desktop set to that resolution does, since that is what
    Qt reads as the logical dpi."""

    def __init__(self, dpi=96, width=1280, height=1024):
        self.dpi = dpi
        read_end, write_end = os.pipe()
        self.proc = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", f"{width}x{height}x24",
             "-dpi", str(dpi), "-nolisten", "tcp", "-noreset"],
            pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
            preexec_fn=_die_with_parent)
        os.close(write_end)
        number = b""
        deadline = time.monotonic() + 10
        while not number.endswith(b"\n"):
            ready, _, _ = select.select([read_end], [], [], max(0.0, deadline - time.monotonic()))
            chunk = os.read(read_end, 16) if ready else b""
            if not chunk:
                os.close(read_end)
                self.close()
                raise Failure("Xvfb did not start")
            number += chunk
        os.close(read_end)
        self.display = ":" + number.decode().strip()
        self.env = dict(os.environ, DISPLAY=self.display)
        if dpi != 96:
            run(["xprop", "-root", "-format", "RESOURCE_MANAGER", "8s", "-set", "RESOURCE_MANAGER",
                 f"Xft.dpi:\t{dpi}\n"], self.env)

    def close(self):
        stop(self.proc)


class AccessibilityBus:
    """The AT-SPI bus launcher on the session bus, started at once so the
    program finds the bus when it starts."""

    def __init__(self, env):
        self.env = env
        self.proc = subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"],
                                     env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                                     preexec_fn=_die_with_parent)
        wait_for(self._answers, "the accessibility bus to answer", timeout=15, interval=0.1)
        import pyatspi  # only now: the client connects to the bus when imported

        self.pyatspi = pyatspi

    def _answers(self):
        done = subprocess.run(["dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus",
                               "/org/a11y/bus", "org.a11y.Bus.GetAddress"],
                              env=self.env, capture_output=True, timeout=3)
        return done.returncode == 0 and b"unix:" in done.stdout

    def close(self):
        stop(self.proc)


# Roles of the controls that can hold the focus.
FOCUSABLE = {"text", "push button", "scroll bar", "entry", "password text", "paragraph"}

Control = collections.namedtuple("Control", "name role text showing focused extents")


class App:
    """One run of the program in an X server, driven through the window."""

    def __init__(self, program, xserver, bus, extra_env=None):
        self.atspi = bus.pyatspi
        self._cache = None
        self.runtime = tempfile.mkdtemp(prefix="tessomar-e2e-")
        os.chmod(self.runtime, 0o700)
        env = dict(xserver.env, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", XDG_RUNTIME_DIR=self.runtime)
        env.pop("QT_QPA_PLATFORM", None)
        env.update(extra_env or {})
        self.env = env
        self.log = open(os.path.join(self.runtime, "program.log"), "w+")
        self.proc = subprocess.Popen([program], env=env, stdout=self.log, stderr=subprocess.STDOUT,
                                     preexec_fn=_die_with_parent)
        try:
            self.wid = wait_for(self._window, "the window to be mapped", timeout=10)
            run(["xdotool", "windowfocus", "--sync", self.wid], env, timeout=5)
            self.root = wait_for(self._accessible_frame, "the window on the accessibility bus",
                                 timeout=10, interval=0.1)
            # Qt reports extents in its logical pixels; X input and screenshots
            # work in device pixels, which differ at a device pixel ratio above 1.
            frame = self.root.queryComponent().getExtents(self.atspi.DESKTOP_COORDS)
            self.ratio = self.geometry()[2] / frame.width if frame.width > 0 else 1.0
        except Exception:
            self.close()
            raise

    # ---- start and stop ----
    def _window(self):
        if self.proc.poll() is not None:
            raise Exited(f"the program exited with {self.proc.returncode}: {self.output()}")
        out = run(["xdotool", "search", "--onlyvisible", "--pid", str(self.proc.pid), "--name",
                   f"^{WINDOW_TITLE}$"], self.env, check=False)
        ids = out.split()
        return ids[0] if ids else None

    def _accessible_frame(self):
        desktop = self.atspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and app.get_process_id() == self.proc.pid:
                for frame in app:
                    if frame is not None and frame.name == WINDOW_TITLE and frame.childCount > 0:
                        return frame
        return None

    def output(self):
        self.log.flush()
        self.log.seek(0)
        return self.log.read()[-2000:]

    def close(self):
        stop(self.proc)
        self.log.close()
        shutil.rmtree(self.runtime, ignore_errors=True)

    # ---- the accessibility tree ----
    def _walk(self, node):
        for child in node:
            if child is None:
                continue
            yield child
            yield from self._walk(child)

    def _nodes(self, fresh=False):
        """Every node of the window with its role. The view creates all its
        widgets at start, so one walk serves the run; names are read live
        because captions change."""
        if fresh or self._cache is None:
            self._cache = [(node, node.getRoleName()) for node in self._walk(self.root)]
        return self._cache

    def all_named(self):
        """Every control of the window by accessible name (first one wins)."""
        found = {}
        for node, _ in self._nodes(fresh=True):
            found.setdefault(node.name, node)
        return found

    def find(self, name, role=None):
        """A control by accessible name; a field and its label can share a
        name ("Velocity"), so callers may ask for a role ("text", "label")."""
        for fresh in (False, True):
            for node, node_role in self._nodes(fresh):
                if (role is None or node_role == role) and node.name == name:
                    return node
        raise Failure(f"no control named {name!r}" + (f" of role {role!r}" if role else ""))

    def control(self, name, role=None):
        node = self.find(name, role)
        states = node.getState()
        try:
            text = node.queryText().getText(0, -1)
        except NotImplementedError:
            text = None
        box = node.queryComponent().getExtents(self.atspi.DESKTOP_COORDS)
        return Control(name, node.getRoleName(), text,
                       states.contains(self.atspi.STATE_SHOWING),
                       states.contains(self.atspi.STATE_FOCUSED),
                       (box.x, box.y, box.width, box.height))

    def device_extents(self, name, role=None):
        """Where a control lies on the screen, in device pixels."""
        x, y, w, h = self.control(name, role).extents
        r = self.ratio
        return round(x * r), round(y * r), round(w * r), round(h * r)

    def text(self, name, role="text"):
        return self.find(name, role).queryText().getText(0, -1)

    def selection(self, name, role="text"):
        text = self.find(name, role).queryText()
        if text.getNSelections() == 0:
            return None
        return tuple(text.getSelection(0))

    def focused(self):
        for node, role in self._nodes():
            if role in FOCUSABLE and node.getState().contains(self.atspi.STATE_FOCUSED):
                return node.name
        return None

    def showing(self, name, role=None):
        try:
            return self.find(name, role).getState().contains(self.atspi.STATE_SHOWING)
        except Failure:
            return False

    # ---- waiting on what the window shows ----
    def expect_text(self, name, expected, timeout=4.0):
        wait_for(lambda: self.text(name) == expected, f"{name} to read {expected!r}", timeout)

    def expect_texts(self, expected, timeout=4.0):
        for name, value in expected.items():
            self.expect_text(name, value, timeout)

    def expect_focus(self, name, timeout=4.0):
        wait_for(lambda: self.focused() == name, f"the focus in {name!r}", timeout)

    def expect_showing(self, name, showing=True, role=None, timeout=4.0):
        wait_for(lambda: self.showing(name, role) == showing,
                 f"{name} to be {'shown' if showing else 'hidden'}", timeout)

    def expect_selected_all(self, name, timeout=4.0):
        wait_for(lambda: self.selection(name) == (0, len(self.text(name))),
                 f"the whole text of {name} selected", timeout)

    # ---- real input ----
    def keys(self, *keys):
        run(["xdotool", "key", "--delay", "40", *keys], self.env)

    def type(self, text):
        run(["xdotool", "type", "--delay", "40", "--", text], self.env)

    def click(self, name, role=None):
        x, y, w, h = self.device_extents(name, role)
        if w <= 0 or h <= 0:
            raise Failure(f"{name} has no area to click")
        self.click_at(x + w // 2, y + h // 2)

    def click_at(self, x, y):
        # No --sync: it waits for pointer motion and hangs when the pointer
        # already stands there. The server handles the move before the click.
        run(["xdotool", "mousemove", str(x), str(y), "click", "1"], self.env)

    # ---- the window as the X server sees it ----
    def geometry(self):
        """(x, y, width, height) of the window in screen pixels."""
        info = run(["xwininfo", "-id", self.wid], self.env)
        fields = dict(line.strip().split(":", 1) for line in info.splitlines() if ":" in line)
        return tuple(int(fields[k].strip()) for k in
                     ("Absolute upper-left X", "Absolute upper-left Y", "Width", "Height"))

    def screenshot(self, path=None):
        """The window's pixels, read with ImageMagick's import."""
        if path:
            # No time stamps or other metadata: the same screen gives the same file.
            run(["import", "-window", self.wid, "-strip", "-define", "png:exclude-chunks=date,time", path],
                self.env, timeout=20)
            return None
        data = subprocess.run(["import", "-window", self.wid, "-depth", "8", "ppm:-"], env=self.env,
                              capture_output=True, timeout=20, check=True).stdout
        return Image.from_ppm(data)

    def colour_of(self, name, role=None, image=None, mean=False):
        """The most common (or the mean) colour in the left part of a
        control, where a centred short text leaves the background bare."""
        wx, wy, _, _ = self.geometry()
        x, y, w, h = self.device_extents(name, role)
        image = image or self.screenshot()
        inset = max(3, round(3 * self.ratio))
        left, right = x - wx + inset, x - wx + max(inset + 2, w // 5)
        top, bottom = y - wy + inset, y - wy + h - inset
        return (image.mean if mean else image.dominant)(left, top, right, bottom)


class Image:
    def __init__(self, width, height, pixels):
        self.width, self.height, self.pixels = width, height, pixels

    @staticmethod
    def from_ppm(data):
        fields, pos = [], 0
        while len(fields) < 4:
            while data[pos:pos + 1].isspace():
                pos += 1
            if data[pos:pos + 1] == b"#":
                pos = data.index(b"\n", pos)
                continue
            end = pos
            while not data[end:end + 1].isspace():
                end += 1
            fields.append(data[pos:end])
            pos = end
        if fields[0] != b"P6" or int(fields[3]) != 255:
            raise Failure("screenshot is not an 8-bit PPM")
        return Image(int(fields[1]), int(fields[2]), data[pos + 1:])

    def pixel(self, x, y):
        i = 3 * (y * self.width + x)
        return tuple(self.pixels[i:i + 3])

    def _area(self, left, top, right, bottom):
        pixels = [self.pixel(x, y)
                  for y in range(max(0, top), min(self.height, bottom))
                  for x in range(max(0, left), min(self.width, right))]
        if not pixels:
            raise Failure("empty area to read a colour from")
        return pixels

    def dominant(self, left, top, right, bottom):
        return collections.Counter(self._area(left, top, right, bottom)).most_common(1)[0][0]

    def mean(self, left, top, right, bottom):
        pixels = self._area(left, top, right, bottom)
        return tuple(round(sum(p[i] for p in pixels) / len(pixels)) for i in range(3))
