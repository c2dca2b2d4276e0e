"""End to end: Colors levels 1 and 3 played to the end with real clicks on the circles found on
screen, a wrong circle and the empty field clicked before every answer, and the spoken prompts
and the applause checked in the sound output.

    python3 tests/e2e/test_colors.py --exe build/tovimar-plumkin [--keep]
"""

import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))

import harness  # noqa: E402
from activity import ActivityTest, HINT_RECT, empty_spot, safest_point  # noqa: E402
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


if __name__ == "__main__":
    harness.main()
