#pragma once
// What animation painters need of threads: calls a worker hands to the main thread (which runs
// them whenever it drains the queue, e.g. while it waits for painters to stop), and an
// auto-reset event a painter sleeps on between frames.
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>

// The program registers its main thread at start-up, before any painter runs; until then no
// thread is the main one. Any thread may ask.
void RegisterMainThread();
bool IsMainThread();

// Runs fn in the main thread and waits for it; directly when already there. fn's exception
// comes back to the caller.
void Synchronize(const std::function<void()>& fn);
// Hands fn to the main thread without waiting.
void QueueToMainThread(std::function<void()> fn);
// Main thread: runs the pending calls; true when there was any. The first call that raises
// stops the run and passes its exception on; the calls after it stay queued.
bool CheckSynchronize();
// Called, from the handing thread, each time a call is handed over, so that the main thread's
// loop can be woken to run CheckSynchronize; thread-safe. An empty one: nobody is woken.
void SetMainThreadWakeUp(std::function<void()> wakeUp);

// Waits, without spinning, until done() is true; returns at once, running nothing, when it is
// already. The main thread runs the pending calls meanwhile, since what it waits for may be a
// thread blocked in one; with dropFailures the failures they raise are dropped, otherwise the
// first one ends the wait and comes out here. done() is asked again after every run of calls
// and every NotifyMainThreadWaiters.
void WaitRunningMainThreadCalls(const std::function<bool()>& done, bool dropFailures);
// Wakes the waits of WaitRunningMainThreadCalls: a thread calls it after changing what their
// done() looks at.
void NotifyMainThreadWaiters();

// The platform's thread priorities, lowest first.
enum TThreadPriority { tpIdle, tpLowest, tpLower, tpNormal, tpHigher, tpHighest, tpTimeCritical };
// The system's number for the calling thread.
int CurrentThreadId();
// Schedules thread threadId (of this process) at priority, counted from the program's own
// (tpNormal: as the program runs). A priority the system refuses, as raising one may be
// without privileges, leaves the thread as it was: false.
bool SetThreadPriorityOf(int threadId, int priority);

class TAutoResetEvent {
public:
    void SetEvent();
    // Waits up to ms milliseconds (negative: without limit); true when the event was set, which
    // also resets it.
    bool WaitFor(int64_t ms);

private:
    std::mutex FMutex;
    std::condition_variable FCondition;
    bool FSignalled = false;
};
