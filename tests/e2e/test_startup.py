# SPDX-License-Identifier: GPL-3.0-or-later
"""End to end: how a start ends when it cannot or need not open the game. Without a display the
program says so in one line and exits with status 1; a second start on the display of a running
game brings that game's main menu to the front and exits, leaving one main menu. The main menu
makes no sound and loads no sound library; the first level asked for does both.

    python3 tests/e2e/test_startup.py --exe build/tovimar-plumkin [--keep]
"""

import os
import subprocess
import sys
import time
import unittest
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))

import harness  # noqa: E402
import numpy as np  # noqa: E402
from harness import wait_until  # noqa: E402

MAIN_TITLE = "Tovimar Plumkin 0.1.0.0"
CATEGORY_PANEL = (0, 0, 270, 380)  # the main menu's left part, the same on every page


def start_again(session):
    """Another start of the game on the session's display, as the same user; waits for its end."""
    env = dict(session.env, QT_QPA_PLATFORM="xcb", XDG_RUNTIME_DIR=str(session.dir / "runtime"),
               SDL_AUDIODRIVER="dummy")
    return subprocess.run([session.exe], env=env, capture_output=True, text=True, timeout=30,
                          stdin=subprocess.DEVNULL)


class TestWithoutDisplay(unittest.TestCase):
    def test_one_line_and_status_1(self):
        base = {k: v for k, v in os.environ.items()
                if k not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM")}
        base["LANGUAGE"] = "en"
        cases = {
            "no display at all": ({}, "DISPLAY is not set"),
            "no display, in German": ({"LANGUAGE": "de"}, "keine Anzeige, auf der das Spiel erscheinen kann"),
            "X11 asked for, no display": ({"QT_QPA_PLATFORM": "xcb"}, "DISPLAY is not set"),
            "a display nobody serves": ({"DISPLAY": ":7391"}, "cannot open the display :7391"),
        }
        for what, (extra, expected) in cases.items():
            with self.subTest(what):
                r = subprocess.run([harness.OPTIONS.exe], env=dict(base, **extra), capture_output=True,
                                   text=True, timeout=30, stdin=subprocess.DEVNULL)
                self.assertEqual(r.returncode, 1)
                self.assertEqual(r.stdout, "")
                lines = r.stderr.splitlines()
                self.assertEqual(len(lines), 1, r.stderr)
                self.assertIn(expected, lines[0])


class TestSecondStart(harness.GameTest):
    def test_brings_the_main_menu_to_the_front(self):
        session = self.session
        menu = self.main_window.grab(CATEGORY_PANEL)
        # A level window opens over the main menu and hides it.
        level = self.open_level("Colors", 1, "Colors: Black-White")
        level.wait_stable()
        session.wait_quiet()
        self.assertLess(np.mean(np.all(self.main_window.grab(CATEGORY_PANEL) == menu, axis=2)), 0.5)

        second = start_again(session)
        self.assertEqual(second.returncode, 0, second.stderr)
        self.assertEqual(second.stderr, "")
        session.check_running()

        def menu_in_front():
            # All but the pressed category button, which keeps its focus frame.
            return np.mean(np.all(self.main_window.grab(CATEGORY_PANEL) == menu, axis=2)) > 0.98

        wait_until(menu_in_front, what="the main menu to come to the front")
        time.sleep(0.5)  # a second window would have appeared by now
        self.assertEqual(len(session.visible_windows(MAIN_TITLE)), 1)
        self.assertTrue(level.mapped(), "the level window was closed")


class TestStartAfterAKilledGame(harness.GameTest):
    def test_the_next_start_is_the_game_and_answers_later_starts(self):
        session = self.session
        session.program.kill()
        session.program.wait()
        session.wait_gone(self.main_window)
        session.start_program()
        session.find_window(MAIN_TITLE).wait_stable()
        self.assertEqual(start_again(session).returncode, 0)
        time.sleep(0.5)
        self.assertEqual(len(session.visible_windows(MAIN_TITLE)), 1)


def sound_library_loaded(session):
    return "/libSDL2-2.0.so" in Path(f"/proc/{session.program.pid}/maps").read_text()


class TestSoundWaitsForTheFirstLevel(harness.GameTest):
    def test_the_menu_loads_no_sound_library_and_the_first_level_does(self):
        session = self.session
        time.sleep(0.5)
        self.assertFalse(sound_library_loaded(session), "SDL is loaded at the idle main menu")
        self.assertFalse(session.audio_path.exists(), "the sound device opened at the main menu")
        self.open_level("Colors", 1, "Colors: Black-White")
        session.wait_sound(self.opened_at)
        session.wait_quiet()
        self.assertTrue(sound_library_loaded(session))
        found = session.output().find(harness.recording("black"), 0.6)
        self.assertTrue(found, "the first question was not heard")


if __name__ == "__main__":
    harness.main()
