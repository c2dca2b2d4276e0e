// Effects that run for a set time.
#pragma once

#include "transitions/TransEff.h"

class TTimedTransitionEffect : public TTransitionEffect {
    Q_OBJECT
    Q_PROPERTY(int Milliseconds READ Milliseconds WRITE SetMilliseconds)
public:
    using TTransitionEffect::TTransitionEffect;
    int Milliseconds() const { return milliseconds_; }
    void SetMilliseconds(int milliseconds) { milliseconds_ = milliseconds; }

private:
    int milliseconds_ = 0;
};
