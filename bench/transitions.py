# SPDX-License-Identifier: GPL-3.0-or-later
"""Show transitions measured from outside the program, under Xvfb, printed next to their goals.

    python3 bench/transitions.py --exe build/bench/bench_transition_show [--runs 3]

bench_transition_show shows a 650 x 500 window with the roll (1500 ms) and then a 642 x 466
window with the block reveal (1000 ms), each when told to. Meanwhile this script reads lines of
the window's place on the screen through one X connection as fast as it can and notes the time
of every change. Printed per run:
- duration: from the first changed picture to the last, against Milliseconds (goal within 2 %);
- frames: the frames the effect drew (reported by the program) and the changes seen here;
- longest gap between two changes reaching the screen (goal under 16 ms), and the reading's
  own resolution (the mean and longest time of one read).
"""

import argparse
import statistics
import subprocess
import sys
import time
from pathlib import Path

REPO = Path(__file__).resolve().parents[1]
sys.path.insert(0, str(REPO / "tests" / "e2e"))

import harness  # noqa: E402
import numpy as np  # noqa: E402
from xscreen import XScreen  # noqa: E402

RUNS = {"roll": ((100, 100, 650, 500), 1500), "blocks": ((100, 100, 642, 466), 1000)}
GOAL_DURATION = 0.02
GOAL_GAP_MS = 16.0


def probes(rect, name):
    """One-pixel lines of `rect` that every frame changes: one through the middle for the roll
    (its band crosses every line), one through every row of blocks for the reveal. Reading a few
    lines instead of the whole rectangle keeps each look at the screen short."""
    x, y, w, h = rect
    if name == "roll":
        return [(x, y + h // 2, w, 1)]
    rows = round(h / 50)
    return [(x, y + int((r + 0.5) * h / rows), w, 1) for r in range(rows)]


def still(screen, lines, quiet=0.3, limit=5.0):
    """What `lines` show once they have not changed for `quiet` seconds: the window of the run
    before may still be going away."""
    last = [screen.grab(*line) for line in lines]
    since = start = time.monotonic()
    while time.monotonic() - since < quiet and time.monotonic() - start < limit:
        time.sleep(0.01)
        now = [screen.grab(*line) for line in lines]
        if any(not np.array_equal(a, b) for a, b in zip(now, last)):
            last, since = now, time.monotonic()
    return last


def watch(screen, lines, program, settle=0.6, limit=10.0):
    """Times of every change seen on `lines` after the program is told to go, and read times."""
    last = still(screen, lines)
    program.stdin.write("go\n")
    program.stdin.flush()
    changes, reads = [], []
    start = time.monotonic()
    while True:
        t0 = time.monotonic()
        now = [screen.grab(*line) for line in lines]
        t1 = time.monotonic()
        reads.append(t1 - t0)
        if any(not np.array_equal(a, b) for a, b in zip(now, last)):
            changes.append(t1)
            last = now
        if changes and t1 - changes[-1] > settle or t1 - start > limit:
            return changes, reads


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--exe", default=str(REPO / "build" / "bench" / "bench_transition_show"))
    parser.add_argument("--runs", type=int, default=3)
    args = parser.parse_args()
    print(f"{'effect':8s} {'size':>9s} {'ms':>5s} {'duration':>9s} {'error':>7s} {'drawn':>6s} "
          f"{'seen':>5s} {'max gap':>8s} {'read':>12s}  inside")
    for _ in range(args.runs):
        session = harness.Session(name="bench-transitions", start_program=False)
        # A desktop of one colour, as a real one has: on Xvfb's black root the program would
        # cover its place with the window's own colour first (it never shows black).
        session.x(["xsetroot", "-solid", "#4a6f8f"])
        screen = XScreen(session.display)
        program = subprocess.Popen([args.exe], env=dict(session.env, QT_QPA_PLATFORM="xcb"), text=True,
                                   stdin=subprocess.PIPE, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
        try:
            for name, (rect, ms) in RUNS.items():
                changes, reads = watch(screen, probes(rect, name), program)
                report = program.stdout.readline().split()
                duration = (changes[-1] - changes[0]) * 1000 if len(changes) > 1 else float("nan")
                gaps = np.diff(changes) * 1000 if len(changes) > 1 else np.array([float("nan")])
                error = (duration - ms) / ms
                print(f"{name:8s} {rect[2]:4d}x{rect[3]:<4d} {ms:5d} {duration:7.1f}ms {error:+6.1%} "
                      f"{report[2]:>6s} {len(changes):5d} {gaps.max():6.1f}ms "
                      f"{statistics.mean(reads) * 1000:4.1f}/{max(reads) * 1000:4.1f}ms  {report[3]}ms"
                      f"{'' if abs(error) <= GOAL_DURATION else '  (duration goal missed)'}"
                      f"{'' if gaps.max() < GOAL_GAP_MS else '  (gap goal missed)'}")
                program.stdin.write("next\n")
                program.stdin.flush()
        finally:
            program.kill()
            program.wait()
            screen.close()
            session.stop()


if __name__ == "__main__":
    main()
