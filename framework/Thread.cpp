// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/Thread.h"

#include <QCoreApplication>
#include <QThread>
#include <chrono>
#include <deque>

void TAutoResetEvent::SetEvent() {
    {
        std::lock_guard lock(mutex_);
        set_ = true;
    }
    signalled_.notify_one();
}

bool TAutoResetEvent::WaitFor(std::int64_t milliseconds) {
    std::unique_lock lock(mutex_);
    if (milliseconds < 0)
        signalled_.wait(lock, [this] { return set_; });
    else if (!signalled_.wait_for(lock, std::chrono::milliseconds(milliseconds), [this] { return set_; }))
        return false;
    set_ = false;
    return true;
}

namespace {

class SystemClock : public TClock {
public:
    std::int64_t Now() override {
        using namespace std::chrono;
        return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
    }
    bool WaitFor(TAutoResetEvent& event, std::int64_t milliseconds) override {
        return event.WaitFor(milliseconds);
    }
    void Sleep(std::int64_t milliseconds) override {
        std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
    }
};

// Without an application object the UI thread is the one that started the program.
const std::thread::id kMainThread = std::this_thread::get_id();

struct SyncCall {
    std::function<void()> Operation;
    std::exception_ptr Error;
    bool Done = false;
};

// Never destroyed: a worker may still wait on it while the program exits.
struct SyncState {
    std::mutex Mutex;
    std::condition_variable Done;
    std::deque<SyncCall*> Queue;
};

SyncState& Sync() {
    static auto* state = new SyncState;
    return *state;
}

// Receives the wake-up events on the UI thread. A plain event (not a queued call), so that code
// that looks at pending events while it must not run them can hold it back.
class SyncReceiver : public QObject {
public:
    // Never destroyed, like the calls' state.
    static SyncReceiver& Instance(const QCoreApplication& app) {
        static SyncReceiver* receiver = [&app] {
            auto* made = new SyncReceiver;
            made->moveToThread(app.thread());
            return made;
        }();
        return *receiver;
    }

protected:
    bool event(QEvent* event) override {
        if (event->type() != SynchronizeEventType())
            return QObject::event(event);
        CheckSynchronize();
        return true;
    }
};

} // namespace

TClock& TClock::System() {
    static SystemClock clock;
    return clock;
}

int SynchronizeEventType() {
    static const int type = QEvent::registerEventType();
    return type;
}

bool IsUIThread() {
    if (const QCoreApplication* app = QCoreApplication::instance())
        return QThread::currentThread() == app->thread();
    return std::this_thread::get_id() == kMainThread;
}

bool CheckSynchronize() {
    SyncState& sync = Sync();
    bool ran = false;
    for (;;) {
        SyncCall* call;
        {
            std::lock_guard lock(sync.Mutex);
            if (sync.Queue.empty())
                return ran;
            call = sync.Queue.front();
            sync.Queue.pop_front();
        }
        try {
            call->Operation();
        } catch (...) {
            call->Error = std::current_exception();
        }
        {
            std::lock_guard lock(sync.Mutex);
            call->Done = true;
        }
        sync.Done.notify_all();
        ran = true;
    }
}

void TThread::Synchronize(const std::function<void()>& operation) {
    if (IsUIThread()) {
        operation();
        return;
    }
    SyncState& sync = Sync();
    SyncCall call{operation, nullptr, false};
    {
        std::lock_guard lock(sync.Mutex);
        sync.Queue.push_back(&call);
    }
    // Wakes the message loop; UI code that waits for a worker calls CheckSynchronize itself.
    if (QCoreApplication* app = QCoreApplication::instance())
        QCoreApplication::postEvent(&SyncReceiver::Instance(*app),
                                    new QEvent(QEvent::Type(SynchronizeEventType())));
    {
        std::unique_lock lock(sync.Mutex);
        sync.Done.wait(lock, [&call] { return call.Done; });
    }
    if (call.Error)
        std::rethrow_exception(call.Error);
}

TThread::~TThread() {
    if (thread_.joinable())
        thread_.join();
}

void TThread::Start() {
    std::lock_guard lock(startMutex_);
    if (started_.exchange(true))
        return;
    thread_ = std::thread([this] { Body(); });
}

void TThread::Body() {
    try {
        Execute();
    } catch (...) {
        // Execute keeps what it wants of its errors; nothing may escape the thread.
    }
    if (OnTerminate) {
        try {
            Synchronize([this] { OnTerminate(this); });
        } catch (...) {
        }
    }
    // Start may still be storing the thread's handle.
    std::unique_lock lock(startMutex_);
    finished_ = true;
    if (FreeOnTerminate) {
        thread_.detach();
        lock.unlock();
        delete this;
    }
}

void TThread::WaitFor() {
    if (!started_ || FreeOnTerminate)
        return;
    while (IsUIThread() && !finished_) {
        if (!CheckSynchronize())
            std::this_thread::yield();
    }
    if (thread_.joinable())
        thread_.join();
}
