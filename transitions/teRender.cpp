// SPDX-License-Identifier: GPL-3.0-or-later
#include "transitions/teRender.h"
#include "framework/Thread.h"

#include <QApplication>
#include <QExposeEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <QWidget>

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

class ScreenDisplay : public TTEDisplay {
public:
    QImage GrabScreen(const QRect& r) override {
        QScreen* screen = QGuiApplication::primaryScreen();
        if (!screen)
            return {};
        return screen->grabWindow(0, r.x(), r.y(), r.width(), r.height()).toImage();
    }
    QImage Render(QWidget* widget, const QRect& rect) override { return widget->grab(rect).toImage(); }
    std::unique_ptr<TTERenderSurface> CreateRenderWindow() override {
        return std::make_unique<TTERenderWindow>();
    }
};

ScreenDisplay screenDisplay;
TTEDisplay* currentDisplay = &screenDisplay;

bool UniformlyBlack(const QImage& image) {
    if (image.isNull())
        return true;
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x)
            if ((line[x] & 0xFFFFFF) != 0)
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

QImage ComposeOldImage(const QRect& screenRect, const QWidget* coming, const QColor& background) {
    QList<QWidget*> windows;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget != coming && widget->isVisible() && !widget->isMinimized() &&
            widget->geometry().intersects(screenRect))
            windows.append(widget);
    std::stable_sort(windows.begin(), windows.end(),
                     [](const QWidget* a, const QWidget* b) { return StackingRank(a) < StackingRank(b); });

    const QImage read = TransitionDisplay().GrabScreen(screenRect);
    const bool unreadable = UniformlyBlack(read);
    QImage image(screenRect.size(), QImage::Format_RGB32);
    image.fill(unreadable && !windows.isEmpty() ? background : QColor(Qt::black));
    QPainter painter(&image);
    if (!unreadable)
        painter.drawImage(0, 0, read);
    for (QWidget* widget : windows) {
        const QRect overlap = widget->geometry() & screenRect;
        const QRect own = overlap.translated(-widget->geometry().topLeft());
        painter.drawImage(overlap.topLeft() - screenRect.topLeft(), TransitionDisplay().Render(widget, own));
    }
    return image;
}

TTERenderWindow::TTERenderWindow()
    : store_(this), canRaise_(QGuiApplication::platformName() != QLatin1String("offscreen")) {
    setFlags(Qt::Window | Qt::FramelessWindowHint | Qt::X11BypassWindowManagerHint |
             Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus);
    setTitle(QStringLiteral("teRenderWindow"));
}

TTERenderWindow::~TTERenderWindow() = default;

void TTERenderWindow::ShowOver(const QRect& screenRect, const QImage& image) {
    setGeometry(screenRect);
    store_.resize(screenRect.size());
    const QRect all(QPoint(0, 0), screenRect.size());
    store_.beginPaint(all);
    {
        QPainter painter(store_.paintDevice());
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.fillRect(all, Qt::black);
        painter.drawImage(0, 0, image);
    }
    store_.endPaint();
    show();
    FlushAll();
}

void TTERenderWindow::Copy(const QImage& source, const QList<TRect>& rects, const TRect& excluded) {
    QRegion region;
    for (const TRect& r : rects)
        region += r.ToQRect();
    if (excluded.Width() > 0 && excluded.Height() > 0)
        region -= excluded.ToQRect();
    region &= QRect(QPoint(0, 0), size());
    if (!region.isEmpty()) {
        store_.beginPaint(region);
        QPainter painter(store_.paintDevice());
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        for (const QRect& r : region)
            painter.drawImage(r.topLeft(), source, r);
        painter.end();
        store_.endPaint();
    }
    // Windows mapped meanwhile (a window manager's frame) may lie above; a raise costs
    // nothing when none does. Only the frame's changes go to the screen, and now and then the
    // whole window, so that parts another window covered for a moment come back soon.
    if (canRaise_)
        raise();
    if (++copies_ % kFullFlushEvery == 0)
        FlushAll();
    else if (handle() && !region.isEmpty())
        store_.flush(region);
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
