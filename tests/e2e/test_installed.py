# SPDX-License-Identifier: GPL-3.0-or-later
"""End to end: the game as installed by `cmake --install`, started by its menu entry's command
from a folder that holds none of its files, plays Colors level 1 with its spoken prompts and
the applause heard in the sound output.

    python3 tests/e2e/test_installed.py --build build [--keep]
"""

import argparse
import configparser
import os
import shlex
import shutil
import subprocess
import sys
import tempfile
import time
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))

import harness  # noqa: E402
import test_colors  # noqa: E402

APP_ID = "example.tovimar.Plumkin"
PREFIX = Path(tempfile.mkdtemp(prefix="tp-installed-"))


def entry_command(group="Desktop Entry"):
    """The command of the installed menu entry, or of one of its actions."""
    entry = configparser.ConfigParser(interpolation=None)
    entry.optionxform = str
    entry.read(PREFIX / "share" / "applications" / f"{APP_ID}.desktop")
    return shlex.split(entry[group]["Exec"])


class InstalledSession(harness.Session):
    """Starts the menu entry's command with the installed bin/ on PATH, in an empty folder."""

    GROUP = "Desktop Entry"

    def program_env(self):
        runtime = self.dir / "runtime"
        runtime.mkdir(mode=0o700, exist_ok=True)
        return dict(self.env, QT_QPA_PLATFORM="xcb", XDG_RUNTIME_DIR=str(runtime),
                    PATH=f"{PREFIX / 'bin'}{os.pathsep}{os.environ.get('PATH', '')}",
                    SDL_AUDIODRIVER=self.audio_driver,
                    SDL_DISK_FILE=str(self.audio_path), SDL_DISKAUDIOFILE=str(self.audio_path))

    def start_program(self):
        elsewhere = self.dir / "elsewhere"
        elsewhere.mkdir(exist_ok=True)
        self.started = time.monotonic()
        self.program = subprocess.Popen(
            entry_command(self.GROUP), cwd=str(elsewhere), env=self.program_env(), stdin=subprocess.DEVNULL,
            stdout=self._log("program.log"), stderr=subprocess.STDOUT,
            preexec_fn=harness._die_with_parent)


class TestInstalledGame(test_colors.TestColorsBlackWhite):
    @classmethod
    def setUpClass(cls):
        cls.session = InstalledSession(name=cls.__name__)
        cls.main_window = cls.session.find_window("Tovimar Plumkin 0.1.0.0")
        cls.main_window.wait_stable()


class FullScreenSession(InstalledSession):
    GROUP = "Desktop Action FullScreen"


class TestInstalledActions(harness.GameTest):
    """The menu entry's actions: "Play in full screen" starts the game on its backdrop, and
    "Settings", started while the game runs, opens the settings in that game."""

    @classmethod
    def setUpClass(cls):
        cls.session = FullScreenSession(name=cls.__name__, window_manager=True)
        cls.main_window = cls.session.find_window("Tovimar Plumkin 0.1.0.0")
        cls.main_window.wait_stable()

    def test_full_screen_then_settings(self):
        session = self.session
        r = session.x(["xdotool", "search", "--onlyvisible", "--name", "^Tovimar Plumkin$"])
        backdrop = harness.Window(session, int(r.stdout.split()[0]), "backdrop")
        state = session.x(["xprop", "-id", str(backdrop.id), "_NET_WM_STATE"]).stdout
        self.assertIn("_NET_WM_STATE_FULLSCREEN", state)
        second = subprocess.run(entry_command("Desktop Action Settings"), env=session.program_env(),
                                cwd=str(session.dir), capture_output=True, timeout=harness.TIMEOUT)
        self.assertEqual(second.returncode, 0, second.stderr)
        settings = session.find_window("Settings for Parents")
        self.assertTrue(settings.mapped())
        session.check_running()


def install(build):
    subprocess.run(["cmake", "--install", build, "--prefix", str(PREFIX)], check=True,
                   stdout=subprocess.DEVNULL)
    for path in [Path("bin/tovimar-plumkin"), Path("share/tovimar-plumkin/sounds/clap.wav"),
                 Path("share/tovimar-plumkin/fonts/MusiTone.ttf"),
                 Path(f"share/icons/hicolor/48x48/apps/{APP_ID}.png"),
                 Path(f"share/metainfo/{APP_ID}.metainfo.xml")]:
        if not (PREFIX / path).is_file():
            sys.exit(f"not installed: {path}")


if __name__ == "__main__":
    parser = argparse.ArgumentParser(add_help=False)
    parser.add_argument("--build", required=True)
    args, rest = parser.parse_known_args()
    try:
        install(args.build)
        sys.argv = [sys.argv[0], "--exe", str(PREFIX / "bin" / "tovimar-plumkin"), *rest]
        harness.main()
    finally:
        shutil.rmtree(PREFIX, ignore_errors=True)
