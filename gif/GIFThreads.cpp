#include "gif/GIFThreads.h"

#include <chrono>
#include <deque>
#include <exception>
#include <memory>
#include <thread>
#include <utility>

namespace {

std::thread::id& MainThreadId() {
    static std::thread::id id = std::this_thread::get_id();
    return id;
}

// A call waiting for the main thread; blocking callers wait on Done.
struct TPendingCall {
    std::function<void()> Call;
    bool Blocking = false;
    bool Done = false;
    std::exception_ptr Error;
};

struct TCallQueue {
    std::mutex Mutex;
    std::condition_variable Finished;
    std::deque<std::shared_ptr<TPendingCall>> Calls;
    std::function<void()> WakeUp;
};

TCallQueue& Queue() {
    static TCallQueue queue;
    return queue;
}

}  // namespace

void SetMainThread() { MainThreadId() = std::this_thread::get_id(); }

bool IsMainThread() { return MainThreadId() == std::this_thread::get_id(); }

void Synchronize(const std::function<void()>& fn) {
    if (IsMainThread()) {
        fn();
        return;
    }
    auto call = std::make_shared<TPendingCall>();
    call->Call = fn;
    call->Blocking = true;
    TCallQueue& queue = Queue();
    std::unique_lock lock(queue.Mutex);
    queue.Calls.push_back(call);
    if (queue.WakeUp) {
        // Woken without the lock held: the main thread may already be draining.
        const std::function<void()> wakeUp = queue.WakeUp;
        lock.unlock();
        wakeUp();
        lock.lock();
    }
    queue.Finished.wait(lock, [&] { return call->Done; });
    if (call->Error) std::rethrow_exception(call->Error);
}

void QueueToMainThread(std::function<void()> fn) {
    auto call = std::make_shared<TPendingCall>();
    call->Call = std::move(fn);
    TCallQueue& queue = Queue();
    std::function<void()> wakeUp;
    {
        std::lock_guard lock(queue.Mutex);
        queue.Calls.push_back(call);
        wakeUp = queue.WakeUp;
    }
    if (wakeUp) wakeUp();
}

void SetMainThreadWakeUp(std::function<void()> wakeUp) {
    TCallQueue& queue = Queue();
    std::lock_guard lock(queue.Mutex);
    queue.WakeUp = std::move(wakeUp);
}

bool CheckSynchronize() {
    TCallQueue& queue = Queue();
    bool any = false;
    for (;;) {
        std::shared_ptr<TPendingCall> call;
        {
            std::lock_guard lock(queue.Mutex);
            if (queue.Calls.empty()) return any;
            call = queue.Calls.front();
            queue.Calls.pop_front();
        }
        any = true;
        std::exception_ptr error;
        try {
            call->Call();
        } catch (...) {
            error = std::current_exception();
        }
        if (call->Blocking) {
            // The waiting thread takes the exception back.
            std::lock_guard lock(queue.Mutex);
            call->Error = error;
            call->Done = true;
            queue.Finished.notify_all();
        } else if (error) {
            std::rethrow_exception(error);
        }
    }
}

void TAutoResetEvent::SetEvent() {
    std::lock_guard lock(FMutex);
    FSignalled = true;
    FCondition.notify_all();
}

bool TAutoResetEvent::WaitFor(int64_t ms) {
    std::unique_lock lock(FMutex);
    const auto signalled = [this] { return FSignalled; };
    if (ms < 0) {
        FCondition.wait(lock, signalled);
    } else if (!FCondition.wait_for(lock, std::chrono::milliseconds(ms), signalled)) {
        return false;
    }
    FSignalled = false;
    return true;
}
