#pragma once
// Fires OnTimer every Interval milliseconds while Enabled and Interval is above 0.
//
// The toolkit's clock drives the timers, unless a manual clock (TManualClock) is installed: then
// the timers started while it is installed fire only when the clock is advanced, so that tests
// run the time they need without waiting for it.
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/classes/Component.h"
#include "platform/classes/Events.h"

class TManualClock;

class TTimer : public TComponent {
    KV_DECLARE_CLASS(TTimer, TComponent)
public:
    explicit TTimer(TComponent* owner);
    ~TTimer() override;

    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool value);
    int Interval() const { return FInterval; }
    void SetInterval(int value);

    TNotifyEvent OnTimer;

private:
    friend class TManualClock;
    void Update();
    void Fire();
    struct TImpl;
    std::unique_ptr<TImpl> FImpl;
    bool FEnabled = true;
    int FInterval = 1000;
    TManualClock* FClock = nullptr;  // the manual clock that drives the timer, if any
    int64_t FDue = 0;                // its time of the next firing on that clock
};

// A clock that stands in for the toolkit's while it lives; one at a time. Timers started (or
// restarted) while it is installed run on it; when it goes, they go back to the toolkit's clock.
class TManualClock {
public:
    TManualClock();
    ~TManualClock();
    TManualClock(const TManualClock&) = delete;
    TManualClock& operator=(const TManualClock&) = delete;

    // The clock's time in milliseconds since it was installed.
    int64_t Now() const { return FNow; }
    // Moves the time on by milliseconds, firing every timer that falls due on the way, in order
    // of its due time (timers due at the same time in the order they were started). A timer
    // stopped or freed by an earlier handler does not fire.
    void Advance(int64_t milliseconds);
    static TManualClock* Installed();

private:
    friend class TTimer;
    void Add(TTimer* timer);
    void Remove(TTimer* timer);
    int64_t FNow = 0;
    std::vector<TTimer*> FTimers;
};
