# SPDX-License-Identifier: GPL-3.0-or-later
"""The game beside a trivial Qt 6 window (bench_trivial_window): start-up, memory and idle CPU
measured the same way for both, printed as a table with medians and spread.

    python3 bench/side_by_side.py --exe build/tovimar-plumkin \
        --trivial build/bench/bench_trivial_window [--before OTHER_EXE] [--text] [--rounds 6]
        [--idle 5] [--no-levels]

- launch to first frame: both programs (the trivial one with one line of text with --text)
  start in turn on one Xvfb (game, trivial, game, ...);
  the first frame is the first X DAMAGE report on the screen after which the window's
  rectangle is no longer black (the root is black, both windows are centred);
- RSS at the idle menu: VmRSS (and RssAnon) 3 s after the window stood still;
- CPU at the idle menu: user + system time over the next --idle seconds, per cent of one core;
- RSS added by the first Music level, 5 s after its button was pressed and at least 3 s after
  its window stood still (its note and its name have played, as a family's machine holds it),
  split into anonymous, file and shared memory; what is left of it once the level has closed;
  RSS after all nine levels: one run of the game through the end-to-end player (its own Xvfb),
  each level played to its reward.

With --before OTHER_EXE an earlier build of the game takes its turn in the same rounds, and
every figure is printed for both, so a change is measured under one and the same load.

Sound goes to SDL's dummy driver. The machine's load shows in the spread: run it on a quiet one.
"""

import argparse
import ctypes
import ctypes.util
import os
import select
import shutil
import statistics
import subprocess
import sys
import tempfile
import time
from pathlib import Path

REPO = Path(__file__).resolve().parents[1]
sys.path.insert(0, str(REPO / "bench"))
sys.path.insert(0, str(REPO / "tests" / "e2e"))

import numpy as np  # noqa: E402
from startup import MAIN_H, MAIN_W, SCREEN_H, SCREEN_W, cpu_seconds, die_with_parent, start_xvfb  # noqa: E402
from xscreen import XScreen  # noqa: E402

DAMAGE_REPORT_NON_EMPTY = 3
GOALS = {"first": "<= 1.3x the trivial window", "rss": "<= 30 MB", "music": "<= +6 MB",
         "nine": "<= 50 MB", "cpu": "<= 0.1 %"}


class Damage:
    """DAMAGE reports of the root window, read through the screen reader's connection."""

    def __init__(self, screen):
        self.screen = screen
        x11 = screen.x11
        lib = ctypes.CDLL(ctypes.util.find_library("Xdamage") or "libXdamage.so.1")
        lib.XDamageQueryExtension.argtypes = [ctypes.c_void_p, ctypes.POINTER(ctypes.c_int),
                                              ctypes.POINTER(ctypes.c_int)]
        lib.XDamageCreate.restype = ctypes.c_ulong
        lib.XDamageCreate.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int]
        lib.XDamageSubtract.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_ulong, ctypes.c_ulong]
        x11.XPending.argtypes = [ctypes.c_void_p]
        x11.XNextEvent.argtypes = [ctypes.c_void_p, ctypes.c_void_p]
        x11.XConnectionNumber.argtypes = [ctypes.c_void_p]
        event_base, error_base = ctypes.c_int(), ctypes.c_int()
        if not lib.XDamageQueryExtension(screen.dpy, ctypes.byref(event_base), ctypes.byref(error_base)):
            raise RuntimeError("the X server has no DAMAGE extension")
        self.lib, self.x11 = lib, x11
        self.notify = event_base.value  # XDamageNotify is the extension's first event
        self.damage = lib.XDamageCreate(screen.dpy, screen.root, DAMAGE_REPORT_NON_EMPTY)
        self.fd = x11.XConnectionNumber(screen.dpy)
        self.event = ctypes.create_string_buffer(192)
        self.drain()

    def drain(self):
        """Takes every pending report; True when there was at least one."""
        seen = False
        while self.x11.XPending(self.screen.dpy):
            self.x11.XNextEvent(self.screen.dpy, self.event)
            seen = seen or ctypes.c_int.from_buffer(self.event).value == self.notify
        if seen:
            self.lib.XDamageSubtract(self.screen.dpy, self.damage, 0, 0)
            self.x11.XFlush(self.screen.dpy)
        return seen

    def wait(self, timeout):
        """Waits up to `timeout` s for a report; returns when it came (monotonic) or None."""
        end = time.monotonic() + timeout
        while True:
            if self.drain():
                return time.monotonic()
            left = end - time.monotonic()
            if left <= 0:
                return None
            select.select([self.fd], [], [], left)


def status_mb(pid, field):
    with open(f"/proc/{pid}/status") as f:
        for line in f:
            if line.startswith(field + ":"):
                return int(line.split()[1]) / 1024.0
    return float("nan")


def one_start(command, env, screen, damage, idle):
    """Starts `command`; returns (first frame ms, VmRSS MB, RssAnon MB, idle CPU %)."""
    exe = command[0]
    rect = ((SCREEN_W - MAIN_W) // 2, (SCREEN_H - MAIN_H) // 2, MAIN_W, MAIN_H)
    damage.drain()
    t0 = time.monotonic()
    proc = subprocess.Popen(command, cwd=str(REPO), env=env, stdin=subprocess.DEVNULL,
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                            preexec_fn=die_with_parent)
    try:
        first = None
        last_change = None
        previous = screen.grab(*rect)
        while True:
            at = damage.wait(1.5 if first is not None else 20)
            if proc.poll() is not None:
                raise RuntimeError(f"{exe} exited with code {proc.returncode}")
            if at is None:
                if first is None:
                    raise RuntimeError(f"{exe}: no window within 20 s")
                break  # no damage for 1.5 s: it stands still
            pixels = screen.grab(*rect)
            if first is None and pixels.any():
                first = at - t0
            if not np.array_equal(pixels, previous):
                last_change = at - t0
                previous = pixels
        time.sleep(max(0.0, 3.0 - (time.monotonic() - t0 - (last_change or first))))
        rss, anon = status_mb(proc.pid, "VmRSS"), status_mb(proc.pid, "RssAnon")
        cpu = None
        if idle:
            c0, w0 = cpu_seconds(proc.pid), time.monotonic()
            time.sleep(idle)
            cpu = 100.0 * (cpu_seconds(proc.pid) - c0) / (time.monotonic() - w0)
        return 1000.0 * first, rss, anon, cpu
    finally:
        proc.terminate()
        try:
            proc.wait(5)
        except subprocess.TimeoutExpired:
            proc.kill()
            proc.wait()
        end = time.monotonic() + 5
        while screen.grab(*rect).any() and time.monotonic() < end:
            time.sleep(0.02)


def side_by_side(exes, rounds, idle):
    xvfb, display = start_xvfb()
    runtime = tempfile.mkdtemp(prefix="tp-bench-")
    os.chmod(runtime, 0o700)
    state = tempfile.mkdtemp(prefix="tp-bench-state-")
    env = dict(os.environ, DISPLAY=display, QT_QPA_PLATFORM="xcb", SDL_AUDIODRIVER="dummy",
               XDG_RUNTIME_DIR=runtime, XDG_STATE_HOME=state)
    env.pop("WAYLAND_DISPLAY", None)
    screen = XScreen(display)
    figures = {name: [] for name in exes}
    try:
        damage = Damage(screen)
        for exe in exes.values():
            one_start(exe, env, screen, damage, 0)  # warms the file cache; not counted
        for _ in range(rounds):
            for name, exe in exes.items():
                figures[name].append(one_start(exe, env, screen, damage, idle))
    finally:
        screen.close()
        xvfb.terminate()
        xvfb.wait()
        shutil.rmtree(runtime, ignore_errors=True)
        shutil.rmtree(state, ignore_errors=True)
    return figures


RSS_FIELDS = ("VmRSS", "RssAnon", "RssFile", "RssShmem")
MUSIC_SETTLE = 5.0  # s from the click on the level's button: its note and its name have played
QUESTION_PLAYED = 3.0  # s from the level's window standing still: its note, a second, its name


def memory(pid):
    """The resident memory figures of RSS_FIELDS, in MB."""
    return {field: status_mb(pid, field) for field in RSS_FIELDS}


def levels_rss(exe):
    """Memory (RSS_FIELDS, MB) at the idle menu, in the first Music level once its first question
    has played, after that level has closed (and the synthesizer has been let go), and VmRSS after
    all nine levels."""
    sys.argv = [sys.argv[0], "--exe", exe]
    import harness
    import soak
    harness.parse_args(["--exe", exe])
    session = harness.Session(name="side-by-side", audio_driver="dummy")
    try:
        main_window = session.find_window("Tovimar Plumkin 0.1.0.0")
        main_window.wait_stable()
        time.sleep(4)
        pid = session.program.pid
        menu = memory(pid)
        levels = []
        for cls in sorted(soak.LEVELS, key=lambda cls: not hasattr(cls, "NOTES")):
            level = cls("runTest" if cls is soak.ColorsBlueRedYellow else "test_level_played_to_the_end")
            level.session, level.main_window = session, main_window
            levels.append(level)
        opened = time.monotonic()
        window = soak.open_level(levels[0])
        # On a busy machine the opening roll can outlast the 5 s, and its pictures are not what a
        # family's machine holds: the question is also given its time from when the window stood.
        window.wait_stable()
        stood = time.monotonic()
        settled = max(opened + MUSIC_SETTLE, stood + QUESTION_PLAYED)
        time.sleep(max(0.0, settled - time.monotonic()))
        music = memory(pid)
        soak.play(levels[0], window)
        time.sleep(3)  # the synthesizer is let go 2 s after the last Music window has closed
        closed = memory(pid)
        for level in levels[1:]:
            soak.play(level)
            session.check_running()
        time.sleep(1)
        return menu, music, closed, status_mb(pid, "VmRSS")
    except BaseException:
        session.failed = True
        raise
    finally:
        session.stop()


def spread(values):
    values = sorted(values)
    return f"{statistics.median(values):7.1f} ({values[0]:.1f}-{values[-1]:.1f})"


def print_levels(name, exe):
    menu, music, closed, nine = levels_rss(exe)
    added = ", ".join(f"{field} {music[field] - menu[field]:+.1f}" for field in RSS_FIELDS[1:])
    print(f"{name}:")
    print(f"| {'RSS at the idle menu, MB':<32} | {menu['VmRSS']:7.1f} {'':<14} |")
    print(f"| {'first Music level adds, MB':<32} | {music['VmRSS'] - menu['VmRSS']:+7.1f} {'':<14} | "
          f"{GOALS['music']}")
    print(f"|   {MUSIC_SETTLE:.0f} s after it opens, MB: {added}")
    print(f"| {'  left once it has closed, MB':<32} | {closed['VmRSS'] - menu['VmRSS']:+7.1f} {'':<14} |")
    print(f"| {'RSS after all nine levels, MB':<32} | {nine:7.1f} {'':<14} | {GOALS['nine']}")


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--exe", default=str(REPO / "build" / "tovimar-plumkin"))
    parser.add_argument("--before", help="an earlier build of the game, measured in the same rounds")
    parser.add_argument("--trivial", default=str(REPO / "build" / "bench" / "bench_trivial_window"))
    parser.add_argument("--text", action="store_true", help="the trivial window shows a line of text")
    parser.add_argument("--rounds", type=int, default=6)
    parser.add_argument("--idle", type=float, default=5.0, help="seconds of idleness measured per start")
    parser.add_argument("--no-levels", action="store_true", help="leave out the played levels")
    args = parser.parse_args()
    exes = {"game": [os.path.abspath(args.exe)]}
    if args.before:
        exes["game before"] = [os.path.abspath(args.before)]
    exes["trivial Qt 6 window"] = [os.path.abspath(args.trivial)] + (["--text"] if args.text else [])
    for command in exes.values():
        if not os.access(command[0], os.X_OK):
            sys.exit(f"no executable at {command[0]}")

    figures = side_by_side(exes, args.rounds, args.idle)
    columns = {name: [list(column) for column in zip(*rows)] for name, rows in figures.items()}
    trivial_first = statistics.median(columns["trivial Qt 6 window"][0])
    ratios = ", ".join(f"{name} {statistics.median(columns[name][0]) / trivial_first:.2f}x"
                       for name in exes if name.startswith("game"))
    text = "with" if args.text else "without"
    print(f"{args.rounds} rounds, medians (min-max); trivial window {text} text; "
          f"load average {os.getloadavg()[0]:.1f}")
    print("| " + " | ".join([f"{'figure':<32}"] + [f"{name:<22}" for name in exes]) + " | goal")
    rows = (("launch to first frame, ms", 0, f"{GOALS['first']}: {ratios}"),
            ("RSS at the idle menu, MB", 1, GOALS["rss"]), ("  of it RssAnon, MB", 2, ""),
            ("CPU at the idle menu, %", 3, GOALS["cpu"]))
    for label, index, goal in rows:
        print("| " + " | ".join([f"{label:<32}"] + [f"{spread(columns[name][index]):<22}" for name in exes]) +
              f" | {goal}")
    if not args.no_levels:
        for name in exes:
            if name.startswith("game"):
                print_levels(name, exes[name][0])


if __name__ == "__main__":
    main()
