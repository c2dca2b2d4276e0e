# SPDX-License-Identifier: GPL-3.0-or-later
"""End to end: the show transitions as they reach the screen and the ear. The screen is read by
this process through one X connection while the game animates:

- the main menu reveals itself block by block over what lay beneath;
- a level window rolls in: half-way, the new content lies left of a shaded band, the old screen
  right of it; the question is spoken only once the roll is over;
- in a Music level, a click on the asked note during the second between note and name is lost;
- closing the main menu while a Music level rolls in ends the program, and nothing more is heard.

    python3 tests/e2e/test_transitions.py --exe build/tovimar-plumkin [--keep]
"""

import sys
import threading
import time
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))

import harness  # noqa: E402  (first: it finds a Python with numpy)
import numpy as np  # noqa: E402
from xscreen import XScreen  # noqa: E402

MAIN_TITLE = "Tovimar Plumkin 0.1.0.0"
# Where the centred windows lie on the 1280 x 1024 screen, with room to spare.
AREA = (250, 200, 780, 640)
BAND = 60


def record(screen, rect, seconds, settle=0.4, min_time=0.0):
    """Every distinct picture of `rect` within `seconds`, as (time, image); stops early once
    the picture has stood still for `settle` seconds after `min_time`."""
    frames = []
    start = time.monotonic()
    last_change = start
    while True:
        now = time.monotonic()
        img = screen.grab(*rect)
        if not frames or not np.array_equal(img, frames[-1][1]):
            frames.append((now - start, img))
            last_change = now
        if now - start > seconds or (now - start > min_time and now - last_change > settle and len(frames) > 1):
            return frames


class OutputStart(threading.Thread):
    """Where a moment lies in the sound output: the game opens its sound device when the first
    level is asked for, so a click before that has no place in the output's file yet. Watches for
    the file to appear; position(t) is negative for a wall time t before the device opened."""

    def __init__(self, session):
        super().__init__(daemon=True)
        self.path = session.audio_path
        # (wall time, output position) of one moment; read now when the device is open already.
        self.anchor = (time.monotonic(), session.audio_clock()) if self.path.exists() else None
        self.start()

    def run(self):
        deadline = time.monotonic() + harness.TIMEOUT
        while self.anchor is None and time.monotonic() < deadline:
            if self.path.exists():
                self.anchor = (time.monotonic(), 0.0)
            time.sleep(0.005)

    def position(self, t):
        self.join()
        assert self.anchor is not None, "the sound device never opened"
        wall, position = self.anchor
        return position + (t - wall)


def in_area(window):
    """The window's client rectangle in the coordinates of AREA."""
    x, y, w, h = window.geometry()
    return (x - AREA[0], y - AREA[1], w, h)


def same(a, b, tolerance=0):
    return np.all(np.abs(a.astype(np.int16) - b.astype(np.int16)) <= tolerance, axis=-1)


def old_screen_at_roll_start(frames, rect, old, final, band):
    """The old screen as the roll starts from it (the pressed level button included): right of
    the band in the first picture that shows the band."""
    w = rect[2]
    for _, img in frames:
        shown = harness.crop(img, rect)
        new_cols = same(shown, final).mean(axis=0) > 0.999
        if 0 < int(np.argmin(new_cols)) < w - 2 * band:
            start = int(np.argmin(new_cols)) + band + 1
            old = old.copy()
            old[:, start:] = shown[:, start:]
            break
    return old


def edges(size, count):
    return [0] + [int(np.rint(size / count * k)) for k in range(1, count)] + [size]


class TestMainMenuReveal(harness.GameTest):
    @classmethod
    def setUpClass(cls):
        cls.session = harness.Session(name=cls.__name__, start_program=False)
        # A patterned desktop: a screen that reads back all black counts as unreadable, and a
        # pattern shows whether what lies beneath comes back in its place.
        cls.session.x(["xsetroot", "-mod", "5", "7", "-fg", "#4a6f8f", "-bg", "#c8d4de"])
        cls.screen = XScreen(cls.session.display)
        cls.before = cls.screen.grab(*AREA)
        cls.session.start_program()
        cls.frames = record(cls.screen, AREA, 10.0, settle=0.6, min_time=1.0)
        cls.main_window = cls.session.find_window(MAIN_TITLE)

    @classmethod
    def tearDownClass(cls):
        cls.screen.close()
        super().tearDownClass()

    def test_blocks_appear_one_by_one(self):
        rect = in_area(self.main_window)
        _, _, w, h = rect
        old = harness.crop(self.before, rect)
        final = harness.crop(self.frames[-1][1], rect)
        xs, ys = edges(w, round(w / 50)), edges(h, round(h / 50))
        counts = []
        for t, img in self.frames:
            shown = harness.crop(img, rect)
            is_new, is_old = same(shown, final), same(shown, old)
            revealed = 0
            for r in range(len(ys) - 1):
                for c in range(len(xs) - 1):
                    block = np.s_[ys[r]:ys[r + 1], xs[c]:xs[c + 1]]
                    if is_new[block].all():
                        revealed += 1
                    elif not is_old[block].all():
                        path = self.session.save("mixed-block", img)
                        self.fail(f"at {t:.3f} s block row {r + 1} column {c + 1} is neither the old "
                                  f"screen nor the menu ({path})")
            counts.append(revealed)
        blocks = (len(xs) - 1) * (len(ys) - 1)
        partial = [i for i, n in enumerate(counts) if 0 < n < blocks]
        self.assertGreaterEqual(len(partial), 8, f"too few frames part-way through the reveal: {counts}")
        self.assertEqual(counts, sorted(counts), "a revealed block went back to the old screen")
        self.assertEqual(counts[-1], blocks)
        middle = partial[len(partial) // 2]
        self.session.save(f"menu-reveal-{counts[middle]}-of-{blocks}", self.frames[middle][1])
        # From the first block to the whole menu; the picture before the first block may be
        # the screen before the program even started.
        took = self.frames[partial[-1] + 1][0] - self.frames[partial[0]][0]
        self.assertLess(took, 1.5, f"the reveal took {took:.2f} s")


class TestRollThenQuestion(harness.GameTest):
    def test_roll_shows_the_band_between_old_and_new_and_the_prompt_follows(self):
        session = self.session
        screen = XScreen(session.display)
        self.addCleanup(screen.close)
        bx, by = self.CATEGORY_BUTTONS["Colors"]
        self.main_window.click(bx + 85, by + 25)
        time.sleep(0.4)
        before = screen.grab(*AREA)
        output = OutputStart(session)
        session.mark("open Colors 1")
        clicked_at = time.monotonic()
        self.main_window.click(self.PAGE_LEFT + 45 + 132, self.LEVEL_TOPS["Colors"][0] + 17)
        frames = record(screen, AREA, 5.0, settle=0.3, min_time=1.0)
        done = None
        window = session.find_window("Colors: Black-White")
        rect = in_area(window)
        w = rect[2]
        final = harness.crop(frames[-1][1], rect)
        old = old_screen_at_roll_start(frames, rect, harness.crop(before, rect), final, BAND)
        halfway = None
        positions = []
        for t, img in frames:
            shown = harness.crop(img, rect)
            new_cols = same(shown, final).mean(axis=0) > 0.999
            old_cols = same(shown, old).mean(axis=0) > 0.999
            if new_cols.all():
                done = t if done is None else done
                continue
            left = int(np.argmin(new_cols))  # first column not yet the new content
            right = w - int(np.argmin(old_cols[::-1]))  # after the last column not the old screen
            positions.append((round(t, 3), left, right))
            if 0.3 * w < right < 0.7 * w and halfway is None:
                halfway = (t, img, left, right)
        self.assertIsNotNone(halfway, f"no picture half-way through the roll: {positions}")
        t, img, left, right = halfway
        path = session.save("roll-halfway", img)
        self.assertLessEqual(right - left, BAND, f"at {t:.3f} s the band is {right - left} wide ({path})")
        self.assertGreaterEqual(right - left, BAND - 4, f"at {t:.3f} s the band is {right - left} wide ({path})")
        rights = [p[2] for p in positions if p[2] < w]
        self.assertEqual(rights, sorted(rights), f"the band went back: {positions}")
        self.assertGreater(len(positions), 15, f"too few pictures of the roll: {positions}")

        # The prompt starts once the roll is over, not during it.
        self.assertIsNotNone(done)
        session.wait_quiet()
        clicked = output.position(clicked_at)
        out = session.output()
        found = out.find(harness.recording("black"), 0.6, start=max(0.0, clicked), end=clicked + 5)
        self.assertTrue(found, "the question was not heard")
        spoken = found[0].time - clicked
        self.assertGreater(spoken, 1.4, f"the question started {spoken:.2f} s after the click, "
                                        f"during the 1.5 s roll")
        self.assertLess(spoken, 2.5, f"the question started {spoken:.2f} s after the click")


class MusicOpening(harness.GameTest):
    F_LABEL = (283 + 186 / 2, 86 + 9 + 286 / 2)  # the F on the staff of level 1
    TOP_BAR = (0, 0, 767, 86)

    def open_music_level(self):
        bx, by = self.CATEGORY_BUTTONS["Music"]
        self.main_window.click(bx + 85, by + 25)
        time.sleep(0.4)
        self.opened_at = self.session.mark("open Music 1")
        self.main_window.click(self.PAGE_LEFT + 45 + 132, self.LEVEL_TOPS["Music"][0] + 17)


class TestMusicPauseClick(MusicOpening):
    def test_click_on_the_asked_note_during_the_pause_is_lost(self):
        session = self.session
        self.open_music_level()
        window = session.find_window("Music: F-C")
        # The note sounds when the roll has ended; the name follows a second later. The pointer
        # waits over the F, so that one quick command clicks in the pause on a busy machine too.
        session.x(["xdotool", "mousemove", *map(str, window.to_root(*self.F_LABEL))])
        note = session.wait_sound(since=self.opened_at + 1.0)
        clicked = session.mark("click on F during the pause")
        session.x(["xdotool", "click", "1"])
        top = window.grab(self.TOP_BAR)
        session.wait_sound(since=clicked + 0.3)
        session.wait_quiet()
        out = session.output()
        names = [f for f in out.find(harness.recording("F"), 0.6, (1000.0, 4000.0), start=self.opened_at)
                 if f.score >= 0.7]
        self.assertEqual(len(names), 1, f"the name F heard {len(names)} times")
        self.assertLess(clicked, names[0].time, f"the click ({clicked:.2f} s) came after the name "
                                                f"({names[0].time:.2f} s), not in the pause (note {note:.2f} s)")
        claps = out.find(harness.recording("clap")[: int(0.4 * harness.audio.OUTPUT_RATE)], 0.5,
                         start=clicked - 0.1)
        self.assertEqual([c for c in claps if c.score >= 0.7], [], "the click in the pause was answered")
        self.assertTrue(np.array_equal(window.grab(self.TOP_BAR), top), "the question changed")

        # The level still asks for F: the same click now answers it.
        answered = session.mark("click on F")
        window.click(*self.F_LABEL)
        session.wait_sound(since=answered)
        time.sleep(0.6)
        claps = session.output().find(harness.recording("clap")[: int(0.4 * harness.audio.OUTPUT_RATE)], 0.5,
                                      start=answered - 0.1, end=answered + 1.0)
        self.assertTrue([c for c in claps if c.score >= 0.7], "F was not accepted after the pause")


class TestCloseDuringOpening(MusicOpening):
    def test_closing_the_main_menu_while_a_level_rolls_in_ends_the_program_quietly(self):
        session = self.session
        screen = XScreen(session.display)
        self.addCleanup(screen.close)
        self.open_music_level()
        session.find_window("Music: F-C")
        time.sleep(0.3)
        closed = session.mark("close the main menu")
        screen.ask_to_close(self.main_window.id)
        program = session.program
        try:
            code = program.wait(timeout=8)
        except Exception:
            self.fail("the program did not end after its main menu was closed")
        ended = session.mark("program ended")
        session.program = None
        self.assertEqual(code, 0)
        self.assertLess(ended - closed, 4.0, f"the program took {ended - closed:.2f} s to end")
        out = session.output()
        names = [f for f in out.find(harness.recording("F"), 0.6, (1000.0, 4000.0), start=closed)
                 if f.score >= 0.7]
        self.assertEqual(names, [], "the note's name was heard after the main menu was closed")
        self.assertLess(out.peak(closed + 2.5, out.duration), 0.01, "sound after the program ended")


if __name__ == "__main__":
    harness.main()
