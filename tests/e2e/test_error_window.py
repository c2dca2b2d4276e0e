# SPDX-License-Identifier: GPL-3.0-or-later
"""End to end: an exception raised while a press is handled opens the error window instead of
ending the game; the report is saved in the user's state folder; Copy puts it on the clipboard,
Mail hands it to xdg-email (a stand-in here that notes its arguments), Continue goes on with the
game, Restart starts the game afresh (with the command line it was given and the settings chosen
just before) and ends this one, and Close ends it.

    python3 tests/e2e/test_error_window.py --exe build/tests/tovimar-plumkin-with-fault [--keep]
"""

import os
import sys
import tempfile
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))

import harness  # noqa: E402
import numpy as np  # noqa: E402
from harness import wait_until  # noqa: E402

# Notes its arguments, each ended by a NUL, beside itself.
MAIL_STAND_IN = """#!/bin/sh
printf '%s\\0' "$@" > "$(dirname "$0")/mail-arguments.part"
mv "$(dirname "$0")/mail-arguments.part" "$(dirname "$0")/mail-arguments"
"""


def process_gone(pid):
    """True once the process has ended (a zombie counts as ended)."""
    try:
        status = Path(f"/proc/{pid}/status").read_text()
    except OSError:
        return True
    return "\nState:\tZ" in status


HINTS_BOX = (13, 13, 14, 17)  # the main menu's "Show Hints" box


def command_line(pid):
    return Path(f"/proc/{pid}/cmdline").read_bytes().decode().split("\0")[:-1]


class TestErrorWindow(harness.GameTest):
    # Options of the toolkit's own among them, which it takes out of the program's arguments.
    ARGS = ["-name", "tovimar-e2e", "-platform", "xcb"]

    @classmethod
    def setUpClass(cls):
        cls.state = tempfile.TemporaryDirectory(prefix="tp-state-")
        cls.bin = tempfile.TemporaryDirectory(prefix="tp-bin-")
        mail = Path(cls.bin.name) / "xdg-email"
        mail.write_text(MAIL_STAND_IN)
        mail.chmod(0o755)
        cls.saved_path = os.environ["PATH"]
        os.environ["PATH"] = cls.bin.name + os.pathsep + cls.saved_path
        os.environ["XDG_STATE_HOME"] = cls.state.name
        cls.restarted = None
        super().setUpClass()

    @classmethod
    def tearDownClass(cls):
        # The restarted game is no child of ours; it goes with its X server at the latest.
        if cls.restarted and not process_gone(cls.restarted):
            os.kill(cls.restarted, 15)
        super().tearDownClass()
        os.environ["PATH"] = cls.saved_path
        del os.environ["XDG_STATE_HOME"]
        cls.state.cleanup()
        cls.bin.cleanup()

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

    def press_shapes(self, main_window=None):
        bx, by = self.CATEGORY_BUTTONS["Shapes"]
        (main_window or self.main_window).click(bx + 85, by + 25)

    def reports(self):
        return sorted((Path(self.state.name) / "tovimar-plumkin").glob("error-*.txt"))

    def clipboard(self):
        r = self.session.x(["xclip", "-o", "-selection", "clipboard"], check=False, timeout=5)
        return r.stdout if r.returncode == 0 else ""

    def check_copy_and_mail(self, window, report_path):
        session = self.session
        report = report_path.read_text()
        # Copy: the whole report on the clipboard; the window stays.
        session.x(["xdotool", "key", "alt+p"])
        wait_until(lambda: self.clipboard() == report, what="the report on the clipboard")
        self.assertTrue(window.mapped(), "Copy closed the error window")

        # Mail: the report as the body, the saved file attached; the window stays.
        arguments = Path(self.bin.name) / "mail-arguments"
        session.x(["xdotool", "key", "alt+m"])
        wait_until(arguments.exists, what="xdg-email to be called")
        args = arguments.read_text().split("\0")[:-1]
        self.assertEqual(args[args.index("--body") + 1], report)
        self.assertEqual(args[args.index("--attach") + 1], str(report_path))
        self.assertIn("--subject", args)
        self.assertTrue(window.mapped(), "Mail closed the error window")

    def test_copy_mail_continue_restart_close(self):
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
        self.check_copy_and_mail(window, reports[0])

        # Continue: the window goes, the game runs on and answers the next presses: "Show Hints"
        # switched off, then the fault again.
        session.x(["xdotool", "key", "Return"])
        session.wait_gone(window)
        session.check_running()
        self.assertTrue(self.main_window.mapped())
        hints_on = self.main_window.grab(HINTS_BOX)
        self.main_window.click(HINTS_BOX[0] + 6, HINTS_BOX[1] + 6)
        wait_until(lambda: not np.array_equal(self.main_window.grab(HINTS_BOX), hints_on),
                   what="Show Hints to go off")
        hints_off = self.main_window.grab(HINTS_BOX)
        self.press_shapes()
        self.error_window()
        wait_until(lambda: len(self.reports()) == 2, what="the second report")

        # Restart, moments after that choice: this game ends, a new one shows its main menu,
        # started as this one was and with the choice kept.
        first = session.program.pid
        session.x(["xdotool", "key", "alt+r"])
        wait_until(lambda: session.program.poll() is not None, what="the game to end")
        self.assertEqual(session.program.returncode, 0)
        session.program = None  # the session watches no game from here on
        menu = wait_until(lambda: session.visible_windows("Tovimar Plumkin 0.1.0.0"),
                          what="the restarted game's main menu")[0]
        pid = int(session.x(["xdotool", "getwindowpid", str(menu.id)]).stdout)
        self.assertNotEqual(pid, first)
        type(self).restarted = pid
        self.assertEqual(command_line(pid)[1:], self.ARGS)
        menu.wait_stable()
        session.save("restarted")
        self.assertTrue(np.array_equal(menu.grab(HINTS_BOX), hints_off), "Show Hints is on again")

        # Close ends the restarted game.
        self.press_shapes(menu)
        self.error_window()
        session.x(["xdotool", "key", "alt+l"])
        wait_until(lambda: process_gone(pid), what="the restarted game to end")


if __name__ == "__main__":
    harness.main()
