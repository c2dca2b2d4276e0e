# SPDX-License-Identifier: GPL-3.0-or-later
"""End to end: what a child meets first. At start the menu shows the Colors levels beside its
tick, so the first level button opens "Colors: Black-White"; in Colors level 2 a click on a
visible part of the asked circle, inside the empty corner of another circle's square, is taken;
every window of the game carries the game's icon.

    python3 tests/e2e/test_fairness.py --exe build/tovimar-plumkin [--keep]
"""

import sys
import time
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))

import harness  # noqa: E402
import numpy as np  # noqa: E402
from activity import FIELD_RECT, RANDOMIZE, TOP_BAR  # noqa: E402
from harness import BLUE, RED, YELLOW  # noqa: E402
from test_colors import ColorLevel  # noqa: E402

BACK = (7 + 57, 386 + 10 + 30)
MARGIN = 4  # pixels between a click and the edges it must not be near


class TestFairness(ColorLevel):
    LEVEL, TITLE, DIAMETER = 2, "Colors: Blue-Red-Yellow", 170
    COLOURS = (BLUE, RED, YELLOW)

    def whole_circles(self, field_img):
        """(colour, centre x, centre y) of every circle that shows whole."""
        whole = []
        for colour, blob in self.circles(field_img).items():
            if min(blob.width, blob.height) >= self.DIAMETER - 6:
                whole.append((colour, (blob.x0 + blob.x1) / 2.0, (blob.y0 + blob.y1) / 2.0))
        return whole

    def in_empty_corner(self, field_img, asked):
        """A point of the asked colour that lies in the empty corner of another circle's square,
        away from that circle and from the square's edges; None if there is none."""
        target = self.circles(field_img).get(asked)
        if target is None:
            return None
        r = self.DIAMETER / 2.0
        for colour, cx, cy in self.whole_circles(field_img):
            if colour == asked:
                continue
            dx, dy = target.xs - cx, target.ys - cy
            # How far inside the square and outside the circle each point lies.
            room = np.minimum(np.hypot(dx, dy) - r, r - np.maximum(np.abs(dx), np.abs(dy)))
            k = int(np.argmax(room))
            if room[k] > MARGIN:
                return float(target.xs[k]), float(target.ys[k]), colour
        return None

    def program_windows(self):
        """{window id: title} of every window the program made."""
        session = self.session
        ids = session.x(["xdotool", "search", "--pid", str(session.program.pid)], check=False).stdout.split()
        windows = {}
        for wid in ids:
            name = session.x(["xprop", "-id", wid, "WM_NAME"], check=False).stdout
            windows[int(wid)] = name.split("=", 1)[1].strip().strip('"') if "=" in name else ""
        return windows

    def has_icon(self, wid):
        r = self.session.x(["xprop", "-len", "16", "-id", str(wid), "_NET_WM_ICON"], check=False)
        return r.returncode == 0 and "_NET_WM_ICON(CARDINAL) =" in r.stdout

    def test_start_page_clicks_in_empty_corners_and_icons(self):
        session = self.session

        # At start, without pressing a category: the first level button of the page shown.
        self.main_window.click(self.PAGE_LEFT + 45 + 132, self.LEVEL_TOPS["Colors"][0] + 17)
        first = session.find_window("Colors: Black-White")
        first.wait_stable()
        session.wait_quiet()
        first.click(*BACK)
        session.wait_gone(first)

        # Colors level 2, question 1 (blue): a part of blue that shows inside the empty corner
        # of red's or yellow's square.
        window = self.open_level("Colors", 2, self.TITLE)
        self.wait_question(window, TOP_BAR, None, self.opened_at)
        point = None
        for _ in range(30):
            point = self.in_empty_corner(window.grab(FIELD_RECT), BLUE)
            if point:
                break
            window.click(*RANDOMIZE)
            time.sleep(0.3)
            window.wait_stable(FIELD_RECT)
        self.assertIsNotNone(point, "no layout put blue in the empty corner of another circle")
        x, y, covering = point
        session.save("blue-in-empty-corner")
        top_before = window.grab(TOP_BAR)
        asked_at = session.mark("blue clicked in an empty corner")
        window.click(x, y + FIELD_RECT[1])
        img = self.wait_question(window, TOP_BAR, top_before, asked_at)
        self.check_question_screen(window, img, 2, RED)

        # The rest of the level, for the reward window.
        for step, colour in ((2, RED), (3, YELLOW)):
            points = None
            for _ in range(12):
                points = self.locate(window.grab(FIELD_RECT), colour)
                if points:
                    break
                window.click(*RANDOMIZE)
                window.wait_stable(FIELD_RECT)
            self.assertIsNotNone(points, f"step {step}: could not find the asked circle")
            top_before = window.grab(TOP_BAR)
            asked_at = session.mark(f"step {step} answer")
            window.click(points[0][0], points[0][1] + FIELD_RECT[1])
            if step == 2:
                self.wait_question(window, TOP_BAR, top_before, asked_at)
        session.find_window("Bravo")

        windows = self.program_windows()
        for title in ("Tovimar Plumkin 0.1.0.0", "Colors: Black-White", self.TITLE, "Bravo"):
            self.expect(title in windows.values(), f"no window titled {title!r} among {windows}")
        for wid, title in windows.items():
            self.expect(self.has_icon(wid), f"window 0x{wid:x} {title!r} has no _NET_WM_ICON")
        self.assert_no_problems()


if __name__ == "__main__":
    harness.main()
