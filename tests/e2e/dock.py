# SPDX-License-Identifier: GPL-3.0-or-later
"""A panel of the kind desktops put at a screen edge: an X window of type _NET_WM_WINDOW_TYPE_DOCK
that reserves its strip of the screen (_NET_WM_STRUT_PARTIAL), in one flat colour to find it on
a screenshot. It lives as long as its connection (Xlib over ctypes).

    with Dock(display, (0, 728, 1366, 40), colour=(255, 0, 255)):
        ...
"""

import ctypes
import ctypes.util
import os

PROP_MODE_REPLACE = 0
XA_ATOM, XA_CARDINAL = 4, 6


class Dock:
    def __init__(self, display, rect, colour=(255, 0, 255), auth=None):
        self.rect, self.colour = rect, colour
        x11 = self._x11 = ctypes.CDLL(ctypes.util.find_library("X11") or "libX11.so.6")
        x11.XOpenDisplay.restype = ctypes.c_void_p
        x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
        x11.XDefaultRootWindow.restype = ctypes.c_ulong
        x11.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
        x11.XCreateSimpleWindow.restype = ctypes.c_ulong
        x11.XCreateSimpleWindow.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int,
                                            ctypes.c_uint, ctypes.c_uint, ctypes.c_uint, ctypes.c_ulong,
                                            ctypes.c_ulong]
        x11.XInternAtom.restype = ctypes.c_ulong
        x11.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
        x11.XChangeProperty.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_ulong, ctypes.c_ulong,
                                        ctypes.c_int, ctypes.c_int, ctypes.c_void_p, ctypes.c_int]
        x11.XStoreName.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_char_p]
        x11.XMapWindow.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
        x11.XFlush.argtypes = x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
        x11.XMoveWindow.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int]
        saved = os.environ.get("XAUTHORITY")
        if auth:
            os.environ["XAUTHORITY"] = auth
        try:
            self._d = x11.XOpenDisplay(display.encode())
        finally:
            if auth:
                if saved is None:
                    os.environ.pop("XAUTHORITY", None)
                else:
                    os.environ["XAUTHORITY"] = saved
        if not self._d:
            raise RuntimeError(f"cannot open display {display}")
        x, y, w, h = rect
        r, g, b = colour
        self.id = x11.XCreateSimpleWindow(self._d, x11.XDefaultRootWindow(self._d), x, y, w, h, 0, 0,
                                          (r << 16) | (g << 8) | b)
        x11.XStoreName(self._d, self.id, b"dock")
        dock_type = self._atom("_NET_WM_WINDOW_TYPE_DOCK")
        self._set(self._atom("_NET_WM_WINDOW_TYPE"), XA_ATOM, [dock_type])
        self._set(self._atom("_NET_WM_STRUT_PARTIAL"), XA_CARDINAL, self._strut(rect))
        self._set(self._atom("_NET_WM_STRUT"), XA_CARDINAL, self._strut(rect)[:4])
        x11.XMapWindow(self._d, self.id)
        x11.XMoveWindow(self._d, self.id, x, y)
        x11.XFlush(self._d)

    def _atom(self, name):
        return self._x11.XInternAtom(self._d, name.encode(), 0)

    def _set(self, prop, kind, values):
        data = (ctypes.c_long * len(values))(*values)
        self._x11.XChangeProperty(self._d, self.id, prop, kind, 32, PROP_MODE_REPLACE, data, len(values))

    @staticmethod
    def _strut(rect):
        """The strip the dock reserves at the edge it touches: the top one when at y 0, else the
        bottom one (left, right, top, bottom, then the start and end of each along its edge)."""
        x, y, w, h = rect
        strut = [0] * 12
        if y == 0:
            strut[2], strut[8], strut[9] = h, x, x + w - 1
        else:
            strut[3], strut[10], strut[11] = h, x, x + w - 1
        return strut

    def close(self):
        if self._d:
            self._x11.XCloseDisplay(self._d)
            self._d = None

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.close()
