# SPDX-License-Identifier: GPL-3.0-or-later
"""End to end: a key pressed while a level window rolls in waits for the roll to end. Ctrl+comma
pressed half-way through the roll of Colors level 1 opens the settings only once the roll's
render window is gone, and the level still asks its question.

    python3 tests/e2e/test_input_during_roll.py --exe build/tovimar-plumkin [--keep]
"""

import sys
import time
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))

import harness  # noqa: E402
from xscreen import MapEvents  # noqa: E402

INTO_ROLL = 0.5
SETTINGS_TITLE = "Settings for Parents"
RENDER_TITLE = "teRenderWindow"


class TestInputDuringRoll(harness.GameTest):
    def test_key_waits_for_the_end_of_the_roll(self):
        session = self.session
        maps = MapEvents(session.display)
        maps.start()
        try:
            self.open_level("Colors", 1, "Colors: Black-White")
            time.sleep(INTO_ROLL)
            session.x(["xdotool", "key", "ctrl+comma"])
            settings = session.find_window(SETTINGS_TITLE)
            heard = session.wait_sound(self.opened_at, timeout=15)
            session.wait_quiet()
        finally:
            events = maps.stop()
        settings.wait_stable()
        session.save("settings-after-roll")
        order = [e for e in events if e[1] in (RENDER_TITLE, SETTINGS_TITLE) or SETTINGS_TITLE in e[1]]
        render_gone = max((i for i, e in enumerate(order) if e == ("unmap", RENDER_TITLE)), default=None)
        settings_shown = next((i for i, e in enumerate(order) if e[0] == "map" and SETTINGS_TITLE in e[1]), None)
        self.assertIsNotNone(render_gone, f"the roll's render window was never seen to go: {order}")
        self.assertIsNotNone(settings_shown, f"the settings window was never mapped: {order}")
        self.assertLess(render_gone, settings_shown,
                        f"the key was handled inside the roll, before its render window went: {order}")
        found = session.output().find(harness.recording("black"), start=heard - 0.5)
        self.assertTrue(found, "the question was not spoken after the roll")


if __name__ == "__main__":
    harness.main()
