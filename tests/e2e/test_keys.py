# SPDX-License-Identifier: GPL-3.0-or-later
"""End to end: the game played with the keyboard alone (xdotool key events, no click), and the
menu's Exit beside an open level. On the menu the arrows walk to a category and a level, Enter
presses; in the level the arrows move the focus ring between the answers and Enter answers.
Colors level 2 and Music level 1 are played to the reward, the ring is found on screen round the
asked answer before every Enter, and at 200 % the ring is twice as thick.

    python3 tests/e2e/test_keys.py --exe build/tovimar-plumkin [--keep]
"""

import subprocess
import sys
import time
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))

import harness  # noqa: E402  (first: it finds a Python with numpy)
import numpy as np  # noqa: E402
from activity import FIELD_RECT, TOP_BAR  # noqa: E402
from harness import BLUE, RED, YELLOW  # noqa: E402

RING = (255, 128, 64)  # the game's focus colour
RING_WIDTH = 6  # logical pixels, black edges included
MAIN_TITLE = "Tovimar Plumkin 0.1.0.0"
# Menu buttons, client rectangles (x, y, w, h).
MENU_BUTTONS = {
    "Colors": (71, 112, 170, 50), "Shapes": (71, 168, 170, 50), "Music": (71, 224, 170, 50),
    "level 1": (325, 112, 264, 35), "level 2": (325, 151, 264, 35), "level 3": (325, 190, 264, 35),
    "level 4": (325, 229, 264, 35), "Exit": (517, 396, 115, 60),
}
# The Colors page's level buttons lie lower than the Music page's.
COLORS_LEVELS = {"level 1": (325, 131, 264, 35), "level 2": (325, 170, 264, 35), "level 3": (325, 209, 264, 35)}
EXIT_CENTRE = (517 + 57, 396 + 30)
MUSIC_TOP_BAR = (0, 0, 767, 86)


def ring_box(img):
    """(x0, y0, x1, y1) of the focus colour in the image, or None."""
    ys, xs = np.nonzero(harness.colour_mask(img, RING, 10))
    if len(xs) < 40:
        return None
    return int(xs.min()), int(ys.min()), int(xs.max()) + 1, int(ys.max()) + 1


class KeysTest(harness.GameTest):
    def key(self, *names):
        self.session.check_running()
        self.session.x(["xdotool", "key", "--delay", "80", *names])
        time.sleep(0.15)

    def menu_focus(self, buttons):
        """The name of the menu button that wears the ring."""
        box = ring_box(self.main_window.grab())
        if box is None:
            return None
        cx, cy = (box[0] + box[2]) / 2, (box[1] + box[3]) / 2
        for name, (x, y, w, h) in buttons.items():
            if x <= cx < x + w and y <= cy < y + h:
                return name
        return None

    def walk_menu_to(self, name, buttons):
        """Down arrow until the ring is on `name`, then Enter."""
        for _ in range(12):
            self.key("Down")
            if self.menu_focus(buttons) == name:
                self.key("Return")
                return
        self.fail(f"the arrows never brought the focus to {name}; {self.session.save('menu-focus')}")

    def open_by_keys(self, category, level, title):
        self.walk_menu_to(category, MENU_BUTTONS)
        levels = COLORS_LEVELS if category == "Colors" else MENU_BUTTONS
        self.opened_at = self.session.mark(f"open {category} {level} by keys")
        self.walk_menu_to(f"level {level}", {**MENU_BUTTONS, **levels})
        return self.session.find_window(title)


class TestKeyboardPlay(KeysTest):
    def ring_on(self, window, on_target):
        """Right arrow until on_target(ring box, window image) holds; returns the picture of the
        window with the ring."""
        for _ in range(8):
            img = window.grab()
            box = ring_box(img)
            if box and on_target(box, img):
                return img
            self.key("Right")
        self.fail(f"the ring never came round the asked answer; {self.session.save('ring')}")

    def test_colors_level_2_by_keys(self):
        window = self.open_by_keys("Colors", 2, "Colors: Blue-Red-Yellow")
        previous = None
        for step, colour in enumerate((BLUE, RED, YELLOW), 1):
            img = self.wait_question(window, TOP_BAR, previous, self.opened_at)
            previous = harness.crop(img, TOP_BAR).copy()

            def circle(box, shot, colour=colour):
                # In the play field: the hint swatch above shows the asked colour too. The circles
                # may overlap and the ring's lines may cut a circle in pieces, so the circle is all
                # of its colour's pixels together.
                ys, xs = np.nonzero(harness.solid(harness.colour_mask(harness.crop(shot, FIELD_RECT), colour)))
                if len(xs) < 400:
                    return False
                left, top = FIELD_RECT[0], FIELD_RECT[1]
                return box[0] < xs.min() + left and box[1] < ys.min() + top and box[2] > xs.max() + left \
                    and box[3] > ys.max() + top

            shot = self.ring_on(window, circle)
            self.session.save(f"colors2-step{step}-ring", shot)
            self.opened_at = self.session.mark(f"step {step} Enter")
            self.key("Return")
        self.finish_with_reward(window)
        self.assert_no_problems()

    def test_music_level_1_by_keys(self):
        window = self.open_by_keys("Music", 1, "Music: F-C")
        previous = None
        # F stands on the left half of the staff, C on the right half.
        for step, left in enumerate((True, False), 1):
            img = self.wait_question(window, MUSIC_TOP_BAR, previous, self.opened_at)
            previous = harness.crop(img, MUSIC_TOP_BAR).copy()

            def note(box, shot, left=left):
                return ((box[0] + box[2]) / 2 < shot.shape[1] / 2) == left

            shot = self.ring_on(window, note)
            self.session.save(f"music1-step{step}-ring", shot)
            self.opened_at = self.session.mark(f"step {step} Enter")
            self.key("Return")
        self.reward_stays_in_front(window)
        self.assert_no_problems()

    def reward_stays_in_front(self, level_window):
        """From the moment the level has gone until the reward closes by itself, every look at
        the screen finds the reward's white field in front, not the menu. A look counts only
        when the reward was still there after it: on a busy machine one screenshot may take
        longer than the reward stays."""
        session = self.session
        reward = session.find_window("Bravo")
        session.wait_gone(level_window)
        looks = 0
        while True:
            screen = session.screenshot()
            if not reward.mapped():
                break
            looks += 1
            white = harness.colour_mask(harness.crop(reward.grab(img=screen), self.REWARD_PANEL), harness.WHITE,
                                        0).mean()
            if white <= 0.6:
                path = session.save("reward-covered", screen)
                self.fail(f"look {looks}: the reward is covered ({white:.0%} of its field shows); {path}")
        self.assertGreater(looks, 0, "the reward was never seen in front")


class TestExitBesideALevel(harness.GameTest):
    def test_exit_beside_an_open_level_brings_the_menu_forward_and_does_not_quit(self):
        window = self.open_level("Colors", 1, "Colors: Black-White")
        self.wait_question(window, TOP_BAR, None, self.opened_at)
        # Where a smaller screen puts them: the level's window beside the menu's Exit.
        mx, my, mw, mh = self.main_window.geometry()
        self.session.x(["xdotool", "windowmove", str(window.id), str(mx - 200), str(my - 150)])
        time.sleep(0.3)
        overlap = (0, 0, 440, 310)  # of the menu, under the level's window
        before = self.main_window.grab(overlap)
        self.session.save("exit-beside-level-before")
        self.main_window.click(*EXIT_CENTRE)
        time.sleep(1.0)
        self.session.check_running()
        self.assertTrue(window.mapped(), "the level closed")
        path = self.session.save("exit-beside-level-after")
        self.assertFalse(np.array_equal(before, self.main_window.grab(overlap)),
                         f"the menu did not come forward over the level; {path}")

        # With the menu in front, Exit quits.
        self.main_window.click(*EXIT_CENTRE)
        self.session.program.wait(10)
        self.assertEqual(self.session.program.returncode, 0)
        self.session.program = None


class TestRingAt200(KeysTest):
    DPI = 192

    @classmethod
    def setUpClass(cls):
        cls.session = harness.Session(name=cls.__name__, start_program=False, screen=(1800, 1400))
        subprocess.run(["xrdb", "-merge"], input=f"Xft.dpi: {cls.DPI}\n", text=True, env=cls.session.env,
                       check=True, timeout=harness.TIMEOUT)
        cls.session.start_program()
        cls.main_window = cls.session.find_window(MAIN_TITLE)
        cls.main_window.wait_stable()

    def test_ring_is_twice_as_thick(self):
        scaled = {name: tuple(2 * v for v in rect) for name, rect in MENU_BUTTONS.items()}
        scaled_levels = {name: tuple(2 * v for v in rect) for name, rect in COLORS_LEVELS.items()}
        self.walk_menu_to("Colors", scaled)
        self.walk_menu_to("level 1", {**scaled, **scaled_levels})
        window = self.session.find_window("Colors: Black-White")
        window.wait_stable(timeout=15)
        self.key("Right")
        shot = window.grab()
        path = self.session.save("ring-200", shot)
        box = ring_box(shot)
        self.assertIsNotNone(box, f"no ring at 200 %; {path}")
        # Across the ring's left side at its middle row: black, focus colour, black.
        row = shot[(box[1] + box[3]) // 2, box[0] - 2:box[0] + 2 * RING_WIDTH + 2]
        coloured = harness.colour_mask(row[None, :, :], RING, 10)[0]
        self.assertEqual(int(coloured.sum()), 2 * (RING_WIDTH - 2), f"ring band {coloured}; {path}")


if __name__ == "__main__":
    harness.main()
