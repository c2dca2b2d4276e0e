# SPDX-License-Identifier: GPL-3.0-or-later
"""End to end: the game in the child's language. Started with LANGUAGE=de, the menu shows its
German captions and Colors level 1 opens as "Farben: Schwarz-Weiß"; with LANGUAGE=fr, Music
level 1 is "Musique : Fa-Do". Started in English, choosing "Deutsch" in the settings turns the
settings window and the menu German at once (the menu shows it once the settings are closed),
and the next start is German too.

The menu's captions are compared as pixels: after the switch they must be exactly those of the
game started in German.

    python3 tests/e2e/test_languages.py --exe build/tovimar-plumkin [--keep]
"""

import sys
import time
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))

import harness  # noqa: E402
import numpy as np  # noqa: E402

MAIN_TITLE = "Tovimar Plumkin 0.1.0.0"
CATEGORIES = (71, 168, 170, 106)  # the Shapes and Music buttons, menu client coordinates
LANGUAGE_BUTTON = (216 + 160, 382 + 22)  # settings client coordinates
SETTINGS_CLOSE = (375 + 85, 456 + 40)
MENU_STEPS_TO_GERMAN = 3  # the list opens with none active: "As the desktop", "English", "Deutsch"

# The menu's category buttons as the game started in German shows them.
german_categories = {}


def category_buttons(main_window):
    return main_window.grab(CATEGORIES)


class LanguageTest(harness.GameTest):
    LANGUAGE = "en"
    ARGS = ()

    @classmethod
    def setUpClass(cls):
        cls.session = harness.Session(name=cls.__name__, language=cls.LANGUAGE, args=cls.ARGS)
        cls.main_window = cls.session.find_window(MAIN_TITLE)
        cls.main_window.wait_stable()


class TestStartedInGerman(LanguageTest):
    LANGUAGE = "de"

    def test_menu_and_colors_level_one_are_german(self):
        session = self.session
        german_categories["menu"] = category_buttons(self.main_window)
        session.save("menu-de")
        level = self.open_level("Colors", 1, "Farben: Schwarz-Weiß")
        level.wait_stable()
        session.save("colors-1-de")


class TestMusicInFrench(LanguageTest):
    LANGUAGE = "fr"

    def test_music_level_one_asks_for_fa(self):
        level = self.open_level("Music", 1, "Musique : Fa-Do")
        level.wait_stable()
        self.session.save("music-1-fr")


class TestSwitchInSettings(LanguageTest):
    ARGS = ("--settings",)

    def test_choosing_german_changes_the_open_windows_and_is_kept(self):
        session = self.session
        if "menu" not in german_categories:
            self.skipTest("needs the German start of TestStartedInGerman")
        english = category_buttons(self.main_window)
        self.assertFalse(np.array_equal(english, german_categories["menu"]), "English and German look alike")
        settings = session.find_window("Tovimar Plumkin: Settings for Parents")
        settings.wait_stable()
        settings.click(*LANGUAGE_BUTTON)
        time.sleep(0.5)
        session.save("language-list")
        session.x(["xdotool", "key", *["Down"] * MENU_STEPS_TO_GERMAN, "Return"])
        settings = session.find_window("Tovimar Plumkin: Einstellungen für Eltern")
        session.save("switched-to-de")
        # The settings cover the menu's buttons.
        settings.click(*SETTINGS_CLOSE)
        session.wait_gone(settings)
        harness.wait_until(lambda: np.array_equal(category_buttons(self.main_window), german_categories["menu"]),
                           what="the menu to show the German captions")
        # The settings are written a moment after the last change.
        stored = session.config_dir / "tovimar-plumkin" / "settings.ini"
        harness.wait_until(lambda: stored.is_file() and "Language=de" in stored.read_text(),
                           what="the language to be kept in the settings file")

        session.program.terminate()
        session.program.wait(5)
        session.args = []
        session.start_program()
        self.main_window = session.find_window(MAIN_TITLE)
        self.main_window.wait_stable()
        self.assertTrue(np.array_equal(category_buttons(self.main_window), german_categories["menu"]),
                        "the next start is not German")


if __name__ == "__main__":
    harness.main()
