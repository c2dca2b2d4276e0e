# SPDX-License-Identifier: GPL-3.0-or-later
"""Reads the screen of an X display through one open connection (Xlib over ctypes), fast
enough to follow an animation frame by frame without opening a client per picture."""

import ctypes
import ctypes.util
import threading
import time

import numpy as np

ZPIXMAP = 2
ALL_PLANES = ctypes.c_ulong(0xFFFFFFFF)


class _XImage(ctypes.Structure):
    _fields_ = [("width", ctypes.c_int), ("height", ctypes.c_int), ("xoffset", ctypes.c_int),
                ("format", ctypes.c_int), ("data", ctypes.POINTER(ctypes.c_ubyte)),
                ("byte_order", ctypes.c_int), ("bitmap_unit", ctypes.c_int),
                ("bitmap_bit_order", ctypes.c_int), ("bitmap_pad", ctypes.c_int),
                ("depth", ctypes.c_int), ("bytes_per_line", ctypes.c_int),
                ("bits_per_pixel", ctypes.c_int)]


class _XClientMessageEvent(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("window", ctypes.c_ulong),
                ("message_type", ctypes.c_ulong), ("format", ctypes.c_int),
                ("data", ctypes.c_long * 5), ("pad", ctypes.c_long * 12)]


CLIENT_MESSAGE = 33
IS_VIEWABLE = 2


class _XWindowAttributes(ctypes.Structure):
    _fields_ = [("x", ctypes.c_int), ("y", ctypes.c_int), ("width", ctypes.c_int), ("height", ctypes.c_int),
                ("border_width", ctypes.c_int), ("depth", ctypes.c_int), ("visual", ctypes.c_void_p),
                ("root", ctypes.c_ulong), ("class_", ctypes.c_int), ("bit_gravity", ctypes.c_int),
                ("win_gravity", ctypes.c_int), ("backing_store", ctypes.c_int),
                ("backing_planes", ctypes.c_ulong), ("backing_pixel", ctypes.c_ulong),
                ("save_under", ctypes.c_int), ("colormap", ctypes.c_ulong), ("map_installed", ctypes.c_int),
                ("map_state", ctypes.c_int), ("all_event_masks", ctypes.c_long),
                ("your_event_mask", ctypes.c_long), ("do_not_propagate_mask", ctypes.c_long),
                ("override_redirect", ctypes.c_int), ("screen", ctypes.c_void_p)]


# Windows come and go while they are looked at; Xlib's default answer to an error is to exit.
_ignore_errors = ctypes.CFUNCTYPE(ctypes.c_int, ctypes.c_void_p, ctypes.c_void_p)(lambda d, e: 0)


class XScreen:
    """grab(x, y, w, h) gives an (h, w, 3) RGB array of the root window."""

    def __init__(self, display):
        x11 = ctypes.CDLL(ctypes.util.find_library("X11") or "libX11.so.6")
        x11.XOpenDisplay.restype = ctypes.c_void_p
        x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
        x11.XDefaultRootWindow.restype = ctypes.c_ulong
        x11.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
        x11.XGetImage.restype = ctypes.POINTER(_XImage)
        x11.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int,
                                  ctypes.c_uint, ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
        x11.XFree.argtypes = [ctypes.c_void_p]
        x11.XInternAtom.restype = ctypes.c_ulong
        x11.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
        x11.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long,
                                   ctypes.c_void_p]
        x11.XFlush.argtypes = [ctypes.c_void_p]
        x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
        self.x11 = x11
        self.dpy = x11.XOpenDisplay(display.encode())
        if not self.dpy:
            raise RuntimeError(f"cannot open display {display}")
        self.root = x11.XDefaultRootWindow(self.dpy)
        x11.XSetErrorHandler(_ignore_errors)
        x11.XQueryTree.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.POINTER(ctypes.c_ulong),
                                   ctypes.POINTER(ctypes.c_ulong), ctypes.POINTER(ctypes.POINTER(ctypes.c_ulong)),
                                   ctypes.POINTER(ctypes.c_uint)]
        x11.XFetchName.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.POINTER(ctypes.c_char_p)]
        x11.XGetWindowAttributes.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_void_p]
        x11.XTranslateCoordinates.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_ulong, ctypes.c_int,
                                              ctypes.c_int, ctypes.POINTER(ctypes.c_int),
                                              ctypes.POINTER(ctypes.c_int), ctypes.POINTER(ctypes.c_ulong)]

    def grab(self, x, y, w, h):
        img = self.x11.XGetImage(self.dpy, self.root, x, y, w, h, ALL_PLANES, ZPIXMAP)
        if not img:
            raise RuntimeError("XGetImage failed")
        im = img.contents
        data = ctypes.string_at(im.data, im.bytes_per_line * im.height)
        stride = im.bytes_per_line
        self.x11.XFree(im.data)
        self.x11.XFree(img)
        pixels = np.frombuffer(data, np.uint8).reshape(h, stride)[:, :w * 4].reshape(h, w, 4)
        return pixels[:, :, 2::-1].copy()  # BGRX -> RGB

    def _children(self, window):
        root, parent = ctypes.c_ulong(), ctypes.c_ulong()
        children, count = ctypes.POINTER(ctypes.c_ulong)(), ctypes.c_uint()
        if not self.x11.XQueryTree(self.dpy, window, ctypes.byref(root), ctypes.byref(parent),
                                   ctypes.byref(children), ctypes.byref(count)):
            return []
        found = [children[i] for i in range(count.value)]
        if children:
            self.x11.XFree(children)
        return found

    def stacking(self):
        """The top-level windows, from the bottom of the stack to its top."""
        return self._children(self.root)

    def _name(self, window):
        name = ctypes.c_char_p()
        if not self.x11.XFetchName(self.dpy, window, ctypes.byref(name)) or name.value is None:
            return ""
        return name.value.decode(errors="replace")

    def find_viewable(self, title, depth=3):
        """(window, x, y, width, height) of the largest viewable window whose name contains
        `title`, its place on the root; None while there is none."""
        best, todo = None, [(self.root, 0)]
        attributes = _XWindowAttributes()
        while todo:
            window, level = todo.pop()
            for child in self._children(window):
                if not self.x11.XGetWindowAttributes(self.dpy, child, ctypes.byref(attributes)):
                    continue
                if attributes.map_state != IS_VIEWABLE:
                    continue
                if title in self._name(child):
                    x, y, other = ctypes.c_int(), ctypes.c_int(), ctypes.c_ulong()
                    self.x11.XTranslateCoordinates(self.dpy, child, self.root, 0, 0, ctypes.byref(x),
                                                   ctypes.byref(y), ctypes.byref(other))
                    place = (child, x.value, y.value, attributes.width, attributes.height)
                    if best is None or place[3] * place[4] > best[3] * best[4]:
                        best = place
                elif level < depth:
                    todo.append((child, level + 1))
        return best

    def ask_to_close(self, window):
        """Asks a window to close as a window manager's close box does (WM_DELETE_WINDOW)."""
        event = _XClientMessageEvent()
        event.type = CLIENT_MESSAGE
        event.window = window
        event.message_type = self.x11.XInternAtom(self.dpy, b"WM_PROTOCOLS", 0)
        event.format = 32
        event.data[0] = self.x11.XInternAtom(self.dpy, b"WM_DELETE_WINDOW", 0)
        self.x11.XSendEvent(self.dpy, window, 0, 0, ctypes.byref(event))
        self.x11.XFlush(self.dpy)

    def close(self):
        if self.dpy:
            self.x11.XCloseDisplay(self.dpy)
            self.dpy = None


MAP_NOTIFY, UNMAP_NOTIFY = 19, 18
SUBSTRUCTURE_NOTIFY_MASK = 1 << 19


class _XMapEvent(ctypes.Structure):
    # The fields that XMapEvent and XUnmapEvent share, padded to the size of an XEvent.
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("event", ctypes.c_ulong), ("window", ctypes.c_ulong),
                ("pad", ctypes.c_long * 24)]


class MapEvents:
    """The order in which the X server mapped and unmapped top-level windows, as it reports
    them: a list of ("map" or "unmap", window name) from start() on."""

    def __init__(self, display):
        self._screen = XScreen(display)
        x11 = self._screen.x11
        x11.XSelectInput.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_long]
        x11.XPending.argtypes = [ctypes.c_void_p]
        x11.XNextEvent.argtypes = [ctypes.c_void_p, ctypes.c_void_p]
        x11.XFetchName.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.POINTER(ctypes.c_char_p)]
        self.events, self._names, self._running = [], {}, False

    def start(self):
        x11, dpy = self._screen.x11, self._screen.dpy
        x11.XSelectInput(dpy, self._screen.root, SUBSTRUCTURE_NOTIFY_MASK)
        x11.XFlush(dpy)
        self._running = True
        self._thread = threading.Thread(target=self._read, daemon=True)
        self._thread.start()

    def _name(self, window):
        if window not in self._names:
            name = ctypes.c_char_p()
            x11 = self._screen.x11
            if x11.XFetchName(self._screen.dpy, window, ctypes.byref(name)) and name.value is not None:
                self._names[window] = name.value.decode(errors="replace")
        return self._names.get(window, "")

    def _read(self):
        x11, dpy = self._screen.x11, self._screen.dpy
        event = _XMapEvent()
        while self._running:
            if not x11.XPending(dpy):
                time.sleep(0.001)
                continue
            x11.XNextEvent(dpy, ctypes.byref(event))
            if event.type == MAP_NOTIFY:
                self.events.append(("map", self._name(event.window)))
            elif event.type == UNMAP_NOTIFY:
                self.events.append(("unmap", self._name(event.window)))

    def stop(self):
        self._running = False
        self._thread.join()
        self._screen.close()
        return self.events
