# SPDX-License-Identifier: GPL-3.0-or-later
"""End to end: the show transitions on a high-density screen. A 3840 x 2160 screen whose desktop
asks for 200 % (Xft.dpi 192) and 150 % (144), as GNOME and KDE tell X11 programs: the menu opens
at its size in device pixels, and while it is revealed block by block, and while a level rolls
in, every pixel that already shows the window shows what the finished window shows there.

    python3 tests/e2e/test_hidpi.py --exe build/tovimar-plumkin [--keep]
"""

import subprocess
import sys
import time
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))

import harness  # noqa: E402  (first: it finds a Python with numpy)
import numpy as np  # noqa: E402
from test_transitions import old_screen_at_roll_start, record, same  # noqa: E402
from xscreen import XScreen  # noqa: E402

MAIN_TITLE = "Tovimar Plumkin 0.1.0.0"
SCREEN = (3840, 2160)
MENU = (642, 466)
BAND = 60


class HighDensity(harness.GameTest):
    DPI = 192

    @classmethod
    def setUpClass(cls):
        cls.ratio = cls.DPI / 96
        cls.session = harness.Session(name=cls.__name__, start_program=False, screen=SCREEN)
        subprocess.run(["xrdb", "-merge"], input=f"Xft.dpi: {cls.DPI}\n", text=True, env=cls.session.env,
                       check=True, timeout=harness.TIMEOUT)
        # A patterned desktop: a screen that reads back all black counts as unreadable, and a
        # pattern shows whether what lies beneath comes back in its place.
        cls.session.x(["xsetroot", "-mod", "5", "7", "-fg", "#4a6f8f", "-bg", "#c8d4de"])
        cls.screen = XScreen(cls.session.display)
        # The middle of the screen, where the centred windows lie, in device pixels.
        w, h = 1500, 1150
        cls.area = ((SCREEN[0] - w) // 2, (SCREEN[1] - h) // 2, w, h)
        cls.before = cls.screen.grab(*cls.area)
        cls.session.start_program()
        cls.reveal = record(cls.screen, cls.area, 10.0, settle=0.6, min_time=1.0)
        cls.main_window = cls.session.find_window(MAIN_TITLE)

    @classmethod
    def tearDownClass(cls):
        cls.screen.close()
        super().tearDownClass()

    def in_area(self, window):
        x, y, w, h = window.geometry()
        return (x - self.area[0], y - self.area[1], w, h)

    def device(self, v):
        return int(np.floor(v * self.ratio + 0.5))

    def test_menu_opens_at_its_device_size_and_reveals_itself_in_place(self):
        rect = self.in_area(self.main_window)
        self.assertEqual(rect[2:], (self.device(MENU[0]), self.device(MENU[1])))
        old = harness.crop(self.before, rect)
        final = harness.crop(self.reveal[-1][1], rect)
        # Each block of the window's logical grid is either still the old screen or the menu.
        xs = [self.device(v) for v in [0] + [int(np.rint(MENU[0] / 13 * k)) for k in range(1, 13)] + [MENU[0]]]
        ys = [self.device(v) for v in [0] + [int(np.rint(MENU[1] / 9 * k)) for k in range(1, 9)] + [MENU[1]]]
        partial = []
        for t, img in self.reveal:
            shown = harness.crop(img, rect)
            is_new, is_old = same(shown, final), same(shown, old)
            revealed = 0
            for r in range(9):
                for c in range(13):
                    block = np.s_[ys[r]:ys[r + 1], xs[c]:xs[c + 1]]
                    if is_new[block].all():
                        revealed += 1
                    elif not is_old[block].all():
                        path = self.session.save("mixed-block", img)
                        self.fail(f"at {t:.3f} s block row {r + 1} column {c + 1} is neither the old screen "
                                  f"nor the menu ({path})")
            if 0 < revealed < 13 * 9:
                partial.append((revealed, img))
        self.assertGreaterEqual(len(partial), 4, "too few pictures part-way through the reveal")
        revealed, img = partial[len(partial) // 2]
        self.session.save(f"menu-reveal-{self.DPI}dpi-{revealed}-of-117", harness.crop(img, rect))

    def test_level_rolls_in_at_its_true_size(self):
        session = self.session
        bx, by = self.CATEGORY_BUTTONS["Colors"]
        self.main_window.click(self.device(bx + 85), self.device(by + 25))
        time.sleep(0.4)
        before = self.screen.grab(0, 0, *SCREEN)
        self.main_window.click(self.device(self.PAGE_LEFT + 45 + 132), self.device(self.LEVEL_TOPS["Colors"][0] + 17))
        # The level may open larger than designed on this large screen; follow its place.
        window = session.find_window("Colors: Black-White")
        rect = window.geometry()
        # Generous: on a loaded machine the program may stand still for a moment mid-roll.
        frames = record(self.screen, rect, 8.0, settle=0.8, min_time=2.5)
        rect = (0, 0) + rect[2:]
        w = rect[2]
        final = harness.crop(frames[-1][1], rect)
        band = self.device(BAND)
        old = old_screen_at_roll_start(frames, rect, harness.crop(before, window.geometry()), final, band)
        halfway = None
        positions = []
        for t, img in frames:
            shown = harness.crop(img, rect)
            new_cols = same(shown, final).mean(axis=0) > 0.999
            old_cols = same(shown, old).mean(axis=0) > 0.999
            if new_cols.all() or old_cols.all():
                continue
            left = int(np.argmin(new_cols))  # the first column that is not yet the window
            right = w - int(np.argmin(old_cols[::-1]))  # past the last column that is not the old screen
            positions.append((round(t, 3), left, right))
            if 0.3 * w < left < 0.7 * w:
                halfway = (t, img, left, right)
                break
        self.assertIsNotNone(halfway, f"no picture half-way through the roll shows the window left of the band: "
                                      f"{positions} (window {rect})")
        t, img, left, right = halfway
        path = session.save(f"roll-halfway-{self.DPI}dpi", harness.crop(img, rect))
        self.assertLessEqual(abs((right - left) - band), 2 * self.ratio + 1,
                             f"at {t:.3f} s the band is {right - left} wide, not {band} ({path})")
        # Left of the band every column is the finished window; right of it the old screen.
        shown = harness.crop(img, rect)
        self.assertTrue(same(shown[:, :left], final[:, :left]).all(), path)
        self.assertTrue(same(shown[:, right:], old[:, right:]).all(), path)


class HighDensity150(HighDensity):
    DPI = 144


if __name__ == "__main__":
    harness.main()
