# SPDX-License-Identifier: GPL-3.0-or-later
"""The main menu's block reveal on a Wayland desktop: a headless Weston with XWayland, the game
on XWayland, and what the compositor shows read with weston-screenshooter (X11 reads of the
screen come back black there). Not part of the test suite: Weston under load is slow to start and
to take pictures. Prints, for every picture, how many blocks of the menu's place show the old
screen (black: XWayland reads it so), the menu (also while the compositor fades the render
window in), the desktop before the game, or anything else (garbage); fails on garbage.

    python3 tests/e2e/weston_reveal.py --exe build/tovimar-plumkin [--keep]
"""

import argparse
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))

import harness  # noqa: E402  (first: it finds a Python with numpy)
import numpy as np  # noqa: E402

MENU_W, MENU_H = 642, 466


def start_weston(folder):
    runtime = folder / "runtime"
    runtime.mkdir(mode=0o700)
    socket = "tp-weston"
    log = open(folder / "weston.log", "wb")
    env = dict(os.environ, XDG_RUNTIME_DIR=str(runtime))
    env.pop("DISPLAY", None)
    env.pop("WAYLAND_DISPLAY", None)
    weston = subprocess.Popen(["weston", "--backend=headless-backend.so", "--use-pixman", "--xwayland",
                               "--debug", f"--socket={socket}"], env=env, stdout=log, stderr=log,
                              preexec_fn=harness._die_with_parent)
    display = harness.wait_until(
        lambda: re.search(r"listening on display (:\d+)", (folder / "weston.log").read_text(errors="replace")),
        30, what="XWayland's display").group(1)
    return weston, dict(env, WAYLAND_DISPLAY=socket), display


def screenshot(env, folder):
    """What the compositor shows, as an RGB array, and the time it was asked for."""
    before = set(folder.iterdir())
    t = time.monotonic()
    subprocess.run(["weston-screenshooter"], env=env, cwd=folder, capture_output=True, timeout=20)
    new = sorted(set(folder.iterdir()) - before)
    if not new:
        return t, None
    ppm = subprocess.run(["convert", str(new[0]), "ppm:-"], capture_output=True, timeout=20).stdout
    return t, harness.parse_ppm(ppm)


def edges(size, count):
    return [0] + [int(np.rint(size / count * k)) for k in range(1, count)] + [size]


def classify(img, rect, reference, desktop):
    """Counts of the blocks of `rect` in `img` that show the old screen (black), the menu, the
    desktop as it was before, or anything else."""
    x, y, w, h = rect
    shown = img[y:y + h, x:x + w].astype(np.int16)
    xs, ys = edges(w, round(w / 50)), edges(h, round(h / 50))
    counts = dict(old=0, menu=0, fading=0, desktop=0, other=0)
    for r in range(len(ys) - 1):
        for c in range(len(xs) - 1):
            block = np.s_[ys[r]:ys[r + 1], xs[c]:xs[c + 1]]
            a = shown[block]
            if np.all(a == 0):
                counts["old"] += 1
            elif np.mean(np.all(np.abs(a - reference[block]) <= 2, axis=2)) > 0.97:
                counts["menu"] += 1
            elif np.mean(np.all(np.abs(a - reference[block]) <= 12, axis=2)) > 0.97:
                # The compositor fades newly mapped windows in (over the menu's own window,
                # black until it has painted itself).
                counts["fading"] += 1
            elif np.mean(np.all(np.abs(a - desktop[block]) <= 2, axis=2)) > 0.97:
                counts["desktop"] += 1
            else:
                counts["other"] += 1
    return counts


def client_rect(env):
    """The menu's client rectangle on the screen, as XWayland knows it."""
    ids = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "Tovimar Plumkin"], env=env,
                         capture_output=True, text=True).stdout.split()
    for wid in ids:
        info = subprocess.run(["xwininfo", "-id", wid], env=env, capture_output=True, text=True).stdout
        size = [int(re.search(name + r":\s+(-?\d+)", info).group(1))
                for name in ("Absolute upper-left X", "Absolute upper-left Y", "Width", "Height")]
        if size[2:] == [MENU_W, MENU_H]:
            return tuple(size)
    return None


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--exe", default=str(harness.REPO / "build" / "tovimar-plumkin"))
    parser.add_argument("--keep", action="store_true")
    parser.add_argument("--shots", type=int, default=30)
    args = parser.parse_args()
    folder = Path(tempfile.mkdtemp(prefix="tp-weston-"))
    shots = folder / "shots"
    shots.mkdir()
    weston, env, display = start_weston(folder)
    game = None
    try:
        game = subprocess.Popen([args.exe], cwd=str(harness.REPO), stdout=subprocess.DEVNULL,
                                stderr=subprocess.DEVNULL, preexec_fn=harness._die_with_parent,
                                env=dict(env, DISPLAY=display, QT_QPA_PLATFORM="xcb", SDL_AUDIODRIVER="dummy"))
        start = time.monotonic()
        pictures = [screenshot(env, shots) for _ in range(args.shots)]
        pictures = [(t - start, img) for t, img in pictures if img is not None]
        x_env = dict(env, DISPLAY=display)
        settled = client_rect(x_env)
        if settled is None:
            sys.exit("the main menu did not come up")
        final = pictures[-1][1]
        h, w, _ = final.shape
        # The render window covers the place the menu asked for (centred, the frame around
        # it included); a window manager may place the menu elsewhere (below its title bar).
        rect = ((w - MENU_W - 8) // 2 + 4, (h - MENU_H - 34) // 2 + 30, MENU_W, MENU_H)
        x, y = settled[:2]
        reference = final[y:y + MENU_H, x:x + MENU_W].astype(np.int16)
        desktop = None
        garbage = 0
        print(f"menu asked for at {rect[:2]}, placed at {settled[:2]}")
        print(f"{'time':>7s} {'old':>4s} {'menu':>5s} {'fading':>7s} {'desktop':>8s} {'other':>6s}")
        for t, img in pictures:
            if img[y:y + MENU_H, x:x + MENU_W].astype(np.int16).tolist() == reference.tolist():
                print(f"{t:7.3f} the menu in its place")
                continue
            if desktop is None and img[rect[1]:rect[1] + MENU_H, rect[0]:rect[0] + MENU_W].any():
                desktop = img[rect[1]:rect[1] + MENU_H, rect[0]:rect[0] + MENU_W].astype(np.int16)
            counts = classify(img, rect, reference, desktop if desktop is not None else reference)
            garbage += counts["other"]
            print(f"{t:7.3f} {counts['old']:4d} {counts['menu']:5d} {counts['fading']:7d} {counts['desktop']:8d} "
                  f"{counts['other']:6d}")
        if args.keep:
            print(f"pictures in {shots}")
        if garbage:
            sys.exit("blocks that are neither the old screen nor the menu were seen during the reveal")
    finally:
        for proc in (game, weston):
            if proc is not None and proc.poll() is None:
                proc.terminate()
                try:
                    proc.wait(5)
                except subprocess.TimeoutExpired:
                    proc.kill()
        if not args.keep:
            shutil.rmtree(folder, ignore_errors=True)


if __name__ == "__main__":
    main()
