"""Drives the real vexprog on a virtual X display, as a person would.

One Display (Xvfb and openbox) serves a whole test file; each test starts its
own simulated radios, scratch data directory and program. Input goes through
the X server (xdotool's XTEST events), so focus, modality and window placement
are those a user gets. Waiting is polling with a time-out, never a fixed sleep.
"""

import os
import re
import shutil
import signal
import subprocess
import tempfile
import time
import unittest

BIN = os.environ.get("VEX_BIN_DIR", "")
# The user level (Settings.ini, Level) that shows the factory commands and views.
FACTORY_LEVEL = 52840619
TOOLS = ("Xvfb", "openbox", "xdotool", "xprop", "xwininfo", "import")


def missing_tools():
    return [tool for tool in TOOLS if shutil.which(tool) is None]


def wait_for(condition, timeout=10.0, what="condition", interval=0.05):
    """Polls condition() until it returns something true; returns that."""
    deadline = time.monotonic() + timeout
    while True:
        result = condition()
        if result:
            return result
        if time.monotonic() > deadline:
            raise AssertionError(f"timed out after {timeout:g} s waiting for {what}")
        time.sleep(interval)


def _run(args, env=None, check=True, input=None):
    done = subprocess.run(args, env=env, capture_output=True, text=True, input=input, timeout=20)
    if check and done.returncode != 0:
        raise RuntimeError(f"{' '.join(args)}: {done.stderr.strip()}")
    return done.stdout


class Display:
    """An Xvfb server of the given size with openbox managing its windows."""

    def __init__(self, width=1280, height=800):
        self.size = (width, height)
        read_end, write_end = os.pipe()
        self.xvfb = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", f"{width}x{height}x24", "-nolisten", "tcp",
             "-noreset"],
            pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_end)
        with os.fdopen(read_end) as numbers:
            number = numbers.readline().strip()
        if not number:
            self.xvfb.kill()
            raise RuntimeError("Xvfb did not start")
        self.name = ":" + number
        self.env = dict(os.environ, DISPLAY=self.name)
        self.wm = subprocess.Popen(["openbox", "--sm-disable"], env=self.env, stdout=subprocess.DEVNULL,
                                   stderr=subprocess.DEVNULL)
        wait_for(lambda: "window id" in _run(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"], env=self.env),
                 what="the window manager")

    def close(self):
        for process in (self.wm, self.xvfb):
            process.terminate()
            try:
                process.wait(timeout=5)
            except subprocess.TimeoutExpired:
                process.kill()
                process.wait()

    def xdotool(self, *args, check=True):
        return _run(["xdotool", *map(str, args)], env=self.env, check=check)

    def key(self, *keys):
        """Presses keys (xdotool names: Return, Escape, ctrl+z, Down) in the focused window."""
        self.xdotool("key", "--delay", "30", *keys)

    def type(self, text):
        self.xdotool("type", "--delay", "20", text)

    def click_at(self, x, y, button=1, repeat=1):
        """Clicks at screen position (x, y); twice for a double click."""
        self.xdotool("mousemove", "--sync", x, y, "click", "--repeat", repeat, button)

    def picture(self):
        """The screen's pixels now."""
        done = subprocess.run(["import", "-window", "root", "-depth", "8", "ppm:-"], env=self.env, capture_output=True, timeout=20)
        if done.returncode != 0:
            raise RuntimeError("import: " + done.stderr.decode(errors="replace").strip())
        return Picture(done.stdout)

    def screenshot(self, path):
        os.makedirs(os.path.dirname(os.path.abspath(path)), exist_ok=True)
        _run(["import", "-window", "root", path], env=self.env)
        return path


class Picture:
    """A screenshot's RGB pixels (a binary PPM), for what only the screen shows:
    where the frames inside the main window are."""

    def __init__(self, ppm):
        fields, at = [], 0
        while len(fields) < 4:
            while ppm[at:at + 1].isspace():
                at += 1
            if ppm[at:at + 1] == b"#":
                at = ppm.index(b"\n", at)
                continue
            end = at
            while not ppm[end:end + 1].isspace():
                end += 1
            fields.append(ppm[at:end])
            at = end
        if fields[0] != b"P6" or fields[3] != b"255":
            raise ValueError("not an 8-bit binary PPM")
        self.width, self.height = int(fields[1]), int(fields[2])
        self.data = ppm[at + 1:at + 1 + 3 * self.width * self.height]

    def pixel(self, x, y):
        at = 3 * (y * self.width + x)
        return self.data[at:at + 3]

    def row(self, y, left, right):
        """The pixels of row y from left to right, both included."""
        return self.data[3 * (y * self.width + left):3 * (y * self.width + right + 1)]

    def area_around(self, x, y):
        """The rectangle (left, top, right, bottom; inclusive) of the colour at (x, y)
        reaching out from it in the four directions."""
        colour = self.pixel(x, y)
        left, right, top, bottom = x, x, y, y
        while left > 0 and self.pixel(left - 1, y) == colour:
            left -= 1
        while right < self.width - 1 and self.pixel(right + 1, y) == colour:
            right += 1
        while top > 0 and self.pixel(x, top - 1) == colour:
            top -= 1
        while bottom < self.height - 1 and self.pixel(x, bottom + 1) == colour:
            bottom += 1
        return left, top, right, bottom

    def drawn_in(self, area):
        """The bounding rectangle of what differs from the colour of the area's top left
        corner inside the area, or None when the area is plain."""
        left, top, right, bottom = area
        plain = self.pixel(left, top) * (right - left + 1)
        found = None
        for y in range(top, bottom + 1):
            line = self.row(y, left, right)
            if line == plain:
                continue
            first = next(i for i in range(0, len(line), 3) if line[i:i + 3] != plain[:3]) // 3
            last = next(i for i in range(len(line) - 3, -1, -3) if line[i:i + 3] != plain[:3]) // 3
            if found is None:
                found = [left + first, y, left + last, y]
            found[0] = min(found[0], left + first)
            found[2] = max(found[2], left + last)
            found[3] = y
        return tuple(found) if found else None


class Window:
    """A top-level X window of the program."""

    def __init__(self, display, wid):
        self.display = display
        self.id = wid

    def __repr__(self):
        return f"Window({self.id}, {self.title()!r})"

    def __eq__(self, other):
        return isinstance(other, Window) and other.id == self.id

    def __hash__(self):
        return hash(self.id)

    def title(self):
        return self.display.xdotool("getwindowname", self.id, check=False).rstrip("\n")

    def geometry(self):
        """(x, y, width, height) of the window's contents on the screen."""
        out = _run(["xwininfo", "-id", self.id], env=self.display.env)
        keys = ("Absolute upper-left X", "Absolute upper-left Y", "Width", "Height")
        values = dict(line.strip().split(":", 1) for line in out.splitlines() if ":" in line)
        return tuple(int(values[k]) for k in keys)

    def activate(self):
        self.display.xdotool("windowactivate", "--sync", self.id, check=False)
        wait_for(lambda: self.display.xdotool("getactivewindow", check=False).strip() == self.id,
                 timeout=5, what=f"focus on {self!r}")

    def key(self, *keys):
        self.activate()
        self.display.key(*keys)

    def type(self, text):
        self.activate()
        self.display.type(text)

    def click(self, x, y, button=1, repeat=1):
        """Clicks at (x, y) inside the window."""
        left, top, _, _ = self.geometry()
        self.display.click_at(left + x, top + y, button, repeat)

    def closable(self):
        """False for a window that asks the window manager for no close function (the busy box)."""
        out = _run(["xprop", "-id", self.id, "_MOTIF_WM_HINTS"], env=self.display.env, check=False)
        numbers = [int(n, 16) for n in re.findall(r"0x[0-9a-f]+", out)]
        if len(numbers) < 2 or not numbers[0] & 1:
            return True
        return bool(numbers[1] & (0x01 | 0x20))  # all functions, or close

    def click_button(self):
        """Clicks the button at the lower right corner: a message box's only or last button."""
        _, _, width, height = self.geometry()
        self.click(width - 45, height - 22)

    def click_form_point(self, x, y, form_width, form_height, repeat=1):
        """Clicks at (x, y) of a dialog laid out on a form_width x form_height grid (dialog units)."""
        _, _, width, height = self.geometry()
        self.click(round(x * width / form_width), round(y * height / form_height), repeat=repeat)

    def is_open(self):
        return self.id in self.display.xdotool("search", "--onlyvisible", "--name", ".*", check=False).split()


class Sim:
    """A vexprog-sim process on a pseudo-terminal."""

    def __init__(self, *options, paced=False, save=None):
        args = [os.path.join(BIN, "vexprog-sim"), *options]
        if not paced:
            args.append("--no-pacing")
        if save:
            args += ["--save", save]
        self.process = subprocess.Popen(args, stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True)
        self.pty = self.process.stdout.readline().strip()
        if not self.pty:
            raise RuntimeError("vexprog-sim did not start: " + self.process.stderr.read())

    def stop(self):
        """Ends the simulator (it saves its memory if asked to)."""
        if self.process.poll() is None:
            self.process.send_signal(signal.SIGTERM)
            self.process.wait(timeout=10)
        self.process.stdout.close()
        self.process.stderr.close()


class DataDir:
    """A scratch copy of the program's data directory, with a home of its own."""

    def __init__(self, ports=None, level=None, settings=None, added=None):
        self.root = tempfile.mkdtemp(prefix="vexdisplay-")
        self.path = os.path.join(self.root, "data")
        self.home = os.path.join(self.root, "home")
        shutil.copytree(os.path.join(BIN, "data"), self.path)
        os.makedirs(self.home)
        # Unmapped ports lead nowhere, so no test touches the machine's own serial ports.
        ports = ports or {}
        lines = ["", "[Ports]"] + [f"COM{n}={ports.get(n, f'/nonexistent/ttyVEX{n}')}" for n in range(1, 17)]
        with open(self.settings_path, "a") as ini:
            ini.write("\n".join(lines) + "\n")
        # Keys the shipped file leaves out (Language: 0 English, 1 Chinese; BackupBeforeWrite).
        with open(self.settings_path) as ini:
            text = ini.read()
        lines = "".join(f"{key}={value}\n" for key, value in (added or {}).items())
        with open(self.settings_path, "w") as ini:
            ini.write(text.replace("[Setting]\n", "[Setting]\n" + lines, 1))
        values = {"ComPort": str(min(ports) if ports else 1)}
        values.update(settings or {})
        if level is not None:
            values["Level"] = str(level)
        self.set(values)

    @property
    def settings_path(self):
        return os.path.join(self.path, "Settings.ini")

    def set(self, values):
        """Sets existing keys of Settings.ini (ComPort, Level, ...)."""
        with open(self.settings_path) as ini:
            text = ini.read()
        for key, value in values.items():
            text, found = re.subn(rf"(?m)^{key}=.*$", f"{key}={value}", text)
            if not found:
                raise KeyError(key)
        with open(self.settings_path, "w") as ini:
            ini.write(text)

    def remove(self):
        shutil.rmtree(self.root, ignore_errors=True)


def cli(data, *args):
    """Runs vexprog-cli on the scratch data directory; its standard output."""
    return _run([os.path.join(BIN, "vexprog-cli"), "--data-dir", data.path, *args])


class App:
    """The real vexprog on the display, with its own data directory."""

    def __init__(self, display, data, *args):
        self.display = display
        env = dict(display.env, HOME=data.home, XDG_CONFIG_HOME=os.path.join(data.home, ".config"),
                   XDG_DATA_HOME=os.path.join(data.home, ".local/share"), QT_QPA_PLATFORM="xcb",
                   LANGUAGE="", LANG="C.UTF-8", LC_ALL="C.UTF-8")
        env.pop("VEXPROG_DATA", None)
        self.process = subprocess.Popen([os.path.join(BIN, "vexprog"), "--data-dir", data.path, "--no-splash", *args],
                                        env=env, cwd=data.root, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)
        self.main = self.wait_window("vexprog", timeout=20)
        wait_for(lambda: self.main.geometry()[2] > 200, what="the main window's size")

    def windows(self):
        """The program's visible top-level windows, newest last."""
        out = self.display.xdotool("search", "--onlyvisible", "--pid", self.process.pid, check=False)
        return [Window(self.display, wid) for wid in out.split()]

    def find_window(self, title):
        """A visible window whose title matches the regular expression."""
        for window in reversed(self.windows()):
            if re.search(title, window.title()):
                return window
        return None

    def wait_window(self, title, timeout=10.0, exclude=()):
        return wait_for(lambda: next((w for w in reversed(self.windows())
                                      if w not in exclude and re.search(title, w.title())), None),
                        timeout=timeout, what=f"a window titled {title!r}")

    def wait_closed(self, window, timeout=10.0):
        wait_for(lambda: window not in self.windows(), timeout=timeout, what=f"{window!r} to close")

    def wait_message(self, timeout=10.0, exclude=()):
        """The next message box: a window without a title of its own (the program's name
        shows) that can be closed, unlike the busy box under it."""
        return wait_for(lambda: next((w for w in reversed(self.windows()) if w not in exclude and w != self.main
                                      and w.title() == "vexprog" and w.closable()), None),
                        timeout=timeout, what="a message box")

    def close(self, window, how):
        """Closes a message box or dialog with a key (Return, Escape) or its last button."""
        if how == "click":
            window.click_button()
        else:
            window.key(how)
        self.wait_closed(window)

    def open_from_tree(self, item):
        """Opens a view as a user does from the keyboard: the navigation tree finds the
        item whose text starts with what is typed, and Return opens it."""
        self.main.click(*self.TREE_ROOT)
        self.display.type(item)
        self.display.key("Return")

    # Where the navigation tree's first item is, in the main window.
    TREE_ROOT = (60, 86)

    def running(self):
        return self.process.poll() is None

    def quit(self):
        """Ends the program without questions (the tests check their files themselves)."""
        if self.process.poll() is None:
            self.process.terminate()
            try:
                self.process.wait(timeout=10)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait()
        self.process.stderr.close()


class DisplayTest(unittest.TestCase):
    """A test case with one display for the whole class and clean-up of what each test starts."""

    width, height = 1280, 800

    @classmethod
    def setUpClass(cls):
        missing = missing_tools()
        if missing:
            raise unittest.SkipTest("real-display tests need " + ", ".join(missing))
        cls.display = Display(cls.width, cls.height)

    @classmethod
    def tearDownClass(cls):
        cls.display.close()

    def sim(self, *options, **kwargs):
        sim = Sim(*options, **kwargs)
        self.addCleanup(sim.stop)
        return sim

    def data_dir(self, **kwargs):
        data = DataDir(**kwargs)
        self.addCleanup(data.remove)
        return data

    def app(self, data, *args):
        app = App(self.display, data, *args)
        self.addCleanup(app.quit)
        return app

    def _callTestMethod(self, method):
        # A failing test leaves a picture of the screen as it was.
        try:
            method()
        except BaseException:
            directory = os.environ.get("VEX_SHOTS") or tempfile.gettempdir()
            path = os.path.join(directory, f"failed-{self.id()}.png")
            try:
                print("screen at the failure: " + self.display.screenshot(path))
            except Exception:
                pass
            raise

    def shot(self, name):
        """Keeps a screenshot when VEX_SHOTS names a directory."""
        directory = os.environ.get("VEX_SHOTS")
        if directory:
            self.display.screenshot(os.path.join(directory, name + ".png"))


def main():
    """Runs a test file's tests; exit status 77 (skipped) when the display tools are missing."""
    import sys
    missing = missing_tools()
    if missing:
        print("real-display tests skipped: " + ", ".join(missing) + " not installed (scripts/setup installs them)")
        sys.exit(77)
    if not BIN or not os.path.exists(os.path.join(BIN, "vexprog")):
        print("VEX_BIN_DIR must name the directory of the built vexprog")
        sys.exit(2)
    unittest.main(verbosity=2)
