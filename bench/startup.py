# SPDX-License-Identifier: GPL-3.0-or-later
"""Start-up and idle figures of the game under Xvfb, printed next to their goals.

    python3 bench/startup.py --exe build/tovimar-plumkin [--runs 5] [--idle 10]

- first frame: from starting the process to the first pixel of the main menu on the screen
  (the root window is black and the main menu is centred, so the first non-black pixel in its
  rectangle is the first frame of its show effect); median of the runs;
- complete: until the main menu stands still (its one-second block effect included);
- memory: resident set (VmRSS) at the idle main menu, 3 s after it is complete;
- idle CPU: user + system time used during the next 10 s of idleness, as a share of one core.

The screen is read through Xlib directly (ctypes), so it can be polled every few milliseconds.
Sound goes to SDL's dummy driver.
"""

import argparse
import ctypes
import os
import select
import shutil
import signal
import statistics
import subprocess
import sys
import tempfile
import time
from pathlib import Path

REPO = Path(__file__).resolve().parents[1]
sys.path.insert(0, str(REPO / "tests" / "e2e"))

import numpy as np  # noqa: E402
from xscreen import XScreen  # noqa: E402

SCREEN_W, SCREEN_H = 1280, 1024
MAIN_W, MAIN_H = 642, 466  # the main menu's client area, centred on the screen
GOAL_FIRST_FRAME_MS = 150
GOAL_RSS_MB = 60
GOAL_IDLE_CPU = 1.0  # per cent of one core

def die_with_parent():
    try:
        ctypes.CDLL("libc.so.6").prctl(1, signal.SIGKILL)  # PR_SET_PDEATHSIG
    except OSError:
        pass


def start_xvfb():
    read_fd, write_fd = os.pipe()
    # -br: a black root, so anything the program draws shows as non-black.
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write_fd), "-screen", "0",
                             f"{SCREEN_W}x{SCREEN_H}x24", "-br", "-nolisten", "tcp", "-noreset"],
                            pass_fds=(write_fd,), stdout=subprocess.DEVNULL,
                            stderr=subprocess.DEVNULL, preexec_fn=die_with_parent)
    os.close(write_fd)
    text = b""
    while not text.endswith(b"\n"):
        if not select.select([read_fd], [], [], 10)[0]:
            xvfb.kill()
            raise RuntimeError("Xvfb did not start")
        part = os.read(read_fd, 64)
        if not part:
            raise RuntimeError("Xvfb exited")
        text += part
    os.close(read_fd)
    return xvfb, ":" + text.decode().strip()


def cpu_seconds(pid):
    with open(f"/proc/{pid}/stat") as f:
        fields = f.read().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")


def rss_mb(pid):
    with open(f"/proc/{pid}/status") as f:
        for line in f:
            if line.startswith("VmRSS:"):
                return int(line.split()[1]) / 1024.0
    return float("nan")


def one_run(exe, env, screen, idle_seconds=None):
    """Starts the game once; returns (first frame s, complete s, rss MB or None, cpu % or None)."""
    rect = ((SCREEN_W - MAIN_W) // 2, (SCREEN_H - MAIN_H) // 2, MAIN_W, MAIN_H)
    black = screen.grab(*rect)
    t0 = time.monotonic()
    proc = subprocess.Popen([exe], cwd=str(REPO), env=env, stdin=subprocess.DEVNULL,
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                            preexec_fn=die_with_parent)
    try:
        first = None
        last_change = None
        previous = black
        deadline = t0 + 20
        while time.monotonic() < deadline:
            if proc.poll() is not None:
                raise RuntimeError(f"the program exited with code {proc.returncode}")
            now_pixels = screen.grab(*rect)
            now = time.monotonic()
            if not np.array_equal(now_pixels, previous):
                if first is None and not np.array_equal(now_pixels, black):
                    first = now - t0
                last_change = now - t0
                previous = now_pixels
            elif first is not None and now - t0 - last_change > 1.5:
                break  # still for 1.5 s: complete
            time.sleep(0.002)
        if first is None:
            raise RuntimeError("the main menu never appeared")
        rss = cpu = None
        if idle_seconds:
            time.sleep(max(0.0, 3.0 - (time.monotonic() - t0 - last_change)))
            rss = rss_mb(proc.pid)
            c0, w0 = cpu_seconds(proc.pid), time.monotonic()
            time.sleep(idle_seconds)
            c1, w1 = cpu_seconds(proc.pid), time.monotonic()
            cpu = 100.0 * (c1 - c0) / (w1 - w0)
        return first, last_change, rss, cpu
    finally:
        proc.terminate()
        try:
            proc.wait(5)
        except subprocess.TimeoutExpired:
            proc.kill()
            proc.wait()
        # Wait for the window to leave the screen before the next run.
        end = time.monotonic() + 5
        while not np.array_equal(screen.grab(*rect), black) and time.monotonic() < end:
            time.sleep(0.01)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--exe", default=os.environ.get("TP_EXE", str(REPO / "build" / "tovimar-plumkin")))
    parser.add_argument("--runs", type=int, default=5)
    parser.add_argument("--idle", type=float, default=10.0, help="seconds of idleness measured")
    args = parser.parse_args()
    exe = os.path.abspath(args.exe)
    if not os.access(exe, os.X_OK):
        sys.exit(f"no executable at {exe} (use --exe)")

    xvfb, display = start_xvfb()
    runtime = tempfile.mkdtemp(prefix="tp-bench-")
    os.chmod(runtime, 0o700)
    # The game's own settings folder too, so that a parent's choices never change what is timed.
    env = dict(os.environ, DISPLAY=display, QT_QPA_PLATFORM="xcb", SDL_AUDIODRIVER="dummy",
               XDG_RUNTIME_DIR=runtime, XDG_CONFIG_HOME=os.path.join(runtime, "config"))
    env.pop("WAYLAND_DISPLAY", None)
    screen = XScreen(display)
    try:
        one_run(exe, env, screen)  # warm the file cache; not counted
        firsts, completes = [], []
        rss = cpu = None
        for i in range(args.runs):
            last = i == args.runs - 1
            first, complete, r, c = one_run(exe, env, screen, args.idle if last else None)
            firsts.append(first)
            completes.append(complete)
            if last:
                rss, cpu = r, c
    finally:
        screen.close()
        xvfb.terminate()
        xvfb.wait()
        shutil.rmtree(runtime, ignore_errors=True)

    def verdict(ok):
        return "ok" if ok else "OVER GOAL"

    first_ms = 1000 * statistics.median(firsts)
    print(f"start-up to first frame : {first_ms:7.1f} ms   (goal < {GOAL_FIRST_FRAME_MS} ms)  "
          f"{verdict(first_ms < GOAL_FIRST_FRAME_MS)}   runs: "
          + ", ".join(f"{1000 * f:.0f}" for f in firsts))
    print(f"start-up to still menu  : {1000 * statistics.median(completes):7.1f} ms   "
          f"(includes the show effect)   runs: "
          + ", ".join(f"{1000 * c:.0f}" for c in completes))
    print(f"resident memory, idle   : {rss:7.1f} MB   (goal < {GOAL_RSS_MB} MB)  "
          f"{verdict(rss < GOAL_RSS_MB)}")
    print(f"CPU while idle          : {cpu:7.2f} %    (goal < {GOAL_IDLE_CPU:g} % of one core, over "
          f"{args.idle:g} s)  {verdict(cpu < GOAL_IDLE_CPU)}")


if __name__ == "__main__":
    main()
