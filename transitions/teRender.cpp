// SPDX-License-Identifier: GPL-3.0-or-later
#include "transitions/teRender.h"
#include "framework/Thread.h"
#include "framework/X11.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QExposeEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <optional>
#include <thread>

namespace {

// Top-level windows from the one activated longest ago to the last one; forms are brought
// to the front when they are activated, so this is their stacking order.
QList<QPointer<QWindow>>& ActivationOrder() {
    static QList<QPointer<QWindow>> order;
    static const bool tracking = [] {
        QObject::connect(qGuiApp, &QGuiApplication::focusWindowChanged, qGuiApp, [](QWindow* window) {
            if (!window)
                return;
            order.removeAll(window);
            order.removeAll(nullptr);
            order.append(window);
        });
        return true;
    }();
    (void)tracking;
    return order;
}

int StackingRank(const QWidget* widget) {
    const QList<QPointer<QWindow>>& order = ActivationOrder();
    const int rank = int(order.indexOf(widget->windowHandle()));
    return rank < 0 ? -1 : rank;
}

xcb_window_t RootWindow(xcb_connection_t* c) {
    return xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
}

bool HasExtension(xcb_connection_t* c, const QByteArray& name) {
    xcb_query_extension_reply_t* reply = xcb_query_extension_reply(
        c, xcb_query_extension(c, std::uint16_t(name.size()), name.constData()), nullptr);
    const bool present = reply && reply->present;
    std::free(reply);
    return present;
}

// A server's extensions stay what they are for the whole connection: asked once, so that a
// transition sends no request between the form's map and its first frame under XWayland.
bool OnXWayland(xcb_connection_t* c) {
    static const bool xwayland = HasExtension(c, "XWAYLAND");
    return xwayland;
}

// Whether a window manager has taken `window` in: reparented it into its frame and shown the
// frame, which it does once the window has its place in it.
bool Framed(xcb_connection_t* c, xcb_window_t window) {
    xcb_query_tree_reply_t* reply = xcb_query_tree_reply(c, xcb_query_tree(c, window), nullptr);
    const bool reparented = reply && reply->parent != reply->root;
    std::free(reply);
    if (!reparented)
        return false;
    xcb_get_window_attributes_reply_t* attributes =
        xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, window), nullptr);
    const bool shown = attributes && attributes->map_state == XCB_MAP_STATE_VIEWABLE;
    std::free(attributes);
    return shown;
}

std::optional<QPoint> RootPosition(xcb_connection_t* c, xcb_window_t window) {
    xcb_translate_coordinates_reply_t* reply = xcb_translate_coordinates_reply(
        c, xcb_translate_coordinates(c, window, RootWindow(c), 0, 0), nullptr);
    std::optional<QPoint> at;
    if (reply)
        at = QPoint(reply->dst_x, reply->dst_y);
    std::free(reply);
    return at;
}

class ScreenDisplay : public TTEDisplay {
public:
    QImage GrabScreen(const QRect& r) override {
        QScreen* screen = QGuiApplication::primaryScreen();
        if (!screen)
            return {};
        // Read straight from the X server, the grab costs a fraction of what Qt's does.
        const double factor = screen->devicePixelRatio();
        const QRect device(QPoint(qRound(r.x() * factor), qRound(r.y() * factor)),
                           QSize(qRound(r.width() * factor), qRound(r.height() * factor)));
        if (QImage image = XGrabScreen(XConnection(), device); !image.isNull())
            return image;
        return screen->grabWindow(0, r.x(), r.y(), r.width(), r.height()).toImage();
    }
    QImage Render(QWidget* widget, const QRect& rect) override { return widget->grab(rect).toImage(); }
    std::unique_ptr<TTERenderSurface> CreateRenderWindow() override {
        return std::make_unique<TTERenderWindow>(Composited());
    }
    double Ratio(const QWidget* widget) const override { return widget->devicePixelRatioF(); }
    bool Composited() const override {
        // XWayland always composites; on X11 a compositor owns the screen's selection.
        xcb_connection_t* c = XConnection();
        return c && (OnXWayland(c) || XScreenSelectionOwned(c, "_NET_WM_CM_S"));
    }
    QRect Placement(QWidget* widget, const QRect&) override {
        // A compositor's shell (Weston) places a window only once it has shown a picture of
        // it, after the window manager has framed it somewhere else first: there is no telling
        // where it goes before the transition.
        xcb_connection_t* c = XConnection();
        if (!c || !widget->windowHandle() || Composited() || !XScreenSelectionOwned(c, "WM_S"))
            return {};
        const auto window = xcb_window_t(widget->winId());
        // A window manager frames the window as soon as it is mapped; a short wait at most.
        QElapsedTimer waited;
        waited.start();
        while (!Framed(c, window)) {
            if (waited.elapsed() > kPlacementWait)
                return {};
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
        const std::optional<QPoint> client = RootPosition(c, window);
        if (!client)
            return {};
        const double ratio = widget->devicePixelRatioF();
        const QPoint logical(int(std::floor(client->x() / ratio + 0.5)),
                             int(std::floor(client->y() / ratio + 0.5)));
        return {logical, widget->size()};
    }

private:
    static constexpr int kPlacementWait = 150;
};

ScreenDisplay screenDisplay;
TTEDisplay* currentDisplay = &screenDisplay;

bool UniformlyBlack(const QImage& image) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    const int width = rgb.width();
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        if (std::any_of(line, line + width, [](QRgb pixel) { return (pixel & 0xFFFFFF) != 0; }))
            return false;
    }
    return true;
}

} // namespace

TTEDisplay& TransitionDisplay() {
    ActivationOrder();
    return *currentDisplay;
}

void SetTransitionDisplay(TTEDisplay* display) {
    currentDisplay = display ? display : &screenDisplay;
}

QImage ComposeOldImage(const QRect& screenRect, double ratio, const QWidget* coming,
                       const QColor& background) {
    QList<QWidget*> windows;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget != coming && widget->isVisible() && !widget->isMinimized() &&
            widget->geometry().intersects(screenRect))
            windows.append(widget);
    std::stable_sort(windows.begin(), windows.end(),
                     [](const QWidget* a, const QWidget* b) { return StackingRank(a) < StackingRank(b); });

    const bool composited = TransitionDisplay().Composited();
    QImage read = composited ? QImage() : TransitionDisplay().GrabScreen(screenRect);
    // A refused read, or one that misses our own windows (XWayland reads black everywhere),
    // shows nothing true; a black desktop beside them is what is there.
    const bool readable = !composited && !read.isNull() && !(!windows.isEmpty() && UniformlyBlack(read));
    QImage image(DeviceSize(screenRect.size(), ratio), QImage::Format_ARGB32_Premultiplied);
    image.fill(composited ? QColor(Qt::transparent) : readable ? QColor(Qt::black) : background);
    QPainter painter(&image);
    if (readable) {
        read.setDevicePixelRatio(1);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(0, 0, read);
        painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    }
    const QPoint origin(DeviceEdge(screenRect.x(), ratio), DeviceEdge(screenRect.y(), ratio));
    for (QWidget* widget : windows) {
        const QRect overlap = widget->geometry() & screenRect;
        const QRect own = overlap.translated(-widget->geometry().topLeft());
        QImage rendered = TransitionDisplay().Render(widget, own);
        rendered.setDevicePixelRatio(1);
        const QPoint at(DeviceEdge(overlap.x(), ratio), DeviceEdge(overlap.y(), ratio));
        painter.drawImage(at - origin, rendered);
    }
    return image;
}

TTERenderWindow::TTERenderWindow(bool translucent)
    : store_(this), translucent_(translucent),
      canRaise_(QGuiApplication::platformName() != QLatin1String("offscreen")) {
    setFlags(Qt::Window | Qt::FramelessWindowHint | Qt::X11BypassWindowManagerHint |
             Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus);
    setTitle(QStringLiteral("teRenderWindow"));
    if (translucent) {
        QSurfaceFormat format = this->format();
        format.setAlphaBufferSize(8);
        setFormat(format);
    }
}

TTERenderWindow::~TTERenderWindow() = default;

void TTERenderWindow::ShowOver(const QRect& screenRect, const QImage& image) {
    Present(screenRect, image);
}

bool TTERenderWindow::ShowInside(QWidget* window, const QRect& rect, const QImage& image) {
    // A native child of the window, above everything the window paints itself.
    window->winId();
    QWindow* host = window->windowHandle();
    if (!host)
        return false;
    setFlags(Qt::Widget | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus);
    setParent(host);
    Present(rect, image);
    return true;
}

void TTERenderWindow::Present(const QRect& rect, const QImage& image) {
    setGeometry(rect);
    store_.resize(rect.size());
    shown_ = QImage(DeviceSize(rect.size(), devicePixelRatio()), QImage::Format_ARGB32_Premultiplied);
    shown_.fill(translucent_ ? QColor(Qt::transparent) : QColor(Qt::black));
    {
        QPainter painter(&shown_);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        QImage pixels = image;
        pixels.setDevicePixelRatio(1);
        painter.drawImage(0, 0, pixels);
    }
    const QRect all(QPoint(0, 0), rect.size());
    store_.beginPaint(all);
    Put(all);
    store_.endPaint();
    show();
    FlushAll();
}

void TTERenderWindow::Put(const QRect& logical) {
    // The backing store may clear what it is asked to paint (alpha surfaces); the logical
    // rectangle covers the device pixels, which come again from what the window shows.
    QPaintDevice* device = store_.paintDevice();
    const double ratio = devicePixelRatio();
    const QRect pixels =
        QRect(QPoint(int(std::floor(logical.left() * ratio)) - 1, int(std::floor(logical.top() * ratio)) - 1),
              QPoint(int(std::ceil((logical.right() + 1) * ratio)),
                     int(std::ceil((logical.bottom() + 1) * ratio)))) &
        shown_.rect();
    auto* image = dynamic_cast<QImage*>(device);
    if (image && image->depth() == 32 && image->size() == shown_.size()) {
        // Straight copies of device pixels: no scaling, no blending.
        const bool opaque = !image->hasAlphaChannel();
        for (int y = pixels.top(); y <= pixels.bottom(); ++y) {
            const auto* from = reinterpret_cast<const QRgb*>(shown_.constScanLine(y)) + pixels.left();
            auto* to = reinterpret_cast<QRgb*>(image->scanLine(y)) + pixels.left();
            if (opaque)
                for (int x = 0; x < pixels.width(); ++x)
                    to[x] = from[x] | 0xFF000000;
            else
                std::copy_n(from, pixels.width(), to);
        }
        return;
    }
    QPainter painter(device);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    QImage part = shown_.copy(pixels);
    part.setDevicePixelRatio(ratio);
    painter.drawImage(QPointF(pixels.topLeft()) / ratio, part);
}

void TTERenderWindow::Copy(const QImage& source, const QList<TRect>& rects, const TRect& excluded) {
    QRegion region;
    for (const TRect& r : rects)
        region += r.ToQRect();
    if (excluded.Width() > 0 && excluded.Height() > 0)
        region -= excluded.ToQRect();
    region &= shown_.rect();
    QRegion logical;
    if (!region.isEmpty()) {
        QPainter painter(&shown_);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        for (const QRect& r : region)
            painter.drawImage(r.topLeft(), source, r);
        painter.end();
        const double ratio = devicePixelRatio();
        for (const QRect& r : region)
            logical += QRect(QPoint(int(std::floor(r.left() / ratio)), int(std::floor(r.top() / ratio))),
                             QPoint(int(std::ceil((r.right() + 1) / ratio)) - 1,
                                    int(std::ceil((r.bottom() + 1) / ratio)) - 1));
        logical &= QRect(QPoint(0, 0), size());
        store_.beginPaint(logical);
        for (const QRect& r : logical)
            Put(r);
        store_.endPaint();
    }
    // Windows mapped meanwhile (a window manager's frame) may lie above; a raise costs
    // nothing when none does. Only the frame's changes go to the screen, and now and then the
    // whole window, so that parts another window covered for a moment come back soon.
    if (canRaise_)
        raise();
    if (++copies_ % kFullFlushEvery == 0)
        FlushAll();
    else if (handle() && !logical.isEmpty())
        store_.flush(logical);
}

void TTERenderWindow::WaitShown() {
    if (!handle())
        return;
    // The X server has drawn what was flushed once it answers; a compositor shows it with its
    // next frame or two, for which there is no word back from it for a window like this one.
    // The answer is awaited on the connection: the message loop would run the program's
    // queued input and timers inside the transition.
    if (xcb_connection_t* c = XConnection())
        XRoundTrip(c);
    if (translucent_)
        std::this_thread::sleep_for(std::chrono::milliseconds(kCompositorFrames));
}

void TTERenderWindow::Raise() {
    if (canRaise_)
        raise();
    FlushAll();
}

void TTERenderWindow::FlushAll() {
    if (handle())
        store_.flush(QRect(QPoint(0, 0), size()));
}

void TTERenderWindow::exposeEvent(QExposeEvent*) {
    if (isExposed())
        FlushAll();
}

void TTERenderWindow::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        clicked_ = true;
    event->accept();
}

void TTERenderWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape)
        escaped_ = true;
    event->accept();
}

bool TTERenderWindow::TakeClick() {
    TakeInput();
    return std::exchange(clicked_, false);
}

bool TTERenderWindow::TakeEscape() {
    TakeInput();
    return std::exchange(escaped_, false);
}

namespace {

bool IsInput(QEvent::Type type) {
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::NonClientAreaMouseButtonPress:
    case QEvent::NonClientAreaMouseButtonRelease:
    case QEvent::NonClientAreaMouseButtonDblClick:
    case QEvent::NonClientAreaMouseMove:
    case QEvent::Wheel:
    case QEvent::KeyRelease:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel:
    case QEvent::TabletPress:
    case QEvent::TabletMove:
    case QEvent::TabletRelease:
    case QEvent::ContextMenu:
    case QEvent::Enter:
    case QEvent::Leave:
    case QEvent::HoverEnter:
    case QEvent::HoverLeave:
    case QEvent::HoverMove:
    case QEvent::Close:
        return true;
    default:
        return false;
    }
}

} // namespace

// While it looks at what came, everything but what it takes is held back and handed back to the
// queue afterwards, in its order: other windows' input, paints, and the workers' calls.
class TTERenderWindow::InputTaker : public QObject {
public:
    explicit InputTaker(TTERenderWindow* window) : window_(window) { qApp->installEventFilter(this); }
    ~InputTaker() override {
        qApp->removeEventFilter(this);
        for (auto& [receiver, event] : held_)
            if (receiver)
                QCoreApplication::postEvent(receiver, event.release());
    }

protected:
    bool eventFilter(QObject* receiver, QEvent* event) override {
        if (receiver == window_)
            return false;
        const QEvent::Type type = event->type();
        if (type == QEvent::KeyPress) {
            // The render window never has the focus; the keys go to it all the same.
            QCoreApplication::sendEvent(window_, event);
            return true;
        }
        if (type == QEvent::ShortcutOverride) {
            event->accept();
            return true;
        }
        if (IsInput(type) || type == QEvent::Expose || type == QEvent::UpdateRequest ||
            type == SynchronizeEventType()) {
            held_.emplace_back(receiver, event->clone());
            return true;
        }
        return false;
    }

private:
    TTERenderWindow* window_;
    std::vector<std::pair<QPointer<QObject>, std::unique_ptr<QEvent>>> held_;
};

void TTERenderWindow::TakeInput() {
    // Input waits in the queue during an animation; look only when an abort is asked for.
    const InputTaker taker(this);
    QCoreApplication::processEvents(QEventLoop::X11ExcludeTimers | QEventLoop::ExcludeSocketNotifiers);
}
