# SPDX-License-Identifier: GPL-3.0-or-later
"""Pictures of the game in German (the longest texts) and Russian (another script): the menu and
the first level of each category, on a 1366 x 768 screen at 100 % and at 200 % (Xft.dpi 192),
to look at how the texts fit. Not part of the test suite; prints where the pictures are.

    python3 tests/e2e/language_screens.py --exe build/tovimar-plumkin [--languages de ru]
"""

import argparse
import shutil
import subprocess
import sys
import tempfile
import time
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))

import harness  # noqa: E402

MAIN_TITLE = "Tovimar Plumkin 0.1.0.0"
SCREEN = (1366, 768)
CATEGORY = {"Colors": (156, 137), "Shapes": (156, 193), "Music": (156, 249)}  # menu client coordinates
FIRST_LEVEL = {"Colors": (457, 148), "Shapes": (457, 168), "Music": (457, 129)}
# Back, as a share of the level's client area (the levels scale to the screen).
BACK = {"Colors": (64 / 642, 426 / 466), "Shapes": (64 / 642, 426 / 466), "Music": (64 / 767, 431 / 471)}
# The first level's title in each language, by category.
TITLES = {
    "de": {"Colors": "Farben: Schwarz-Weiß", "Shapes": "Formen: Kreis-Dreieck", "Music": "Musik: F-C"},
    "ru": {"Colors": "Цвета: чёрный-белый", "Shapes": "Фигуры: круг-треугольник", "Music": "Музыка: Фа-До"},
    "en": {"Colors": "Colors: Black-White", "Shapes": "Shapes: Circle-Triangle", "Music": "Music: F-C"},
}


def pictures(language, scale, out):
    screen = (SCREEN[0] * scale, SCREEN[1] * scale)
    session = harness.Session(name=f"screens-{language}-{scale}", start_program=False, screen=screen,
                              language=language)
    try:
        subprocess.run(["xrdb", "-merge"], input=f"Xft.dpi: {96 * scale}\n", text=True, env=session.env,
                       check=True)
        session.start_program()
        menu = session.find_window(MAIN_TITLE)
        menu.wait_stable()
        shots = [session.save("menu")]
        for category in ["Colors", "Shapes", "Music"]:
            menu.click(*(c * scale for c in CATEGORY[category]))
            time.sleep(0.3)
            menu.click(*(c * scale for c in FIRST_LEVEL[category]))
            level = session.find_window(TITLES[language][category])
            time.sleep(3.5)  # the roll, and the Music note's pause
            level.wait_stable()
            shots.append(session.save(category.lower()))
            _, _, width, height = level.geometry()
            level.click(int(BACK[category][0] * width), int(BACK[category][1] * height))
            session.wait_gone(level)
            menu.wait_stable()
        for shot in shots:
            target = out / f"{language}-{scale * 100}-{shot.name[3:]}"
            shutil.copy(shot, target)
            print(target)
    except BaseException:
        session.failed = True
        raise
    finally:
        session.stop()


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--languages", nargs="+", default=["de", "ru"], choices=sorted(TITLES))
    parser.add_argument("--out", type=Path, default=None, help="folder for the pictures (a new one by default)")
    args, rest = parser.parse_known_args()
    harness.parse_args(rest)
    out = args.out or Path(tempfile.mkdtemp(prefix="tp-language-screens-"))
    out.mkdir(parents=True, exist_ok=True)
    for language in args.languages:
        for scale in (1, 2):
            pictures(language, scale, out)


if __name__ == "__main__":
    main()
