// SPDX-License-Identifier: GPL-3.0-or-later
#include "transitions/TransEff.h"
#include "framework/Controls.h"

#include <QPainter>
#include <QWidget>

namespace {
bool transitionRunning = false;
bool allDisabled = false;

// How far from where it asked to be a compositor's shell put the last window it placed; it
// places a window only once the window has shown a picture, and the next one the same way.
QPoint shellOffset;
} // namespace

bool IsRectEmpty(const TRect& r) {
    return r.Right <= r.Left || r.Bottom <= r.Top;
}

TRect UnionRect(const TRect& a, const TRect& b) {
    if (IsRectEmpty(a))
        return IsRectEmpty(b) ? TRect{} : b;
    if (IsRectEmpty(b))
        return a;
    return {std::min(a.Left, b.Left), std::min(a.Top, b.Top), std::max(a.Right, b.Right),
            std::max(a.Bottom, b.Bottom)};
}

TRect IntersectRect(const TRect& a, const TRect& b) {
    const TRect r{std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right),
                  std::min(a.Bottom, b.Bottom)};
    return IsRectEmpty(r) ? TRect{} : r;
}

void TFCDirtyRects::Add(const TRect& rect) {
    const TRect r = Clip ? IntersectRect(rect, Bounds) : rect;
    if (!IsRectEmpty(r))
        rects_.append(r);
}

bool TTransitionEffect::TransitionRunning() {
    return transitionRunning;
}
void TTransitionEffect::SetTransitionRunning(bool running) {
    transitionRunning = running;
}
bool TTransitionEffect::AllDisabled() {
    return allDisabled;
}
void TTransitionEffect::SetAllDisabled(bool disabled) {
    allDisabled = disabled;
}

void TTransitionEffect::SetShellOffset(QPoint offset) {
    shellOffset = offset;
}

TTransitionEffect* TTransitionEffect::DefaultTransition() {
    static TFlickerFreeTransition* cut = new TFlickerFreeTransition(nullptr);
    return cut;
}

TTransitionEffect::TTransitionEffect(QObject* owner)
    : TComponent(owner), pass2Options_(new TTEPass2OptionsType(this)) {
    PublishEvent(QStringLiteral("OnAbortQuery"), OnAbortQuery);
    PublishEvent(QStringLiteral("OnBeforeTransition"), OnBeforeTransition);
    PublishEvent(QStringLiteral("OnStartTransition"), OnStartTransition);
    PublishEvent(QStringLiteral("OnEndTransition"), OnEndTransition);
    PublishEvent(QStringLiteral("OnAfterTransition"), OnAfterTransition);
}

TTransitionEffect::~TTransitionEffect() {
    Unprepare();
    if (list_)
        list_->Remove(this);
}

void TTransitionEffect::SetEnabled(bool enabled) {
    enabled_ = enabled;
    if (!enabled && prepared_)
        Unprepare();
}

bool TTransitionEffect::Disabled() const {
    return !enabled_ || allDisabled;
}

void TTransitionEffect::SetDirection(TTEEffectDirection direction) {
    if (AcceptsDirection(direction))
        direction_ = direction;
}

TTEEffectDirection TTransitionEffect::OppositeDirection() const {
    switch (direction_) {
    case te::tedRight:
        return te::tedLeft;
    case te::tedLeft:
        return te::tedRight;
    case te::tedDown:
        return te::tedUp;
    case te::tedUp:
        return te::tedDown;
    case te::tedDownRight:
        return te::tedUpLeft;
    case te::tedUpLeft:
        return te::tedDownRight;
    case te::tedDownLeft:
        return te::tedUpRight;
    case te::tedUpRight:
        return te::tedDownLeft;
    case te::tedIn:
        return te::tedOut;
    case te::tedOut:
        return te::tedIn;
    case te::tedNone:
        break;
    }
    return te::tedNone;
}

TTEEffectDirection TTransitionEffect::EffectiveDirection() const {
    return EffectiveReversed() ? OppositeDirection() : direction_;
}

QString TTransitionEffect::Description() const {
    return QString::fromLatin1(metaObject()->className());
}

void TTransitionEffect::SetParentComponent(QObject* parent) {
    if (auto* list = qobject_cast<TTransitionList*>(parent))
        list->Add(this);
}

QSize TTransitionEffect::DeviceSize() const {
    return ::DeviceSize(targetRect_.size(), ratio_);
}

QImage TTransitionEffect::Sized(const QImage& image) const {
    // Device pixels one for one, whatever ratio the image claims.
    const QSize size = DeviceSize();
    QImage sized(AdjustWidth(size.width()), size.height(), QImage::Format_ARGB32_Premultiplied);
    sized.fill(Qt::transparent);
    QImage pixels = image;
    pixels.setDevicePixelRatio(1);
    QPainter painter(&sized);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(QPoint(0, 0), pixels, QRect(QPoint(0, 0), size));
    return sized;
}

bool TTransitionEffect::Prepare(QWidget* target, const TRect& rect) {
    // A running effect keeps its render window; a prepared one starts over, so that the
    // running flag it set does not keep itself from being prepared again.
    if (executing_)
        return false;
    Unprepare();
    if (!CanRun() || transitionRunning || !target)
        return false;
    // Frames are drawn over the top-level window that holds the target.
    QWidget* window = target->window();
    const auto* control = qobject_cast<const TControl*>(window);
    if (!(control ? control->Visible() : window->isVisible()))
        return false;
    const QPoint offset = target->mapTo(window, QPoint(0, 0));
    targetRect_ = rect.ToQRect().translated(offset);
    screenRect_ = targetRect_.translated(window->geometry().topLeft());
    target_ = window;
    ratio_ = TransitionDisplay().Ratio(window);
    try {
        renderWindow_ = TransitionDisplay().CreateRenderWindow();
        const bool composited = TransitionDisplay().Composited();
        if (composited)
            HideTarget(window);
        const QImage beneath =
            ComposeOldImage(screenRect_, ratio_, window, window->palette().color(QPalette::Window));
        // A compositor's shell may put the window elsewhere than asked, and only once it has
        // shown a picture: drawn inside the window, the frames are where the window is.
        inside_ = composited && renderWindow_->ShowInside(window, targetRect_, beneath);
        if (!inside_)
            renderWindow_->ShowOver(screenRect_, beneath);
        prepared_ = true;
        transitionRunning = true;
        if (!Disabled() && NeedsOldImage())
            oldImage_ = Sized(beneath);
    } catch (...) {
        Unprepare();
        throw;
    }
    return true;
}

void TTransitionEffect::FollowPlacement() {
    if (!target_ || !renderWindow_)
        return;
    const QRect asked = screenRect_.translated(-targetRect_.topLeft());
    QRect placed = TransitionDisplay().Placement(target_, asked);
    if (placed.isNull() && TransitionDisplay().Composited())
        placed = asked.translated(shellOffset);
    if (placed.isNull() || placed.topLeft() == asked.topLeft())
        return;
    screenRect_ = targetRect_.translated(placed.topLeft());
    const QImage beneath =
        ComposeOldImage(screenRect_, ratio_, target_, target_->palette().color(QPalette::Window));
    if (inside_)
        renderWindow_->ShowInside(target_, targetRect_, beneath);
    else
        renderWindow_->ShowOver(screenRect_, beneath);
    if (!oldImage_.isNull())
        oldImage_ = Sized(beneath);
}

void TTransitionEffect::HideTarget(QWidget* window) {
    // Under a compositor the render window lets through what lies beneath it, which must be
    // the desktop: until it paints itself, a window with an alpha channel shows nothing, and
    // neither do the parts of the render window inside it not yet revealed. Once it paints, it
    // fills its background as before.
    if (!window->testAttribute(Qt::WA_WState_Created)) {
        window->setAttribute(Qt::WA_TranslucentBackground);
        window->setAttribute(Qt::WA_NoSystemBackground, false);
    }
}

void TTransitionEffect::RaiseRenderWindow() {
    if (renderWindow_)
        renderWindow_->Raise();
}

void TTransitionEffect::Unprepare() {
    oldImage_ = QImage();
    newImage_ = QImage();
    if (renderWindow_) {
        renderWindow_->Hide();
        renderWindow_.reset();
    }
    inside_ = false;
    if (prepared_) {
        prepared_ = false;
        transitionRunning = false;
    }
    target_ = nullptr;
}

void TTransitionEffect::Execute() {
    try {
        if (!region_.isEmpty() && renderWindow_) {
            renderWindow_->SetRegion(region_);
            region_ = QRegion();
        }
        OnBeforeTransition(this);
    } catch (...) {
        Unprepare();
        throw;
    }
    try {
        ExecuteRun();
    } catch (...) {
        executing_ = false;
        Unprepare();
        OnAfterTransition(this);
        throw;
    }
    OnAfterTransition(this);
}

void TTransitionEffect::ExecuteRun() {
    if (!CanRun())
        return;
    if (!prepared_) {
        renderWindow_.reset();
        return;
    }
    abort_ = false;
    executing_ = true;
    UpdateRect = ExcludedRect = TRect{};
    if (renderWindow_ && renderWindow_->Visible()) {
        FollowPlacement();
        if (Disabled())
            Cut();
        else
            Animation();
        RepairTarget();
    }
    executing_ = false;
    Unprepare();
}

void TTransitionEffect::RenderNewImage() {
    if (target_)
        newImage_ = Sized(TransitionDisplay().Render(target_, targetRect_));
}

void TTransitionEffect::Cut() {
    RenderNewImage();
    renderWindow_->Copy(newImage_, {TRect::FromQRect(QRect(QPoint(0, 0), DeviceSize()))}, TRect{});
    renderWindow_->WaitShown();
}

void TTransitionEffect::Animation() {
    if (NeedsNewImage())
        RenderNewImage();
    if (oldImage_.isNull() && NeedsOldImage())
        oldImage_ =
            Sized(ComposeOldImage(screenRect_, ratio_, target_, target_->palette().color(QPalette::Window)));
    const QSize device = DeviceSize();
    QImage work;
    QImage* bitmap = nullptr;
    if (NeedsWorkBitmap()) {
        if (WorkBitmapIsOldImage()) {
            bitmap = &oldImage_;
        } else if (oldImage_.isNull()) {
            work = QImage(AdjustWidth(device.width()), device.height(), QImage::Format_ARGB32_Premultiplied);
            work.fill(Qt::transparent);
            bitmap = &work;
        } else {
            // Only the parts a frame reports reach the screen; start from the old image all
            // the same, so that no frame ever holds undefined pixels.
            work = oldImage_.copy();
            bitmap = &work;
        }
    }
    TTETransitionData data;
    data.Bitmap = bitmap;
    data.SrcImage = &oldImage_;
    data.DstImage = &newImage_;
    data.Canvas = renderWindow_.get();
    data.Width = targetRect_.width();
    data.Height = targetRect_.height();
    data.Ratio = ratio_;
    data.DeviceWidth = device.width();
    data.DeviceHeight = device.height();
    data.PixelFormat = PixelFormat();
    OnStartTransition(this);
    abortChrono_.Start();
    try {
        Animate(data);
    } catch (...) {
        abortChrono_.Stop();
        throw;
    }
    abortChrono_.Stop();
    // The last frame, the whole new image, is on screen and covers the target still.
    renderWindow_->WaitShown();
    OnEndTransition(this);
}

void TTransitionEffect::RepairTarget() {
    // The target paints itself beneath the render window, so that it shows the same as
    // the last frame once uncovered.
    if (target_)
        target_->repaint();
    if (renderWindow_) {
        // A compositor shows the target's own picture before the render window goes.
        renderWindow_->WaitShown();
        renderWindow_->Hide();
    }
    if (target_)
        target_->update();
}

void TTransitionEffect::PaintFrame(TTETransitionData& data) {
    if (FramePainted) {
        FramePainted = false;
    } else if (data.Bitmap && data.Canvas) {
        QList<TRect> rects;
        if (DirtyRects && DirtyRects->Count() > 1)
            rects = DirtyRects->Rects();
        else if (!IsRectEmpty(UpdateRect))
            rects = {UpdateRect};
        else
            rects = {Rect(0, 0, data.DeviceWidth, data.DeviceHeight)};
        data.Canvas->Copy(*data.Bitmap, rects, ExcludedRect);
    }
    PrevUpdateRect = UpdateRect;
    PrevExcludedRect = ExcludedRect;
    UpdateRect = ExcludedRect = TRect{};
    if (DirtyRects && DirtyRects->AutoClear)
        DirtyRects->Clear();
}

void TTransitionEffect::ShowNewImage(TTETransitionData& data) {
    if (data.Canvas && data.DstImage)
        data.Canvas->Copy(*data.DstImage, {Rect(0, 0, data.DeviceWidth, data.DeviceHeight)}, TRect{});
}

bool TTransitionEffect::CheckAbort(bool throttled) {
    if (abort_ || (!abortOnClick_ && !abortOnEscape_ && !OnAbortQuery.Assigned()))
        return abort_;
    if (throttled && abortChrono_.Elapsed() <= abortCheckInterval_)
        return abort_;
    if (abortOnClick_ && renderWindow_ && renderWindow_->TakeClick())
        abort_ = true;
    if (!abort_ && abortOnEscape_ && renderWindow_ && renderWindow_->TakeEscape())
        abort_ = true;
    if (!abort_)
        OnAbortQuery(this, this, abort_);
    abortChrono_.Stop();
    abortChrono_.Start();
    return abort_;
}

TFlickerFreeTransition::TFlickerFreeTransition(QObject* owner) : TTransitionEffect(owner) {
    SetFlickerFreeWhenDisabled(true);
}

void TFlickerFreeTransition::Animate(TTETransitionData& data) {
    ShowNewImage(data);
}

TTransitionList::TTransitionList(QObject* owner) : TComponent(owner) {}

TTransitionList::~TTransitionList() {
    const QList<TTransitionEffect*> effects = transitions_;
    for (TTransitionEffect* effect : effects) {
        effect->list_ = nullptr;
        delete effect;
    }
}

void TTransitionList::Add(TTransitionEffect* effect) {
    if (!effect || transitions_.contains(effect))
        return;
    if (effect->list_)
        effect->list_->Remove(effect);
    transitions_.append(effect);
    effect->list_ = this;
}

void TTransitionList::Remove(TTransitionEffect* effect) {
    transitions_.removeAll(effect);
    if (effect && effect->list_ == this)
        effect->list_ = nullptr;
}
