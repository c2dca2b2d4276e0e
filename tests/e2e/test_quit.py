# SPDX-License-Identifier: GPL-3.0-or-later
"""End to end: the game closed at any moment of its first second ends cleanly. Twenty starts on
one X server; each main menu is asked to close (as its close box does) at a random moment of
the first second after the start, or as soon as it is on screen when that moment comes earlier.
Every run must end by itself with exit status 0 and print nothing.

    python3 tests/e2e/test_quit.py --exe build/tovimar-plumkin [--keep]

TP_QUIT_SEED=N replays the moments of an earlier run (each run prints its seed).
"""

import os
import random
import sys
import time
import unittest
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))

import harness  # noqa: E402
from xscreen import XScreen  # noqa: E402

MAIN_TITLE = "Tovimar Plumkin 0.1.0.0"
RUNS = 20
# Ending takes well under a second; more means a hang.
EXIT_TIMEOUT = 10.0


class TestQuitAtAnyMoment(unittest.TestCase):
    def test_every_close_in_the_first_second_exits_0(self):
        seed = int(os.environ.get("TP_QUIT_SEED", time.time_ns() % 1_000_000))
        print(f"\n[e2e] TP_QUIT_SEED={seed}", file=sys.stderr)
        moments = random.Random(seed).sample(range(1000), RUNS)
        # The dummy driver runs its own audio thread as a device would, and says nothing.
        session = harness.Session(name="quit", start_program=False, audio_driver="dummy")
        screen = XScreen(session.display)
        try:
            problems = []
            for run, moment in enumerate(moments):
                problem = self.close_at(session, screen, moment / 1000.0)
                if problem:
                    problems.append(f"run {run + 1}, close at {moment} ms: {problem}")
            if problems:
                session.failed = True
            self.assertEqual(problems, [], "\n".join(problems))
        finally:
            screen.close()
            session.stop()

    def close_at(self, session, screen, moment):
        """Starts the game, asks its main menu to close `moment` seconds after the start (or when
        it appears, if later) and waits for the end; returns what went wrong, or None."""
        session.start_program()
        program = session.program
        time.sleep(max(0.0, session.started + moment - time.monotonic()))
        windows = harness.wait_until(lambda: program.poll() is not None or session.visible_windows(MAIN_TITLE),
                                     what="the main menu")
        if program.poll() is not None:
            return f"ended before its main menu appeared, status {program.returncode}"
        closed = time.monotonic() - session.started
        screen.ask_to_close(windows[0].id)
        try:
            status = program.wait(EXIT_TIMEOUT)
        except Exception:
            program.kill()
            program.wait()
            return f"still running {EXIT_TIMEOUT:.0f} s after the close (asked at {closed:.3f} s)"
        session.program = None
        output = session.program_log()
        if status != 0:
            return f"exit status {status} (asked at {closed:.3f} s):\n{output[-3000:]}"
        if output:
            return f"printed (asked at {closed:.3f} s):\n{output[-3000:]}"
        return None


if __name__ == "__main__":
    harness.main()
