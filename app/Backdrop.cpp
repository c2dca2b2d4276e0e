// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Backdrop.h"
#include "app/Activity.h"
#include "app/Settings.h"
#include "framework/Forms.h"
#include "framework/X11.h"

#include <QApplication>
#include <QByteArray>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QScreen>
#include <QTimer>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <utility>

namespace {

constexpr std::chrono::milliseconds ShellTakesBackdrop(150);

// The colours of the main menu's bottom bar, from white at the top to its warm gradient.
const QColor TopColour(255, 255, 255);
const QColor BottomColour(255, 225, 164);

class TBackdropWindow : public QWidget {
public:
    TBackdropWindow() {
        setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus |
                       Qt::WindowStaysOnTopHint);
        setAttribute(Qt::WA_ShowWithoutActivating);
        setAttribute(Qt::WA_OpaquePaintEvent);
        setWindowTitle(QApplication::applicationName());
        if (Application)
            setWindowIcon(Application->Icon());
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        QLinearGradient gradient(0, 0, 0, height());
        gradient.setColorAt(0, TopColour);
        gradient.setColorAt(1, BottomColour);
        painter.fillRect(rect(), gradient);
    }
    // A child's clicks here land nowhere.
    void mousePressEvent(QMouseEvent*) override {}
    void mouseReleaseEvent(QMouseEvent*) override {}
    void mouseDoubleClickEvent(QMouseEvent*) override {}
};

// The name the window manager gives itself (_NET_WM_NAME of its _NET_SUPPORTING_WM_CHECK window).
QByteArray WindowManagerName(xcb_connection_t* c) {
    const xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(c));
    if (!screens.rem)
        return {};
    auto read = [c](xcb_window_t window, xcb_atom_t property, xcb_atom_t type) {
        const xcb_get_property_cookie_t cookie = xcb_get_property(c, false, window, property, type, 0, 64);
        xcb_get_property_reply_t* reply = xcb_get_property_reply(c, cookie, nullptr);
        QByteArray value;
        if (reply && reply->type == type)
            value = QByteArray(static_cast<const char*>(xcb_get_property_value(reply)),
                               xcb_get_property_value_length(reply));
        free(reply);
        return value;
    };
    const QByteArray check = read(screens.data->root, XAtom(c, "_NET_SUPPORTING_WM_CHECK"), XCB_ATOM_WINDOW);
    if (check.size() != sizeof(xcb_window_t))
        return {};
    xcb_window_t window;
    std::memcpy(&window, check.constData(), sizeof window);
    return read(window, XAtom(c, "_NET_WM_NAME"), XAtom(c, "UTF8_STRING"));
}

} // namespace

void TBackdrop::Switch(bool on) {
    if (on == On())
        return;
    if (on) {
        if (!window_) {
            window_ = new TBackdropWindow;
            BeNormalWindow();
        }
        if (const QScreen* screen = QGuiApplication::primaryScreen())
            window_->setGeometry(screen->geometry());
        // showFullScreen() would also ask to activate a window that never takes the focus.
        window_->setWindowState(Qt::WindowFullScreen);
        StayOutOfTaskLists();
        window_->show();
        qApp->installEventFilter(this);
    } else {
        qApp->removeEventFilter(this);
    }
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* form = qobject_cast<TForm*>(widget); form && form->windowHandle())
            KeepInFront(form, on);
    if (on) {
        xcb_connection_t* connection = XConnection();
        windowManager_ = connection ? WindowManagerName(connection) : QByteArray();
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (auto* level = qobject_cast<TActivityForm*>(widget); level && level->isVisible()) {
                Maximize(level);
                FillScreen(level);
            }
        mapGameAgain_ = ShellReadsOwnerAtMapOnly();
        front_ = QApplication::activeWindow();
    } else {
        window_->hide();
        for (const QPointer<TForm>& level : maximized_)
            if (level)
                level->SetWindowState(wsNormal);
        maximized_.clear();
    }
    RaiseGame();
    Q_EMIT Switched();
}

// Back in front, the active window last, so it keeps the keyboard.
void TBackdrop::RaiseGame() {
    QWidget* active = QApplication::activeWindow();
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (qobject_cast<TForm*>(widget) && widget->isVisible() && widget != active)
            widget->raise();
    if (active)
        active->raise();
}

void TBackdrop::PrepareLevel(TForm* level) {
    if (On() && qobject_cast<TActivityForm*>(level) && !level->isVisible())
        Maximize(level);
}

void TBackdrop::Maximize(TForm* level) {
    if (level->WindowState() == wsMaximized)
        return;
    maximized_.emplace_back(level);
    level->SetWindowState(wsMaximized);
}

void TBackdrop::Release() {
    qApp->removeEventFilter(this);
    delete window_;
    window_ = nullptr;
}

// The toolkit marks a frameless window with KDE's "override" type too, and KWin lets no window
// of that type be full screen: it would stay a plain window below the panels.
void TBackdrop::BeNormalWindow() {
    xcb_connection_t* connection = XConnection();
    if (!connection)
        return;
    const xcb_atom_t normal = XAtom(connection, "_NET_WM_WINDOW_TYPE_NORMAL");
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, xcb_window_t(window_->winId()),
                        XAtom(connection, "_NET_WM_WINDOW_TYPE"), XCB_ATOM_ATOM, 32, 1, &normal);
}

// Not a window of its own to the task bar, the pager or a window switcher. The window manager
// clears _NET_WM_STATE when the window is withdrawn, and the toolkit adds its full-screen state
// to what it finds there when it maps it again.
void TBackdrop::StayOutOfTaskLists() {
    xcb_connection_t* connection = XConnection();
    if (!connection)
        return;
    const xcb_atom_t states[] = {XAtom(connection, "_NET_WM_STATE_SKIP_TASKBAR"),
                                 XAtom(connection, "_NET_WM_STATE_SKIP_PAGER")};
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, xcb_window_t(window_->winId()),
                        XAtom(connection, "_NET_WM_STATE"), XCB_ATOM_ATOM, 32, 2, states);
    xcb_flush(connection);
}

// The window manager keeps a window in front of the one it belongs to (WM_TRANSIENT_FOR). The
// backdrop stays above panels and docks (_NET_WM_STATE_ABOVE), and so do the game's windows
// while it is on: a window manager that stacks by layers first (KWin) keeps the windows of one
// layer in the order they were raised, and the one in front keeps its place. A level that fills
// the screen is full screen too: a desktop counts a maximized window in front of a full-screen
// one as a plain window on the screen and shows its top bar again (GNOME), or puts its panel
// over everything but a full-screen window in use (Weston).
void TBackdrop::KeepInFront(QWidget* window, bool inFront) {
    xcb_connection_t* connection = XConnection();
    if (!connection || !window_)
        return;
    const xcb_window_t id = xcb_window_t(window->winId());
    if (inFront) {
        const xcb_window_t backdrop = xcb_window_t(window_->winId());
        xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id, XCB_ATOM_WM_TRANSIENT_FOR, XCB_ATOM_WINDOW,
                            32, 1, &backdrop);
    } else {
        xcb_delete_property(connection, id, XCB_ATOM_WM_TRANSIENT_FOR);
    }
    AskState(connection, id, "_NET_WM_STATE_ABOVE", inFront);
    if (FillsScreen(window) && !inFront)
        AskState(connection, id, "_NET_WM_STATE_FULLSCREEN", false);
    xcb_flush(connection);
}

// The toolkit adds its own states to those it finds on a window about to be mapped, so the
// window manager learns this one with the map itself.
void TBackdrop::StateBeforeMap(const QWidget* window) {
    xcb_connection_t* connection = XConnection();
    if (!connection)
        return;
    const xcb_atom_t above = XAtom(connection, "_NET_WM_STATE_ABOVE");
    xcb_change_property(connection, XCB_PROP_MODE_APPEND, xcb_window_t(window->winId()),
                        XAtom(connection, "_NET_WM_STATE"), XCB_ATOM_ATOM, 32, 1, &above);
}

// A level already on the screen when the backdrop comes takes all of it; one opened on the
// backdrop rolls in maximized and stays so, as growing after its roll would show as a jump.
// KWin keeps a maximized window above its panels with the backdrop already, and would put a
// full-screen one in a layer of its own, below the backdrop's other windows.
void TBackdrop::FillScreen(QWidget* level) const {
    xcb_connection_t* connection = XConnection();
    if (!connection || windowManager_.startsWith("KWin"))
        return;
    AskState(connection, xcb_window_t(level->winId()), "_NET_WM_STATE_FULLSCREEN", true);
    xcb_flush(connection);
}

bool TBackdrop::FillsScreen(const QWidget* window) {
    const auto* level = qobject_cast<const TActivityForm*>(window);
    return level && level->WindowState() == wsMaximized;
}

void TBackdrop::AskState(xcb_connection_t* connection, unsigned window, const char* state, bool on) {
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
    for (int n = XScreenNumber(); screens.rem > 1 && n > 0; --n)
        xcb_screen_next(&screens);
    if (!screens.rem)
        return;
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = window;
    message.type = XAtom(connection, "_NET_WM_STATE");
    message.data.data32[0] = on ? 1 : 0; // add or remove
    message.data.data32[1] = XAtom(connection, state);
    message.data.data32[3] = 1; // asked by an application
    xcb_send_event(connection, false, screens.data->root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&message));
}

// Weston's shell takes a window's owner (WM_TRANSIENT_FOR) when the window is mapped and never
// after: an X window that says so is mapped again.
bool TBackdrop::ShellReadsOwnerAtMapOnly() const {
    return windowManager_.startsWith("Weston");
}

// The active window last: the shell gives the keyboard to the window it mapped last.
void TBackdrop::MapGameAgain() {
    xcb_connection_t* connection = XConnection();
    QWidget* active = front_ ? front_.data() : QApplication::activeWindow();
    std::vector<QWidget*> forms;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (qobject_cast<TForm*>(widget) && widget->isVisible() && widget != active)
            forms.push_back(widget);
    if (active && qobject_cast<TForm*>(active))
        forms.push_back(active);
    const xcb_atom_t filling[] = {XAtom(connection, "_NET_WM_STATE_MAXIMIZED_VERT"),
                                  XAtom(connection, "_NET_WM_STATE_MAXIMIZED_HORZ"),
                                  XAtom(connection, "_NET_WM_STATE_FULLSCREEN")};
    for (QWidget* form : forms) {
        const xcb_window_t id = xcb_window_t(form->winId());
        xcb_unmap_window(connection, id);
        // A withdrawn window keeps no state; the shell reads it anew at the map.
        xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id, XAtom(connection, "_NET_WM_STATE"),
                            XCB_ATOM_ATOM, 32, FillsScreen(form) ? 3 : 0, filling);
        xcb_map_window(connection, id);
    }
    xcb_flush(connection);
}

bool TBackdrop::eventFilter(QObject* watched, QEvent* event) {
    // The toolkit rewrites WM_TRANSIENT_FOR of a plain window each time it maps it, between the
    // show event and the show-to-parent one: every question of a level maps its window anew.
    // The server is held meanwhile, so that the window manager, which learns of the map at
    // once, reads the owner only once it is set again.
    // The shell makes windows its own only once it has the backdrop's surface, a moment after
    // the backdrop is first painted.
    if (event->type() == QEvent::Paint && watched == window_ && std::exchange(mapGameAgain_, false))
        QTimer::singleShot(ShellTakesBackdrop, this, [this] {
            if (On())
                MapGameAgain();
        });
    const auto* form = qobject_cast<TForm*>(watched);
    if (event->type() == QEvent::Show && form && form->isWindow() && !event->spontaneous()) {
        HoldServer(true);
        StateBeforeMap(form);
    }
    if (event->type() == QEvent::ShowToParent && form && form->isWindow()) {
        KeepInFront(const_cast<TForm*>(form), true);
        HoldServer(false);
    }
    // A window manager that raises the window clicked (KWin) puts the backdrop's own windows
    // back in the order it likes; the one the child was playing goes in front again.
    if (event->type() == QEvent::MouseButtonRelease && window_ && watched == window_)
        RaiseGame();
    return false;
}

void TBackdrop::HoldServer(bool hold) {
    xcb_connection_t* connection = XConnection();
    if (!connection || hold == holding_)
        return;
    holding_ = hold;
    if (hold) {
        xcb_grab_server(connection);
        // Never left held, whatever happens to the showing.
        QTimer::singleShot(0, this, [this] { HoldServer(false); });
    } else {
        xcb_ungrab_server(connection);
    }
    xcb_flush(connection);
}

TBackdrop& FullScreenBackdrop() {
    static TBackdrop backdrop;
    return backdrop;
}

void SwitchFullScreen(bool on) {
    FullScreenBackdrop().Switch(on);
    Settings().Update([on](TParentSettings& s) { s.FullScreen = on; });
}
