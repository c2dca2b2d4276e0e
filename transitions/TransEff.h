// SPDX-License-Identifier: GPL-3.0-or-later
// Transition effects: the engine that animates what a window shows from the screen content
// beneath it (the old image) to the window's own image (the new image) on a render window
// that covers it; the list that owns effects, and the flicker-free cut.
#pragma once

#include "framework/Component.h"
#include "transitions/teChrono.h"
#include "transitions/teRender.h"

#include <QImage>
#include <QPointer>
#include <QRegion>
#include <QWindow>
#include <memory>

class QWidget;
class TTransitionList;

namespace te {
Q_NAMESPACE
enum TTEEffectDirection {
    tedNone,
    tedRight,
    tedLeft,
    tedDown,
    tedUp,
    tedDownRight,
    tedDownLeft,
    tedUpRight,
    tedUpLeft,
    tedIn,
    tedOut
};
Q_ENUM_NS(TTEEffectDirection)

enum TTEPassSettingType { teOnePass, teTwoPasses, tePaletteDependent };
Q_ENUM_NS(TTEPassSettingType)

enum TFCPictureMode { fcpmCenter, fcpmCenterStretch, fcpmStretch, fcpmTile };
Q_ENUM_NS(TFCPictureMode)
} // namespace te

using te::TTEEffectDirection;
using te::TTEPassSettingType;

// Rectangles helpers with the platform's rules: right and bottom exclusive, an empty
// rectangle takes no part in a union.
bool IsRectEmpty(const TRect& r);
TRect UnionRect(const TRect& a, const TRect& b);
TRect IntersectRect(const TRect& a, const TRect& b);

// Options of the two-pass mode; kept for layouts, the program runs one pass only.
class TTEPass2OptionsType : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool DistributedTime MEMBER DistributedTime)
    Q_PROPERTY(bool Reversed MEMBER Reversed)
    Q_PROPERTY(bool UseSolidColor MEMBER UseSolidColor)
    Q_PROPERTY(int SolidColor MEMBER SolidColor)
public:
    using QObject::QObject;
    bool DistributedTime = false;
    bool Reversed = false;
    bool UseSolidColor = true;
    TColor SolidColor = clNone;
};

// The rectangles a frame changed, each copied to the screen on its own.
class TFCDirtyRects {
public:
    void Add(const TRect& rect);
    int Count() const { return int(rects_.size()); }
    TRect Get(int index) const { return rects_.at(index); }
    void Replace(int index, const TRect& rect) { rects_[index] = rect; }
    void Clear() { rects_.clear(); }
    const QList<TRect>& Rects() const { return rects_; }

    bool Clip = false;
    TRect Bounds;
    bool AutoClear = true;

private:
    QList<TRect> rects_;
};

// What Animate works on. The effects' arithmetic (grid, band, frame count) is in the window's
// logical pixels, Width by Height; the images, the surface and the rectangles a frame reports
// are in the screen's device pixels, DeviceWidth by DeviceHeight, Ratio device pixels to one
// logical pixel. Images are 32 bits per pixel, premultiplied: where the screen beneath cannot
// be shown, the old image is transparent and a compositor shows what lies behind.
struct TTETransitionData {
    QImage* Bitmap = nullptr; // the work bitmap, or null: frames go straight to the render window
    QImage* SrcImage = nullptr;
    QImage* DstImage = nullptr;
    TTERenderSurface* Canvas = nullptr;
    int Width = 0;
    int Height = 0;
    double Ratio = 1;
    int DeviceWidth = 0;
    int DeviceHeight = 0;
    int PixelFormat = 32;
    bool HighColor = true;

    // The device pixel edge of logical edge `v`; neighbouring rectangles stay seamless.
    int ToDevice(int v) const { return DeviceEdge(v, Ratio); }
    TRect ToDevice(const TRect& r) const {
        return {ToDevice(r.Left), ToDevice(r.Top), ToDevice(r.Right), ToDevice(r.Bottom)};
    }
};

class TTransitionEffect : public TComponent {
    Q_OBJECT
    Q_PROPERTY(bool AbortOnClick READ AbortOnClick WRITE SetAbortOnClick)
    Q_PROPERTY(bool AbortOnEscape READ AbortOnEscape WRITE SetAbortOnEscape)
    Q_PROPERTY(bool Enabled READ Enabled WRITE SetEnabled)
    Q_PROPERTY(bool FlickerFreeWhenDisabled READ FlickerFreeWhenDisabled WRITE SetFlickerFreeWhenDisabled)
    Q_PROPERTY(TTEPass2OptionsType* Pass2Options READ Pass2Options)
    Q_PROPERTY(te::TTEPassSettingType PassSetting READ PassSetting WRITE SetPassSetting)
    Q_PROPERTY(QString Version READ Version WRITE SetVersion)

public:
    using TAbortQueryEvent = TEvent<QObject*, TTransitionEffect*, bool&>;

    explicit TTransitionEffect(QObject* owner);
    ~TTransitionEffect() override;

    bool AbortOnClick() const { return abortOnClick_; }
    void SetAbortOnClick(bool value) { abortOnClick_ = value; }
    bool AbortOnEscape() const { return abortOnEscape_; }
    void SetAbortOnEscape(bool value) { abortOnEscape_ = value; }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    bool FlickerFreeWhenDisabled() const { return flickerFreeWhenDisabled_; }
    void SetFlickerFreeWhenDisabled(bool value) { flickerFreeWhenDisabled_ = value; }
    TTEPass2OptionsType* Pass2Options() const { return pass2Options_; }
    TTEPassSettingType PassSetting() const { return passSetting_; }
    void SetPassSetting(TTEPassSettingType setting) { passSetting_ = setting; }
    QString Version() const { return QStringLiteral("Version 3.3"); }
    void SetVersion(const QString&) {}

    TTEEffectDirection Direction() const { return direction_; }
    // Accepted only when the effect offers that direction.
    void SetDirection(TTEEffectDirection direction);
    bool Reversed() const { return reversed_; }
    void SetReversed(bool reversed) { reversed_ = reversed; }

    // Enabled (and not switched off for all), or disabled but asked to stay flicker-free.
    bool CanRun() const { return !Disabled() || flickerFreeWhenDisabled_; }
    bool Disabled() const;
    bool Prepared() const { return prepared_; }
    bool Executing() const { return executing_; }
    bool Aborted() const { return abort_; }

    // Covers `rect` of `target` with the render window and takes the old image. The
    // rectangle is in the target's client coordinates. False (and nothing done) when the
    // effect cannot run, another transition is running or no visible window is found.
    bool Prepare(QWidget* target, const TRect& rect);
    // Runs the prepared transition; always ends unprepared. OnAfterTransition fires on every
    // call, OnEndTransition only when an animation ran to its end.
    void Execute();
    // Frees the images and removes the render window; safe at any time.
    void Unprepare();

    // Take the old image from the screen (show transitions).
    void SetTakeOldImageFromScreen(bool value) { fromScreen_ = value; }
    bool TakeOldImageFromScreen() const { return fromScreen_; }
    bool ClientCoordinates() const { return clientCoordinates_; }
    void SetClientCoordinates(bool value) { clientCoordinates_ = value; }
    // A shape for the render window, applied when Execute starts.
    void SetWindowRegion(const QRegion& region) { region_ = region; }
    // Puts the render window back on top of a window that was mapped over it.
    void RaiseRenderWindow();

    TTransitionList* TransitionList() const { return list_; }
    void SetParentComponent(QObject* parent) override;

    TNotifyEvent OnBeforeTransition;
    TNotifyEvent OnStartTransition;
    TNotifyEvent OnEndTransition;
    TNotifyEvent OnAfterTransition;
    TAbortQueryEvent OnAbortQuery;

    // Set from a successful Prepare until Unprepare, and while a form's own showing runs.
    static bool TransitionRunning();
    static void SetTransitionRunning(bool running);
    // Switches every transition off (nothing in the program sets it).
    static bool AllDisabled();
    static void SetAllDisabled(bool disabled);
    // How far from where it asked to be a compositor's shell put the last window shown; what
    // lies beneath a window is taken from that far from where it asks to be.
    static void SetShellOffset(QPoint offset);
    // The flicker-free cut that windows without a show transition of their own use.
    static TTransitionEffect* DefaultTransition();

    // Overridable operations.
    virtual TTEEffectDirection OppositeDirection() const;
    virtual void Animate(TTETransitionData& data) = 0;
    virtual int AdjustWidth(int width) const { return width; }
    virtual int PixelFormat() const { return 32; }
    virtual bool NeedsNewImage() const { return true; }
    virtual bool NeedsOldImage() const { return true; }
    virtual bool MayRenderOldImage() const { return true; }
    virtual bool NeedsWorkBitmap() const { return false; }
    virtual bool WorkBitmapIsOldImage() const { return false; }
    virtual QString Description() const;
    virtual QString EditorName() const { return {}; }
    virtual bool AnimatesFirstPass() const { return true; }

protected:
    // Direction and reversal of the run (one pass: Direction and Reversed).
    TTEEffectDirection EffectiveDirection() const;
    bool EffectiveReversed() const { return reversed_; }
    // Directions this effect accepts besides tedNone.
    virtual bool AcceptsDirection(TTEEffectDirection direction) const { return direction == te::tedNone; }

    // The frame's changes, copied to the screen by PaintFrame.
    TRect UpdateRect;
    TRect ExcludedRect;
    TRect PrevUpdateRect;
    TRect PrevExcludedRect;
    TFCDirtyRects* DirtyRects = nullptr;
    // Set by an effect that put its frame on screen itself.
    bool FramePainted = false;

    // Copies the frame from the work bitmap onto the render window.
    void PaintFrame(TTETransitionData& data);
    // Copies the whole new image onto the render window.
    void ShowNewImage(TTETransitionData& data);
    // Whether the animation is to stop early; `throttled` checks at most every 300 ms.
    bool CheckAbort(bool throttled);

private:
    friend class TTransitionList;
    void ExecuteRun();
    void Animation();
    void Cut();
    void RenderNewImage();
    void RepairTarget();
    QImage Sized(const QImage& image) const;
    QSize DeviceSize() const;
    // Before the first frame: where the window manager really put the target, and the render
    // window (or, inside the target, what it shows) moved there when it differs from the place
    // asked for.
    void FollowPlacement();
    void HideTarget(QWidget* window);

    bool abortOnClick_ = false;
    bool abortOnEscape_ = false;
    bool enabled_ = true;
    bool flickerFreeWhenDisabled_ = false;
    TTEPass2OptionsType* pass2Options_;
    TTEPassSettingType passSetting_ = te::teOnePass;
    TTEEffectDirection direction_ = te::tedNone;
    bool abort_ = false;
    bool executing_ = false;
    bool prepared_ = false;
    bool reversed_ = false;
    bool clientCoordinates_ = true;
    TTransitionList* list_ = nullptr;
    QImage oldImage_;
    QImage newImage_;
    QPointer<QWidget> target_;
    QRect targetRect_;
    QRect screenRect_;
    double ratio_ = 1;
    TTEChrono abortChrono_;
    double abortCheckInterval_ = 300;
    std::unique_ptr<TTERenderSurface> renderWindow_;
    // The render window is a part of the target's window, not a window of its own.
    bool inside_ = false;
    bool fromScreen_ = false;
    QRegion region_;
};

// Shows the new image in one step; the default for windows without a show transition.
class TFlickerFreeTransition : public TTransitionEffect {
    Q_OBJECT
public:
    explicit TFlickerFreeTransition(QObject* owner);
    QString Description() const override { return QStringLiteral("Flicker free cut"); }
    bool NeedsOldImage() const override { return false; }
    void Animate(TTETransitionData& data) override;
};

// Holds the effects placed on it and destroys them with itself.
class TTransitionList : public TComponent {
    Q_OBJECT
    Q_PROPERTY(QString Version READ Version WRITE SetVersion)
public:
    explicit TTransitionList(QObject* owner);
    ~TTransitionList() override;

    QString Version() const { return QStringLiteral("Version 3.3"); }
    void SetVersion(const QString&) {}
    QList<TTransitionEffect*> Transitions() const { return transitions_; }
    void Add(TTransitionEffect* effect);
    void Remove(TTransitionEffect* effect);

private:
    QList<TTransitionEffect*> transitions_;
};
