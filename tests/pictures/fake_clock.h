// SPDX-License-Identifier: GPL-3.0-or-later
// A clock for painter tests: time moves only by the waits and sleeps asked of it (and by
// the test), so delays are checked exactly; a wait longer than HoldAbove (or without
// limit) blocks on the real event until the painter is stopped.
#pragma once

#include "framework/Thread.h"
#include "pictures/GIFImage.h"

#include <QCoreApplication>
#include <atomic>
#include <chrono>
#include <mutex>
#include <thread>
#include <vector>

class FakeClock : public TClock {
public:
    std::int64_t Now() override { return now_; }
    bool WaitFor(TAutoResetEvent& event, std::int64_t milliseconds) override {
        {
            std::lock_guard lock(mutex_);
            waits_.push_back(milliseconds);
        }
        if (milliseconds < 0 || milliseconds > HoldAbove)
            return event.WaitFor(-1);
        if (event.WaitFor(0))
            return true;
        now_ += milliseconds;
        return false;
    }
    void Sleep(std::int64_t milliseconds) override {
        {
            std::lock_guard lock(mutex_);
            sleeps_.push_back(milliseconds);
        }
        now_ += milliseconds;
    }
    void Advance(std::int64_t milliseconds) { now_ += milliseconds; }
    std::vector<std::int64_t> Waits() {
        std::lock_guard lock(mutex_);
        return waits_;
    }
    std::vector<std::int64_t> Sleeps() {
        std::lock_guard lock(mutex_);
        return sleeps_;
    }

    std::int64_t HoldAbove = std::int64_t(1) << 40;

private:
    std::atomic<std::int64_t> now_{1000};
    std::mutex mutex_;
    std::vector<std::int64_t> waits_;
    std::vector<std::int64_t> sleeps_;
};

// Runs the UI side of threaded painters (their frames and hooks) until `done` holds;
// false when it still does not after ten seconds, which only a hang would take.
template <class Predicate> bool RunUntil(Predicate done) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        if (!CheckSynchronize())
            std::this_thread::yield();
    }
    return true;
}

inline bool NoPainters(TGIFImage& picture) {
    std::lock_guard lock(picture.PaintersLock());
    return picture.Painters().empty();
}
