# SPDX-License-Identifier: GPL-3.0-or-later
"""The main menu's block reveal on a Wayland desktop: a headless Weston with XWayland, the game
on XWayland, and what the compositor shows read with weston-screenshooter (X11 reads of the
screen come back black there). Not part of the test suite: Weston under load is slow to start and
to take pictures; it needs the packages weston and xwayland.

Prints, for every picture, how many blocks of the menu's final place show black, the menu (also
while the compositor fades it in), the desktop as it was before the game started, or anything
else. Fails when a picture is more than a few percent black, when a block shows anything else
(the menu revealed somewhere else than where it ends up, or garbage), or when a picture taken
after the whole menu was shown is missing blocks again.

    python3 tests/e2e/weston_reveal.py --exe build/tovimar-plumkin [--keep] [--runs N]
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
    """Counts of the blocks of `rect` in `img` that are black, the menu, the menu fading in,
    the desktop as it was before, or anything else."""
    x, y, w, h = rect
    shown = img[y:y + h, x:x + w].astype(np.int16)
    xs, ys = edges(w, round(w / 50)), edges(h, round(h / 50))
    counts = dict(black=0, menu=0, fading=0, desktop=0, other=0)
    for r in range(len(ys) - 1):
        for c in range(len(xs) - 1):
            block = np.s_[ys[r]:ys[r + 1], xs[c]:xs[c + 1]]
            a = shown[block]
            if np.mean(np.all(a == 0, axis=2)) > 0.97:
                counts["black"] += 1
            elif np.mean(np.all(np.abs(a - reference[block]) <= 2, axis=2)) > 0.97:
                counts["menu"] += 1
            elif np.mean(np.all(np.abs(a - reference[block]) <= 12, axis=2)) > 0.97:
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


def run_once(exe, shots_wanted, keep):
    """One start of Weston and the game; returns the problems seen."""
    folder = Path(tempfile.mkdtemp(prefix="tp-weston-"))
    shots = folder / "shots"
    shots.mkdir()
    weston, env, display = start_weston(folder)
    game = None
    problems = []
    try:
        time.sleep(1.0)  # the desktop drawn
        _, desktop_shot = screenshot(env, shots)
        game = subprocess.Popen([exe], cwd=str(harness.REPO), stdout=subprocess.DEVNULL,
                                stderr=subprocess.DEVNULL, preexec_fn=harness._die_with_parent,
                                env=dict(env, DISPLAY=display, QT_QPA_PLATFORM="xcb", SDL_AUDIODRIVER="dummy"))
        start = time.monotonic()
        pictures = [screenshot(env, shots) for _ in range(shots_wanted)]
        pictures = [(t - start, img) for t, img in pictures if img is not None]
        settled = client_rect(dict(env, DISPLAY=display))
        if settled is None:
            return ["the main menu did not come up"]
        x, y = settled[:2]
        rect = (x, y, MENU_W, MENU_H)
        reference = pictures[-1][1][y:y + MENU_H, x:x + MENU_W].astype(np.int16)
        desktop = desktop_shot[y:y + MENU_H, x:x + MENU_W].astype(np.int16)
        blocks = round(MENU_W / 50) * round(MENU_H / 50)
        print(f"menu placed at {settled[:2]}")
        print(f"{'time':>7s} {'black':>6s} {'menu':>5s} {'fading':>7s} {'desktop':>8s} {'other':>6s}")
        complete_at = None
        halfway = None
        for t, img in pictures:
            counts = classify(img, rect, reference, desktop)
            print(f"{t:7.3f} {counts['black']:6d} {counts['menu']:5d} {counts['fading']:7d} "
                  f"{counts['desktop']:8d} {counts['other']:6d}")
            shown = counts["menu"] + counts["fading"]
            if counts["black"] > 0.03 * blocks:
                problems.append(f"{t:.3f} s: {counts['black']} of {blocks} blocks black")
            if counts["other"]:
                problems.append(f"{t:.3f} s: {counts['other']} blocks neither the desktop nor the menu")
            if shown == blocks and complete_at is None:
                complete_at = t
            elif complete_at is not None and shown < blocks:
                problems.append(f"{t:.3f} s: {blocks - shown} blocks missing after the whole menu was shown")
            if 0.3 * blocks < counts["menu"] < 0.7 * blocks and counts["desktop"] and halfway is None:
                halfway = img
        if halfway is not None:
            path = folder / "reveal-halfway.png"
            harness.write_png(path, halfway)
            print(f"half-way picture: {path}")
        if complete_at is None:
            problems.append("the whole menu was never shown")
        if keep or problems:
            print(f"pictures in {folder}")
    finally:
        for proc in (game, weston):
            if proc is not None and proc.poll() is None:
                proc.terminate()
                try:
                    proc.wait(5)
                except subprocess.TimeoutExpired:
                    proc.kill()
        if not keep and not problems:
            shutil.rmtree(folder, ignore_errors=True)
    return problems


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--exe", default=str(harness.REPO / "build" / "tovimar-plumkin"))
    parser.add_argument("--keep", action="store_true")
    parser.add_argument("--shots", type=int, default=30)
    parser.add_argument("--runs", type=int, default=1)
    args = parser.parse_args()
    failed = 0
    for run in range(args.runs):
        print(f"-- run {run + 1}")
        problems = run_once(args.exe, args.shots, args.keep)
        for problem in problems:
            print("PROBLEM", problem)
        failed += bool(problems)
    print(f"{args.runs - failed} of {args.runs} runs without a problem")
    sys.exit(1 if failed else 0)


if __name__ == "__main__":
    main()
