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
import ctypes.util
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
SCREEN_W, SCREEN_H = 1280, 1024
MAIN_W, MAIN_H = 642, 466  # the main menu's client area, centred on the screen
GOAL_FIRST_FRAME_MS = 150
GOAL_RSS_MB = 60
GOAL_IDLE_CPU = 1.0  # per cent of one core
ZPIXMAP = 2
ALL_PLANES = ctypes.c_ulong(0xFFFFFFFF)


class XImage(ctypes.Structure):
    _fields_ = [("width", ctypes.c_int), ("height", ctypes.c_int), ("xoffset", ctypes.c_int),
                ("format", ctypes.c_int), ("data", ctypes.POINTER(ctypes.c_ubyte)),
                ("byte_order", ctypes.c_int), ("bitmap_unit", ctypes.c_int),
                ("bitmap_bit_order", ctypes.c_int), ("bitmap_pad", ctypes.c_int),
                ("depth", ctypes.c_int), ("bytes_per_line", ctypes.c_int),
                ("bits_per_pixel", ctypes.c_int)]


class Screen:
    """Reads rectangles of the root window of an X display."""

    def __init__(self, display):
        self.x11 = ctypes.CDLL(ctypes.util.find_library("X11") or "libX11.so.6")
        self.x11.XOpenDisplay.restype = ctypes.c_void_p
        self.x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
        self.x11.XDefaultRootWindow.restype = ctypes.c_ulong
        self.x11.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
        self.x11.XGetImage.restype = ctypes.POINTER(XImage)
        self.x11.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int,
                                       ctypes.c_uint, ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
        self.x11.XFree.argtypes = [ctypes.c_void_p]
        self.x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
        self.dpy = self.x11.XOpenDisplay(display.encode())
        if not self.dpy:
            raise RuntimeError(f"cannot open display {display}")
        self.root = self.x11.XDefaultRootWindow(self.dpy)

    def grab(self, x, y, w, h):
        """The raw pixels (4 bytes each) of a rectangle of the screen."""
        img = self.x11.XGetImage(self.dpy, self.root, x, y, w, h, ALL_PLANES, ZPIXMAP)
        if not img:
            return b""
        im = img.contents
        data = ctypes.string_at(im.data, im.bytes_per_line * im.height)
        self.x11.XFree(im.data)
        self.x11.XFree(img)
        return data

    def close(self):
        self.x11.XCloseDisplay(self.dpy)


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
            if now_pixels != previous:
                if first is None and now_pixels != black:
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
        while screen.grab(*rect) != black and time.monotonic() < end:
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
    env = dict(os.environ, DISPLAY=display, QT_QPA_PLATFORM="xcb", SDL_AUDIODRIVER="dummy",
               XDG_RUNTIME_DIR=runtime)
    env.pop("WAYLAND_DISPLAY", None)
    screen = Screen(display)
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
