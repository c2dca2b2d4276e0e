# SPDX-License-Identifier: GPL-3.0-or-later
"""Drives the real game under Xvfb: windows by title, real clicks, screenshots and the sound output.

Each run gets its own X server (found with -displayfd), its own temporary folder with the
disk driver's sound output, the program's console output and the screenshots, and cleans up
both processes whatever happens. Needs Xvfb, xdotool, xwininfo, ImageMagick's import and numpy.
"""

import argparse
import atexit
import ctypes
import os
import re
import select
import shutil
import signal
import subprocess
import sys
import tempfile
import time
import unittest
import zlib
from pathlib import Path

try:
    import numpy as np
except ImportError:  # a Python of its own (pyenv, venv) may lack numpy; Debian's has it
    if os.path.exists("/usr/bin/python3") and os.path.realpath(sys.executable) != os.path.realpath(
            "/usr/bin/python3") and not os.environ.get("TP_E2E_REEXEC"):
        os.environ["TP_E2E_REEXEC"] = "1"
        os.execv("/usr/bin/python3", ["/usr/bin/python3", *sys.argv])
    raise

import audio

REPO = Path(__file__).resolve().parents[2]
SOUNDS = REPO / "sounds"
# The screen the level windows were designed on (its work area): they open at their design size.
SCREEN_W, SCREEN_H = 1288, 1032

# Colours as they appear on screen (RGB).
BLACK = (0, 0, 0)
WHITE = (255, 255, 255)
BLUE = (0, 0, 255)
RED = (255, 0, 0)
YELLOW = (255, 255, 0)
GREEN = (0, 128, 0)
FIELD = (242, 240, 230)
GRID = (240, 202, 166)

# Generous: only catches hangs. A show transition takes 1.5 or 2 s.
TIMEOUT = 10.0

OPTIONS = argparse.Namespace(exe=None, keep=False)


def parse_args(argv=None):
    """--exe PATH and --keep; everything else goes to unittest."""
    parser = argparse.ArgumentParser(add_help=False)
    parser.add_argument("--exe", default=os.environ.get("TP_EXE", str(REPO / "build" / "tovimar-plumkin")))
    parser.add_argument("--keep", action="store_true",
                        help="leave screenshots, sound output and logs in the temporary folder")
    args, rest = parser.parse_known_args(sys.argv[1:] if argv is None else argv)
    OPTIONS.exe = os.path.abspath(args.exe)
    OPTIONS.keep = args.keep
    return [sys.argv[0]] + rest


def main():
    argv = parse_args()
    if not os.access(OPTIONS.exe, os.X_OK):
        print(f"no executable at {OPTIONS.exe} (use --exe)", file=sys.stderr)
        sys.exit(2)
    unittest.main(module="__main__", argv=argv, verbosity=2)


def _die_with_parent():
    """Child processes get SIGKILL when the test process dies, even by SIGKILL itself."""
    try:
        libc = ctypes.CDLL("libc.so.6", use_errno=True)
        libc.prctl(1, signal.SIGKILL)  # PR_SET_PDEATHSIG
    except OSError:
        pass


def wait_until(predicate, timeout=TIMEOUT, interval=0.05, what="condition"):
    """Polls until predicate() returns something true and returns it; fails after timeout."""
    deadline = time.monotonic() + timeout
    while True:
        value = predicate()
        if value:
            return value
        if time.monotonic() > deadline:
            raise AssertionError(f"timed out after {timeout:.0f} s waiting for {what}")
        time.sleep(interval)


def _ere_escape(text):
    return re.sub(r"([.\[\]()*+?{}|^$\\])", r"\\\1", text)


def write_png(path, rgb):
    """Writes an (h, w, 3) uint8 array as PNG, without outside modules."""
    h, w, _ = rgb.shape
    raw = np.zeros((h, w * 3 + 1), np.uint8)
    raw[:, 1:] = rgb.reshape(h, w * 3)

    def chunk(kind, data):
        body = kind + data
        return len(data).to_bytes(4, "big") + body + zlib.crc32(body).to_bytes(4, "big")

    header = w.to_bytes(4, "big") + h.to_bytes(4, "big") + bytes([8, 2, 0, 0, 0])
    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
                + chunk(b"IDAT", zlib.compress(raw.tobytes(), 3)) + chunk(b"IEND", b""))


def parse_ppm(data):
    """A binary PPM (P6, maxval 255) as an (h, w, 3) uint8 array."""
    fields = []
    pos = 0
    while len(fields) < 4:
        while data[pos:pos + 1].isspace():
            pos += 1
        if data[pos:pos + 1] == b"#":
            pos = data.index(b"\n", pos) + 1
            continue
        end = pos
        while not data[end:end + 1].isspace():
            end += 1
        fields.append(data[pos:end])
        pos = end
    pos += 1
    if fields[0] != b"P6" or fields[3] != b"255":
        raise ValueError("not an 8-bit binary PPM")
    w, h = int(fields[1]), int(fields[2])
    return np.frombuffer(data, np.uint8, w * h * 3, pos).reshape(h, w, 3)


# ---------------------------------------------------------------------------------------------
# Pixels


def crop(img, rect):
    """The part rect = (x, y, w, h) of an image (for instance of a window's client area)."""
    x, y, w, h = rect
    return img[y:y + h, x:x + w]


def colour_mask(img, colour, tolerance=8):
    return np.all(np.abs(img.astype(np.int16) - np.array(colour, np.int16)) <= tolerance, axis=2)


def solid(mask, size=5):
    """Pixels whose whole size x size block is in the mask: a filled area, not a thin line."""
    h, w = mask.shape
    r = size // 2
    c = np.zeros((h + 1, w + 1), np.int32)
    c[1:, 1:] = np.cumsum(np.cumsum(mask.astype(np.int32), 0), 1)
    out = np.zeros_like(mask)
    if h < size or w < size:
        return out
    box = c[size:, size:] - c[:-size, size:] - c[size:, :-size] + c[:-size, :-size]
    out[r:h - r, r:w - r] = box == size * size
    return out


class Blob:
    """A connected area of solid pixels, in the coordinates of the searched image."""

    def __init__(self, ys, xs, grow):
        self.ys, self.xs = ys, xs
        self.area = len(xs)
        # The bounding box of the centres grown back by the block radius: the painted area.
        self.x0, self.y0 = int(xs.min()) - grow, int(ys.min()) - grow
        self.x1, self.y1 = int(xs.max()) + grow + 1, int(ys.max()) + grow + 1
        self.cx, self.cy = float(xs.mean()), float(ys.mean())
        core_w = xs.max() - xs.min() + 1
        core_h = ys.max() - ys.min() + 1
        self.fill = self.area / float(core_w * core_h)

    @property
    def width(self):
        return self.x1 - self.x0

    @property
    def height(self):
        return self.y1 - self.y0

    def contains(self, x, y):
        return bool(np.any((self.xs == x) & (self.ys == y)))

    def __repr__(self):
        return f"Blob(x {self.x0}..{self.x1}, y {self.y0}..{self.y1}, fill {self.fill:.2f})"


def find_blobs(img, colour, min_area=50, tolerance=8, size=5):
    """Filled areas of `colour` (4-connected areas of solid pixels), largest first."""
    mask = solid(colour_mask(img, colour, tolerance), size)
    h, w = mask.shape
    seen = np.zeros_like(mask)
    blobs = []
    for y0, x0 in zip(*np.nonzero(mask)):
        if seen[y0, x0]:
            continue
        seen[y0, x0] = True
        stack = [(y0, x0)]
        ys, xs = [], []
        while stack:
            y, x = stack.pop()
            ys.append(y)
            xs.append(x)
            for ny, nx in ((y - 1, x), (y + 1, x), (y, x - 1), (y, x + 1)):
                if 0 <= ny < h and 0 <= nx < w and mask[ny, nx] and not seen[ny, nx]:
                    seen[ny, nx] = True
                    stack.append((ny, nx))
        if len(xs) >= min_area:
            blobs.append(Blob(np.array(ys), np.array(xs), size // 2))
    blobs.sort(key=lambda b: -b.area)
    return blobs


# ---------------------------------------------------------------------------------------------
# X server, program and windows


class Window:
    def __init__(self, session, wid, title):
        self.session, self.id, self.title = session, wid, title

    def info(self):
        """(mapped, x, y, width, height) from xwininfo; None when the window no longer exists."""
        r = self.session.x(["xwininfo", "-id", str(self.id)], check=False)
        if r.returncode != 0:
            return None
        text = r.stdout

        def field(name):
            return int(re.search(name + r":\s+(-?\d+)", text).group(1))

        mapped = "IsViewable" in text
        return (mapped, field("Absolute upper-left X"), field("Absolute upper-left Y"),
                field("Width"), field("Height"))

    def mapped(self):
        info = self.info()
        return bool(info and info[0])

    def geometry(self):
        info = self.info()
        if not info:
            raise AssertionError(f"window {self.title!r} no longer exists")
        return info[1:]

    def to_root(self, cx, cy):
        x, y, _, _ = self.geometry()
        return x + int(round(cx)), y + int(round(cy))

    def click(self, cx, cy, button=1):
        """A real click (press and release) at client coordinates."""
        self.session.click_root(*self.to_root(cx, cy), button=button)

    def grab(self, rect=None, img=None):
        """Pixels of the client area or of rect = (x, y, w, h) in client coordinates."""
        x, y, w, h = self.geometry()
        if rect is not None:
            x, y, w, h = x + rect[0], y + rect[1], rect[2], rect[3]
        img = self.session.screenshot() if img is None else img
        return img[max(0, y):y + h, max(0, x):x + w].copy()

    def wait_stable(self, rect=None, settle=0.25, timeout=TIMEOUT):
        """Waits until two screenshots `settle` seconds apart agree (no animation running)."""
        deadline = time.monotonic() + timeout
        last = self.grab(rect)
        while True:
            time.sleep(settle)
            now = self.grab(rect)
            if now.shape == last.shape and np.array_equal(now, last):
                return now
            if time.monotonic() > deadline:
                raise AssertionError(f"window {self.title!r} kept changing for {timeout:.0f} s")
            last = now

    def __repr__(self):
        return f"Window({self.title!r}, 0x{self.id:x})"


class Session:
    """One Xvfb server and one run of the game, with its sound output and an event log."""

    def __init__(self, exe=None, keep=None, name="e2e", audio_driver="disk", start_program=True,
                 screen=(SCREEN_W, SCREEN_H), window_manager=False, args=(), language="en"):
        self.exe = exe or OPTIONS.exe
        self.args = list(args)
        # The desktop's language the game starts with: the tests find windows by their titles.
        self.language = language
        self.screen_size = screen
        self.wm = None
        self.keep = OPTIONS.keep if keep is None else keep
        self.dir = Path(tempfile.mkdtemp(prefix=f"tp-{name}-"))
        self.audio_path = self.dir / "audio.raw"
        self.audio_driver = audio_driver
        self.xvfb = None
        self.program = None
        self.display = None
        self.events = []  # (label, wall time, audio time)
        self.failed = False
        self._shots = 0
        self._logs = []
        atexit.register(self.stop)
        try:
            self._start_xvfb()
            if window_manager:
                self._start_window_manager()
            if start_program:
                self.start_program()
        except BaseException:
            self.failed = True
            self.stop()
            raise

    # -- processes

    def _log(self, name):
        f = open(self.dir / name, "wb")
        self._logs.append(f)
        return f

    def _start_xvfb(self):
        read_fd, write_fd = os.pipe()
        self.xvfb = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_fd), "-screen", "0", "%dx%dx24" % self.screen_size,
             "-nolisten", "tcp", "-noreset"],
            pass_fds=(write_fd,), stdout=subprocess.DEVNULL,
            stderr=self._log("xvfb.log"), preexec_fn=_die_with_parent)
        os.close(write_fd)
        text = b""
        deadline = time.monotonic() + TIMEOUT
        while not text.endswith(b"\n"):
            ready, _, _ = select.select([read_fd], [], [], max(0.0, deadline - time.monotonic()))
            if not ready:
                raise AssertionError("Xvfb did not report its display")
            part = os.read(read_fd, 64)
            if not part:
                raise AssertionError("Xvfb exited: " + (self.dir / "xvfb.log").read_text())
            text += part
        os.close(read_fd)
        self.display = ":" + text.decode().strip()
        # The game's settings live in the run's own folder, never in the user's.
        self.config_dir = self.dir / "config"
        self.env = dict(os.environ, DISPLAY=self.display, XDG_CONFIG_HOME=str(self.config_dir))
        self.env.pop("WAYLAND_DISPLAY", None)

    def _start_window_manager(self):
        """openbox on the session's display; returns once it manages the screen."""
        self.wm = subprocess.Popen(["openbox", "--sm-disable"], env=self.env, stdin=subprocess.DEVNULL,
                                   stdout=subprocess.DEVNULL, stderr=self._log("openbox.log"),
                                   preexec_fn=_die_with_parent)

        def running():
            r = self.x(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"], check=False)
            return "window id" in r.stdout

        wait_until(running, what="the window manager to start")

    def start_program(self):
        runtime = self.dir / "runtime"
        runtime.mkdir(mode=0o700, exist_ok=True)
        env = dict(self.env, QT_QPA_PLATFORM="xcb", XDG_RUNTIME_DIR=str(runtime), LANGUAGE=self.language,
                   SDL_AUDIODRIVER=self.audio_driver,
                   SDL_DISK_FILE=str(self.audio_path), SDL_DISKAUDIOFILE=str(self.audio_path))
        self.started = time.monotonic()
        self.program = subprocess.Popen(
            [self.exe, *self.args], cwd=str(REPO), env=env, stdin=subprocess.DEVNULL,
            stdout=self._log("program.log"), stderr=subprocess.STDOUT,
            preexec_fn=_die_with_parent)

    def stop(self):
        for proc in (self.program, self.wm, self.xvfb):
            if proc is not None and proc.poll() is None:
                proc.terminate()
                try:
                    proc.wait(3)
                except subprocess.TimeoutExpired:
                    proc.kill()
                    proc.wait()
        self.program = self.wm = self.xvfb = None
        for f in self._logs:
            f.close()
        self._logs = []
        if self.dir is not None and self.dir.exists():
            if self.keep or self.failed:
                print(f"\n[e2e] kept for inspection: {self.dir}", file=sys.stderr)
            else:
                shutil.rmtree(self.dir, ignore_errors=True)
        self.dir = None if not (self.keep or self.failed) else self.dir
        atexit.unregister(self.stop)

    def program_log(self):
        try:
            return (self.dir / "program.log").read_text(errors="replace")
        except OSError:
            return ""

    def check_running(self):
        if self.program is not None and self.program.poll() is not None:
            raise AssertionError(f"the program exited with code {self.program.returncode}:\n"
                                 + self.program_log()[-3000:])

    def x(self, args, check=True, timeout=TIMEOUT):
        r = subprocess.run(args, env=self.env, capture_output=True, text=True, timeout=timeout)
        if check and r.returncode != 0:
            raise AssertionError(f"{' '.join(args)} failed: {r.stderr.strip()}")
        return r

    # -- windows

    def visible_windows(self, title):
        """Mapped windows whose title contains `title`."""
        r = self.x(["xdotool", "search", "--onlyvisible", "--name", _ere_escape(title)], check=False)
        return [Window(self, int(w), title) for w in r.stdout.split()]

    def find_window(self, title, timeout=TIMEOUT):
        """The mapped window whose title contains `title` (the largest one, if several)."""
        def look():
            self.check_running()
            windows = [w for w in self.visible_windows(title) if w.info()]
            return max(windows, key=lambda w: w.info()[3] * w.info()[4]) if windows else None

        return wait_until(look, timeout, what=f"a window titled {title!r}")

    def wait_gone(self, window, timeout=TIMEOUT):
        wait_until(lambda: not window.mapped(), timeout, what=f"{window.title!r} to close")

    def click_root(self, x, y, button=1):
        self.check_running()
        # No --sync: it waits for a motion that never comes when the pointer is already there.
        self.x(["xdotool", "mousemove", str(x), str(y)])
        time.sleep(0.05)
        self.x(["xdotool", "click", str(button)])

    # -- screen

    def screenshot(self):
        r = subprocess.run(["import", "-silent", "-window", "root", "-depth", "8", "ppm:-"],
                           env=self.env, capture_output=True, timeout=TIMEOUT)
        if r.returncode != 0:
            raise AssertionError("import failed: " + r.stderr.decode(errors="replace"))
        return parse_ppm(r.stdout)

    def save(self, name, img=None):
        """Saves a screenshot (the whole screen by default) as NN-name.png; returns its path."""
        img = self.screenshot() if img is None else img
        self._shots += 1
        path = self.dir / f"{self._shots:02d}-{name}.png"
        write_png(path, img)
        return path

    # -- sound

    def audio_clock(self):
        """Seconds of sound the disk driver has written so far (0 before the device opens).

        The driver writes in real time, so this is the position in the output that corresponds
        to now; it is the clock that every sound check is measured against.
        """
        try:
            return self.audio_path.stat().st_size / (audio.FRAME_BYTES * audio.OUTPUT_RATE)
        except FileNotFoundError:
            return 0.0

    def mark(self, label):
        """Notes an event at the current output position; returns that position."""
        t = self.audio_clock()
        self.events.append((label, time.monotonic(), t))
        return t

    def _levels(self, since, window):
        """RMS of every whole `window`-second stretch written from output position `since` on,
        the positions where they start, and the output position now. Everything written is
        looked at, however long the test was kept from looking."""
        rate, frame_bytes = audio.OUTPUT_RATE, audio.FRAME_BYTES
        size = self.audio_path.stat().st_size if self.audio_path.exists() else 0
        first = min(max(0, int(since * rate)), size // frame_bytes)
        n = max(1, int(window * rate))
        count = (size // frame_bytes - first) // n
        if count <= 0:
            return np.zeros(0), np.zeros(0), size / (frame_bytes * rate)
        with open(self.audio_path, "rb") as f:
            f.seek(first * frame_bytes)
            data = np.frombuffer(f.read(count * n * frame_bytes), "<i2").astype(np.float64) / 32768.0
        levels = np.sqrt(np.mean(data.reshape(count, -1) ** 2, axis=1))
        starts = (first + np.arange(count) * n) / rate
        return levels, starts, size / (frame_bytes * rate)

    def wait_quiet(self, quiet=0.4, threshold=0.003, timeout=TIMEOUT, window=0.06):
        """Waits until the output has been silent for `quiet` seconds."""
        deadline = time.monotonic() + timeout
        last_loud = self.audio_clock()
        checked = max(0.0, last_loud - window)
        while True:
            levels, starts, now = self._levels(checked, window)
            loud = starts[levels > threshold]
            if len(loud):
                last_loud = max(last_loud, float(loud[-1]) + window)
            if len(starts):
                checked = float(starts[-1]) + window
            if now - last_loud >= quiet:
                return now
            if time.monotonic() > deadline:
                self.check_running()
                if not self.audio_path.exists():
                    raise AssertionError("no sound output at all: the sound device never opened")
                raise AssertionError(f"the sound did not stop within {timeout:.0f} s")
            time.sleep(0.02)

    def wait_sound(self, since, threshold=0.003, timeout=TIMEOUT):
        """Waits until something is heard after output position `since` (also when it has
        ended already); returns the position where it starts."""
        deadline = time.monotonic() + timeout
        while True:
            levels, starts, _ = self._levels(since, window=0.03)
            loud = starts[levels > threshold]
            if len(loud):
                return float(loud[0])
            if time.monotonic() > deadline:
                self.check_running()
                raise AssertionError(f"no sound within {timeout:.0f} s")
            time.sleep(0.02)

    def output(self):
        """The sound output so far, for analysis."""
        if not self.audio_path.exists():
            return audio.Output(np.zeros((0, 2), np.float32))
        return audio.Output.from_file(self.audio_path)


_recordings = {}


def recording(name):
    """A recording from sounds/ by its base name ('clap', 'black', 'F', ...)."""
    if name not in _recordings:
        _recordings[name] = audio.load_wav(SOUNDS / f"{name}.wav")
    return _recordings[name]


class GameTest(unittest.TestCase):
    """One program run per test class: started in setUpClass, stopped in tearDownClass.

    The temporary folder (screenshots, sound output, logs) is kept when a test fails.
    """

    session = None
    ARGS = ()  # the game's command line after the program's name

    @classmethod
    def setUpClass(cls):
        cls.session = Session(name=cls.__name__, args=cls.ARGS)
        cls.main_window = cls.session.find_window("Tovimar Plumkin 0.1.0.0")
        # The main menu comes up with a one-second block effect; start once it is still.
        cls.main_window.wait_stable()

    @classmethod
    def tearDownClass(cls):
        if cls.session is not None:
            cls.session.stop()

    def run(self, result=None):
        result = result if result is not None else self.defaultTestResult()
        problems = len(result.failures) + len(result.errors)
        super().run(result)
        if len(result.failures) + len(result.errors) > problems and self.session is not None:
            self.session.failed = True
            try:
                path = self.session.save("failure")
                print(f"\n[e2e] screen at failure: {path}", file=sys.stderr)
            except Exception:
                pass
            print("[e2e] events (label, output position s):\n" + "\n".join(
                f"  {label:40s} {t:8.3f}" for label, _, t in self.session.events), file=sys.stderr)
            log = self.session.program_log()
            if log:
                print("[e2e] program output (end):\n" + log[-2000:], file=sys.stderr)
        return result

    def setUp(self):
        self.problems = []

    def expect(self, ok, message):
        """A check that lets the test go on, so that one run reports every problem it saw."""
        if not ok:
            self.problems.append(message)

    def assert_no_problems(self):
        if self.problems:
            self.fail(f"{len(self.problems)} problem(s):\n  " + "\n  ".join(self.problems))

    # -- main menu

    CATEGORY_BUTTONS = {"Colors": (71, 112), "Shapes": (71, 168), "Music": (71, 224)}
    LEVEL_TOPS = {"Colors": (131, 170, 209), "Music": (112, 151, 190, 229), "Shapes": (151, 190)}
    PAGE_LEFT = 280

    def open_level(self, category, level, title):
        """Presses the category button and then the level button; returns the level's window."""
        bx, by = self.CATEGORY_BUTTONS[category]
        self.main_window.click(bx + 85, by + 25)
        time.sleep(0.2)
        top = self.LEVEL_TOPS[category][level - 1]
        self.opened_at = self.session.mark(f"open {category} {level}")
        self.main_window.click(self.PAGE_LEFT + 45 + 132, top + 17)
        return self.session.find_window(title)

    def wait_question(self, window, top_rect, previous_top, asked_at):
        """Waits until the window asks its next question and has said all of it: the top bar
        shows something new, sound has started since the click that asked for the question
        (applause first, except for the first question) and has stopped again. Returns a still
        picture of the client area."""
        def changed():
            if not window.mapped():
                return False
            return previous_top is None or not np.array_equal(window.grab(top_rect), previous_top)

        wait_until(changed, TIMEOUT, what="the next question to be shown")
        self.session.wait_sound(since=asked_at)
        self.session.wait_quiet()
        return window.wait_stable()

    REWARD_PANEL = (0, 0, 642, 416)  # white field with the animated picture, above the bar
    REWARD_PICTURE = (279, 87, 99, 200)  # the reward picture at its natural size
    PLUM = (128, 64, 176)  # the body of the jumping figure

    def watch_reward(self, reward, shots=3, interval=0.25):
        """Pictures of the reward picture `interval` seconds apart: they must differ (it is
        animated) and each must show the plum-coloured figure, whose body moves up and down."""
        x, y, _, _ = reward.geometry()
        px, py, pw, ph = self.REWARD_PICTURE
        # From its first paint on, the window shows its white field (whether it is in front
        # is checked afterwards).
        drawn = time.monotonic() + 2.0
        while time.monotonic() < drawn and colour_mask(reward.grab(self.REWARD_PANEL), WHITE, 0).mean() <= 0.6:
            time.sleep(0.05)
        pictures, tops = [], []
        start = time.monotonic()
        for i in range(shots):
            time.sleep(max(0.0, start + i * interval - time.monotonic()))
            pictures.append(self.session.screenshot()[y + py:y + py + ph, x + px:x + px + pw].copy())
        for img in pictures:
            blobs = find_blobs(img, self.PLUM, min_area=300, tolerance=24)
            tops.append(blobs[0].y0 if blobs else None)
        path = self.session.save("reward-animation", np.concatenate(pictures, axis=1))
        changed = sum(not np.array_equal(a, b) for a, b in zip(pictures, pictures[1:]))
        self.expect(changed == shots - 1, f"the reward picture does not move: {changed} of {shots - 1} "
                                          f"pairs of pictures {interval} s apart differ ({path})")
        self.expect(None not in tops, f"the jumping figure is missing from the reward picture: body tops "
                                      f"{tops} ({path})")
        self.expect(len(set(t for t in tops if t is not None)) > 1,
                    f"the figure does not jump: body tops {tops} ({path})")

    def finish_with_reward(self, level_window):
        """After the last answer: the reward window comes, the level window goes, the reward
        shows on top, and it closes by itself about four seconds after it came."""
        session = self.session
        reward = session.find_window("Bravo", timeout=TIMEOUT)
        shown = time.monotonic()
        session.mark("reward shown")
        session.wait_gone(level_window, timeout=TIMEOUT)
        self.watch_reward(reward)
        time.sleep(0.2)
        screen = session.screenshot()
        path = session.save("reward", screen)
        # Only a picture taken while the reward was there tells whether it was in front: on a
        # busy machine the pictures above may take longer than the reward stays.
        seen = reward.mapped()
        client = reward.grab(img=screen) if seen else None
        white = colour_mask(crop(client, self.REWARD_PANEL), WHITE, 0).mean() if seen else 1.0
        session.wait_gone(reward, timeout=10.0)
        lasted = time.monotonic() - shown
        session.mark("reward closed")
        self.assertGreater(lasted, 3.0, "the reward window closed too early")
        self.assertLess(lasted, 6.5, "the reward window stayed too long")
        self.assertTrue(self.main_window.mapped(), "the main menu is no longer shown")
        self.assertEqual(session.visible_windows("Bravo"), [])
        self.expect(white > 0.6, f"the reward window is not in front while it is shown (its white "
                                 f"field covers {white:.0%} of its place; {path})")
        return lasted
