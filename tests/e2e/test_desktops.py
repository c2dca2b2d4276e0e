# SPDX-License-Identifier: GPL-3.0-or-later
"""End to end on the desktops families run (tests/e2e/desktops.py nests each on an X server of
its own): the first frame of the menu's reveal and of a level's roll is on screen at once after
the window is mapped, and Colors level 3, played through, keeps its window's client position at
every question.

    python3 tests/e2e/test_desktops.py --exe build/tovimar-plumkin [--keep]

TP_DESKTOPS names the desktops (comma-separated; default "mutter,kwin"; also "gnome-shell",
"weston", "openbox"). Opt-in: the nested compositors render in software and take minutes.
"""

import ctypes
import os
import re
import statistics
import sys
import time
import unittest
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))

import harness  # noqa: E402
import numpy as np  # noqa: E402
import test_colors  # noqa: E402
import test_fullscreen  # noqa: E402
from desktops import Desktop, available  # noqa: E402
from dock import Dock  # noqa: E402
from test_parents import bare_windows  # noqa: E402

MENU_TITLE = "Tovimar Plumkin 0.1.0.0"
# A frame of a 60 Hz output is 17 ms; the poll of the window's map state takes a few more.
# Measured beyond what the desktop itself takes to show any newly mapped window (the baseline).
FIRST_FRAME_WITHIN = 0.1
BASELINE_WINDOWS = 5
# The transitions last 1 to 1.5 s; watched a little longer.
WATCH = 2.5
SOUND = 0.003  # the harness's threshold of quiet


class DesktopSession(harness.Session):
    """A session whose game runs on a nested desktop: its screen read and its clicks made on
    the desktop's host display."""

    def __init__(self, desktop, **kwargs):
        self.desktop_name, self.desktop = desktop, None
        super().__init__(**kwargs)

    def _start_xvfb(self):
        self.desktop = Desktop(self.desktop_name, self.dir / "desktop", size=self.screen_size)
        self.display = self.desktop.display
        self.config_dir = self.dir / "config"
        self.env = self.desktop.game_env()
        self.env["XDG_CONFIG_HOME"] = str(self.config_dir)

    def stop(self):
        if self.program is not None and self.program.poll() is None:
            self.program.terminate()
            self.program.wait(5)
        if self.desktop is not None:
            self.desktop.stop()
            self.desktop = None
        super().stop()

    def screenshot(self):
        return self.desktop.screenshot()

    def click_root(self, x, y, button=1):
        self.check_running()
        self.desktop.xdotool("mousemove", str(x), str(y))
        time.sleep(0.05)
        self.desktop.xdotool("click", str(button))


class Watch:
    """What the screen showed while a window came with its transition: frames of its client
    area from its map on, with the time of the map (seen on the window's own display)."""

    def __init__(self, session, title, action):
        before = session.screenshot()
        game = session.desktop.game_screen()
        try:
            action()
            deadline = time.monotonic() + harness.TIMEOUT
            while (found := game.find_viewable(title)) is None:
                session.check_running()
                if time.monotonic() > deadline:
                    raise AssertionError(f"{title!r} was not shown")
            self.mapped_at = time.monotonic()
        finally:
            game.close()
        wid, x, y, w, h = found
        self.window = harness.Window(session, wid, title)
        self.before = before[y:y + h, x:x + w]
        self.frames = []
        while time.monotonic() - self.mapped_at < WATCH:
            t = time.monotonic()
            self.frames.append((t, session.desktop.screenshot((x, y, w, h))))
        self.final = self.window.wait_stable()

    def _changed(self, img):
        return float(np.any(img != self.before, axis=2).mean())

    def _done(self, img):
        return float(np.all(img == self.final, axis=2).mean())

    def first_frame(self):
        """(seconds from the map to the first changed picture, share of the final picture it
        showed), or (None, None) when nothing changed."""
        for t, img in self.frames:
            if self._changed(img) > 0.002:
                return t - self.mapped_at, self._done(img)
        return None, None

    def half_way(self):
        """The frame nearest to half the transition."""
        return min(self.frames, key=lambda f: abs(self._done(f[1]) - 0.5) + 2 * (self._changed(f[1]) < 0.002))[1]


def plain_window_delay(desktop, count=BASELINE_WINDOWS):
    """The median time, in seconds, from a window's map (seen as the game's windows are) to the
    first change on screen, for a plain X window whose background the X server paints at once:
    what the desktop alone takes to show a newly mapped window, whatever its program does."""
    screen = desktop.game_screen()
    x11, dpy = screen.x11, screen.dpy
    x11.XCreateSimpleWindow.restype = ctypes.c_ulong
    x11.XCreateSimpleWindow.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int, ctypes.c_uint,
                                        ctypes.c_uint, ctypes.c_uint, ctypes.c_ulong, ctypes.c_ulong]
    x11.XStoreName.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_char_p]
    x11.XMapWindow.argtypes = x11.XDestroyWindow.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
    delays = []
    try:
        for n in range(count):
            title = f"tp-plain-window-{n}"
            window = x11.XCreateSimpleWindow(dpy, screen.root, 200, 150, 400, 300, 0, 0, 0xFF00FF)
            x11.XStoreName(dpy, window, title.encode())
            before = desktop.screenshot()
            x11.XMapWindow(dpy, window)
            x11.XFlush(dpy)
            deadline = time.monotonic() + harness.TIMEOUT
            while (found := screen.find_viewable(title)) is None:
                if time.monotonic() > deadline:
                    raise AssertionError("a plain window was not shown")
            mapped_at = time.monotonic()
            _, x, y, w, h = found
            while time.monotonic() - mapped_at < WATCH:
                if np.any(desktop.screenshot((x, y, w, h)) != before[y:y + h, x:x + w], axis=2).mean() > 0.002:
                    break
            delays.append(time.monotonic() - mapped_at)
            x11.XDestroyWindow(dpy, window)
            x11.XFlush(dpy)
            time.sleep(0.3)
    finally:
        screen.close()
    return statistics.median(delays)


class DesktopColorsAll(test_colors.ColorLevel):
    """Colors level 3 on one desktop, opened from a menu started there."""

    DESKTOP = None
    LEVEL, TITLE, DIAMETER = test_colors.TestColorsAll.LEVEL, test_colors.TestColorsAll.TITLE, 100
    COLOURS = test_colors.TestColorsAll.COLOURS
    QUESTIONS = test_colors.TestColorsAll.QUESTIONS

    @classmethod
    def setUpClass(cls):
        if cls.DESKTOP is None:
            raise unittest.SkipTest("the desktops' common part")
        cls.session = DesktopSession(cls.DESKTOP, name=f"desktop-{cls.DESKTOP}", start_program=False)
        cls.baseline = plain_window_delay(cls.session.desktop)
        cls.menu = Watch(cls.session, MENU_TITLE, cls.session.start_program)
        cls.main_window = cls.menu.window

    def setUp(self):
        super().setUp()
        self.places = []

    def open_level(self, category, level, title):
        bx, by = self.CATEGORY_BUTTONS[category]
        self.main_window.click(bx + 85, by + 25)
        time.sleep(0.2)
        self.main_window.wait_stable()
        top = self.LEVEL_TOPS[category][level - 1]

        def click():
            self.opened_at = self.session.mark(f"open {category} {level}")
            self.main_window.click(self.PAGE_LEFT + 45 + 132, top + 17)

        roll = Watch(self.session, title, click)
        self.check_first_frame(roll, "roll")
        return roll.window

    def wait_question(self, window, top_rect, previous_top, asked_at):
        session = self.session
        if previous_top is None and session.output().peak(asked_at, session.audio_clock()) > SOUND:
            # The first question was asked while the roll was watched.
            session.wait_quiet()
            img = window.wait_stable()
        else:
            img = super().wait_question(window, top_rect, previous_top, asked_at)
        self.places.append(window.geometry()[:2])
        if len(self.places) == len(self.QUESTIONS):
            self.session.save(f"{self.DESKTOP}-question{len(self.places)}")
        return img

    def check_first_frame(self, watch, what):
        delay, shown = watch.first_frame()
        self.session.save(f"{self.DESKTOP}-{what}-half-way", watch.half_way())
        print(f"[{self.DESKTOP}] {what}: first frame {delay if delay is None else round(delay * 1000)} ms "
              f"after the map (a plain window's: {round(self.baseline * 1000)} ms), "
              f"{shown if shown is None else round(shown * 100)} % of the final picture", file=sys.stderr)
        self.expect(delay is not None and delay - self.baseline <= FIRST_FRAME_WITHIN,
                    f"the {what}'s first frame came {delay} s after the map, a plain window's after "
                    f"{self.baseline} s")
        self.expect(shown is not None and shown < 0.5,
                    f"the {what} was first seen {shown} done: its beginning was not shown")

    def finish_with_reward(self, level_window):
        self.expect(len(set(self.places)) == 1,
                    f"the level window moved between questions: client positions {self.places}")
        return super().finish_with_reward(level_window)

    def test_first_frames_and_place_kept(self):
        self.check_first_frame(self.menu, "menu reveal")
        self.play_level()


class DesktopFullScreen(harness.GameTest):
    """Full screen on one desktop with a dock at the output's bottom edge: the backdrop covers
    the whole output, desktop chrome included, and the game stays in front of it."""

    DESKTOP = None
    SIZE = (1366, 768)
    DOCK_HEIGHT, DOCK_COLOUR = 40, (255, 0, 255)
    # The backdrop's gradient, top to bottom.
    BACKDROP_TOP, BACKDROP_BOTTOM = np.array([255, 255, 255]), np.array([255, 225, 164])

    @classmethod
    def setUpClass(cls):
        if cls.DESKTOP is None:
            raise unittest.SkipTest("the desktops' common part")
        cls.session = DesktopSession(cls.DESKTOP, name=f"fullscreen-{cls.DESKTOP}", start_program=False,
                                     screen=cls.SIZE)
        w, h = cls.SIZE
        cls.dock = Dock(cls.session.display, (0, h - cls.DOCK_HEIGHT, w, cls.DOCK_HEIGHT), cls.DOCK_COLOUR,
                        auth=cls.session.desktop.auth)
        if cls.DESKTOP == "gnome-shell":
            # GNOME Shell starts in its overview, which has the keyboard.
            time.sleep(3)
            cls.session.desktop.xdotool("key", "Escape")
            time.sleep(1)
        cls.session.start_program()
        cls.main_window = cls.session.find_window(MENU_TITLE)
        cls.main_window.wait_stable()

    @classmethod
    def tearDownClass(cls):
        cls.dock.close()
        super().tearDownClass()

    def test_full_screen_covers_the_output_and_keeps_the_level_whole(self):
        session = self.session
        self.f11(on=True)
        level = self.open_level("Colors", 1, "Colors: Black-White")
        level.wait_stable(timeout=15)
        session.wait_quiet()
        self.check_buttons(level, "opened first in full screen")

        self.f11(on=False)
        level.wait_stable(timeout=15)
        self.f11(on=True)
        level.wait_stable(timeout=15)
        shot = session.screenshot()
        session.save(f"{self.DESKTOP}-f11-level-open", shot)
        self.check_covered(shot, level)
        self.check_backdrop_click(shot, level)
        self.check_buttons(level, "after F11 with the level open")
        self.assert_no_problems()

    def f11(self, on):
        self.session.desktop.xdotool("key", "F11")
        harness.wait_until(lambda: bool(bare_windows(self.session)) == on,
                           what="the backdrop to " + ("come" if on else "go"))
        time.sleep(0.5)

    def check_buttons(self, level, when):
        test_fullscreen.TestFullScreenKeepsTheButtons.check_buttons(self, level, when)

    def game_ids(self):
        found = self.session.x(["xdotool", "search", "--onlyvisible", "--pid", str(self.session.program.pid)],
                               check=False)
        return {int(w) for w in found.stdout.split()}

    def game_frames(self):
        """Rectangles of the game's mapped windows but the backdrop, frames included."""
        rects = []
        found = self.session.x(["xdotool", "search", "--onlyvisible", "--pid", str(self.session.program.pid)],
                               check=False)
        for wid in found.stdout.split():
            window = harness.Window(self.session, int(wid), "")
            name = self.session.x(["xprop", "-id", wid, "WM_NAME"], check=False).stdout
            if name.strip().endswith('"Tovimar Plumkin"') or not window.mapped():
                continue
            x, y, w, h = window.geometry()
            left, right, top, bottom = self.frame_extents(wid)
            rects.append((x - left, y - top, w + left + right, h + top + bottom))
        return rects

    def frame_extents(self, wid):
        text = self.session.x(["xprop", "-id", wid, "_NET_FRAME_EXTENTS"], check=False).stdout
        values = [int(v) for v in text.split("=")[-1].split(",")] if "=" in text else []
        return values if len(values) == 4 else [0, 0, 0, 0]

    def backdrop_mask(self, shot):
        h = shot.shape[0]
        rows = np.linspace(0, 1, h)[:, None]
        expected = self.BACKDROP_TOP + (self.BACKDROP_BOTTOM - self.BACKDROP_TOP) * rows
        return np.all(np.abs(shot.astype(int) - expected[:, None, :]) <= 4, axis=2)

    def check_covered(self, shot, level):
        """Every pixel of the output is the backdrop's or one of a game window's; no dock."""
        outside = ~self.backdrop_mask(shot)
        for x, y, w, h in self.game_frames():
            outside[max(0, y):y + h, max(0, x):x + w] = False
        share = float(outside.mean())
        self.expect(share < 0.001, f"{share:.1%} of the output is neither the backdrop nor a game window")
        dock = float(np.all(shot == self.DOCK_COLOUR, axis=2).mean())
        self.expect(dock == 0, f"the dock shows over the backdrop ({dock:.1%} of the output)")
        x, y, w, h = level.geometry()
        centre = shot[y + h // 2 - 40:y + h // 2 + 40, x + w // 2 - 40:x + w // 2 + 40]
        self.expect(not self.backdrop_mask(centre).all(), "the level is not in front of the backdrop")
        stacking = self.session.x(["xprop", "-root", "_NET_CLIENT_LIST_STACKING"], check=False).stdout
        order = [int(w, 16) for w in re.findall(r"0x[0-9a-f]+", stacking)]
        above = [w for w in order[order.index(level.id) + 1:] if w in self.game_ids()] if level.id in order else []
        self.expect(not above, f"game windows {[hex(w) for w in above]} are in front of the level")

    def check_backdrop_click(self, shot, level):
        """A click on the backdrop leaves the level whole in front."""
        covered = self.backdrop_mask(shot)
        for x, y, w, h in self.game_frames():
            covered[max(0, y):y + h, max(0, x):x + w] = False
        ys, xs = np.nonzero(covered)
        if not len(xs):
            return
        # The nested desktops draw the pointer into their output: it goes there first.
        x, y = str(xs[len(xs) // 2]), str(ys[len(ys) // 2])
        self.session.desktop.xdotool("mousemove", x, y)
        time.sleep(0.3)
        before = level.grab()
        self.session.desktop.xdotool("click", "1")
        time.sleep(0.5)
        if not np.array_equal(level.grab(), before):
            self.problems.append(f"a click on the backdrop hid the level ({self.session.save('backdrop-click')})")


def desktop_classes():
    names = [n for n in os.environ.get("TP_DESKTOPS", "mutter,kwin").split(",") if n]
    for name in names:
        if not available(name):
            print(f"[e2e] {name} is not installed here; skipped", file=sys.stderr)
            continue
        for base, prefix in ((DesktopColorsAll, "TestColorsAllOn"), (DesktopFullScreen, "TestFullScreenOn")):
            cls = type(f"{prefix}_{name.replace('-', '_')}", (base,), {"DESKTOP": name})
            globals()[cls.__name__] = cls


desktop_classes()

if __name__ == "__main__":
    harness.main()
