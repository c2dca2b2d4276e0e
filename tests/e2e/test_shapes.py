# SPDX-License-Identifier: GPL-3.0-or-later
"""End to end: both Shapes levels played to the end. The white figures are found on screen and
told apart by how much of their bounding box they fill; the triangle is always answered in the
empty upper-left corner of its box, which belongs to the figure's control as much as the drawn
triangle does. A wrong figure and the empty field are clicked before every answer, and the
prompts and the applause are checked in the sound output.

    python3 tests/e2e/test_shapes.py --exe build/tovimar-plumkin [--keep]
"""

import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))

import harness  # noqa: E402
from activity import ActivityTest, empty_spot, safest_point  # noqa: E402

MARGIN = 4
HINT_FIGURE_RECT = (288, 10, 65, 65)  # the three hint figures lie on top of each other here


def kind_of(blob):
    """'square', 'circle' or 'triangle' from the share of its bounding box a figure fills."""
    if blob.fill > 0.92:
        return "square"
    if blob.fill > 0.65:
        return "circle"
    if blob.fill > 0.35:
        return "triangle"
    return "unknown"


class ShapeLevel(ActivityTest):
    CATEGORY = "Shapes"
    TITLE = "Shapes: Circle-Triangle"  # both levels carry this caption
    SIZE = None  # side of every answer figure's control
    KINDS = ()

    def figures(self, field_img):
        blobs = harness.find_blobs(field_img, harness.WHITE, min_area=1000)
        found = {}
        for blob in blobs:
            found.setdefault(kind_of(blob), []).append(blob)
        self.assertEqual(sorted(found), sorted(self.KINDS),
                         f"figures on the field: {blobs} (expected one of each of {self.KINDS})")
        self.assertTrue(all(len(v) == 1 for v in found.values()), f"figures: {found}")
        return {k: v[0] for k, v in found.items()}

    def control_box(self, kind, blob):
        """The figure control's rectangle, from its white inside: the outline (pen 2) lies around
        it and the shadow right and below; the triangle's inside reaches its box's bottom edge
        but, near the apex, not its top."""
        s = self.SIZE
        if kind == "triangle":
            left, top = blob.x0 - 3, blob.y1 + 4 - s
        else:
            left, top = blob.x0 - 2, blob.y0 - 2
        return left, top, left + s, top + s

    def locate(self, field_img, asked):
        figures = self.figures(field_img)
        boxes = {k: self.control_box(k, b) for k, b in figures.items()}
        # Figures never overlap, but stay clear of the neighbours' boxes anyway.
        guard = {k: (x0 - 3, y0 - 3, x1 + 3, y1 + 3) for k, (x0, y0, x1, y1) in boxes.items()}
        if asked == "triangle":
            x0, y0, _, _ = boxes["triangle"]
            answer = (x0 + 8, y0 + 8)
            self.assertTrue(
                harness.colour_mask(field_img[answer[1]:answer[1] + 1, answer[0]:answer[0] + 1],
                                    harness.FIELD, 4).all()
                or harness.colour_mask(field_img[answer[1]:answer[1] + 1, answer[0]:answer[0] + 1],
                                       harness.GRID, 4).all(),
                f"the corner {answer} of the triangle's box is not bare field")
        else:
            blob = figures[asked]
            answer = safest_point(blob.xs, blob.ys, [r for k, r in guard.items() if k != asked],
                                  MARGIN, prefer=(blob.cx, blob.cy))
        wrong_kind = next(k for k in self.KINDS if k != asked)
        blob = figures[wrong_kind]
        wrong = safest_point(blob.xs, blob.ys, [r for k, r in guard.items() if k != wrong_kind],
                             MARGIN, prefer=(blob.cx, blob.cy))
        empty = empty_spot(field_img, list(guard.values()))
        if answer and wrong and empty:
            return answer, wrong, empty
        return None

    def check_question_screen(self, window, img, step, asked):
        # "Show Hints" is on: exactly the asked figure shows, small and black, in the top bar.
        hint = harness.crop(img, HINT_FIGURE_RECT)
        blobs = harness.find_blobs(hint, harness.BLACK, min_area=200, size=3)
        self.assertEqual(len(blobs), 1, f"step {step}: hint figures {blobs}")
        self.assertEqual(kind_of(blobs[0]), asked, f"step {step}: the hint shows {blobs[0]}")


class TestShapesCircleTriangle(ShapeLevel):
    LEVEL, SIZE = 1, 170
    KINDS = ("circle", "triangle")
    QUESTIONS = (("triangle", "triangle"), ("circle", "circle"))

    def test_level_played_to_the_end(self):
        self.play_level()


class TestShapesCircleTriangleSquare(ShapeLevel):
    LEVEL, SIZE = 2, 150
    KINDS = ("circle", "triangle", "square")
    QUESTIONS = (("circle", "circle"), ("square", "square"), ("triangle", "triangle"))

    def test_level_played_to_the_end(self):
        self.play_level()


if __name__ == "__main__":
    harness.main()
