# SPDX-License-Identifier: GPL-3.0-or-later
"""End to end: how a start ends when it cannot or need not open the game. Without a display the
program says so in one line and exits with status 1; a second start on the display of a running
game brings that game's main menu to the front and exits, leaving one main menu. The main menu
makes no sound and loads no sound library; the first level asked for does both.

The hand-over trusts only the user's own game: a listener another user planted (in the shared
temporary folder, or one running as another user) is refused and the start opens the game; a
stopped game does not swallow a start; callers that never send are dropped.

    python3 tests/e2e/test_startup.py --exe build/tovimar-plumkin [--keep]
"""

import os
import re
import resource
import shutil
import signal
import socket
import subprocess
import tempfile
import sys
import time
import unittest
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))

import harness  # noqa: E402
import numpy as np  # noqa: E402
from xscreen import XScreen  # noqa: E402
from harness import wait_until  # noqa: E402

MAIN_TITLE = "Tovimar Plumkin 0.1.0.0"
CATEGORY_PANEL = (0, 0, 270, 380)  # the main menu's left part, the same on every page


def game_env(session, **changes):
    """The environment of another start on the session's display; a change to None removes the variable."""
    env = dict(session.env, QT_QPA_PLATFORM="xcb", XDG_RUNTIME_DIR=str(session.dir / "runtime"),
               SDL_AUDIODRIVER="dummy")
    for name, value in changes.items():
        if value is None:
            env.pop(name, None)
        else:
            env[name] = str(value)
    return env


def start_again(session, **changes):
    """Another start of the game on the session's display, as the same user; waits for its end."""
    return subprocess.run([session.exe], env=game_env(session, **changes), capture_output=True, text=True,
                          timeout=30, stdin=subprocess.DEVNULL)


class TestWithoutDisplay(unittest.TestCase):
    def test_one_line_and_status_1(self):
        base = {k: v for k, v in os.environ.items()
                if k not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM")}
        base["LANGUAGE"] = "en"
        cases = {
            "no display at all": ({}, "DISPLAY is not set"),
            "no display, in German": ({"LANGUAGE": "de"}, "keine Anzeige, auf der das Spiel erscheinen kann"),
            "X11 asked for, no display": ({"QT_QPA_PLATFORM": "xcb"}, "DISPLAY is not set"),
            "a display nobody serves": ({"DISPLAY": ":7391"}, "cannot open the display :7391"),
        }
        for what, (extra, expected) in cases.items():
            with self.subTest(what):
                r = subprocess.run([harness.OPTIONS.exe], env=dict(base, **extra), capture_output=True,
                                   text=True, timeout=30, stdin=subprocess.DEVNULL)
                self.assertEqual(r.returncode, 1)
                self.assertEqual(r.stdout, "")
                lines = r.stderr.splitlines()
                self.assertEqual(len(lines), 1, r.stderr)
                self.assertIn(expected, lines[0])


class TestSecondStart(harness.GameTest):
    def test_brings_the_main_menu_to_the_front(self):
        session = self.session
        menu = self.main_window.grab(CATEGORY_PANEL)
        # A level window opens over the main menu and hides it.
        level = self.open_level("Colors", 1, "Colors: Black-White")
        level.wait_stable()
        session.wait_quiet()
        self.assertLess(np.mean(np.all(self.main_window.grab(CATEGORY_PANEL) == menu, axis=2)), 0.5)

        second = start_again(session)
        self.assertEqual(second.returncode, 0, second.stderr)
        self.assertEqual(second.stderr, "")
        session.check_running()

        def menu_in_front():
            # All but the pressed category button, which keeps its focus frame.
            return np.mean(np.all(self.main_window.grab(CATEGORY_PANEL) == menu, axis=2)) > 0.98

        wait_until(menu_in_front, what="the main menu to come to the front")
        time.sleep(0.5)  # a second window would have appeared by now
        self.assertEqual(len(session.visible_windows(MAIN_TITLE)), 1)
        self.assertTrue(level.mapped(), "the level window was closed")

    def test_nothing_printed_without_a_usable_runtime_folder(self):
        # su, sudo and startx without a login manager leave the variable unset; a folder others
        # may enter is not used either. Both games, the running one and the one that hands over
        # to it, print nothing, from their start to their end.
        session = self.session
        open_to_others = session.dir / "open-runtime"
        open_to_others.mkdir()
        open_to_others.chmod(0o755)
        for what, runtime in (("not set", None), ("open to others", open_to_others)):
            with self.subTest(what):
                changes = dict(XDG_RUNTIME_DIR=runtime, TMPDIR=tempfile.mkdtemp(dir=session.dir))
                game = subprocess.Popen([session.exe], env=game_env(session, **changes),
                                        stdin=subprocess.DEVNULL, stdout=subprocess.PIPE,
                                        stderr=subprocess.PIPE, text=True)
                self.addCleanup(game.kill)
                menu = wait_until(lambda: [w for w in session.visible_windows(MAIN_TITLE)
                                           if window_pid(session, w) == game.pid], what="its main menu")[0]
                second = start_again(session, **changes)
                self.assertEqual((second.returncode, second.stdout, second.stderr), (0, "", ""))
                screen = XScreen(session.display)
                screen.ask_to_close(menu.id)
                screen.close()
                out, err = game.communicate(timeout=harness.TIMEOUT)
                self.assertEqual((game.returncode, out, err), (0, "", ""))


def window_pid(session, window):
    r = session.x(["xdotool", "getwindowpid", str(window.id)], check=False)
    return int(r.stdout) if r.returncode == 0 else None


class TestStartAfterAKilledGame(harness.GameTest):
    def test_the_next_start_is_the_game_and_answers_later_starts(self):
        session = self.session
        session.program.kill()
        session.program.wait()
        session.wait_gone(self.main_window)
        session.start_program()
        session.find_window(MAIN_TITLE).wait_stable()
        self.assertEqual(start_again(session).returncode, 0)
        time.sleep(0.5)
        self.assertEqual(len(session.visible_windows(MAIN_TITLE)), 1)


def sound_library_loaded(session):
    return "/libSDL2-2.0.so" in Path(f"/proc/{session.program.pid}/maps").read_text()


class TestSoundWaitsForTheFirstLevel(harness.GameTest):
    def test_the_menu_loads_no_sound_library_and_the_first_level_does(self):
        session = self.session
        time.sleep(0.5)
        self.assertFalse(sound_library_loaded(session), "SDL is loaded at the idle main menu")
        self.assertFalse(session.audio_path.exists(), "the sound device opened at the main menu")
        self.open_level("Colors", 1, "Colors: Black-White")
        session.wait_sound(self.opened_at)
        session.wait_quiet()
        self.assertTrue(sound_library_loaded(session))
        found = session.output().find(harness.recording("black"), 0.6)
        self.assertTrue(found, "the first question was not heard")


OTHER_USER = 65534

# Listens on the sockets named in its arguments as OTHER_USER, confirms every call and prints what
# each caller sent, if anything. Started as root, it binds first and becomes the other user before listening,
# so that a socket in the root's own folder has a listener of another user.
PLANTED_LISTENER = r"""
import os, select, socket, sys
servers = []
for path in sys.argv[2:]:
    server = socket.socket(socket.AF_UNIX)
    server.bind(path)
    servers.append(server)
os.setgid(int(sys.argv[1]))
os.setuid(int(sys.argv[1]))
for server in servers:
    server.listen(8)
print("listening", flush=True)
while True:
    for server in select.select(servers, [], [])[0]:
        caller = server.accept()[0]
        caller.settimeout(2)
        try:
            sent = caller.recv(4096)
            if sent:
                print("called:", sent, flush=True)
                caller.sendall(b"+")
        except OSError:
            pass
        caller.close()
"""


def socket_name(session):
    display = re.sub(r"[^A-Za-z0-9.]", "_", session.display)
    return f"tovimar-plumkin-{os.geteuid()}-{display}"


class HandOverTest(harness.GameTest):
    """Starts and listeners beside the session's game, ended with each test."""

    def setUp(self):
        super().setUp()
        self.started = []

    def tearDown(self):
        for process in self.started:
            if process.poll() is None:
                process.kill()
            process.wait()
            process.stdout.close()
        os.kill(self.session.program.pid, signal.SIGCONT)
        super().tearDown()

    def start(self, args, **kwargs):
        process = subprocess.Popen(args, stdin=subprocess.DEVNULL, stdout=subprocess.PIPE,
                                   stderr=subprocess.DEVNULL, text=True, **kwargs)
        self.started.append(process)
        return process

    def plant(self, *paths, **kwargs):
        """A listener of another user on `paths`; returns it once it listens."""
        listener = self.start(["/usr/bin/python3", "-c", PLANTED_LISTENER, str(OTHER_USER), *map(str, paths)],
                              **kwargs)
        self.assertEqual(listener.stdout.readline().strip(), "listening")
        return listener

    def check_a_second_game_opens(self, cwd=None, **changes):
        """A start with `changes` opens a game of its own beside the session's; it is ended again."""
        self.assertEqual(len(self.session.visible_windows(MAIN_TITLE)), 1)
        game = self.start([os.path.abspath(self.session.exe)], env=game_env(self.session, **changes), cwd=cwd)
        wait_until(lambda: game.poll() is not None or len(self.session.visible_windows(MAIN_TITLE)) == 2,
                   what="a second main menu")
        self.assertIsNone(game.poll(), "the start ended without opening the game")
        game.terminate()
        game.wait(harness.TIMEOUT)
        wait_until(lambda: len(self.session.visible_windows(MAIN_TITLE)) == 1, what="the second game to go")


@unittest.skipUnless(os.geteuid() == 0, "another user id is needed")
class TestHandOverTrustsOnlyTheUsersOwnGame(HandOverTest):
    def test_a_listener_planted_in_the_shared_temporary_folder_is_refused(self):
        # Another user takes the names a game of this user would use in the temporary folder: the
        # socket itself, and the private folder.
        # Outside the session's folder, which the other user cannot enter.
        shared = Path(tempfile.mkdtemp(prefix="tp-shared-"))
        self.addCleanup(shutil.rmtree, shared, ignore_errors=True)
        shared.chmod(0o1777)
        folder = shared / f"tovimar-plumkin-{os.geteuid()}"
        planter = ["setpriv", f"--reuid={OTHER_USER}", f"--regid={OTHER_USER}", "--clear-groups"]
        subprocess.run([*planter, "mkdir", "-m", "777", str(folder)], check=True)
        listener = self.plant(shared / socket_name(self.session), folder / socket_name(self.session))
        self.check_a_second_game_opens(XDG_RUNTIME_DIR=None, TMPDIR=shared)
        listener.kill()
        self.assertEqual(listener.stdout.read(), "", "the start handed its options to another user")

    def test_a_listener_of_another_user_in_the_own_folder_is_refused(self):
        runtime = self.session.dir / "other-runtime"
        runtime.mkdir(mode=0o700)
        listener = self.plant(runtime / socket_name(self.session))
        self.check_a_second_game_opens(XDG_RUNTIME_DIR=runtime)
        listener.kill()
        self.assertEqual(listener.stdout.read(), "", "the start handed its options to another user")

    def test_a_relative_runtime_folder_is_not_used(self):
        os.makedirs(self.session.dir / "relative", mode=0o700)
        listener = self.plant(Path("relative") / socket_name(self.session), cwd=self.session.dir)
        # Its own folder then goes to a temporary folder of the test's.
        shared = self.session.dir / "tmp-relative"
        shared.mkdir(mode=0o700)
        self.check_a_second_game_opens(cwd=self.session.dir, XDG_RUNTIME_DIR="relative", TMPDIR=shared)
        listener.kill()
        self.assertEqual(listener.stdout.read(), "")

    def test_callers_that_never_send_are_dropped(self):
        menu = self.main_window.grab(CATEGORY_PANEL)
        level = self.open_level("Colors", 1, "Colors: Black-White")
        level.wait_stable()
        path = str(self.session.dir / "runtime" / socket_name(self.session))
        idle = []
        for _ in range(20):
            caller = socket.socket(socket.AF_UNIX)
            caller.connect(path)
            idle.append(caller)
        second = start_again(self.session)
        self.assertEqual(second.returncode, 0, second.stderr)
        wait_until(lambda: np.mean(np.all(self.main_window.grab(CATEGORY_PANEL) == menu, axis=2)) > 0.98,
                   what="the main menu to come to the front")
        self.session.save("menu-raised-past-idle-callers")
        self.assertEqual(len(self.session.visible_windows(MAIN_TITLE)), 1)
        XScreen(self.session.display).ask_to_close(level.id)
        self.session.wait_gone(level)
        for caller in idle:
            caller.settimeout(5)
            self.assertEqual(caller.recv(16), b"", "an idle caller was not dropped")
            caller.close()
        self.session.check_running()

    def test_no_busy_loop_while_out_of_handles(self):
        pid = self.session.program.pid
        limit = resource.prlimit(pid, resource.RLIMIT_NOFILE)
        self.addCleanup(resource.prlimit, pid, resource.RLIMIT_NOFILE, limit)
        # A few handles left: the callers take them, and the next call cannot be taken.
        resource.prlimit(pid, resource.RLIMIT_NOFILE, (len(os.listdir(f"/proc/{pid}/fd")) + 3, limit[1]))
        callers = []
        for _ in range(12):
            caller = socket.socket(socket.AF_UNIX)
            callers.append(caller)
            caller.settimeout(1)
            try:
                caller.connect(str(self.session.dir / "runtime" / socket_name(self.session)))
            except (BlockingIOError, TimeoutError):
                break  # the game's queue of calls is full
        time.sleep(0.3)
        before = runnable_seconds(pid)
        time.sleep(2)
        used = runnable_seconds(pid) - before
        resource.prlimit(pid, resource.RLIMIT_NOFILE, limit)
        for caller in callers:
            caller.close()
        print(f"\n[e2e] time running or ready to run while out of handles: {used:.2f} s in 2 s",
              file=sys.stderr)
        self.assertLess(used, 0.5, "the game kept trying to take calls it had no handle for")
        second = start_again(self.session)
        self.assertEqual(second.returncode, 0, second.stderr)
        self.assertEqual(len(self.session.visible_windows(MAIN_TITLE)), 1)


def runnable_seconds(pid):
    """Time the process's threads ran or waited for a processor: a busy loop fills it on a loaded
    machine too, where it gets little processor time."""
    total = 0
    for task in Path(f"/proc/{pid}/task").iterdir():
        running, waiting = (task / "schedstat").read_text().split()[:2]
        total += int(running) + int(waiting)
    return total / 1e9


class TestAStoppedGame(HandOverTest):
    """A session of its own: a game is stopped while another one starts beside it."""

    def test_does_not_swallow_a_start_and_answers_once_it_goes_on(self):
        session = self.session
        first = session.program.pid
        os.kill(first, signal.SIGSTOP)
        started = time.monotonic()
        second = self.start([os.path.abspath(session.exe)], env=game_env(session))
        wait_until(lambda: second.poll() is not None or len(session.visible_windows(MAIN_TITLE)) == 2,
                   what="a second main menu")
        self.assertIsNone(second.poll(), "the start ended without opening the game")
        print(f"\n[e2e] a start beside a stopped game: {time.monotonic() - started:.1f} s", file=sys.stderr)
        menus = {window_pid(session, w): w for w in session.visible_windows(MAIN_TITLE)}
        first_menu, second_menu = menus[first], menus[second.pid]
        second_menu.wait_stable()  # its reveal over: from here on only the hand-over moves the menus

        # Both go on; a later start brings exactly one main menu to the front: the first game's,
        # which still holds the hand-over, now above the second one's.
        os.kill(first, signal.SIGCONT)
        screen = XScreen(session.display)
        self.addCleanup(screen.close)

        def first_above_second():
            stack = screen.stacking()
            return stack.index(first_menu.id) > stack.index(second_menu.id)

        self.assertFalse(first_above_second(),
                         "the first game came to the front for a start it left unanswered")
        third = start_again(session)
        self.assertEqual((third.returncode, third.stderr), (0, ""))
        wait_until(first_above_second, what="the first game's main menu in front")
        self.assertEqual(len(session.visible_windows(MAIN_TITLE)), 2)
        session.check_running()
        self.assertIsNone(second.poll(), "the second game ended")


if __name__ == "__main__":
    harness.main()
