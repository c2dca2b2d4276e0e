# SPDX-License-Identifier: GPL-3.0-or-later
"""Desktops for end-to-end runs: a window manager or a Wayland compositor with XWayland, each
nested on an Xvfb host display of its own, so that everything it shows is on one X screen to
read and click into.

    with Desktop("kwin", folder) as desktop:
        subprocess.Popen([exe], env=desktop.game_env())    # the game, on the desktop's X display
        desktop.screenshot()                               # (h, w, 3) RGB of the host screen
        desktop.xdotool("mousemove", "100", "200")         # real input, through the compositor

Names: "openbox" (the game runs on the host display itself), "mutter", "gnome-shell", "kwin",
"weston" (the game runs on the compositor's XWayland display; the compositor's output sits at
the host's top-left corner, one host pixel a pixel). Needs Xvfb, xdotool, dbus-run-session and
the compositor's Debian package (mutter, gnome-shell, kwin-wayland, weston; xwayland).
"""

import os
import re
import select
import shutil
import subprocess
import time
from pathlib import Path

from xscreen import XScreen

NAMES = ("openbox", "mutter", "gnome-shell", "kwin", "weston")
# Software rendering starts slowly: a compositor may take this long to offer XWayland.
START_TIMEOUT = 60.0


def available(name):
    """Whether the desktop `name` can be started here."""
    program = {"openbox": "openbox", "mutter": "mutter", "gnome-shell": "gnome-shell", "kwin": "kwin_wayland",
               "weston": "weston"}[name]
    needs = [program, "Xvfb", "xdotool"] + ([] if name == "openbox" else ["Xwayland", "dbus-run-session"])
    return all(shutil.which(p) for p in needs)


def _start_xvfb(size, log):
    read_fd, write_fd = os.pipe()
    proc = subprocess.Popen(["Xvfb", "-displayfd", str(write_fd), "-screen", "0", "%dx%dx24" % size,
                             "-nolisten", "tcp", "-noreset"],
                            pass_fds=(write_fd,), stdout=subprocess.DEVNULL, stderr=log,
                            start_new_session=True)
    os.close(write_fd)
    text = b""
    deadline = time.monotonic() + 10
    while not text.endswith(b"\n"):
        ready, _, _ = select.select([read_fd], [], [], max(0.0, deadline - time.monotonic()))
        part = os.read(read_fd, 64) if ready else b""
        if not part:
            proc.kill()
            raise RuntimeError("Xvfb did not report its display")
        text += part
    os.close(read_fd)
    return proc, ":" + text.decode().strip()


def _descendants(pid):
    children = {}
    for entry in Path("/proc").iterdir():
        if entry.name.isdigit():
            try:
                ppid = int((entry / "stat").read_text().rsplit(")", 1)[1].split()[1])
            except (OSError, IndexError, ValueError):
                continue
            children.setdefault(ppid, []).append(int(entry.name))
    found, todo = [], [pid]
    while todo:
        for child in children.get(todo.pop(), []):
            found.append(child)
            todo.append(child)
    return found


def _xwayland_of(pid):
    """(display, auth file or None) of the XWayland server the compositor `pid` started."""
    for child in _descendants(pid):
        try:
            argv = (Path("/proc") / str(child) / "cmdline").read_bytes().split(b"\0")
        except OSError:
            continue
        if argv and argv[0].endswith(b"Xwayland"):
            args = [a.decode() for a in argv if a]
            display = next((a for a in args[1:] if re.fullmatch(r":\d+", a)), None)
            auth = args[args.index("-auth") + 1] if "-auth" in args else None
            if display:
                return display, auth
    return None


class Desktop:
    """One desktop: `name` on its own Xvfb host display; logs go to `folder`."""

    def __init__(self, name, folder, size=(1366, 1000)):
        if name not in NAMES:
            raise ValueError(f"unknown desktop {name!r}")
        self.name, self.size = name, size
        self.folder = Path(folder)
        self.folder.mkdir(parents=True, exist_ok=True)
        self.runtime = self.folder / f"{name}-runtime"
        self.runtime.mkdir(mode=0o700, exist_ok=True)
        self._logs, self._procs, self._screen = [], [], None
        self.auth = None
        try:
            # The host is a little larger than the output, whose window sits at its corner.
            xvfb, self.host = _start_xvfb((size[0] + 16, size[1] + 16), self._log("host-xvfb"))
            self._procs.append(xvfb)
            self.display = self.host if name == "openbox" else None
            self._start()
            self._wait_window_manager()
        except BaseException:
            self.stop()
            raise

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.stop()

    def _log(self, what):
        f = open(self.folder / f"{self.name}-{what}.log", "wb")
        self._logs.append(f)
        return f

    def _host_env(self):
        env = dict(os.environ, DISPLAY=self.host, XDG_RUNTIME_DIR=str(self.runtime))
        for key in ("WAYLAND_DISPLAY", "XAUTHORITY", "DBUS_SESSION_BUS_ADDRESS"):
            env.pop(key, None)
        return env

    def _start(self):
        env = self._host_env()
        width, height = self.size
        socket = f"tp-{self.name}-{os.getpid()}"
        if self.name == "openbox":
            command = ["openbox", "--sm-disable"]
        elif self.name in ("mutter", "gnome-shell"):
            env["MUTTER_DEBUG_DUMMY_MODE_SPECS"] = f"{width}x{height}"
            command = ["dbus-run-session", "--", self.name, "--nested", "--wayland",
                       f"--wayland-display={socket}"]
            if self.name == "gnome-shell":
                command = self._with_system_bus(env, command)
        elif self.name == "kwin":
            # The Debian binary carries a file capability that a container may refuse to
            # execute; a plain copy runs.
            kwin = self.folder / "kwin_wayland"
            shutil.copy(shutil.which("kwin_wayland"), kwin)
            command = ["dbus-run-session", "--", str(kwin), "--xwayland", "--x11-display", self.host,
                       "--socket", socket, "--width", str(width), "--height", str(height)]
        else:
            command = ["weston", "--backend=x11-backend.so", "--xwayland", f"--socket={socket}",
                       f"--width={width}", f"--height={height}", "--use-pixman"]
        self.compositor = subprocess.Popen(command, env=env, stdin=subprocess.DEVNULL, stdout=self._log("out"),
                                           stderr=subprocess.STDOUT, start_new_session=True)
        self._procs.append(self.compositor)

    def _with_system_bus(self, env, command):
        """GNOME Shell asks the system bus for its session; a private, empty one answers."""
        config = self.folder / "system-bus.conf"
        config.write_text(
            "<busconfig><type>system</type><listen>unix:path=%s</listen><auth>EXTERNAL</auth>"
            "<policy context='default'><allow send_destination='*' eavesdrop='true'/>"
            "<allow eavesdrop='true'/><allow own='*'/></policy></busconfig>" % (self.folder / "system-bus"))
        bus = subprocess.Popen(["dbus-daemon", "--config-file", str(config), "--nofork"],
                               stdout=self._log("system-bus"), stderr=subprocess.STDOUT, start_new_session=True)
        self._procs.append(bus)
        env["DBUS_SYSTEM_BUS_ADDRESS"] = f"unix:path={self.folder / 'system-bus'}"
        return command

    def _wait_window_manager(self):
        deadline = time.monotonic() + START_TIMEOUT
        while True:
            if self.compositor.poll() is not None:
                raise RuntimeError(f"{self.name} exited: " + self.log_tail())
            if self.display is None:
                found = self._listening() if self.name == "weston" else _xwayland_of(self.compositor.pid)
                if found:
                    self.display, self.auth = found
            if self.display and "window id" in self.x(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"]).stdout:
                return
            if time.monotonic() > deadline:
                raise RuntimeError(f"{self.name} did not manage its X display: " + self.log_tail())
            time.sleep(0.2)

    def _listening(self):
        """Weston starts XWayland when the first X client comes, on the display it names."""
        found = re.search(r"listening on display (:\d+)", self.log_tail(None))
        return (found.group(1), None) if found else None

    def log_tail(self, size=2000):
        try:
            text = (self.folder / f"{self.name}-out.log").read_text(errors="replace")
            return text if size is None else text[-size:]
        except OSError:
            return ""

    def game_env(self, base=None):
        """`base` (the process environment by default) made to run a program on the desktop."""
        env = dict(os.environ if base is None else base, DISPLAY=self.display)
        env.pop("WAYLAND_DISPLAY", None)
        env.pop("XAUTHORITY", None)
        if self.auth:
            env["XAUTHORITY"] = self.auth
        return env

    def x(self, args, host=False, timeout=10):
        """Runs an X client on the game's display (or on the host's)."""
        env = self._host_env() if host else self.game_env()
        return subprocess.run(args, env=env, capture_output=True, text=True, timeout=timeout)

    def xdotool(self, *args):
        """xdotool on the host: real pointer and keys, which the compositor passes on."""
        r = self.x(["xdotool", *args], host=True)
        if r.returncode != 0:
            raise RuntimeError(f"xdotool {' '.join(args)} failed: {r.stderr.strip()}")
        return r.stdout

    def game_screen(self):
        """An XScreen on the game's display, for reading its windows' state in one connection."""
        saved = os.environ.get("XAUTHORITY")
        if self.auth:
            os.environ["XAUTHORITY"] = self.auth
        try:
            return XScreen(self.display)
        finally:
            if saved is None:
                os.environ.pop("XAUTHORITY", None)
            else:
                os.environ["XAUTHORITY"] = saved

    def screenshot(self, rect=None):
        """What the desktop shows, as an (h, w, 3) RGB array; `rect` = (x, y, w, h) in its pixels."""
        if self._screen is None:
            self._screen = XScreen(self.host)
        x, y, w, h = rect if rect is not None else (0, 0, *self.size)
        return self._screen.grab(x, y, w, h)

    def stop(self):
        if self._screen is not None:
            self._screen.close()
            self._screen = None
        for proc in reversed(self._procs):
            if proc.poll() is None:
                try:
                    os.killpg(proc.pid, 15)
                except ProcessLookupError:
                    pass
                try:
                    proc.wait(5)
                except subprocess.TimeoutExpired:
                    os.killpg(proc.pid, 9)
                    proc.wait()
        self._procs = []
        for f in self._logs:
            f.close()
        self._logs = []
