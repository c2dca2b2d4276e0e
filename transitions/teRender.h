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
#include <cmath>
#include <memory>

class QWidget;

// The device pixel edge of logical edge `v` at `ratio` device pixels a logical pixel, rounded
// as the window system rounds window sizes, so that edges of neighbours meet.
inline int DeviceEdge(int v, double ratio) {
    return ratio == 1 ? v : int(std::floor(v * ratio + 0.5));
}
inline QSize DeviceSize(QSize logical, double ratio) {
    return {DeviceEdge(logical.width(), ratio), DeviceEdge(logical.height(), ratio)};
}

// The window the frames are drawn on. Its place is in logical pixels; the images shown on it
// and the rectangles copied are in its device pixels.
class TTERenderSurface {
public:
    virtual ~TTERenderSurface() = default;
    // Covers `screenRect` and shows `image` there (what lay beneath) at once; transparent
    // pixels of `image` let the desktop show through where a compositor runs.
    virtual void ShowOver(const QRect& screenRect, const QImage& image) = 0;
    // Covers `rect` of `window` (in the window's own logical coordinates) from inside the
    // window, as a part of it, showing `image`: wherever a compositor's shell puts the window,
    // the frames go with it. False, and nothing done, where a surface cannot.
    virtual bool ShowInside(QWidget*, const QRect&, const QImage&) { return false; }
    // Copies the parts `rects` of `source` onto the surface, leaving out `excluded`, and puts
    // them on screen.
    virtual void Copy(const QImage& source, const QList<TRect>& rects, const TRect& excluded) = 0;
    // Returns once what was copied last has reached the screen, or after a short while.
    virtual void WaitShown() {}
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
    // The screen's pixels in `screenRect` (logical), in device pixels, as far as it can be read
    // (black or null where not).
    virtual QImage GrabScreen(const QRect& screenRect) = 0;
    // What `widget` shows in `rect` (its own logical coordinates), painted off-screen in
    // device pixels.
    virtual QImage Render(QWidget* widget, const QRect& rect) = 0;
    virtual std::unique_ptr<TTERenderSurface> CreateRenderWindow() = 0;
    // Device pixels to one logical pixel where `widget` is shown.
    virtual double Ratio(const QWidget* widget) const = 0;
    // Whether a compositor shows the windows: then what lies behind a transparent render
    // window shows through, and the screen cannot be relied on to be read back.
    virtual bool Composited() const = 0;
    // Where the window manager really put `widget`'s client area (logical), asked for at
    // `asked`, once it has framed it; waits a short while for that. Null when no window
    // manager places it, or when where it goes cannot be known yet.
    virtual QRect Placement(QWidget*, const QRect&) { return {}; }
};

// The display all transitions use; `display` null puts back the real one.
TTEDisplay& TransitionDisplay();
void SetTransitionDisplay(TTEDisplay* display);

// The screen under `screenRect` as it looks before `coming` appears there, in device pixels
// at `ratio`: the screen read back, with the program's own visible windows (all but `coming`)
// rendered off-screen over it in their stacking order. Under a compositor the screen is not
// read: the image is transparent but for those windows. Where the screen cannot be read, or
// reads back uniformly black where those windows are, they stand in over `background`, never
// over black; a black read with none of them there is a black desktop.
QImage ComposeOldImage(const QRect& screenRect, double ratio, const QWidget* coming,
                       const QColor& background);

// A bare, frameless window above all others, outside the window manager, that shows only
// what is drawn on it.
class TTERenderWindow : public QWindow, public TTERenderSurface {
    Q_OBJECT
public:
    // `translucent`: an alpha surface, for a compositor to blend.
    explicit TTERenderWindow(bool translucent);
    ~TTERenderWindow() override;

    void ShowOver(const QRect& screenRect, const QImage& image) override;
    bool ShowInside(QWidget* window, const QRect& rect, const QImage& image) override;
    void Copy(const QImage& source, const QList<TRect>& rects, const TRect& excluded) override;
    void WaitShown() override;
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
    // Takes `image` as what it shows over `rect` and shows it.
    void Present(const QRect& rect, const QImage& image);
    // The device pixels under `logical` from what the window shows onto the backing store.
    void Put(const QRect& logical);

    QBackingStore store_;
    bool translucent_;
    // The off-screen platform (tests) has no stacking and complains about raising.
    bool canRaise_;
    // What the window shows, in device pixels.
    QImage shown_;
    static constexpr int kFullFlushEvery = 16;
    // Three frames of a 60 Hz compositor.
    static constexpr int kCompositorFrames = 50;
    int copies_ = 0;
    bool clicked_ = false;
    bool escaped_ = false;
};
