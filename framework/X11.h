// SPDX-License-Identifier: GPL-3.0-or-later
// What the windows ask the X server directly, beyond what Qt says: atoms, selections, the
// connection itself. Every function is safe to call off X11 (the connection is then null).
#pragma once

#include <QByteArray>
#include <QImage>
#include <QRect>
#include <xcb/xcb.h>

// The X connection, when the program runs on X11 (also XWayland); null otherwise.
xcb_connection_t* XConnection();

// The screen of the display the program was started on (DISPLAY's ".n", else 0).
int XScreenNumber();

xcb_atom_t XAtom(xcb_connection_t* c, const QByteArray& name);

// Whether a client owns the selection `name` followed by the screen's number, such as
// "WM_S" (a window manager) or "_NET_WM_CM_S" (a compositor).
bool XScreenSelectionOwned(xcb_connection_t* c, const QByteArray& name);

// The screen's pixels in `area` (device pixels), read straight into shared memory where the
// server offers it. Null when `area` is not wholly on the screen, when the screen's pixels are
// not plain 24-bit colour, or when the server refuses.
QImage XGrabScreen(xcb_connection_t* c, const QRect& area);

// Returns once the X server has handled every request sent before: one round trip, without
// looking at any event.
void XRoundTrip(xcb_connection_t* c);

// Takes `_NET_WM_SYNC_REQUEST` out of `window`'s WM_PROTOCOLS. A window manager that knows
// the protocol shows a newly mapped window only once the program has answered its request,
// which a program busy animating that window does not do for up to a second.
void XWithdrawSyncRequest(xcb_connection_t* c, xcb_window_t window);

// Asks the X server (or the window manager) to put `window`'s top-left corner at `at` (device
// pixels, root coordinates).
void XMoveTo(xcb_connection_t* c, xcb_window_t window, QPoint at);
