// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/X11.h"

#include <QGuiApplication>
#include <QHash>
#include <QtGui/qguiapplication_platform.h>
#include <algorithm>
#include <cstdlib>
#include <iterator>
#include <mutex>
#include <sys/mman.h>
#include <sys/socket.h>
#include <unistd.h>
#include <vector>
#include <xcb/shm.h>

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
    // An atom keeps its number for the server's life: each name is asked for once.
    static std::mutex guard;
    static QHash<QByteArray, xcb_atom_t> known;
    static xcb_connection_t* knownFor = nullptr;
    {
        const std::lock_guard lock(guard);
        if (knownFor != c) {
            known.clear();
            knownFor = c;
        }
        if (const auto found = known.constFind(name); found != known.constEnd())
            return *found;
    }
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
        c, xcb_intern_atom(c, 0, std::uint16_t(name.size()), name.constData()), nullptr);
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    if (atom != XCB_ATOM_NONE) {
        const std::lock_guard lock(guard);
        if (knownFor == c)
            known.insert(name, atom);
    }
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

namespace {

const xcb_screen_t* XScreen(xcb_connection_t* c) {
    xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(c));
    for (int n = XScreenNumber(); it.rem > 0 && n > 0; --n)
        xcb_screen_next(&it);
    return it.rem > 0 ? it.data : nullptr;
}

// Pixels as QImage::Format_RGB32 holds them: 32 bits each, blue in the lowest byte.
bool PlainColour(const xcb_setup_t* setup, const xcb_screen_t* screen) {
    if (setup->image_byte_order != XCB_IMAGE_ORDER_LSB_FIRST || screen->root_depth != 24)
        return false;
    bool wholeWords = false;
    for (auto f = xcb_setup_pixmap_formats_iterator(setup); f.rem > 0; xcb_format_next(&f))
        if (f.data->depth == screen->root_depth)
            wholeWords = f.data->bits_per_pixel == 32;
    for (auto d = xcb_screen_allowed_depths_iterator(screen); d.rem > 0; xcb_depth_next(&d))
        for (auto v = xcb_depth_visuals_iterator(d.data); v.rem > 0; xcb_visualtype_next(&v))
            if (v.data->visual_id == screen->root_visual)
                return wholeWords && v.data->_class == XCB_VISUAL_CLASS_TRUE_COLOR &&
                       v.data->red_mask == 0xFF0000 && v.data->green_mask == 0xFF00 &&
                       v.data->blue_mask == 0xFF;
    return false;
}

// Shared memory the server writes into, mapped here until the image that shows it goes.
struct Mapping {
    void* memory;
    std::size_t bytes;
};

void Unmap(void* info) {
    const auto* mapping = static_cast<Mapping*>(info);
    munmap(mapping->memory, mapping->bytes);
    delete mapping;
}

// Whether the server takes shared memory as a file descriptor (MIT-SHM 1.2), over a local
// socket, the only kind that carries one.
bool SharesByDescriptor(xcb_connection_t* c) {
    const xcb_query_extension_reply_t* shm = xcb_get_extension_data(c, &xcb_shm_id);
    if (!shm || !shm->present)
        return false;
    sockaddr_storage address{};
    socklen_t length = sizeof address;
    if (getsockname(xcb_get_file_descriptor(c), reinterpret_cast<sockaddr*>(&address), &length) != 0 ||
        address.ss_family != AF_UNIX)
        return false;
    xcb_shm_query_version_reply_t* version =
        xcb_shm_query_version_reply(c, xcb_shm_query_version(c), nullptr);
    const bool fds = version && (version->major_version > 1 ||
                                 (version->major_version == 1 && version->minor_version >= 2));
    std::free(version);
    return fds;
}

// One request and one short reply, instead of the pixels passing through the socket. The memory
// is a file without a name: nothing of it outlives the program, however it ends.
QImage GrabShared(xcb_connection_t* c, xcb_window_t root, const QRect& area) {
    static const bool shares = SharesByDescriptor(c);
    if (!shares)
        return {};
    const std::size_t bytes = std::size_t(area.width()) * std::size_t(area.height()) * 4;
    const int fd = memfd_create("tovimar-plumkin-screen", MFD_CLOEXEC);
    if (fd < 0)
        return {};
    void* memory = ftruncate(fd, off_t(bytes)) == 0
                       ? mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0)
                       : MAP_FAILED;
    if (memory == MAP_FAILED) {
        close(fd);
        return {};
    }
    const xcb_shm_seg_t segment = xcb_generate_id(c);
    // The connection closes the descriptor once it has passed it on.
    xcb_generic_error_t* refused = xcb_request_check(c, xcb_shm_attach_fd_checked(c, segment, fd, 0));
    if (refused) {
        std::free(refused);
        munmap(memory, bytes);
        return {};
    }
    xcb_shm_get_image_reply_t* reply =
        xcb_shm_get_image_reply(c,
                                xcb_shm_get_image(c, root, std::int16_t(area.x()), std::int16_t(area.y()),
                                                  std::uint16_t(area.width()), std::uint16_t(area.height()),
                                                  ~0u, XCB_IMAGE_FORMAT_Z_PIXMAP, segment, 0),
                                nullptr);
    xcb_shm_detach(c, segment);
    xcb_flush(c);
    if (!reply) {
        munmap(memory, bytes);
        return {};
    }
    std::free(reply);
    return QImage(static_cast<uchar*>(memory), area.width(), area.height(), area.width() * 4,
                  QImage::Format_RGB32, &Unmap, new Mapping{memory, bytes});
}

QImage GrabOverSocket(xcb_connection_t* c, xcb_window_t root, const QRect& area) {
    xcb_get_image_reply_t* reply = xcb_get_image_reply(
        c,
        xcb_get_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, root, std::int16_t(area.x()), std::int16_t(area.y()),
                      std::uint16_t(area.width()), std::uint16_t(area.height()), ~0u),
        nullptr);
    QImage image;
    const std::size_t bytes = std::size_t(area.width()) * std::size_t(area.height()) * 4;
    // 32-bit pixels leave no padding at the end of a row.
    if (reply && std::size_t(xcb_get_image_data_length(reply)) >= bytes)
        image = QImage(xcb_get_image_data(reply), area.width(), area.height(), area.width() * 4,
                       QImage::Format_RGB32)
                    .copy();
    std::free(reply);
    return image;
}

} // namespace

QImage XGrabScreen(xcb_connection_t* c, const QRect& area) {
    const xcb_screen_t* screen = c ? XScreen(c) : nullptr;
    if (!screen || area.isEmpty() ||
        !QRect(0, 0, screen->width_in_pixels, screen->height_in_pixels).contains(area) ||
        !PlainColour(xcb_get_setup(c), screen))
        return {};
    QImage image = GrabShared(c, screen->root, area);
    return image.isNull() ? GrabOverSocket(c, screen->root, area) : image;
}

void XRoundTrip(xcb_connection_t* c) {
    std::free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));
}

void XWithdrawSyncRequest(xcb_connection_t* c, xcb_window_t window) {
    const xcb_atom_t protocols = XAtom(c, "WM_PROTOCOLS");
    const xcb_atom_t sync = XAtom(c, "_NET_WM_SYNC_REQUEST");
    xcb_get_property_reply_t* reply =
        xcb_get_property_reply(c, xcb_get_property(c, 0, window, protocols, XCB_ATOM_ATOM, 0, 32), nullptr);
    if (reply && reply->format == 32) {
        const auto* offered = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply));
        const int count = xcb_get_property_value_length(reply) / 4;
        std::vector<xcb_atom_t> kept;
        std::copy_if(offered, offered + count, std::back_inserter(kept),
                     [sync](xcb_atom_t atom) { return atom != sync; });
        if (int(kept.size()) != count)
            xcb_change_property(c, XCB_PROP_MODE_REPLACE, window, protocols, XCB_ATOM_ATOM, 32,
                                std::uint32_t(kept.size()), kept.data());
    }
    std::free(reply);
    xcb_delete_property(c, window, XAtom(c, "_NET_WM_SYNC_REQUEST_COUNTER"));
}

void XMoveTo(xcb_connection_t* c, xcb_window_t window, QPoint at) {
    const std::uint32_t place[] = {std::uint32_t(at.x()), std::uint32_t(at.y())};
    xcb_configure_window(c, window, XCB_CONFIG_WINDOW_X | XCB_CONFIG_WINDOW_Y, place);
    xcb_flush(c);
}
