// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/WindowFrame.h"
#include "framework/X11.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <thread>

namespace {

// The answer comes within a round trip or two; a window manager that does not know the
// request never answers.
constexpr int kAnswerWait = 200;

std::optional<QMargins> FrameExtentsOf(xcb_connection_t* c, xcb_window_t window, xcb_atom_t extents) {
    xcb_get_property_reply_t* reply =
        xcb_get_property_reply(c, xcb_get_property(c, 0, window, extents, XCB_ATOM_CARDINAL, 0, 4), nullptr);
    std::optional<QMargins> margins;
    if (reply && reply->format == 32 && xcb_get_property_value_length(reply) == 16) {
        const auto* v = static_cast<const std::uint32_t*>(xcb_get_property_value(reply));
        margins = FrameExtentsFromProperty({v[0], v[1], v[2], v[3]});
    }
    std::free(reply);
    return margins;
}

// Asks the window manager about a stand-in window that is never mapped: a normal window in
// the maximized state, decorated as the game's sizeable windows are.
std::optional<QMargins> AskWindowManager(xcb_connection_t* c) {
    if (!XScreenSelectionOwned(c, "WM_S"))
        return std::nullopt;
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    const xcb_window_t window = xcb_generate_id(c);
    xcb_create_window(c, XCB_COPY_FROM_PARENT, window, screen->root, 0, 0, 100, 100, 0,
                      XCB_WINDOW_CLASS_INPUT_OUTPUT, screen->root_visual, 0, nullptr);
    const xcb_atom_t state[] = {XAtom(c, "_NET_WM_STATE_MAXIMIZED_VERT"),
                                XAtom(c, "_NET_WM_STATE_MAXIMIZED_HORZ")};
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, window, XAtom(c, "_NET_WM_STATE"), XCB_ATOM_ATOM, 32, 2,
                        state);
    const xcb_atom_t normal = XAtom(c, "_NET_WM_WINDOW_TYPE_NORMAL");
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, window, XAtom(c, "_NET_WM_WINDOW_TYPE"), XCB_ATOM_ATOM, 32,
                        1, &normal);
    xcb_client_message_event_t request{};
    request.response_type = XCB_CLIENT_MESSAGE;
    request.format = 32;
    request.window = window;
    request.type = XAtom(c, "_NET_REQUEST_FRAME_EXTENTS");
    xcb_send_event(c, 0, screen->root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char*>(&request));
    xcb_flush(c);
    const xcb_atom_t extents = XAtom(c, "_NET_FRAME_EXTENTS");
    std::optional<QMargins> answer;
    QElapsedTimer waited;
    waited.start();
    while (!(answer = FrameExtentsOf(c, window, extents)) && waited.elapsed() < kAnswerWait)
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    xcb_destroy_window(c, window);
    xcb_flush(c);
    return answer;
}

} // namespace

QMargins FrameExtentsFromProperty(const std::array<std::uint32_t, 4>& v) {
    // Any window manager may write the property: no frame is wider than kMostFrame.
    auto edge = [](std::uint32_t value) { return int(std::min<std::uint32_t>(value, kMostFrame)); };
    // Left, right, top, bottom.
    return QMargins(edge(v[0]), edge(v[2]), edge(v[1]), edge(v[3]));
}

std::optional<QMargins> MaximizedFrameExtents() {
    // The window manager draws every maximized window alike; it is asked once.
    static const std::optional<QMargins> device = [] {
        xcb_connection_t* c = XConnection();
        return c ? AskWindowManager(c) : std::nullopt;
    }();
    if (!device)
        return std::nullopt;
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double ratio = screen ? screen->devicePixelRatio() : 1.0;
    auto logical = [ratio](int v) { return int(std::ceil(v / ratio - 0.001)); };
    return QMargins(logical(device->left()), logical(device->top()), logical(device->right()),
                    logical(device->bottom()));
}

QRect MaximizedClientArea(const QMargins& nominal) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return {};
    return screen->availableGeometry().marginsRemoved(MaximizedFrameExtents().value_or(nominal));
}
