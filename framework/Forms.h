// SPDX-License-Identifier: GPL-3.0-or-later
// Forms (top-level windows made from a layout) and the application object that creates
// them, runs the message loop and ends the program when the main form closes.
#pragma once

#include "framework/Controls.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QIcon>
#include <QMargins>
#include <QStringList>
#include <QTimer>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

// Scroll bar settings of a form; the game never scrolls, so only the switch is kept.
class TControlScrollBar : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool Visible READ Visible WRITE SetVisible)
public:
    using QObject::QObject;
    bool Visible() const { return visible_; }
    void SetVisible(bool visible) { visible_ = visible; }

private:
    bool visible_ = true;
};

class TForm : public TWinControl {
    Q_OBJECT
    Q_PROPERTY(int Left READ Left WRITE SetLeft)
    Q_PROPERTY(int Top READ Top WRITE SetTop)
    Q_PROPERTY(int Width READ Width WRITE SetWidth)
    Q_PROPERTY(int Height READ Height WRITE SetHeight)
    Q_PROPERTY(fw::TBorderIcons BorderIcons READ BorderIcons WRITE SetBorderIcons)
    Q_PROPERTY(fw::TFormBorderStyle BorderStyle READ BorderStyle WRITE SetBorderStyle)
    Q_PROPERTY(int ClientHeight READ ClientHeight WRITE SetClientHeight)
    Q_PROPERTY(int ClientWidth READ ClientWidth WRITE SetClientWidth)
    Q_PROPERTY(TControlScrollBar* HorzScrollBar READ HorzScrollBar)
    Q_PROPERTY(TControlScrollBar* VertScrollBar READ VertScrollBar)
    Q_PROPERTY(bool OldCreateOrder READ OldCreateOrder WRITE SetOldCreateOrder)
    Q_PROPERTY(fw::TPosition Position READ Position WRITE SetPosition)
    Q_PROPERTY(bool Scaled READ Scaled WRITE SetScaled)
    Q_PROPERTY(int PixelsPerInch READ PixelsPerInch WRITE SetPixelsPerInch)
    Q_PROPERTY(fw::TWindowState WindowState READ WindowState WRITE SetWindowState)

public:
    // Outer size = client size + this frame, for layouts that give the outer size.
    static constexpr int FrameWidth = 8;
    static constexpr int FrameHeight = 34;

    explicit TForm(QObject* owner);
    ~TForm() override;

    // The window manager gives no start and end of a user's drag: size changes of its own that
    // follow each other closer than this are one drag, which ends when none has come for so long.
    static constexpr int SizeMoveQuietTime = 200;

    // The frame that outer sizes count with: the nominal frame of the layouts, whatever frame
    // the window manager draws, so that a layout's outer and client sizes always agree.
    QMargins FrameMargins() const;
    // Where a maximized form's client area goes (screen coordinates); tests replace it.
    static std::function<QRect(const TForm&)> MaximizedArea;
    // False until the form is first made visible: what only a shown form needs can wait for it.
    bool ShownBefore() const { return shownBefore_; }
    // Frame position and outer size, as the window system reports them once shown.
    int Left() const;
    int Top() const;
    int Width() const;
    int Height() const;
    void SetLeft(int left);
    void SetTop(int top);
    void SetWidth(int width) { SetClientWidth(width - FrameWidth); }
    void SetHeight(int height) { SetClientHeight(height - FrameHeight); }
    int ClientWidth() const { return TControl::Width(); }
    int ClientHeight() const { return TControl::Height(); }
    void SetClientWidth(int width);
    void SetClientHeight(int height);

    TBorderIcons BorderIcons() const { return borderIcons_; }
    void SetBorderIcons(TBorderIcons icons);
    TFormBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TFormBorderStyle style);
    TControlScrollBar* HorzScrollBar() const { return horzScrollBar_; }
    TControlScrollBar* VertScrollBar() const { return vertScrollBar_; }
    bool OldCreateOrder() const { return oldCreateOrder_; }
    void SetOldCreateOrder(bool value) { oldCreateOrder_ = value; }
    TPosition Position() const { return position_; }
    void SetPosition(TPosition position) { position_ = position; }
    bool Scaled() const { return scaled_; }
    void SetScaled(bool scaled) { scaled_ = scaled; }
    int PixelsPerInch() const { return pixelsPerInch_; }
    void SetPixelsPerInch(int ppi) { pixelsPerInch_ = ppi; }
    TWindowState WindowState() const { return windowState_; }
    void SetWindowState(TWindowState state);

    // Setting Visible runs the showing change through WindowProc, where components may hook it.
    void SetVisible(bool visible) override;
    void Show();
    // Runs OnClose; hides the form, or ends the program when it is the main form.
    void Close();
    void SetIcon(const QIcon& icon) { setWindowIcon(icon); }

    void Loaded() override;

    TNotifyEvent OnCreate;
    TNotifyEvent OnShow;
    TNotifyEvent OnHide;
    TNotifyEvent OnActivate;
    TNotifyEvent OnResize;
    TEvent<QObject*, TCloseAction&> OnClose;

protected:
    // Reads the form's stored layout (a Qt resource path) and fires OnCreate.
    void LoadLayout(const QString& fileName);
    // Looks up a component the layout created; a missing or mistyped one is a broken layout.
    template <class T> void Bind(T*& field, const char* name) const {
        field = qobject_cast<T*>(FindComponent(QString::fromLatin1(name)));
        if (!field)
            throw std::runtime_error(std::string("layout of ") + metaObject()->className() + " lacks " +
                                     name + " of class " + T::staticMetaObject.className());
    }
    void WndProc(TMessage& message) override;
    void TextChanged() override;
    void ColorChanged() override;
    virtual void DoShow() { OnShow(this); }
    virtual void DoHide() { OnHide(this); }
    virtual void DoClose(TCloseAction& action) { OnClose(this, action); }
    // After the layout's texts were shown in a newly chosen language: the texts the window sets
    // itself follow here.
    virtual void LanguageChanged() {}

    void Paint() override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void ShowingChanged();
    // A form shown maximized takes its maximized place before it is mapped, so that it
    // appears there at once, laid out for that size.
    void TakeMaximizedPlace();
    void RestoreNormalPlace();
    // The form's place is the one the program gave it. Window managers report other places
    // for it (a withdrawn window left at its frame's corner, a frame's corner given for the
    // window's own), so that place is asked for again before each map.
    void ReturnToPlace();
    // Size changes made while the form was hidden reach the components when it shows.
    void AnnounceSize();
    // Window-system changes passed on as the messages that components hooking the form know.
    void SizeMessage();
    void SizeMoveStep(QSize oldSize);
    void EndSizeMove();
    void WindowStateMessages(Qt::WindowStates oldState);
    void ApplySizeLimits();
    void ApplyWindowFlags();
    bool Sizeable() const { return borderStyle_ == bsSizeable || borderStyle_ == bsSizeToolWin; }
    // A form of fixed size keeps it, except while the program has it maximized.
    void ApplyFixedSize();
    void PlaceOnScreen();

    TBorderIcons borderIcons_ = TBorderIcons(biSystemMenu | biMinimize | biMaximize);
    TFormBorderStyle borderStyle_ = bsSizeable;
    TControlScrollBar* horzScrollBar_;
    TControlScrollBar* vertScrollBar_;
    bool oldCreateOrder_ = false;
    TPosition position_ = poDesigned;
    bool scaled_ = true;
    int pixelsPerInch_ = 96;
    TWindowState windowState_ = wsNormal;
    bool placed_ = false;
    bool shownBefore_ = false;
    // WM_SHOWWINDOW went out for the showing now being mapped.
    bool announcedShow_ = false;
    QTimer sizeMoveEnd_;
    bool sizeMoving_ = false;
    QElapsedTimer stateChanged_;
    // The client size the last size message reported; none before the layout is loaded.
    std::optional<QSize> reportedSize_;
    // Where the form was before it took its maximized place itself.
    std::optional<QRect> normalBounds_;
    // The size a fixed-size form keeps while it is maximized, to be fixed at again.
    std::optional<QSize> fixedSize_;
};

class TApplication : public QObject {
    Q_OBJECT
public:
    TApplication(int& argc, char** argv);
    ~TApplication() override;

    // Sets up the toolkit (fonts, resources) before forms are created.
    void Initialize();
    QString Title() const { return title_; }
    void SetTitle(const QString& title);
    QIcon Icon() const { return icon_; }
    // The icon of every window that has none of its own: forms, the transitions' render
    // windows and the error window alike.
    void SetIcon(const QIcon& icon);
    TForm* MainForm() const { return mainForm_; }
    bool ShowMainForm = true;

    // Creates a form owned by the application; the first one becomes the main form.
    template <class T> void CreateForm(T*& reference) {
        auto* form = new T(this);
        reference = form;
        forms_.push_back(form);
        if (!mainForm_)
            mainForm_ = form;
    }

    // Shows the main form and runs the message loop until the program ends.
    int Run();
    // Handles every pending message, then returns.
    void ProcessMessages();
    // Ends the program: every window goes away now, the loop ends.
    void Terminate();
    bool Terminated() const { return terminated_; }
    // Saves a report of an exception that no handler caught and shows the error window, from
    // which the user continues, restarts or closes the program. A restart starts the game
    // afresh, with the same arguments, once this one's loop has ended.
    void HandleException(const std::exception& error);

private:
    void ShowError(const QString& report, const QString& savedTo);

    std::unique_ptr<QApplication> qt_;
    QString title_;
    QIcon icon_;
    TForm* mainForm_ = nullptr;
    std::vector<TForm*> forms_;
    bool terminated_ = false;
    bool showingError_ = false;
    bool restart_ = false;
    // The arguments as the program was given them, before the toolkit took its own out.
    QStringList startArguments_;
};

extern TApplication* Application;
