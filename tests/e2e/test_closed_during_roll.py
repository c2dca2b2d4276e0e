# SPDX-License-Identifier: GPL-3.0-or-later
"""End to end: a level window closed half a second into its roll (by its close box) goes without
a word. Nothing may be heard from it afterwards: no spoken question, no note, no note name.

    python3 tests/e2e/test_closed_during_roll.py --exe build/tovimar-plumkin [--keep]
"""

import sys
import time
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))

import harness  # noqa: E402
from xscreen import XScreen  # noqa: E402

INTO_ROLL = 0.5
# Past the end of the longest roll (2 s) and the music's one-second pause, with room to spare.
LISTEN = 4.0
SILENT = 0.003  # the harness's own threshold of quiet, here for every sample


class TestClosedDuringRoll(harness.GameTest):
    def test_level_says_nothing_afterwards(self):
        session = self.session
        screen = XScreen(session.display)
        try:
            for category, level, title in (("Music", 1, "Music: F-C"), ("Colors", 1, "Colors: Black-White")):
                with self.subTest(title):
                    window = self.open_level(category, level, title)
                    # Mapped when its roll starts, under the render window.
                    time.sleep(INTO_ROLL)
                    closed_at = session.mark(f"close {title}")
                    screen.ask_to_close(window.id)
                    session.wait_gone(window)
                    time.sleep(LISTEN)
                    heard_until = session.mark(f"listened after {title}")
                    out = session.output()
                    peak = out.peak(closed_at, heard_until)
                    self.assertLess(peak, SILENT, f"{title} was heard after it was closed (peak {peak:.4f})")
                    session.check_running()
                    self.main_window.wait_stable()
        finally:
            screen.close()


if __name__ == "__main__":
    harness.main()
