# SPDX-License-Identifier: GPL-3.0-or-later
"""The program icon as PNG files in the sizes of the desktop's hicolor theme, for the menu
entry and the software centre. Drawn afresh for every size from the same artwork as the
icon inside the program."""

import pathlib
import sys

import icon

APP_ID = "example.tovimar.Plumkin"
SIZES = (16, 22, 24, 32, 48, 64, 128, 256)


def main():
    root = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else pathlib.Path(__file__).resolve().parent.parent)
    for size in SIZES:
        folder = root / "resources" / "icons" / "hicolor" / f"{size}x{size}" / "apps"
        folder.mkdir(parents=True, exist_ok=True)
        icon.face(size).save(folder / f"{APP_ID}.png", optimize=True)


if __name__ == "__main__":
    main()
