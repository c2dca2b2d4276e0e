// SPDX-License-Identifier: GPL-3.0-or-later
#include "transitions/teTimed.h"

#include "framework/Guard.h"
#include <cmath>

int RoundEven(double value) {
    return int(std::nearbyint(value));
}

void TTimedTransitionEffect::Initialize(TTETransitionData& data, int& frameCount) {
    dirtyRects_ = std::make_unique<TFCDirtyRects>();
    dirtyRects_->Bounds = Rect(0, 0, data.DeviceWidth, data.DeviceHeight);
    DirtyRects = dirtyRects_.get();
    frameCount = 0;
}

void TTimedTransitionEffect::Finalize(TTETransitionData&) {
    DirtyRects = nullptr;
    dirtyRects_.reset();
}

void TTimedTransitionEffect::Animate(TTETransitionData& data) {
    if (CheckAbort(false))
        return;
    int frameCount = 0;
    Initialize(data, frameCount);
    try {
        if (!CheckAbort(false)) {
            const int g = Granularity();
            if (frameCount <= 0)
                throw EAbort();
            if (milliseconds_ > 0)
                RunTimed(g, frameCount, data);
            else
                RunUntimed(g, frameCount, data);
        }
    } catch (...) {
        Finalize(data);
        data.Bitmap = nullptr;
        throw;
    }
    Finalize(data);
    data.Bitmap = nullptr;
}

void TTimedTransitionEffect::RunUntimed(int g, int frameCount, TTETransitionData& data) {
    for (int frame = g; frame < frameCount; frame += g) {
        DrawFrame(data, frame, g, frameCount, frame - g);
        if (Aborted())
            break;
        PaintFrame(data);
    }
    ShowNewImage(data);
}

void TTimedTransitionEffect::RunTimed(int g, int frameCount, TTETransitionData& data) {
    const float total = float(milliseconds_);
    const float n = float(frameCount);
    float budget = total / n;
    float step = n / (total / budget);
    step = std::min(std::max(step, float(g)), n);
    float previousPaint = 0;
    float mark = 0;

    TTEChrono clock;
    clock.Start();
    auto now = [&clock] { return float(clock.Elapsed()); };
    int frame = RoundEven(step);
    int previous = 0;
    while (frame < frameCount) {
        DrawFrame(data, frame, frame - previous, frameCount, previous);
        if (Aborted())
            break;
        previous = frame;

        const float t0 = now();
        PaintFrame(data);
        const float paint = now() - t0;

        const float t1 = now();
        const float wait = budget - previousPaint - (t1 - mark);
        if (wait > 0) {
            pacing_.Start();
            while (pacing_.Elapsed() < wait) {
            }
            pacing_.Stop();
        }
        const float waited = now() - t1;
        const float newMark = now();

        const float work = (newMark - mark) - waited;
        const float remainingFrames = float(frameCount - frame);
        const float remainingTime = total - newMark;
        if (remainingTime > 0) {
            // A cycle that measured no time at all keeps the smallest step.
            step = work > 0 ? remainingFrames / (remainingTime / work) : 0;
            if (step < g)
                step = float(g);
            else if (g > 1 && RoundEven(step) % g != 0)
                step = float(g * (RoundEven(step) / g + 1));
            step = std::min(step, remainingFrames);
        } else {
            step = remainingFrames;
        }
        budget = remainingTime / (remainingFrames / step);
        mark = newMark;
        previousPaint = paint;
        frame = RoundEven(float(frame) + step);
    }
    ShowNewImage(data);
    clock.Stop();
}

void TTimedTransitionEffect::DrawFrame(TTETransitionData&, int, int, int, int) {
    CheckAbort(true);
}
