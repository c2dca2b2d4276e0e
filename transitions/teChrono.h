// SPDX-License-Identifier: GPL-3.0-or-later
// The stopwatch that paces transitions, read from a replaceable high-resolution clock so
// that tests can drive whole runs on a clock of their own.
#pragma once

#include <cstdint>

// A monotonic counter and its frequency; a frequency of 0 means the counter is missing and
// MilliCounter() (a millisecond clock) stands in.
class TTEClock {
public:
    virtual ~TTEClock() = default;
    virtual std::int64_t Frequency() = 0;
    virtual std::int64_t Counter() = 0;
    virtual std::int64_t MilliCounter() = 0;
};

// The clock all transitions read; `clock` null puts back the system's steady clock.
TTEClock& TransitionClock();
void SetTransitionClock(TTEClock* clock);

class TTEChrono {
public:
    TTEChrono();

    void Start();
    // Milliseconds run so far; a stopped stopwatch reads 0.
    double Elapsed() const;
    void Pause();
    void Stop();

private:
    std::int64_t Now() const;

    bool stopped_ = true;
    double accumulated_ = 0;
    int starts_ = 0;
    bool paused_ = false;
    int stops_ = 0;
    bool highResolution_ = false;
    std::int64_t frequency_ = 0;
    std::int64_t startCounter_ = 0;
};
