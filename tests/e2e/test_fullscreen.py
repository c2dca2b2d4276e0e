# SPDX-License-Identifier: GPL-3.0-or-later
"""End to end under openbox: full screen holds. Started with --full-screen, the backdrop stays out
of task lists and never demands attention; a click on it while Music level 1 or Colors level 2 is
open leaves the level in front, at every question (each one maps the level's window anew). A
level opened on the backdrop at 1920 x 1080 has its hint, Play and Randomize, and keeps them
through F11 pressed four times. Music level 1 fills the screen too, its staff grown and still
answering where its notes are drawn, and is its own size again out of full screen. A level made
full screen while open keeps that size from question to question and its own size afterwards.

    python3 tests/e2e/test_fullscreen.py --exe build/tovimar-plumkin [--keep]
"""

import sys
import time
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))

import harness  # noqa: E402
import numpy as np  # noqa: E402
from activity import safest_point  # noqa: E402
from harness import BLACK, BLUE, RED, WHITE, YELLOW  # noqa: E402
from test_keys import ring_box  # noqa: E402
from test_parents import BARE_TITLE, ParentsTest, bare_windows, wm_state  # noqa: E402

MAIN_TITLE = "Tovimar Plumkin 0.1.0.0"
# Colors levels as designed: client 642 x 466, top bar 86 high, bottom bar from 386.
DESIGN_W, DESIGN_H = 642, 466
PLAY = (516 + 57, 13 + 30)
RANDOMIZE = (517 + 57, 386 + 10 + 30)


def transient_for(window):
    return window.session.x(["xprop", "-id", str(window.id), "WM_TRANSIENT_FOR"], check=False).stdout


class TestBackdropKeepsTheGameInFront(ParentsTest):
    ARGS = ("--full-screen",)

    def test_clicks_on_the_backdrop_leave_every_question_in_front(self):
        session = self.session
        backdrop = harness.wait_until(lambda: (bare_windows(session) or [None])[0], what="the backdrop")
        state = wm_state(backdrop)
        for name in ("FULLSCREEN", "SKIP_TASKBAR", "SKIP_PAGER"):
            self.expect(f"_NET_WM_STATE_{name}" in state, f"the backdrop lacks {name}: {state.strip()}")
        self.expect("DEMANDS_ATTENTION" not in state, f"the backdrop demands attention: {state.strip()}")
        self.check_in_front(self.main_window, "the menu")

        level = self.open_level("Music", 1, "Music: F-C")
        for step, note in enumerate("FC", 1):
            level.wait_stable(timeout=15)
            self.check_in_front(level, f"Music 1 question {step}")
            _, _, w, h = level.geometry()
            level.click(*scaled_note(w, h, note))
            time.sleep(0.5)
        self.wait_reward_over(level)

        level = self.open_level("Colors", 2, "Colors: Blue-Red-Yellow")
        for step in range(1, 4):
            harness.wait_until(level.mapped, what="the next question")
            level.wait_stable(timeout=15)
            self.check_in_front(level, f"Colors 2 question {step}")
            self.answer_colour(level, step)
        self.wait_reward_over(level)
        self.assert_no_problems()

    def check_in_front(self, window, what):
        """A click on the backdrop's bottom-left corner leaves `window` whole in front."""
        session = self.session
        sw, sh = session.screen_size
        self.expect(f"0x{backdrop_id(session):x}" in transient_for(window),
                    f"{what}: not kept in front of the backdrop ({transient_for(window).strip()})")
        x, y, w, h = window.geometry()
        centre = (w // 2 - 40, h // 2 - 40, 80, 80)
        before = window.grab(centre)
        session.click_root(3, sh - 3)
        time.sleep(0.4)
        after = window.grab(centre)
        if not (window.mapped() and np.array_equal(before, after)):
            path = session.save("backdrop-click")
            self.problems.append(f"{what}: a click on the backdrop hid the window ({path})")

    def answer_colour(self, level, step):
        """Clicks the circle of the colour the hint swatch shows."""
        img = level.grab()
        h, w, _ = img.shape
        ry = h / DESIGN_H
        top, field = img[:int(86 * ry)], img[int(86 * ry):int(386 * ry)]
        colours = (BLUE, RED, YELLOW)
        swatches = {c: harness.find_blobs(top, c, min_area=400) for c in colours}
        asked = max(colours, key=lambda c: swatches[c][0].area if swatches[c] else 0)
        self.assertTrue(swatches[asked], f"Colors 2 question {step}: no hint swatch")
        blob = harness.find_blobs(field, asked, min_area=400)[0]
        others = [(b.x0, b.y0, b.x1, b.y1) for c in colours if c != asked
                  for b in harness.find_blobs(field, c, min_area=400)]
        point = safest_point(blob.xs, blob.ys, others, 4, prefer=(blob.cx, blob.cy))
        self.assertIsNotNone(point, f"Colors 2 question {step}: the asked circle is covered")
        level.click(point[0], point[1] + int(86 * ry))
        time.sleep(0.5)

    def wait_reward_over(self, level):
        session = self.session
        harness.wait_until(lambda: session.visible_windows("Bravo"), what="the reward")
        harness.wait_until(lambda: not level.mapped() and not session.visible_windows("Bravo"),
                           what="the reward to close")
        self.main_window.wait_stable()


def backdrop_id(session):
    r = session.x(["xdotool", "search", "--name", BARE_TITLE], check=False)
    ids = [int(w) for w in r.stdout.split()]
    return max(ids, key=lambda i: "FULLSCREEN" in session.x(["xprop", "-id", str(i), "_NET_WM_STATE"],
                                                          check=False).stdout) if ids else 0


class TestFullScreenKeepsTheButtons(ParentsTest):
    @classmethod
    def setUpClass(cls):
        cls.session = harness.Session(name=cls.__name__, window_manager=True, screen=(1920, 1080))
        cls.main_window = cls.session.find_window(MAIN_TITLE)
        cls.main_window.wait_stable()

    def test_a_level_opened_in_full_screen_keeps_its_buttons_through_f11(self):
        session = self.session
        self.press_keys(self.main_window, "F11")
        harness.wait_until(lambda: bare_windows(session), what="the backdrop")
        self.main_window.wait_stable()
        level = self.open_level("Colors", 1, "Colors: Black-White")
        level.wait_stable(timeout=15)
        session.wait_quiet()
        self.check_buttons(level, "opened in full screen")
        for press in range(4):
            session.x(["xdotool", "key", "F11"])
            time.sleep(1.0)
            level.wait_stable(timeout=15)
        self.check_buttons(level, "after F11 four times")
        session.x(["xdotool", "key", "Escape"])
        session.wait_gone(level)
        self.assert_no_problems()

    def check_buttons(self, level, when):
        """The hint shows the asked black, Play says the question again, Randomize moves the
        circles: each where the window's size puts it."""
        session = self.session
        img = level.grab()
        session.save(f"level-{when.replace(' ', '-')}", session.screenshot())
        h, w, _ = img.shape
        rx, ry = w / DESIGN_W, h / DESIGN_H
        top = img[:int(86 * ry)]
        self.expect(harness.find_blobs(top, BLACK, min_area=400), f"{when}: no hint swatch")

        since = session.wait_quiet()
        level.click(PLAY[0] * rx, PLAY[1] * ry)
        try:
            session.wait_sound(since, timeout=5)
        except AssertionError:
            self.problems.append(f"{when}: Play said nothing")
        session.wait_quiet()

        field = (0, int(86 * ry), w, int(300 * ry))
        before = level.grab(field)
        for attempt in range(3):  # a new random place may, rarely, be the same
            level.click(RANDOMIZE[0] * rx, RANDOMIZE[1] * ry)
            time.sleep(0.5)
            if not np.array_equal(level.wait_stable(field), before):
                return
        self.problems.append(f"{when}: Randomize did not move the circles")

    def test_music_fills_the_screen_with_a_staff_that_answers_where_it_is_drawn(self):
        """Music level 1 in full screen covers the screen, its staff grown and centred: the asked F
        answers a click at its grown place, the asked C the keys, with the ring round it. Out of
        full screen the level is its own 767 x 471 again, with the staff as it always was."""
        session = self.session
        if bare_windows(session):
            self.toggle_full_screen(on=False)
        level = self.open_level("Music", 1, "Music: F-C")
        normal_staff = self.music_question(level)[MUSIC_TOP:MUSIC_TOP + MUSIC_STAFF_H]
        session.x(["xdotool", "key", "Escape"])
        session.wait_gone(level)
        self.main_window.wait_stable()

        self.toggle_full_screen(on=True)
        level = self.open_level("Music", 1, "Music: F-C")
        img = self.music_question(level)
        path = session.save("music-full-screen", session.screenshot())
        _, _, w, h = level.geometry()
        sw, sh = session.screen_size
        self.assertTrue(w == sw and h > sh * 0.9, f"Music 1 in full screen is {w} x {h}; {path}")
        asked = self.music_question(level, after=lambda: level.click(*scaled_note(w, h, "F")))
        path = session.save("music-full-screen-c", session.screenshot())
        self.expect(not np.array_equal(asked[:MUSIC_TOP], img[:MUSIC_TOP]), f"a click on the grown F did not answer; {path}")

        cx, cy = scaled_note(w, h, "C")
        for _ in range(4):
            session.x(["xdotool", "key", "Right"])
            time.sleep(0.3)
            ring = ring_box(level.grab())
            if ring and ring[0] < cx < ring[2] and ring[1] < cy < ring[3]:
                break
        else:
            self.fail(f"the ring never came round the grown C; {session.save('music-ring')}")
        self.assertGreater(ring[3] - ring[1], 1.5 * MUSIC_STAFF_H, "the ring is round a note of the normal size")
        session.x(["xdotool", "key", "Return"])
        reward = session.find_window("Bravo")
        session.wait_gone(level)
        session.wait_gone(reward)
        self.main_window.wait_stable()

        level = self.open_level("Music", 1, "Music: F-C")
        level.wait_stable(timeout=15)
        self.toggle_full_screen(on=False)
        _, _, w, h = level.geometry()
        self.assertEqual((w, h), (767, 471), "out of full screen the level keeps the size it had in it")
        staff = level.wait_stable()[MUSIC_TOP:MUSIC_TOP + MUSIC_STAFF_H]
        self.expect(np.array_equal(staff, normal_staff),
                    f"the staff is not drawn as before full screen; {session.save('music-after-full-screen')}")

        # Full screen again with the level open: laid out for its new size, the bottom bar's
        # warm foot at the window's foot.
        self.toggle_full_screen(on=True)
        _, _, w, h = level.geometry()
        foot = level.wait_stable(timeout=15)[h - 5, w // 2]
        self.expect(w == sw and foot[2] < 200, f"Music 1 made full screen while open: {w} x {h}, colour {foot} "
                                               f"at its foot; {session.save('music-full-screen-again')}")
        self.toggle_full_screen(on=False)
        self.assertEqual(tuple(level.geometry()[2:]), (767, 471))
        session.x(["xdotool", "key", "Escape"])
        session.wait_gone(level)
        self.assert_no_problems()

    def toggle_full_screen(self, on):
        self.session.x(["xdotool", "key", "F11"])
        harness.wait_until(lambda: bool(bare_windows(self.session)) == on, what=f"full screen {on}")
        time.sleep(1.0)

    def music_question(self, level, after=None):
        """Waits until the level has asked its question (after `after`, when given) and is still."""
        since = self.session.wait_quiet()
        if after:
            after()
        self.session.wait_sound(since, timeout=15)
        self.session.wait_quiet()
        return level.wait_stable(timeout=15)


# Music level 1 as laid out: the staff panel between the 86 high top bar and the 80 high bottom
# bar of a 767 x 471 client; in it the staff row from x 50 to 717, 9 to 295, and the middle of
# each note's label, from the row's top left corner.
MUSIC_TOP, MUSIC_STAFF_H = 86, 305
MUSIC_ROW = (50, 9, 667, 286)
MUSIC_NOTE_MIDDLES = {"F": (283 - 50 + 93, 143), "C": (469 - 50 + 77, 143)}


class TestFullScreenWhileOpen(ParentsTest):
    @classmethod
    def setUpClass(cls):
        cls.session = harness.Session(name=cls.__name__, window_manager=True, screen=(1920, 1080))
        cls.main_window = cls.session.find_window(MAIN_TITLE)
        cls.main_window.wait_stable()

    def test_f11_with_a_level_open_keeps_its_size_at_every_question_and_gives_it_back(self):
        """Made full screen while open, Colors 1 is mapped anew at each question at the same
        size, and out of full screen it is the window it was."""
        session = self.session
        level = self.open_level("Colors", 1, "Colors: Black-White")
        level.wait_stable(timeout=15)
        normal = level.geometry()
        self.toggle_full_screen(on=True)
        level.wait_stable(timeout=15)
        full = level.geometry()
        self.expect(full[2:] == session.screen_size, f"Colors 1 made full screen: {full}")
        # Grown, the circles stand where the layout has them, which may overlap: Randomize
        # places them apart at the new size.
        rx, ry = full[2] / DESIGN_W, full[3] / DESIGN_H
        level.click(RANDOMIZE[0] * rx, RANDOMIZE[1] * ry)
        time.sleep(0.5)
        img = level.wait_stable()
        field = img[int(86 * ry):int(386 * ry)]
        blob = harness.find_blobs(field, BLACK, min_area=400)[0]
        others = [(b.x0, b.y0, b.x1, b.y1) for b in harness.find_blobs(field, WHITE, min_area=400)]
        point = safest_point(blob.xs, blob.ys, others, 4, prefer=(blob.cx, blob.cy))
        self.assertIsNotNone(point, f"the black circle is covered; {session.save('black-covered')}")
        level.click(point[0], point[1] + int(86 * ry))
        harness.wait_until(lambda: not level.mapped(), what="the level to roll away")
        harness.wait_until(level.mapped, what="the second question")
        level.wait_stable(timeout=15)
        self.expect(level.geometry() == full, f"question 2 at {level.geometry()}, question 1 at {full}")
        self.toggle_full_screen(on=False)
        level.wait_stable(timeout=15)
        self.expect(level.geometry() == normal, f"out of full screen at {level.geometry()}, before at {normal}")
        session.x(["xdotool", "key", "Escape"])
        session.wait_gone(level)
        self.assert_no_problems()

    toggle_full_screen = TestFullScreenKeepsTheButtons.toggle_full_screen


def scaled_note(w, h, note):
    """Client point of a note's middle in a Music 1 window of client size w x h."""
    panel_h = h - MUSIC_TOP - 80
    scale = max(1.0, min(w / 767, panel_h / MUSIC_STAFF_H))
    left = (w - MUSIC_ROW[2] * scale) / 2
    top = MUSIC_TOP + (panel_h - MUSIC_ROW[3] * scale) / 2
    dx, dy = MUSIC_NOTE_MIDDLES[note]
    return int(left + dx * scale), int(top + dy * scale)


if __name__ == "__main__":
    harness.main()
