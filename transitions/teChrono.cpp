// SPDX-License-Identifier: GPL-3.0-or-later
#include "transitions/teChrono.h"

#include <chrono>

namespace {

class SteadyClock : public TTEClock {
public:
    std::int64_t Frequency() override { return std::int64_t(std::nano::den); }
    std::int64_t Counter() override {
        return std::chrono::duration_cast<std::chrono::nanoseconds>(
                   std::chrono::steady_clock::now().time_since_epoch())
            .count();
    }
    std::int64_t MilliCounter() override { return Counter() / 1000000; }
};

SteadyClock steadyClock;
TTEClock* currentClock = &steadyClock;

} // namespace

TTEClock& TransitionClock() {
    return *currentClock;
}

void SetTransitionClock(TTEClock* clock) {
    currentClock = clock ? clock : &steadyClock;
}

TTEChrono::TTEChrono() {
    frequency_ = TransitionClock().Frequency();
    highResolution_ = frequency_ > 0;
}

std::int64_t TTEChrono::Now() const {
    return highResolution_ ? TransitionClock().Counter() : TransitionClock().MilliCounter();
}

void TTEChrono::Start() {
    if (!stopped_ && !paused_)
        return;
    startCounter_ = Now();
    ++starts_;
    stopped_ = paused_ = false;
}

double TTEChrono::Elapsed() const {
    if (stopped_ || paused_)
        return accumulated_;
    const double ticks = double(Now() - startCounter_);
    return accumulated_ + (highResolution_ ? ticks * 1000.0 / double(frequency_) : ticks);
}

void TTEChrono::Pause() {
    if (stopped_ || paused_)
        return;
    accumulated_ = Elapsed();
    paused_ = true;
}

void TTEChrono::Stop() {
    Pause();
    if (!stopped_)
        ++stops_;
    accumulated_ = 0;
    starts_ = 0;
    stopped_ = true;
}
