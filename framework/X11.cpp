// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/X11.h"

#include <QGuiApplication>
#include <QtGui/qguiapplication_platform.h>
#include <cstdlib>

xcb_connection_t* XConnection() {
    if (!qGuiApp || QGuiApplication::platformName() != QLatin1String("xcb"))
        return nullptr;
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

int XScreenNumber() {
    const QByteArray display = qgetenv("DISPLAY");
    const int dot = display.lastIndexOf('.');
    const int colon = display.lastIndexOf(':');
    return dot > colon ? display.mid(dot + 1).toInt() : 0;
}

xcb_atom_t XAtom(xcb_connection_t* c, const QByteArray& name) {
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
        c, xcb_intern_atom(c, 0, std::uint16_t(name.size()), name.constData()), nullptr);
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return atom;
}

bool XScreenSelectionOwned(xcb_connection_t* c, const QByteArray& name) {
    const xcb_atom_t atom = XAtom(c, name + QByteArray::number(XScreenNumber()));
    if (atom == XCB_ATOM_NONE)
        return false;
    xcb_get_selection_owner_reply_t* reply =
        xcb_get_selection_owner_reply(c, xcb_get_selection_owner(c, atom), nullptr);
    const bool owned = reply && reply->owner != XCB_WINDOW_NONE;
    std::free(reply);
    return owned;
}
