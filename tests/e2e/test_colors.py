# SPDX-License-Identifier: GPL-3.0-or-later
"""End to end: Colors levels 1 and 3 played to the end with real clicks on the circles found on
screen, a wrong circle and the empty field clicked before every answer, and the spoken prompts
and the applause checked in the sound output.

    python3 tests/e2e/test_colors.py --exe build/tovimar-plumkin [--keep]
"""

import sys
import time
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))

import harness  # noqa: E402
from activity import (ActivityTest, FIELD_RECT, HINT_RECT, MIN_SCORE, RANDOMIZE, TOP_BAR,  # noqa: E402
                      empty_spot, safest_point)
from harness import BLACK, BLUE, GREEN, RED, WHITE, YELLOW  # noqa: E402

MARGIN = 4  # pixels between a click and any rectangle that might belong to another circle


class ColorLevel(ActivityTest):
    CATEGORY = "Colors"
    DIAMETER = None
    COLOURS = ()  # every circle of the level

    def circles(self, field_img):
        """colour -> the largest visible area of it, for every colour of the level that shows."""
        found = {}
        for colour in self.COLOURS:
            blobs = harness.find_blobs(field_img, colour, min_area=100)
            if blobs:
                found[colour] = blobs[0]
        return found

    def possible_square(self, blob):
        """Every place the circle's square control can take, given the part of it that shows
        (a circle may be partly covered by another one)."""
        d = self.DIAMETER
        return (blob.x1 - d - 1, blob.y1 - d - 1, blob.x0 + d + 1, blob.y0 + d + 1)

    def locate(self, field_img, asked):
        circles = self.circles(field_img)
        if len(circles) < len(self.COLOURS):
            return None  # one is hidden under others
        squares = {c: self.possible_square(b) for c, b in circles.items()}
        target = circles[asked]
        answer = safest_point(target.xs, target.ys, [r for c, r in squares.items() if c != asked],
                              MARGIN, prefer=(target.cx, target.cy))
        wrong = None
        for colour, blob in circles.items():
            if colour == asked:
                continue
            others = [r for c, r in squares.items() if c != colour]
            wrong = safest_point(blob.xs, blob.ys, others, MARGIN, prefer=(blob.cx, blob.cy))
            if wrong:
                break
        empty = empty_spot(field_img, list(squares.values()))
        if answer and wrong and empty:
            return answer, wrong, empty
        return None

    def check_question_screen(self, window, img, step, asked):
        # "Show Hints" is on from the start: the swatch shows the asked colour.
        swatch = harness.crop(img, HINT_RECT)
        blobs = harness.find_blobs(swatch, asked, min_area=400)
        self.assertTrue(blobs, f"step {step}: the hint swatch does not show the asked colour {asked}")


class TestColorsBlackWhite(ColorLevel):
    LEVEL, TITLE, DIAMETER = 1, "Colors: Black-White", 170
    COLOURS = (BLACK, WHITE)
    QUESTIONS = (("black", BLACK), ("white", WHITE))

    def test_level_played_to_the_end(self):
        self.play_level()


class TestColorsAll(ColorLevel):
    LEVEL, TITLE, DIAMETER = 3, "Colors: All", 100
    COLOURS = (BLUE, RED, BLACK, YELLOW, WHITE, GREEN)
    QUESTIONS = (("blue", BLUE), ("black", BLACK), ("yellow", YELLOW), ("green", GREEN),
                 ("white", WHITE), ("red", RED))

    def test_level_played_to_the_end(self):
        self.play_level()


class TestColorsAllBroughtBack(ColorLevel):
    """Back in Colors level 3 leaves the window open. Its level button, pressed again at once or
    after another level was opened, brings it forward at question 1: what it shows and says must
    be what it accepts."""

    LEVEL, TITLE, DIAMETER = 3, "Colors: All", 100
    COLOURS = (BLUE, RED, BLACK, YELLOW, WHITE, GREEN)
    BACK = (7 + 57, 386 + 10 + 30)

    def answer(self, window, asked, label):
        """Clicks the asked circle; returns the output position of the click."""
        points = None
        for _ in range(12):
            points = self.locate(window.grab(FIELD_RECT), asked)
            if points:
                break
            window.click(*RANDOMIZE)
            window.wait_stable(FIELD_RECT)
        self.assertIsNotNone(points, f"{label}: could not find the asked circle")
        at = self.session.mark(f"{label}: answer")
        window.click(points[0][0], points[0][1] + FIELD_RECT[1])
        return at

    def expect_question(self, window, previous_top, asked_at, colour, sound, label):
        img = self.wait_question(window, TOP_BAR, previous_top, asked_at)
        self.session.save(label.replace(" ", "-"), img)
        self.check_question_screen(window, img, label, colour)
        out = self.session.output()
        heard = [f for f in out.find(harness.recording(sound), 0.5, start=asked_at - 0.1)
                 if f.score >= MIN_SCORE]
        self.expect(len(heard) == 1, f"{label}: {sound}.wav heard {len(heard)} times since {asked_at:.2f} s")
        return harness.crop(img, TOP_BAR).copy()

    def test_level_button_brings_back_the_question_it_accepts(self):
        window = self.open_level("Colors", 3, self.TITLE)
        top = self.expect_question(window, None, self.opened_at, BLUE, "blue", "first showing")
        top = self.expect_question(window, top, self.answer(window, BLUE, "question 1"), BLACK, "black",
                                   "question 2")

        window.click(*self.BACK)
        time.sleep(0.5)
        self.assertTrue(window.mapped(), "Back closed Colors level 3")
        again = self.open_level("Colors", 3, self.TITLE)
        self.assertEqual(again.id, window.id)
        top = self.expect_question(window, top, self.opened_at, BLUE, "blue", "level button again")
        top = self.expect_question(window, top, self.answer(window, BLUE, "after the level button"), BLACK,
                                   "black", "answered after the level button")

        window.click(*self.BACK)
        time.sleep(0.5)
        other = self.open_level("Colors", 1, "Colors: Black-White")
        self.wait_question(other, TOP_BAR, None, self.opened_at)
        other.click(*self.BACK)
        self.session.wait_gone(other)
        self.open_level("Colors", 3, self.TITLE)
        top = self.expect_question(window, top, self.opened_at, BLUE, "blue", "after another level")
        self.expect_question(window, top, self.answer(window, BLUE, "after another level"), BLACK, "black",
                             "answered after another level")
        self.assert_no_problems()


if __name__ == "__main__":
    harness.main()
