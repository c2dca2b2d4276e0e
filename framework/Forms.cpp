// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/Forms.h"
#include "framework/ErrorReport.h"
#include "framework/FocusRing.h"
#include "framework/Guard.h"
#include "framework/LayoutReader.h"
#include "framework/StdCtrls.h"
#include "framework/WindowFrame.h"
#include "framework/X11.h"

#include <QBackingStore>
#include <QCloseEvent>
#include <QProcess>
#include <QScopeGuard>
#include <QScreen>
#include <QThread>
#include <QWindow>
#include <QWindowStateChangeEvent>
#include <utility>

TApplication* Application = nullptr;

namespace {
// The states in which the desktop has a form fill the screen.
constexpr Qt::WindowStates FillingStates = Qt::WindowMaximized | Qt::WindowFullScreen;
} // namespace

std::function<QRect(const TForm&)> TForm::MaximizedArea = [](const TForm& form) {
    return MaximizedClientArea(form.FrameMargins());
};

void HandleException(const std::exception& error) {
    if (Application)
        Application->HandleException(error);
}

TForm::TForm(QObject* owner)
    : TWinControl(owner), horzScrollBar_(new TControlScrollBar(this)),
      vertScrollBar_(new TControlScrollBar(this)) {
    SetParentColor(false);
    SetColor(clBtnFace);
    SetParentFont(false);
    setAttribute(Qt::WA_QuitOnClose, false);
    setAutoFillBackground(true);
    ApplyWindowFlags();
    PublishEvent(QStringLiteral("OnCreate"), OnCreate);
    PublishEvent(QStringLiteral("OnShow"), OnShow);
    PublishEvent(QStringLiteral("OnHide"), OnHide);
    PublishEvent(QStringLiteral("OnActivate"), OnActivate);
    PublishEvent(QStringLiteral("OnResize"), OnResize);
    PublishEvent(QStringLiteral("OnClose"), OnClose);
    // Hidden until shown by code; the flag is the form's own.
    TControl::SetVisible(false);
    sizeMoveEnd_.setSingleShot(true);
    sizeMoveEnd_.setInterval(SizeMoveQuietTime);
    QObject::connect(&sizeMoveEnd_, &QTimer::timeout, this, [this] { Guarded([this] { EndSizeMove(); }); });
    if (QScreen* screen = QGuiApplication::primaryScreen())
        QObject::connect(screen, &QScreen::availableGeometryChanged, this, [this](const QRect& area) {
            Guarded([&] { Perform(WM_DISPLAYCHANGE, 0, MakeSizeParam(area.width(), area.height())); });
        });
}

TForm::~TForm() {
    Guarded([this] { Perform(WM_DESTROY); });
}

QMargins TForm::FrameMargins() const {
    if (borderStyle_ == bsNone)
        return {};
    return {FrameWidth / 2, FrameHeight - FrameWidth / 2, FrameWidth / 2, FrameWidth / 2};
}

void TForm::LoadLayout(const QString& fileName) {
    ReadLayout(this, fileName);
    OnCreate(this);
}

int TForm::Left() const {
    return isVisible() ? frameGeometry().left() : TControl::Left();
}
int TForm::Top() const {
    return isVisible() ? frameGeometry().top() : TControl::Top();
}
int TForm::Width() const {
    return isVisible() ? frameGeometry().width() : ClientWidth() + FrameWidth;
}
int TForm::Height() const {
    return isVisible() ? frameGeometry().height() : ClientHeight() + FrameHeight;
}

void TForm::SetLeft(int left) {
    SetBounds(left, TControl::Top(), ClientWidth(), ClientHeight());
}
void TForm::SetTop(int top) {
    SetBounds(TControl::Left(), top, ClientWidth(), ClientHeight());
}

void TForm::SetClientWidth(int width) {
    SetBounds(TControl::Left(), TControl::Top(), width, ClientHeight());
}
void TForm::SetClientHeight(int height) {
    SetBounds(TControl::Left(), TControl::Top(), ClientWidth(), height);
}

void TForm::SetBorderIcons(TBorderIcons icons) {
    borderIcons_ = icons;
    ApplyWindowFlags();
}

void TForm::SetBorderStyle(TFormBorderStyle style) {
    borderStyle_ = style;
    ApplyWindowFlags();
}

void TForm::ApplyWindowFlags() {
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (borderStyle_ == bsNone)
        flags = Qt::Window | Qt::FramelessWindowHint;
    if (borderIcons_.testFlag(biSystemMenu))
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (borderIcons_.testFlag(biMinimize) && borderStyle_ != bsToolWindow)
        flags |= Qt::WindowMinimizeButtonHint;
    if (borderIcons_.testFlag(biMaximize) && Sizeable())
        flags |= Qt::WindowMaximizeButtonHint;
    const bool wasVisible = isVisible();
    setWindowFlags(flags);
    if (Sizeable()) {
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    } else {
        ApplyFixedSize();
    }
    if (wasVisible)
        QWidget::show();
}

void TForm::ApplyFixedSize() {
    if (Sizeable())
        return;
    if (windowState_ == wsMaximized) {
        if (!fixedSize_)
            fixedSize_ = QSize(TControl::Width(), TControl::Height());
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    } else {
        // The window manager may report the restored state before the restored size.
        const QSize size = fixedSize_.value_or(QSize(TControl::Width(), TControl::Height()));
        fixedSize_.reset();
        setFixedSize(size);
    }
}

void TForm::SetWindowState(TWindowState state) {
    // Shown again while maximized, the form is mapped at its maximized place, where the
    // window manager would also restore it: the form keeps its normal place itself.
    if (state == wsMaximized && windowState_ == wsNormal && isVisible() && !normalBounds_)
        normalBounds_ = BoundsRect().ToQRect();
    windowState_ = state;
    if (state == wsMaximized)
        ApplyFixedSize();
    if (!isVisible()) {
        if (state != wsMaximized) {
            RestoreNormalPlace();
            ApplyFixedSize();
        }
        return;
    }
    if (state == wsMaximized)
        showMaximized();
    else if (state == wsMinimized)
        showMinimized();
    else
        showNormal();
}

void TForm::TextChanged() {
    setWindowTitle(Caption());
}

void TForm::ColorChanged() {
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, ToQColor(Color()));
    setPalette(palette);
    TWinControl::ColorChanged();
}

void TForm::Loaded() {
    TWinControl::Loaded();
    ApplyWindowFlags();
    reportedSize_ = QSize(ClientWidth(), ClientHeight());
}

void TForm::SetVisible(bool visible) {
    if (visible == Visible())
        return;
    if (visible && !shownBefore_) {
        shownBefore_ = true;
        for (TLabel* label : findChildren<TLabel*>())
            label->AdjustPendingBounds();
    }
    TControl::SetVisible(visible);
    Perform(CM_SHOWINGCHANGED);
}

void TForm::WndProc(TMessage& message) {
    if (message.Msg == CM_SHOWINGCHANGED) {
        ShowingChanged();
        return;
    }
    TWinControl::WndProc(message);
}

void TForm::ShowingChanged() {
    if (Visible()) {
        // Before the show handler, which places controls in the layout the size gives.
        AnnounceSize();
        DoShow();
        PlaceOnScreen();
        if (windowState_ == wsMaximized)
            TakeMaximizedPlace();
        else
            ReturnToPlace();
        // In its place and about to be mapped: the last moment to cover that place. The show
        // event that follows belongs to the same showing and says nothing more.
        Perform(WM_SHOWWINDOW, 1);
        announcedShow_ = true;
        const auto unannounce = qScopeGuard([this] { announcedShow_ = false; });
        // A form the desktop made full screen is shown so again: maximized, it would change
        // size between one showing and the next.
        if (windowState_ == wsMaximized && (windowState() & Qt::WindowFullScreen))
            QWidget::show();
        else if (windowState_ == wsMaximized)
            QWidget::showMaximized();
        else if (windowState() & FillingStates)
            QWidget::showNormal();
        else
            QWidget::show();
        raise();
        activateWindow();
    } else {
        DoHide();
        QWidget::hide();
    }
}

void TForm::ReturnToPlace() {
    const QRect place = BoundsRect().ToQRect();
    if (geometry() != place)
        setGeometry(place);
    // Hidden and shown again at once, the window manager may not have left the withdrawn
    // window anywhere yet when Qt takes its place for the one asked: asked again all the same.
    xcb_connection_t* c = XConnection();
    if (c && testAttribute(Qt::WA_WState_Created)) {
        const double ratio = devicePixelRatioF();
        XMoveTo(c, xcb_window_t(winId()), QPoint(qRound(place.x() * ratio), qRound(place.y() * ratio)));
    }
}

void TForm::PlaceOnScreen() {
    if (placed_)
        return;
    placed_ = true;
    if (position_ != poScreenCenter && position_ != poDesktopCenter && position_ != poMainFormCenter &&
        position_ != poOwnerFormCenter)
        return;
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    const QSize outer(ClientWidth() + FrameWidth, ClientHeight() + FrameHeight);
    const int left = area.left() + (area.width() - outer.width()) / 2 + FrameWidth / 2;
    const int top = area.top() + (area.height() - outer.height()) / 2 + FrameHeight - FrameWidth / 2;
    SetBounds(std::max(area.left(), left), std::max(area.top(), top), ClientWidth(), ClientHeight());
}

void TForm::TakeMaximizedPlace() {
    const bool fullScreen = (windowState() & Qt::WindowFullScreen) && screen();
    const QRect area = fullScreen ? screen()->geometry() : MaximizedArea ? MaximizedArea(*this) : QRect();
    const QRect bounds = BoundsRect().ToQRect();
    if (area.isEmpty() || area == bounds)
        return;
    if (!normalBounds_)
        normalBounds_ = bounds;
    SetBounds(area.left(), area.top(), area.width(), area.height());
    AnnounceSize();
}

void TForm::RestoreNormalPlace() {
    // The window manager puts a window that was mapped maximized back where it was mapped;
    // the form goes back where it was before it took that place.
    const std::optional<QRect> bounds = std::exchange(normalBounds_, std::nullopt);
    if (bounds)
        SetBounds(bounds->left(), bounds->top(), bounds->width(), bounds->height());
}

void TForm::AnnounceSize() {
    if (reportedSize_ && *reportedSize_ != QSize(ClientWidth(), ClientHeight()))
        SizeMessage();
}

void TForm::Show() {
    SetVisible(true);
    raise();
    activateWindow();
}

void TForm::Close() {
    TCloseAction action = caHide;
    DoClose(action);
    if (action == caNone)
        return;
    if (Application && Application->MainForm() == this) {
        Application->Terminate();
        return;
    }
    if (action == caMinimize)
        showMinimized();
    else
        SetVisible(false);
}

void TForm::closeEvent(QCloseEvent* event) {
    event->ignore();
    if (Application && Application->Terminated()) {
        event->accept();
        return;
    }
    Guarded([this] {
        Perform(WM_SYSCOMMAND, SC_CLOSE);
        Close();
    });
}

void TForm::Paint() {
    Perform(WM_ERASEBKGND, reinterpret_cast<std::uintptr_t>(Canvas()));
}

void TForm::resizeEvent(QResizeEvent* event) {
    // The window system may resize a sizeable form; follow it.
    const QRect g = geometry();
    if (g.size() != QSize(ClientWidth(), ClientHeight())) {
        PlaceBy(g);
        // The window already has that size, so taking it did not lay the controls out.
        Realign();
        OnResize(this);
    }
    Guarded([&] {
        Perform(WM_WINDOWPOSCHANGING);
        // A change of the window state brings its own size change, which is no drag.
        const bool afterStateChange = stateChanged_.isValid() && stateChanged_.elapsed() < 500;
        if (event->spontaneous() && windowState() == Qt::WindowNoState && !afterStateChange)
            SizeMoveStep(event->oldSize());
        SizeMessage();
        ApplySizeLimits();
    });
}

void TForm::moveEvent(QMoveEvent*) {
    Guarded([this] { Perform(WM_WINDOWPOSCHANGING); });
}

void TForm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (event->spontaneous())
        return;
    Guarded([this] {
        if (!announcedShow_)
            Perform(WM_SHOWWINDOW, 1);
        ApplySizeLimits();
    });
}

void TForm::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    if (event->spontaneous())
        return;
    Guarded([this] { Perform(WM_SHOWWINDOW, 0); });
    // A hidden window needs no screen buffer (over a megabyte of shared memory with the X
    // server); the next paint after showing sizes it again. One pixel, as an empty size is
    // taken for a huge one by the X backing store.
    if (QBackingStore* store = backingStore(); store && isWindow() && !isVisible())
        store->resize(QSize(1, 1));
}

void TForm::enterEvent(QEnterEvent* event) {
    TWinControl::enterEvent(event);
    Guarded([this] { Perform(WM_SETCURSOR); });
}

void TForm::SizeMessage() {
    // Until it is mapped, the form's own state says how it will be shown.
    const bool mapped = isVisible();
    const bool minimized = mapped ? isMinimized() : windowState_ == wsMinimized;
    const bool maximized = mapped ? isMaximized() : windowState_ == wsMaximized;
    const unsigned type = minimized ? SIZE_MINIMIZED : maximized ? SIZE_MAXIMIZED : SIZE_RESTORED;
    reportedSize_ = size();
    Perform(WM_SIZE, type, MakeSizeParam(width(), height()));
}

void TForm::SizeMoveStep(QSize oldSize) {
    if (!sizeMoving_) {
        sizeMoving_ = true;
        Perform(WM_ENTERSIZEMOVE, 0,
                oldSize.isValid() ? MakeSizeParam(oldSize.width(), oldSize.height()) : 0);
    }
    Perform(WM_SIZING);
    sizeMoveEnd_.start();
}

void TForm::EndSizeMove() {
    if (!sizeMoving_)
        return;
    sizeMoving_ = false;
    sizeMoveEnd_.stop();
    Perform(WM_EXITSIZEMOVE);
}

void TForm::WindowStateMessages(Qt::WindowStates oldState) {
    EndSizeMove();
    stateChanged_.start();
    const Qt::WindowStates state = windowState();
    // A form the desktop shows full screen fills it as a maximized one does.
    windowState_ = state & Qt::WindowMinimized ? wsMinimized : state & FillingStates ? wsMaximized : wsNormal;
    if (windowState_ == wsMinimized)
        Perform(WM_SYSCOMMAND, SC_MINIMIZE);
    else if (windowState_ == wsMaximized)
        Perform(WM_SYSCOMMAND, SC_MAXIMIZE);
    else if (oldState & (Qt::WindowMinimized | FillingStates))
        Perform(WM_SYSCOMMAND, SC_RESTORE);
    if (windowState_ == wsNormal && (oldState & FillingStates)) {
        RestoreNormalPlace();
        ApplyFixedSize();
    }
    SizeMessage();
}

void TForm::ApplySizeLimits() {
    if (borderStyle_ != bsSizeable && borderStyle_ != bsSizeToolWin)
        return;
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->availableGeometry() : QRect();
    TMinMaxInfo info;
    info.MaxSizeX = area.width();
    info.MaxSizeY = area.height();
    info.MaxTrackSizeX = info.MaxTrackSizeY = QWIDGETSIZE_MAX;
    Perform(WM_GETMINMAXINFO, 0, reinterpret_cast<std::intptr_t>(&info));
    // The window manager places a maximized window itself; a smaller maximized size still
    // bounds how large the window may become.
    const QMargins frame = FrameMargins();
    const int frameX = frame.left() + frame.right();
    const int frameY = frame.top() + frame.bottom();
    auto client = [](int outer, int frameSize) {
        return outer >= QWIDGETSIZE_MAX ? QWIDGETSIZE_MAX : std::max(0, outer - frameSize);
    };
    int maxX = info.MaxTrackSizeX;
    int maxY = info.MaxTrackSizeY;
    if (info.MaxSizeX != area.width())
        maxX = std::min(maxX, info.MaxSizeX);
    if (info.MaxSizeY != area.height())
        maxY = std::min(maxY, info.MaxSizeY);
    const QSize minimum(client(info.MinTrackSizeX, frameX), client(info.MinTrackSizeY, frameY));
    const QSize maximum(client(maxX, frameX), client(maxY, frameY));
    if (minimumSize() != minimum)
        setMinimumSize(minimum);
    if (maximumSize() != maximum)
        setMaximumSize(maximum);
}

void TForm::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange) {
        const bool active = isActiveWindow();
        Guarded([&] {
            Perform(WM_ACTIVATE, active ? WA_ACTIVE : WA_INACTIVE);
            if (active)
                OnActivate(this);
        });
    }
    if (event->type() == QEvent::WindowStateChange) {
        const auto oldState = static_cast<QWindowStateChangeEvent*>(event)->oldState();
        Guarded([&] { WindowStateMessages(oldState); });
    }
    if (event->type() == QEvent::LanguageChange)
        Guarded([&] {
            RetranslateLayout(this);
            LanguageChanged();
        });
    QWidget::changeEvent(event);
}

TApplication::TApplication(int& argc, char** argv) {
    for (int i = 1; i < argc; ++i)
        startArguments_ << QString::fromLocal8Bit(argv[i]);
    qt_ = TQtApplication::Create(argc, argv);
    qt_->setQuitOnLastWindowClosed(false);
    WatchFocusKeys(*qt_);
    Application = this;
}

TApplication::~TApplication() {
    for (auto it = forms_.rbegin(); it != forms_.rend(); ++it)
        delete *it;
    forms_.clear();
    Application = nullptr;
}

void TApplication::Initialize() {
    // Old face names of the layouts, mapped to the metric-compatible faces of the system.
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans"));
}

void TApplication::SetTitle(const QString& title) {
    title_ = title;
    QCoreApplication::setApplicationName(title);
}

void TApplication::SetIcon(const QIcon& icon) {
    icon_ = icon;
    QApplication::setWindowIcon(icon);
}

int TApplication::Run() {
    if (mainForm_ && ShowMainForm)
        Guarded([this] { mainForm_->Show(); });
    if (terminated_ && !restart_)
        return 0;
    // A restart chosen before the loop runs still passes through it: what ends with the loop
    // (the rendezvous of later starts) must be gone before the next game starts.
    if (terminated_)
        QMetaObject::invokeMethod(qt_.get(), &QCoreApplication::quit, Qt::QueuedConnection);
    const int status = QApplication::exec();
    // The loop has announced its end (aboutToQuit) before it returned: what the program writes
    // then, its settings among it, is on disk before the new game reads it.
    if (restart_)
        QProcess::startDetached(QCoreApplication::applicationFilePath(), startArguments_);
    return status;
}

void TApplication::ProcessMessages() {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void TApplication::Terminate() {
    if (terminated_)
        return;
    terminated_ = true;
    for (TForm* form : forms_)
        form->QWidget::hide();
    QCoreApplication::exit(0);
}

void TApplication::HandleException(const std::exception& error) {
    const QString report = ErrorReportText(DescribeException(error), CurrentDispatch());
    const QString savedTo = SaveErrorReport(report);
    if (QThread::currentThread() != thread()) {
        QMetaObject::invokeMethod(
            this, [this, report, savedTo] { ShowError(report, savedTo); }, Qt::QueuedConnection);
        return;
    }
    ShowError(report, savedTo);
}

void TApplication::ShowError(const QString& report, const QString& savedTo) {
    // While the window is open, further errors (a paint that keeps failing) are only saved.
    if (showingError_)
        return;
    showingError_ = true;
    const ErrorChoice choice = ShowErrorWindow(title_, report, savedTo);
    showingError_ = false;
    restart_ = choice == ErrorChoice::Restart;
    if (choice != ErrorChoice::Continue)
        Terminate();
}
