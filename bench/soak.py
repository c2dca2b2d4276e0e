# SPDX-License-Identifier: GPL-3.0-or-later
"""Soak: every level of every category played twenty times in one run of the game, with the
resident memory (VmRSS) of the game's process printed after each round.

    python3 bench/soak.py --exe build/tovimar-plumkin [--rounds 20] [--keep]

The levels are played by the end-to-end player (tests/e2e): each question is answered once it
stands on the screen, and the reward is waited for. Sound goes to SDL's dummy driver. The first round opens the music levels
and so loads the synthesizer; the goal is that from then on memory stays within 2 % of that
round's figure. A crash or a hang (a question or window that does not come) ends the run with
an error and exit status 1.
"""

import argparse
import sys
import time
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[1] / "tests" / "e2e"))

import harness  # noqa: E402  (first: it finds a Python with numpy)
from activity import FIELD_RECT, RANDOMIZE, TOP_BAR  # noqa: E402
from test_colors import ColorLevel, TestColorsAll, TestColorsBlackWhite  # noqa: E402
from test_music import TOP_BAR as STAFF_TOP_BAR  # noqa: E402
from test_music import TestMusicEFGABCD, TestMusicFAC, TestMusicFC, TestMusicFGABC  # noqa: E402
from test_shapes import TestShapesCircleTriangle, TestShapesCircleTriangleSquare  # noqa: E402

GOAL_GROWTH = 0.02


class ColorsBlueRedYellow(ColorLevel):
    LEVEL, TITLE, DIAMETER = 2, "Colors: Blue-Red-Yellow", 170
    COLOURS = (harness.BLUE, harness.RED, harness.YELLOW)
    QUESTIONS = (("blue", harness.BLUE), ("red", harness.RED), ("yellow", harness.YELLOW))

    def runTest(self):
        pass


LEVELS = (TestColorsBlackWhite, ColorsBlueRedYellow, TestColorsAll, TestShapesCircleTriangle,
          TestShapesCircleTriangleSquare, TestMusicFC, TestMusicFAC, TestMusicFGABC, TestMusicEFGABCD)


def resident_kib(pid):
    with open(f"/proc/{pid}/status") as f:
        for line in f:
            if line.startswith("VmRSS:"):
                return int(line.split()[1])
    raise RuntimeError("no VmRSS")


def activity_answer(level, window, asked):
    """Where to click the asked figure, shuffling the field while the figures lie too close."""
    for _ in range(12):
        points = level.locate(window.grab(FIELD_RECT), asked)
        if points:
            answer = points[0]
            return answer[0], answer[1] + FIELD_RECT[1]
        window.click(*RANDOMIZE)
        time.sleep(0.3)
        window.wait_stable(FIELD_RECT)
    raise AssertionError(f"{level.TITLE}: could not find the {asked} target")


def wait_asked(window, top_bar, previous_top):
    """Waits until the window shows its next question and its show effect has ended."""
    def changed():
        if not window.mapped():
            return False
        return previous_top is None or not (window.grab(top_bar) == previous_top).all()

    harness.wait_until(changed, what="the next question to be shown")
    return window.wait_stable(settle=0.15)


def open_level(level):
    """Presses the level's button on the main menu; returns its window."""
    return level.open_level(getattr(level, "CATEGORY", None) or "Music", level.LEVEL, level.TITLE)


def play(level, window=None):
    """One level from its button on the main menu (or from its `window`, already opened) to the
    reward's end, answered as soon as each question stands (a music question once its note has
    sounded for a second)."""
    session = level.session
    window = window or open_level(level)
    music = hasattr(level, "NOTES")
    top_bar = STAFF_TOP_BAR if music else TOP_BAR
    questions = level.NOTES if music else level.QUESTIONS
    previous_top = None
    for question in questions:
        img = wait_asked(window, top_bar, previous_top)
        previous_top = harness.crop(img, top_bar).copy()
        if music:
            time.sleep(1.2)
            point = level.label_centre(question)
        else:
            point = activity_answer(level, window, question[1])
        window.click(*point)
    reward = session.find_window("Bravo")
    session.wait_gone(window)
    session.wait_gone(reward)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--rounds", type=int, default=20)
    args, rest = parser.parse_known_args()
    harness.parse_args(rest)

    session = harness.Session(name="soak", audio_driver="dummy")
    try:
        main_window = session.find_window("Tovimar Plumkin 0.1.0.0")
        main_window.wait_stable()
        levels = []
        for cls in LEVELS:
            level = cls("runTest" if cls is ColorsBlueRedYellow else "test_level_played_to_the_end")
            level.session, level.main_window = session, main_window
            levels.append(level)

        pid = session.program.pid
        print(f"{'round':>5} {'minutes':>8} {'VmRSS MB':>9} {'vs round 1':>11}", flush=True)
        print(f"{0:>5} {0.0:8.1f} {resident_kib(pid) / 1024:9.1f}", flush=True)
        start = time.monotonic()
        baseline = None
        figures = []
        for number in range(1, args.rounds + 1):
            for level in levels:
                play(level)
                session.check_running()
            rss = resident_kib(pid)
            figures.append(rss)
            baseline = baseline or rss
            print(f"{number:>5} {(time.monotonic() - start) / 60:8.1f} {rss / 1024:9.1f} "
                  f"{(rss - baseline) / baseline:+10.2%}", flush=True)
        worst = max(figures) / baseline - 1
        print(f"largest growth over round 1: {worst:+.2%} (goal: within {GOAL_GROWTH:.0%})")
        return 0 if worst <= GOAL_GROWTH else 1
    except BaseException:
        session.failed = True
        raise
    finally:
        session.stop()


if __name__ == "__main__":
    sys.exit(main())
