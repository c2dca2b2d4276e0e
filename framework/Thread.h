// SPDX-License-Identifier: GPL-3.0-or-later
// Worker threads for components that time things off the UI thread: a thread object that
// starts suspended and can free itself, the call that runs an operation on the UI thread,
// an auto-reset event and the millisecond clock the workers wait with.
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <exception>
#include <functional>
#include <mutex>
#include <thread>

// Set once, not signalled; a wait that sees it set clears it again.
class TAutoResetEvent {
public:
    void SetEvent();
    // Waits up to `milliseconds` (< 0: without limit); true when the event ended the wait.
    bool WaitFor(std::int64_t milliseconds);

private:
    std::mutex mutex_;
    std::condition_variable signalled_;
    bool set_ = false;
};

// Time and waiting as a worker sees them; tests put in a clock of their own.
class TClock {
public:
    virtual ~TClock() = default;
    // Milliseconds from an arbitrary start, never going back.
    virtual std::int64_t Now() = 0;
    // Waits on `event` up to `milliseconds` (< 0: without limit); true when the event ended it.
    virtual bool WaitFor(TAutoResetEvent& event, std::int64_t milliseconds) = 0;
    virtual void Sleep(std::int64_t milliseconds) = 0;
    // The steady clock with real waits.
    static TClock& System();
};

enum class TThreadPriority { tpIdle, tpLowest, tpLower, tpNormal, tpHigher, tpHighest, tpTimeCritical };

// A thread that is created suspended and runs Execute once started. With FreeOnTerminate
// it deletes itself when Execute is over; OnTerminate runs on the UI thread before that.
class TThread {
public:
    TThread() = default;
    virtual ~TThread();
    TThread(const TThread&) = delete;
    TThread& operator=(const TThread&) = delete;

    void Start();
    bool Suspended() const { return !started_; }
    void Terminate() { terminated_ = true; }
    bool Terminated() const { return terminated_; }
    bool Finished() const { return finished_; }
    // Kept for the platform's scheduler; ordinary threads here all run at normal priority.
    TThreadPriority Priority() const { return priority_; }
    void SetPriority(TThreadPriority priority) { priority_ = priority; }
    // Waits for the end of a thread that does not free itself, running synchronised calls
    // meanwhile when called on the UI thread.
    void WaitFor();

    bool FreeOnTerminate = false;
    std::function<void(TThread*)> OnTerminate;

    // Runs `operation` on the UI thread and blocks until it is done; an exception it
    // raises comes back here. On the UI thread itself it simply runs.
    static void Synchronize(const std::function<void()>& operation);

protected:
    virtual void Execute() = 0;

private:
    void Body();
    std::mutex startMutex_;
    std::thread thread_;
    std::atomic<bool> started_{false};
    std::atomic<bool> terminated_{false};
    std::atomic<bool> finished_{false};
    std::atomic<TThreadPriority> priority_{TThreadPriority::tpNormal};
};

// Runs the synchronised calls that wait for the UI thread; true when one ran. Called by the
// message loop and by UI code that waits for a worker.
bool CheckSynchronize();
// The type of the event that wakes the message loop for a synchronised call; a plain QEvent.
int SynchronizeEventType();
bool IsUIThread();
