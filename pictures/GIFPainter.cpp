// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/Forms.h"
#include "pictures/GIFImage.h"

#include <QCoreApplication>
#include <algorithm>

namespace {

// GIF delays count hundredths of a second; a unit is played as 12 ms.
constexpr std::int64_t kMillisecondsPerUnit = 12;
constexpr int kDefaultDelay = 10;
constexpr int kMinDelay = 3;
constexpr int kMaxSynchronousDelay = 1000;
constexpr std::int64_t kSynchronousHold = 12000;
constexpr std::int64_t kSliceMilliseconds = 100;

std::int64_t RoundedDiv(std::int64_t number, std::int64_t divisor) {
    const std::int64_t half = divisor / 2;
    return (number < 0 ? number - half : number + half) / divisor;
}

void CopyOnto(TCanvas& canvas, const TRect& r, const QImage& image) {
    QPainter& painter = canvas.Painter();
    if (!painter.isActive())
        return;
    painter.save();
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.drawImage(r.ToQRect(), image);
    painter.restore();
}

// A buffer of the target's size holding what the target shows, on the background colour.
QImage Buffer(TCanvas& target, const TRect& r, TColor background, bool copyTarget) {
    QImage buffer(std::max(1, r.Width()), std::max(1, r.Height()), QImage::Format_RGB32);
    buffer.fill(ToQColor(background));
    if (copyTarget) {
        const QImage content = TGIFImage::CanvasContent(target, r);
        if (!content.isNull()) {
            QPainter painter(&buffer);
            painter.drawImage(buffer.rect(), content);
        }
    }
    return buffer;
}

} // namespace

TGIFPainter* TGIFPainter::Create(TGIFImage* picture, TCanvas* canvas, const TRect& rect,
                                 TGIFPaintOptions options, TGIFPainter** reference) {
    auto* painter = new TGIFPainter(picture, canvas, rect, options, reference);
    if (painter->Threaded())
        return painter;
    painter->Execute();
    const std::exception_ptr error = painter->error_;
    delete painter;
    if (error)
        std::rethrow_exception(error);
    return nullptr;
}

TGIFPainter::TGIFPainter(TGIFImage* picture, TCanvas* canvas, const TRect& rect, TGIFPaintOptions options,
                         TGIFPainter** reference)
    : picture_(picture), canvas_(canvas), rect_(rect), options_(options), speed_(picture->SpeedPercent()),
      reference_(reference), clock_(picture->Clock()) {
    OnRunStart = picture->OnRunStart;
    OnBeforeFrame = picture->OnBeforeFrame;
    OnAfterFrame = picture->OnAfterFrame;
    OnLoopRestart = picture->OnLoopRestart;
    OnRunEnd = picture->OnRunEnd;
    const int frames = picture->FrameCount();
    if (frames == 1)
        options_ &= TGIFPaintOptions(~(poThreaded | poAnimate));
    {
        std::lock_guard lock(picture->PaintersLock());
        picture->Painters().push_back(this);
        if (reference_)
            *reference_ = this;
    }
    if ((options_ & poThreaded) && (options_ & poAnimate) && frames > 1 && speed_ >= 0)
        event_ = std::make_unique<TAutoResetEvent>();
    background_ = picture->BackgroundColor();

    unsigned disposals = 0;
    for (int i = 0; i < frames; ++i)
        if (const TGIFGraphicControlExtension* control = picture->Frame(i).GraphicControlExtension())
            disposals |= 1u << control->Disposal;
    if (options_ & poClearAtLoopStart)
        disposals |= 1u << dmBackground;
    const bool background = disposals & (1u << dmBackground);
    const bool previous = disposals & (1u << dmPrevious);
    if (background && (options_ & poTransparent))
        snapshot_ = Buffer(*canvas_, rect_, background_, true);
    if (background || previous) {
        backup_ = Buffer(*canvas_, rect_, background_, true);
        frameBuffer_ = Buffer(*canvas_, rect_, background_, false);
    }

    if (Threaded()) {
        SetPriority(picture->PainterPriority());
        FreeOnTerminate = true;
        OnTerminate = [this](TThread*) { Ending(); };
    }
}

TGIFPainter::~TGIFPainter() {
    if (!Threaded())
        Ending();
}

void TGIFPainter::Stop() {
    stopped_ = true;
    if (!Threaded())
        return;
    if (event_)
        event_->SetEvent();
    SetPriority(TThreadPriority::tpNormal);
    if (Suspended())
        Start();
}

void TGIFPainter::Execute() {
    try {
        Run();
    } catch (...) {
        // The target keeps what was drawn last; a synchronous painter hands the error on.
        error_ = std::current_exception();
        stopped_ = true;
    }
}

void TGIFPainter::Hook(const TGIFPainterHook& hook) {
    if (hook)
        Synchronize([this, &hook] { hook(this); });
}

void TGIFPainter::Run() {
    if (options_ & poCheckCanvas)
        device_ = canvas_->Painter().device();
    activeFrame_ = 0;
    Hook(OnRunStart);
    started_ = false;
    delay_ = Threaded() ? 0 : 1;
    previousDisposal_ = dmNoDisposal;
    delayStart_ = clock_.Now();
    oldDelay_ = 0;
    Passes();
    activeFrame_ = -1;
    Hook(OnRunEnd);
}

void TGIFPainter::Passes() {
    int loops = 1; // < 0: endless
    int loopPoint = 0;
    bool loopSeen = false;
    const int count = picture_->FrameCount();
    while ((loops != 0 || (options_ & poLoopForever)) && !stopped_) {
        activeFrame_ = loopPoint;
        if (started_)
            Hook(OnLoopRestart);
        while (activeFrame_ >= 0 && activeFrame_ < count && !stopped_) {
            TGIFSubImage& frame = picture_->Frame(activeFrame_);
            if (frame.Empty())
                break;
            WaitBeforeFrame(frame);
            if (stopped_)
                break;
            Hook(OnBeforeFrame);
            if (stopped_)
                break;
            disposal_ = dmNoDisposal;
            for (const auto& extension : frame.Extensions) {
                if (auto* loop = dynamic_cast<const TGIFAppExtNSLoop*>(extension.get()); loop && !loopSeen) {
                    loopSeen = true;
                    loops = loop->Loops;
                    if ((loops == 0 || (options_ & poLoopForever)) && Threaded())
                        loops = -1;
                    loopPoint = activeFrame_;
                } else if (extension->Label() == TGIFGraphicControlExtension::kLabel) {
                    disposal_ = static_cast<const TGIFGraphicControlExtension&>(*extension).Disposal;
                }
            }
            Synchronize([this] { ShowFrame(); });
            started_ = true;
            previousDisposal_ = disposal_;
            if (stopped_)
                break;
            const TGIFGraphicControlExtension* control = frame.GraphicControlExtension();
            delay_ = kDefaultDelay;
            if (control && control->Delay != 0) {
                delay_ = std::max<int>(control->Delay, kMinDelay);
                if (!Threaded())
                    delay_ = std::min(delay_, kMaxSynchronousDelay);
            }
            const int shown = activeFrame_;
            Hook(OnAfterFrame);
            if (stopped_)
                break;
            if (activeFrame_ == shown)
                ++activeFrame_;
            if (!(options_ & poAnimate))
                break;
        }
        if (loops > 0)
            --loops;
        if (!(options_ & poAnimate) || !(options_ & poLoop))
            break;
    }
}

// Waits out the delay before a frame, less half of what the previous frame overran.
void TGIFPainter::WaitBeforeFrame(TGIFSubImage& frame) {
    if (delay_ <= 0) {
        std::this_thread::yield();
        return;
    }
    // Decoding counts as overrun of the delay.
    frame.Bitmap();
    const std::int64_t now = clock_.Now();
    std::int64_t milliseconds = -1; // without limit
    if (speed_ > 0) {
        const std::int64_t overrun = now - delayStart_ - oldDelay_;
        milliseconds = RoundedDiv((delay_ * kMillisecondsPerUnit - overrun / 2) * 100, speed_);
        oldDelay_ = milliseconds;
    } else if (!Threaded()) {
        milliseconds = kSynchronousHold;
    }
    delayStart_ = now;
    if (!Threaded()) {
        WaitSynchronous(milliseconds);
        return;
    }
    if (speed_ < 0 || !event_ || (milliseconds <= 0 && speed_ != 0))
        return;
    if (clock_.WaitFor(*event_, milliseconds)) {
        oldDelay_ = 0;
        delayStart_ = clock_.Now();
    }
}

// Sleeps in short slices so that the window keeps answering meanwhile.
void TGIFPainter::WaitSynchronous(std::int64_t milliseconds) {
    milliseconds = std::max<std::int64_t>(milliseconds, 1);
    while (milliseconds > 0 && !stopped_) {
        const std::int64_t before = clock_.Now();
        clock_.Sleep(std::min(milliseconds, kSliceMilliseconds));
        milliseconds -= clock_.Now() - before;
        if (QCoreApplication::instance())
            QCoreApplication::processEvents();
        if (Application && Application->Terminated())
            Stop();
    }
}

void TGIFPainter::ShowFrame() {
    if (stopped_ || !picture_ || activeFrame_ < 0 || activeFrame_ >= picture_->FrameCount())
        return;
    TGIFSubImage& frame = picture_->Frame(activeFrame_);
    if (backup_.isNull()) {
        picture_->DrawFrame(*canvas_, rect_, frame, options_ & poTile, options_ & poTransparent);
    } else {
        if ((options_ & poCheckCanvas) &&
            (!canvas_->Painter().isActive() || canvas_->Painter().device() != device_)) {
            Stop();
            return;
        }
        ShowBuffered(frame);
    }
    if (picture_->DrawPainter() == this)
        picture_->CompositionChanged();
}

// Composes a frame through the backup buffer by its own and the previous frame's disposal.
void TGIFPainter::ShowBuffered(TGIFSubImage& frame) {
    const bool tile = options_ & poTile;
    const bool transparent = options_ & poTransparent;
    const TRect whole{0, 0, backup_.width(), backup_.height()};
    if ((options_ & poClearAtLoopStart) && activeFrame_ == 0)
        ClearArea(backup_, frame);
    if (disposal_ == dmPrevious) {
        if (previousDisposal_ == dmBackground || previousDisposal_ == dmPrevious) {
            frameBuffer_ = backup_.copy();
            {
                TCanvas buffer(&frameBuffer_);
                picture_->DrawFrame(buffer, whole, frame, tile, transparent);
            }
            CopyOnto(*canvas_, rect_, frameBuffer_);
        } else {
            picture_->DrawFrame(*canvas_, rect_, frame, tile, transparent);
        }
        return;
    }
    // Reserved disposal values are kept like "do not dispose".
    {
        TCanvas buffer(&backup_);
        picture_->DrawFrame(buffer, whole, frame, tile, transparent);
    }
    CopyOnto(*canvas_, rect_, backup_);
    if (disposal_ == dmBackground)
        ClearArea(backup_, frame);
}

// Gives a frame's area back to the background: its colour, or with transparency what the
// target showed before the first frame.
void TGIFPainter::ClearArea(QImage& buffer, TGIFSubImage& frame) {
    const TRect whole{0, 0, buffer.width(), buffer.height()};
    std::vector<QRect> areas;
    if (options_ & poTile) {
        const int stepX = std::max(1, picture_->Width());
        const int stepY = std::max(1, picture_->Height());
        for (int y = 0; y < whole.Bottom; y += stepY)
            for (int x = 0; x < whole.Right; x += stepX)
                areas.emplace_back(x + frame.Left, y + frame.Top, frame.Width, frame.Height);
    } else {
        areas.push_back(picture_->FrameArea(whole, frame).ToQRect());
    }
    QPainter painter(&buffer);
    const bool fromSnapshot = (options_ & poTransparent) && !snapshot_.isNull();
    for (const QRect& area : areas) {
        if (fromSnapshot)
            painter.drawImage(area, snapshot_, area);
        else
            painter.fillRect(area, ToQColor(background_));
    }
}

// Leaves the picture: no longer its draw painter nor listed, buffers and event freed.
void TGIFPainter::Ending() {
    if (picture_) {
        std::lock_guard lock(picture_->PaintersLock());
        if (reference_ && *reference_ == this)
            *reference_ = nullptr;
        auto& painters = picture_->Painters();
        painters.erase(std::remove(painters.begin(), painters.end(), this), painters.end());
    }
    picture_ = nullptr;
    backup_ = QImage();
    frameBuffer_ = QImage();
    snapshot_ = QImage();
    event_.reset();
}
