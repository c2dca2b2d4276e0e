// SPDX-License-Identifier: GPL-3.0-or-later
// What transitions need from the display: the screen's pixels, controls rendered off-screen,
// and a borderless render window that covers the animated area and shows the frames. The
// display can be replaced, so that tests run whole transitions on images of their own.
#pragma once

#include "framework/Types.h"

#include <QBackingStore>
#include <QImage>
#include <QList>
#include <QRegion>
#include <QWindow>
#include <memory>

class QWidget;

// The window the frames are drawn on.
class TTERenderSurface {
public:
    virtual ~TTERenderSurface() = default;
    // Covers `screenRect` and shows `image` there (what lay beneath) at once.
    virtual void ShowOver(const QRect& screenRect, const QImage& image) = 0;
    // Copies the parts `rects` of `source` (in the surface's coordinates) onto the surface,
    // leaving out `excluded`, and puts them on screen.
    virtual void Copy(const QImage& source, const QList<TRect>& rects, const TRect& excluded) = 0;
    // Back on top of the windows beneath, showing what it showed.
    virtual void Raise() = 0;
    virtual void SetRegion(const QRegion& region) = 0;
    virtual void Hide() = 0;
    virtual bool Visible() const = 0;
    // Whether a left button press (or an Escape key) reached the surface since the last call.
    virtual bool TakeClick() = 0;
    virtual bool TakeEscape() = 0;
};

class TTEDisplay {
public:
    virtual ~TTEDisplay() = default;
    // The screen's pixels in `screenRect`, as far as it can be read (black or null where not).
    virtual QImage GrabScreen(const QRect& screenRect) = 0;
    // What `widget` shows in `rect` (its own coordinates), painted off-screen.
    virtual QImage Render(QWidget* widget, const QRect& rect) = 0;
    virtual std::unique_ptr<TTERenderSurface> CreateRenderWindow() = 0;
};

// The display all transitions use; `display` null puts back the real one.
TTEDisplay& TransitionDisplay();
void SetTransitionDisplay(TTEDisplay* display);

// The screen under `screenRect` as it looks before `coming` appears there: the screen read
// back, with the program's own visible windows (all but `coming`) rendered off-screen over it
// in their stacking order. Where the screen reads back uniformly black (XWayland), the
// windows stand in over `background`.
QImage ComposeOldImage(const QRect& screenRect, const QWidget* coming, const QColor& background);

// A bare, frameless window above all others, outside the window manager, that shows only
// what is drawn on it.
class TTERenderWindow : public QWindow, public TTERenderSurface {
    Q_OBJECT
public:
    TTERenderWindow();
    ~TTERenderWindow() override;

    void ShowOver(const QRect& screenRect, const QImage& image) override;
    void Copy(const QImage& source, const QList<TRect>& rects, const TRect& excluded) override;
    void Raise() override;
    void SetRegion(const QRegion& region) override { setMask(region); }
    void Hide() override { hide(); }
    bool Visible() const override { return isVisible(); }
    bool TakeClick() override;
    bool TakeEscape() override;

protected:
    void exposeEvent(QExposeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    class InputTaker;
    // Handles only what came for the program that an abort looks for: a left button press on
    // this window and key presses; the rest waits for the message loop.
    void TakeInput();
    void FlushAll();

    QBackingStore store_;
    // The off-screen platform (tests) has no stacking and complains about raising.
    bool canRaise_;
    static constexpr int kFullFlushEvery = 16;
    int copies_ = 0;
    bool clicked_ = false;
    bool escaped_ = false;
};
