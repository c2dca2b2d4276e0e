# SPDX-License-Identifier: GPL-3.0-or-later
"""End to end under a real window manager (openbox): the Colors window scales with the screen and
with its own size. On the design screen it opens at its design size, is resized by the window
manager (a drag of its corner), shows play field, circles, hint swatch, bars and buttons laid out for the new size, and
is played to the reward there by real clicks; maximizing and restoring lay it out again. On a Full
HD screen it opens in proportion to the screen, and the same holds.

    python3 tests/e2e/test_elastic.py --exe build/tovimar-plumkin [--keep]
"""

import sys
import time
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))

import harness  # noqa: E402
import numpy as np  # noqa: E402
from harness import BLACK, WHITE  # noqa: E402

DESIGN_CLIENT = (642, 466)
LEVEL, TITLE = 1, "Colors: Black-White"
QUESTIONS = (("black", BLACK), ("white", WHITE))
TOLERANCE = 5  # pixels: frames, outlines and the rounding of two scalings


def measure(client):
    """The laid-out window as seen in its client pixels: the play field's rectangle, the circles'
    sizes, the hint swatch and the two buttons of the bottom bar. None while no field shows."""
    h, w, _ = client.shape
    field = harness.colour_mask(client, harness.FIELD, 4) | harness.colour_mask(client, harness.GRID, 4)
    rows = np.nonzero(field.mean(axis=1) > 0.3)[0]
    if len(rows) == 0:
        return None
    y0, y1 = int(rows.min()), int(rows.max()) + 1
    cols = np.nonzero(field[y0:y1].mean(axis=0) > 0.3)[0]
    x0, x1 = int(cols.min()), int(cols.max()) + 1
    field_img = client[y0:y1, x0:x1]
    circles = {}
    for name, colour in (("black", BLACK), ("white", WHITE)):
        blobs = harness.find_blobs(field_img, colour, min_area=500)
        if blobs:
            circles[name] = blobs[0]
    swatch = harness.find_blobs(client[:y0], BLACK, min_area=400)
    # Button faces are light neutral grey; the bar's gradient is tinted.
    bar = client[y1 + 3:].astype(np.int16)
    neutral = (bar.max(axis=2) - bar.min(axis=2) <= 2) & (bar.min(axis=2) >= 225)
    neutral[neutral.mean(axis=1) > 0.8] = False  # the white top of the bar's gradient
    neutral = harness.solid(neutral, 5)
    buttons = []
    for half in (neutral[:, :w // 2], neutral[:, w // 2:]):
        ys, xs = np.nonzero(half)
        buttons.append((int(xs.min()) - 2, int(ys.min()) - 2, int(xs.max()) + 3, int(ys.max()) + 3)
                       if len(xs) else None)
    if buttons[1]:
        x0b, y0b, x1b, y1b = buttons[1]
        buttons[1] = (x0b + w // 2, y0b, x1b + w // 2, y1b)
    return dict(size=(w, h), field=(x0, y0, x1, y1), circles=circles, field_img=field_img,
                swatch=swatch[0] if swatch else None, buttons=buttons, bar_top=y1)


class ElasticTest(harness.GameTest):
    SCREEN = None
    START_CLIENT = None  # where the level window opens: (x, y, width, height)

    @classmethod
    def setUpClass(cls):
        cls.session = harness.Session(name=cls.__name__, screen=cls.SCREEN, window_manager=True)
        cls.main_window = cls.session.find_window("Tovimar Plumkin 0.1.0.0")
        cls.main_window.wait_stable()

    # -- checks

    def check_layout(self, window, label, hint=None):
        """Waits until the controls stand where the window's size puts them, saves a screenshot
        and checks every part against the design scaled by the client size."""
        def laid_out():
            layout = measure(window.grab())
            if not layout:
                return None
            w, h = layout["size"]
            x0, y0, x1, y1 = layout["field"]
            # The field fills the width between the bars once the controls follow the window.
            return layout if x1 - x0 >= w - 4 and abs(y0 - 86 * h / DESIGN_CLIENT[1]) <= TOLERANCE else None

        harness.wait_until(laid_out, what=f"the controls laid out for the window's size ({label})")
        window.wait_stable()
        path = self.session.save(f"elastic-{label}")
        layout = measure(window.grab())
        w, h = layout["size"]
        rx, ry = w / DESIGN_CLIENT[0], h / DESIGN_CLIENT[1]
        where = f"{label}, client {w} x {h} ({path})"

        def near(actual, expected, what):
            self.expect(abs(actual - expected) <= TOLERANCE,
                        f"{where}: {what} is {actual}, expected about {expected:.0f}")

        x0, y0, x1, y1 = layout["field"]
        near(y0, 86 * ry, "the top bar's height")
        near(h - layout["bar_top"], 80 * ry, "the bottom bar's height")
        diameter = 170 * min(rx, ry)
        for name, blob in layout["circles"].items():
            near(blob.width, diameter, f"the {name} circle's width")
            near(blob.height, diameter, f"the {name} circle's height")
        self.expect(len(layout["circles"]) == 2, f"{where}: circles found: {list(layout['circles'])}")
        if hint == BLACK:
            swatch = layout["swatch"]
            self.expect(swatch is not None, f"{where}: no hint swatch")
            if swatch:
                near(swatch.width, 80 * rx - 6, "the hint swatch's width")
                near(swatch.height, 80 * ry - 6, "the hint swatch's height")
        back, randomize = layout["buttons"]
        self.expect(back and randomize, f"{where}: bottom buttons found: {layout['buttons']}")
        if back and randomize:
            for name, (bx0, by0, bx1, by1) in (("Back", back), ("Randomize", randomize)):
                near(bx1 - bx0, 115 * rx, f"the {name} button's width")
                near(by1 - by0, 60 * ry, f"the {name} button's height")
            near(back[0], 7 * rx, "the Back button's left")
            near(w - randomize[2], 10 * rx, "the Randomize button's distance from the right")
        return layout

    def wait_size(self, window, predicate, what):
        return harness.wait_until(lambda: predicate(window.geometry()), what=what)

    # -- actions

    def drag_corner(self, window, dx, dy, steps=10):
        """A user's drag of the frame's bottom-right corner: press, a quick series of moves, release."""
        x, y, w, h = window.geometry()
        px, py = x + w - 3, y + h + 2  # the grip in the frame's bottom edge
        run = self.session.x
        run(["xdotool", "mousemove", str(px), str(py)])
        time.sleep(0.2)
        run(["xdotool", "mousedown", "1"])
        for i in range(1, steps + 1):
            run(["xdotool", "mousemove", str(px + dx * i // steps), str(py + dy * i // steps)])
            time.sleep(0.03)
        run(["xdotool", "mouseup", "1"])
        self.wait_size(window, lambda g: g[2] > w + dx - 10 and g[3] > h + dy - 10, "the window to follow the drag")
        return window.geometry()

    def toggle_maximized(self, window):
        """A double click on the title bar, as a user maximizes and restores."""
        x, y, _, _ = window.geometry()
        self.session.x(["xdotool", "mousemove", str(x + 60), str(y - 8)])
        time.sleep(0.1)
        self.session.x(["xdotool", "click", "--repeat", "2", "--delay", "80", "1"])

    def play_to_the_reward(self, window, asked_at, first_top):
        """Answers every question by a real click on the asked circle, found on screen."""
        previous_top = None
        for step, (sound, colour) in enumerate(QUESTIONS, 1):
            w, h = window.geometry()[2:]
            top_rect = (0, 0, w, int(80 * h / DESIGN_CLIENT[1]))
            if step > 1:
                self.wait_question(window, top_rect, previous_top, asked_at)
            layout = self.check_layout(window, f"{w}x{h}-step{step}", hint=colour)
            blob = layout["circles"].get(sound)
            self.assertIsNotNone(blob, f"step {step}: no {sound} circle on screen")
            x0, y0 = layout["field"][:2]
            previous_top = window.grab(top_rect)
            asked_at = self.session.mark(f"step {step} answer")
            window.click(x0 + blob.cx, y0 + blob.cy)
        self.finish_with_reward(window)

    def open_colors_level(self):
        window = self.open_level("Colors", LEVEL, TITLE)
        self.wait_question(window, (0, 0, 200, 60), None, self.opened_at)
        return window

    def maximize_and_restore(self, window):
        before = window.geometry()
        self.toggle_maximized(window)
        sw, sh = self.SCREEN
        self.wait_size(window, lambda g: g[2] == sw and g[3] >= sh - 40, "the window to be maximized")
        self.check_layout(window, "maximized")
        self.toggle_maximized(window)
        self.wait_size(window, lambda g: g[2:] == before[2:], "the window to be restored")
        self.check_layout(window, "restored")
        self.assertEqual(window.geometry()[2:], before[2:])

    def leave(self, window):
        layout = measure(window.grab())
        bx0, by0, bx1, by1 = layout["buttons"][0]
        window.click((bx0 + bx1) / 2, layout["bar_top"] + 3 + (by0 + by1) / 2)
        self.session.wait_gone(window)


class TestElasticOnTheDesignScreen(ElasticTest):
    SCREEN = (harness.SCREEN_W, harness.SCREEN_H)

    def test_resized_played_maximized_and_restored(self):
        window = self.open_colors_level()
        self.assertEqual(window.geometry(), (323, 296, 642, 466), "not at the design size, centred")
        self.check_layout(window, "design", hint=BLACK)

        size = self.drag_corner(window, 330, 200)[2:]
        self.play_to_the_reward(window, self.opened_at, None)

        window = self.open_colors_level()
        self.assertEqual(window.geometry()[2:], size, "the window did not keep its size")
        self.maximize_and_restore(window)
        self.leave(window)
        self.assert_no_problems()


class TestElasticOnAFullHDScreen(ElasticTest):
    SCREEN = (1920, 1080)

    def test_opens_in_proportion_played_maximized_and_restored(self):
        window = self.open_colors_level()
        # 1920 x 1080 against the design screen's 1288 x 1032: 969 x 523 outside, centred.
        self.assertEqual(window.geometry(), (479, 308, 961, 489))
        self.play_to_the_reward(window, self.opened_at, None)

        window = self.open_colors_level()
        self.maximize_and_restore(window)
        self.leave(window)
        self.assert_no_problems()


if __name__ == "__main__":
    harness.main()
