#include "gif/GIFThreads.h"

#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <deque>
#include <exception>
#include <memory>
#include <thread>
#include <utility>

namespace {

// Written once at start-up, read by every thread.
std::atomic<std::thread::id> MainThreadId;

// A call waiting for the main thread; blocking callers wait until Done.
struct TPendingCall {
    std::function<void()> Call;
    bool Blocking = false;
    bool Done = false;
    std::exception_ptr Error;
};

// Calls for the main thread, and one condition for every change a waiting thread looks for:
// a call handed over, a blocking call done, or a NotifyMainThreadWaiters (counted by
// Generation so that a wait does not miss one made before it began to sleep).
struct TCallQueue {
    std::mutex Mutex;
    std::condition_variable Changed;
    std::deque<std::shared_ptr<TPendingCall>> Calls;
    std::function<void()> WakeUp;
    uint64_t Generation = 0;
};

TCallQueue& Queue() {
    static TCallQueue queue;
    return queue;
}

// Queues call and wakes whoever waits for calls; the main loop's wake-up is called outside
// the lock, as the main thread may be draining.
void HandOver(std::shared_ptr<TPendingCall> call) {
    TCallQueue& queue = Queue();
    std::function<void()> wakeUp;
    {
        std::lock_guard lock(queue.Mutex);
        queue.Calls.push_back(std::move(call));
        wakeUp = queue.WakeUp;
    }
    queue.Changed.notify_all();
    if (wakeUp) wakeUp();
}

}  // namespace

void RegisterMainThread() { MainThreadId.store(std::this_thread::get_id()); }

bool IsMainThread() { return MainThreadId.load() == std::this_thread::get_id(); }

void Synchronize(const std::function<void()>& fn) {
    if (IsMainThread()) {
        fn();
        return;
    }
    auto call = std::make_shared<TPendingCall>();
    call->Call = fn;
    call->Blocking = true;
    HandOver(call);
    TCallQueue& queue = Queue();
    std::unique_lock lock(queue.Mutex);
    queue.Changed.wait(lock, [&] { return call->Done; });
    if (call->Error) std::rethrow_exception(call->Error);
}

void QueueToMainThread(std::function<void()> fn) {
    auto call = std::make_shared<TPendingCall>();
    call->Call = std::move(fn);
    HandOver(std::move(call));
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
            {
                std::lock_guard lock(queue.Mutex);
                call->Error = error;
                call->Done = true;
            }
            queue.Changed.notify_all();
        } else if (error) {
            std::rethrow_exception(error);
        }
    }
}

void NotifyMainThreadWaiters() {
    TCallQueue& queue = Queue();
    {
        std::lock_guard lock(queue.Mutex);
        ++queue.Generation;
    }
    queue.Changed.notify_all();
}

void WaitRunningMainThreadCalls(const std::function<bool()>& done, bool dropFailures) {
    TCallQueue& queue = Queue();
    const bool main = IsMainThread();
    for (;;) {
        uint64_t seen;
        {
            std::lock_guard lock(queue.Mutex);
            seen = queue.Generation;
        }
        // Asked first: a wait whose end has come runs no calls (its caller may be in the middle
        // of changing what they look at).
        if (done()) return;
        if (main) {
            bool ran = false;
            for (bool draining = true; draining;) {
                try {
                    ran = CheckSynchronize() || ran;
                    draining = false;
                } catch (...) {
                    ran = true;
                    if (!dropFailures) throw;
                }
            }
            if (ran) continue;
        }
        std::unique_lock lock(queue.Mutex);
        queue.Changed.wait(
            lock, [&] { return queue.Generation != seen || (main && !queue.Calls.empty()); });
    }
}

int CurrentThreadId() { return int(syscall(SYS_gettid)); }

bool SetThreadPriorityOf(int threadId, int priority) {
    // Niceness steps around the program's own, which the main thread (whose id is the
    // process's) keeps.
    static constexpr int Steps[] = {19, 10, 5, 0, -5, -10, -20};
    const int level = std::clamp(priority, int(tpIdle), int(tpTimeCritical));
    errno = 0;
    const int base = getpriority(PRIO_PROCESS, id_t(getpid()));
    if (base == -1 && errno != 0) return false;
    const int nice = std::clamp(base + Steps[level], -20, 19);
    return setpriority(PRIO_PROCESS, id_t(threadId), nice) == 0;
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
