# SPDX-License-Identifier: GPL-3.0-or-later
"""End to end under openbox: what a parent sets up. F11 puts a backdrop over the whole screen with
the menu centred in front and a Colors level maximized over it, rolled in at its maximized size
and place, and F11 again takes it away; the
settings window (Ctrl+comma) halves the voices, which the sound output hears 6 dB quieter; with
"ask before quitting" on, Exit asks, No keeps the game, a click right after the menu came back
is no Exit, and Yes ends the game with exit code 0; "Show Hints" off and the last category
survive a restart. Started with --settings, the game opens its settings in front of the menu.

    python3 tests/e2e/test_parents.py --exe build/tovimar-plumkin [--keep]
"""

import sys
import time
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))

import harness  # noqa: E402
import numpy as np  # noqa: E402
from test_transitions import record, same  # noqa: E402
from xscreen import XScreen  # noqa: E402

MAIN_TITLE = "Tovimar Plumkin 0.1.0.0"
LEVEL_TITLE = "Colors: Black-White"
SETTINGS_TITLE = "Settings for Parents"
# The backdrop and the question carry the bare program name.
BARE_TITLE = "^Tovimar Plumkin$"

BACKDROP_TOP = (255, 255, 255)
BACKDROP_BOTTOM = (255, 225, 164)

EXIT = (517 + 57, 386 + 30)  # main menu, client coordinates
HINTS_BOX = (13, 13, 14, 17)  # the "Show Hints" box
PAGE_RECT = (280, 0, 362, 386)
QUESTION_YES, QUESTION_NO = (40 + 85, 100 + 50), (250 + 85, 100 + 50)
VOICE_SLIDER_MIDDLE = (24 + 256, 188 + 20)
SETTINGS_ASK = (24 + 6, 110 + 12)
SETTINGS_CLOSE = (375 + 85, 456 + 40)
LEVEL_PLAY = (516 + 50, 13 + 25)
MUSIC_BUTTON = (71 + 85, 224 + 25)

HALF_VOLUME_DB = 20 * np.log10(0.5)  # the slider is a linear amplitude scale
DB_TOLERANCE = 1.0


def bare_windows(session):
    r = session.x(["xdotool", "search", "--onlyvisible", "--name", BARE_TITLE], check=False)
    return [harness.Window(session, int(w), "Tovimar Plumkin") for w in r.stdout.split()]


def wm_state(window):
    return window.session.x(["xprop", "-id", str(window.id), "_NET_WM_STATE"], check=False).stdout


def near(colour, expected, tolerance=6):
    return all(abs(int(a) - int(b)) <= tolerance for a, b in zip(colour, expected))


class ParentsTest(harness.GameTest):
    SETTINGS = None  # settings.ini written before the game starts

    ARGS = ()

    @classmethod
    def setUpClass(cls):
        cls.session = harness.Session(name=cls.__name__, window_manager=True, start_program=False,
                                      args=cls.ARGS)
        if cls.SETTINGS:
            folder = cls.session.config_dir / "tovimar-plumkin"
            folder.mkdir(parents=True)
            (folder / "settings.ini").write_text(cls.SETTINGS)
        cls.start_game()

    @classmethod
    def start_game(cls):
        cls.session.start_program()
        cls.main_window = cls.session.find_window(MAIN_TITLE)
        cls.main_window.wait_stable()

    def press_keys(self, window, keys):
        """Gives `window` the keyboard with a click on a spot that does nothing, then types."""
        window.click(*self.NEUTRAL)
        time.sleep(0.2)
        self.session.x(["xdotool", "key", keys])

    NEUTRAL = (20, 360)  # main menu: the left panel below the copyright line


class TestFullScreen(ParentsTest):
    def test_f11_puts_the_game_on_a_backdrop_and_takes_it_away(self):
        session = self.session
        sw, sh = session.screen_size
        before = self.main_window.geometry()
        menu_image = self.main_window.grab()

        self.press_keys(self.main_window, "F11")
        backdrop = harness.wait_until(lambda: (bare_windows(session) or [None])[0], what="the backdrop")
        self.assertIn("_NET_WM_STATE_FULLSCREEN", wm_state(backdrop))
        harness.wait_until(lambda: backdrop.geometry() == (0, 0, sw, sh), what="the backdrop to cover the screen")
        self.main_window.wait_stable()
        screen = session.screenshot()
        self.expect(near(screen[2, 2], BACKDROP_TOP), f"top left corner shows {screen[2, 2]}")
        self.expect(near(screen[sh - 3, sw - 3], BACKDROP_BOTTOM, 10), f"bottom right shows {screen[sh - 3, sw - 3]}")
        x, y, w, h = self.main_window.geometry()
        self.expect((x, y, w, h) == before, f"the menu moved from {before} to {(x, y, w, h)}")
        self.expect(abs(x + w / 2 - sw / 2) <= 8 and abs(y + h / 2 - sh / 2) <= 24,
                    f"the menu is not centred: {(x, y, w, h)}")
        self.expect(np.array_equal(self.main_window.grab(img=screen), menu_image),
                    "the menu is not whole in front of the backdrop")
        session.save("menu-on-backdrop", screen)

        level, frames = self.open_level_recording_the_roll(screen)
        self.expect("MAXIMIZED_VERT" in wm_state(level), "the level did not open maximized")
        x, y, w, h = place = level.geometry()
        self.expect(w >= sw - 10 and h >= sh - 60, f"the level opened at {place}, not maximized")
        self.check_roll_at_the_final_place(frames, place)
        level_image = level.wait_stable(timeout=15)
        self.expect(level.geometry() == place, f"the level moved from {place} to {level.geometry()} after its roll")
        session.save("level-on-backdrop")
        self.expect(len(harness.find_blobs(level_image, harness.BLACK, min_area=5000)) >= 1,
                    "no black circle on the maximized level")
        XScreen(session.display).ask_to_close(level.id)
        session.wait_gone(level)

        self.press_keys(self.main_window, "F11")
        harness.wait_until(lambda: not bare_windows(session), what="the backdrop to go")
        self.main_window.wait_stable()
        screen = session.screenshot()
        self.expect(not near(screen[2, 2], BACKDROP_TOP), "the backdrop still shows")
        self.expect(self.main_window.geometry() == before, "the menu moved")
        session.check_running()
        self.assert_no_problems()


    def open_level_recording_the_roll(self, before):
        """Opens Colors 1 and records the screen until the roll is over."""
        screen = XScreen(self.session.display)
        try:
            self.main_window.click(self.CATEGORY_BUTTONS["Colors"][0] + 85, self.CATEGORY_BUTTONS["Colors"][1] + 25)
            time.sleep(0.3)
            self.main_window.click(self.PAGE_LEFT + 45 + 132, self.LEVEL_TOPS["Colors"][0] + 17)
            frames = record(screen, (0, 0) + self.session.screen_size, 8.0, settle=0.8, min_time=2.5)
        finally:
            screen.close()
        return self.session.find_window(LEVEL_TITLE), frames

    def check_roll_at_the_final_place(self, frames, place):
        """Half-way through the roll, the columns left of the band are the finished window at its
        place: the level rolls in at its maximized size, not at its designed one."""
        x, y, w, h = place
        final = harness.crop(frames[-1][1], place)
        lefts = []
        for t, img in frames:
            new_cols = same(harness.crop(img, place), final).mean(axis=0) > 0.999
            left = w if new_cols.all() else int(np.argmin(new_cols))
            lefts.append((round(t, 2), left))
            if 0.3 * w < left < 0.7 * w:
                self.session.save("level-roll-halfway", img)
                return
        path = self.session.save("level-roll-middle", frames[len(frames) // 2][1])
        self.fail(f"no picture half-way through the roll shows the finished window left of the band: {lefts} ({path})")


class TestParentsSettings(ParentsTest):
    def test_volume_question_and_remembered_choices(self):
        self.check_half_voice_volume()
        self.switch_on_asking()
        self.check_question()
        self.check_no_exit_right_after_back()
        self.check_remembered_after_restart()
        self.assert_no_problems()

    def open_settings(self, window):
        self.press_keys_at(window, (100, 40), "ctrl+comma")
        return self.session.find_window(SETTINGS_TITLE)

    def press_keys_at(self, window, spot, keys):
        window.click(*spot)
        time.sleep(0.2)
        self.session.x(["xdotool", "key", keys])

    def check_half_voice_volume(self):
        session = self.session
        level = self.open_level("Colors", 1, LEVEL_TITLE)
        black = harness.recording("black")
        length = len(black) / harness.audio.OUTPUT_RATE
        session.wait_sound(self.opened_at, timeout=15)
        session.wait_quiet()
        settings = self.open_settings(level)
        settings.wait_stable()
        session.save("settings")
        settings.click(*VOICE_SLIDER_MIDDLE)
        time.sleep(0.2)
        settings.click(*SETTINGS_CLOSE)
        session.wait_gone(settings)
        asked = session.mark("play at half volume")
        level.click(*LEVEL_PLAY)
        session.wait_sound(asked)
        session.wait_quiet()
        out = session.output()
        found = sorted(o.time for o in out.find(black, min_score=0.9, start=self.opened_at))
        self.assertEqual(len(found), 2, f"the prompt was heard at {found}")
        full, half = (out.rms(t, t + length) for t in found)
        change = 20 * np.log10(half / full)
        print(f"\n[e2e] the prompt at half the voice volume: {change:+.2f} dB", file=sys.stderr)
        self.expect(abs(change - HALF_VOLUME_DB) <= DB_TOLERANCE,
                    f"half the voice volume changed the prompt by {change:.2f} dB, not {HALF_VOLUME_DB:.2f}")
        stored = (session.config_dir / "tovimar-plumkin" / "settings.ini").read_text()
        self.expect("VoiceVolume=50" in stored, f"the settings file holds:\n{stored}")
        XScreen(session.display).ask_to_close(level.id)
        session.wait_gone(level)

    def switch_on_asking(self):
        settings = self.open_settings(self.main_window)
        settings.wait_stable()
        settings.click(*SETTINGS_ASK)
        time.sleep(0.2)
        settings.click(*SETTINGS_CLOSE)
        self.session.wait_gone(settings)

    def wait_question(self, timeout=harness.TIMEOUT):
        return harness.wait_until(lambda: (bare_windows(self.session) or [None])[0], timeout,
                                  what="the question")

    def check_question(self):
        time.sleep(0.6)
        self.main_window.click(*EXIT)
        question = self.wait_question()
        question.wait_stable()
        self.session.save("question")
        question.click(*QUESTION_NO)
        self.session.wait_gone(question)
        time.sleep(0.5)
        self.session.check_running()
        self.expect(self.main_window.mapped(), "the menu went away after No")

    def check_no_exit_right_after_back(self):
        """The level's Randomize lies where the menu's Exit is: the click after Back that lands
        there as the menu comes back is not an Exit click."""
        session = self.session
        level = self.open_level("Colors", 1, LEVEL_TITLE)
        session.wait_sound(self.opened_at, timeout=15)
        # The pointer waits on the spot; the click follows as soon as the level is seen to go.
        x, y = self.main_window.to_root(*EXIT)
        session.x(["xdotool", "mousemove", str(x), str(y)])
        screen = XScreen(session.display)
        before = screen.grab(x - 20, y - 20, 40, 40)
        screen.ask_to_close(level.id)
        harness.wait_until(lambda: not np.array_equal(screen.grab(x - 20, y - 20, 40, 40), before),
                           interval=0.05, what="the level to go")
        session.x(["xdotool", "click", "1"])
        screen.close()
        time.sleep(1.0)
        self.expect(not bare_windows(session), "a click at once after the level closed asked to quit")
        for window in bare_windows(session):
            window.click(*QUESTION_NO)

    def check_remembered_after_restart(self):
        session = self.session
        hints_on = self.main_window.grab(HINTS_BOX)
        self.main_window.click(*MUSIC_BUTTON)
        self.main_window.click(HINTS_BOX[0] + 6, HINTS_BOX[1] + 6)
        time.sleep(0.4)
        screen = session.screenshot()
        hints_off = self.main_window.grab(HINTS_BOX, img=screen)
        music_page = self.main_window.grab(PAGE_RECT, img=screen)
        self.assertFalse(np.array_equal(hints_on, hints_off), "the click did not switch Show Hints off")

        time.sleep(0.6)
        self.main_window.click(*EXIT)
        question = self.wait_question()
        question.wait_stable()
        question.click(*QUESTION_YES)
        self.assertEqual(session.program.wait(harness.TIMEOUT), 0, "Yes did not end the game with code 0")

        type(self).start_game()
        screen = session.screenshot()
        self.expect(np.array_equal(self.main_window.grab(HINTS_BOX, img=screen), hints_off),
                    "Show Hints is on again after a restart")
        self.expect(np.array_equal(self.main_window.grab(PAGE_RECT, img=screen), music_page),
                    "the Music page is not shown after a restart")


class TestSettingsAtStart(ParentsTest):
    ARGS = ("--settings",)

    def test_settings_open_in_front_of_the_menu(self):
        session = self.session
        settings = session.find_window(SETTINGS_TITLE)
        settings.wait_stable()
        stacking = session.x(["xprop", "-root", "_NET_CLIENT_LIST_STACKING"]).stdout
        top = int(stacking.split()[-1].strip(","), 16)
        self.expect(top == settings.id, f"the settings are not in front: {stacking.strip()}")
        session.save("settings-at-start")
        self.assert_no_problems()


if __name__ == "__main__":
    harness.main()
