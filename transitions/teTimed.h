// SPDX-License-Identifier: GPL-3.0-or-later
// Effects that run for a set time: frames paced by busy-waiting on the high-resolution
// clock and re-planned after every frame, so the total time holds whatever a frame costs.
#pragma once

#include "transitions/TransEff.h"

class TTimedTransitionEffect : public TTransitionEffect {
    Q_OBJECT
    Q_PROPERTY(int Milliseconds READ Milliseconds WRITE SetMilliseconds)
public:
    using TTransitionEffect::TTransitionEffect;
    int Milliseconds() const { return milliseconds_; }
    void SetMilliseconds(int milliseconds) { milliseconds_ = milliseconds; }

    void Animate(TTETransitionData& data) override;
    virtual void Initialize(TTETransitionData& data, int& frameCount);
    virtual void Finalize(TTETransitionData& data);
    virtual void RunTimed(int granularity, int frameCount, TTETransitionData& data);
    virtual void DrawFrame(TTETransitionData& data, int frame, int step, int frameCount, int previousFrame);
    virtual int Granularity() const { return 1; }

private:
    void RunUntimed(int granularity, int frameCount, TTETransitionData& data);

    int milliseconds_ = 0;
    TTEChrono pacing_;
    std::unique_ptr<TFCDirtyRects> dirtyRects_;
};

// Rounds to the nearest integer, ties to even.
int RoundEven(double value);
