# SPDX-License-Identifier: GPL-3.0-or-later
"""End to end: an exception raised while a press is handled opens the error window instead of
ending the game; the report is saved in the user's state folder; Continue goes on with the
game and Close ends it.

    python3 tests/e2e/test_error_window.py --exe build/tests/tovimar-plumkin-with-fault [--keep]
"""

import os
import sys
import tempfile
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))

import harness  # noqa: E402
from harness import wait_until  # noqa: E402


class TestErrorWindow(harness.GameTest):
    @classmethod
    def setUpClass(cls):
        cls.state = tempfile.TemporaryDirectory(prefix="tp-state-")
        os.environ["XDG_STATE_HOME"] = cls.state.name
        super().setUpClass()

    @classmethod
    def tearDownClass(cls):
        super().tearDownClass()
        del os.environ["XDG_STATE_HOME"]
        cls.state.cleanup()

    def error_window(self):
        """The error window: titled like the program, without the main menu's version."""
        def look():
            self.session.check_running()
            r = self.session.x(["xdotool", "search", "--onlyvisible", "--name", "^Tovimar Plumkin$"],
                               check=False)
            return [harness.Window(self.session, int(w), "error") for w in r.stdout.split()]

        windows = wait_until(look, what="the error window")
        self.assertEqual(len(windows), 1)
        return windows[0]

    def press_shapes(self):
        bx, by = self.CATEGORY_BUTTONS["Shapes"]
        self.main_window.click(bx + 85, by + 25)

    def reports(self):
        return sorted((Path(self.state.name) / "tovimar-plumkin").glob("error-*.txt"))

    def test_continue_then_close(self):
        session = self.session
        self.press_shapes()
        window = self.error_window()
        window.wait_stable()
        session.save("error-window")
        _, _, _, w, h = window.info()
        self.assertLess(w * h, 640 * 480, "the error window is not small")

        reports = wait_until(self.reports, what="the saved report")
        self.assertEqual(len(reports), 1)
        report = reports[0].read_text()
        for part in ("std::runtime_error: injected fault",
                     'MouseButtonPress event to TXiButton "btnShapes" in TfrmMain "frmMain"',
                     "ProductName: Tovimar Plumkin", "FileVersion: 0.1.0.0", "Qt: 6."):
            self.assertIn(part, report)

        # Continue: the window goes, the game runs on and answers the next press.
        session.x(["xdotool", "key", "Return"])
        session.wait_gone(window)
        session.check_running()
        self.assertTrue(self.main_window.mapped())
        self.press_shapes()
        window = self.error_window()
        wait_until(lambda: len(self.reports()) == 2, what="the second report")

        # Close ends the game.
        session.x(["xdotool", "key", "alt+l"])
        wait_until(lambda: session.program.poll() is not None, what="the game to end")
        self.assertEqual(session.program.returncode, 0)


if __name__ == "__main__":
    harness.main()
