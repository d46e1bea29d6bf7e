#include "platform/ui/Timer.h"

#include <QTimer>
#include <algorithm>

#include "platform/rtl/Exceptions.h"
#include "platform/ui/Application.h"

namespace {

TManualClock* InstalledClock = nullptr;

}  // namespace

struct TTimer::TImpl {
    QTimer timer;
};

TTimer::TTimer(TComponent* owner) : TComponent(owner), FImpl(std::make_unique<TImpl>()) {
    QObject::connect(&FImpl->timer, &QTimer::timeout, [this] { Fire(); });
    Update();
}

TTimer::~TTimer() {
    if (FClock) FClock->Remove(this);
}

void TTimer::SetEnabled(bool value) {
    if (value == FEnabled) return;
    FEnabled = value;
    Update();
}

void TTimer::SetInterval(int value) {
    if (value == FInterval) return;
    FInterval = value;
    Update();
}

void TTimer::Fire() {
    if (OnTimer) DispatchEvent([this] { OnTimer(this); });
}

void TTimer::Update() {
    FImpl->timer.stop();
    if (FClock) FClock->Remove(this);
    if (!FEnabled || FInterval <= 0) return;
    if (TManualClock* clock = TManualClock::Installed()) {
        FDue = clock->Now() + FInterval;
        clock->Add(this);
    } else {
        FImpl->timer.start(FInterval);
    }
}

// --- The manual clock.

TManualClock::TManualClock() {
    // One clock at a time: a second would leave timers on a clock nobody advances.
    if (InstalledClock) throw EInvalidOperation("A manual clock is installed already");
    InstalledClock = this;
}

TManualClock::~TManualClock() {
    InstalledClock = nullptr;
    // The timers it drove go back to the toolkit's clock.
    const std::vector<TTimer*> timers = FTimers;
    for (TTimer* timer : timers) timer->Update();
}

TManualClock* TManualClock::Installed() { return InstalledClock; }

void TManualClock::Add(TTimer* timer) {
    timer->FClock = this;
    FTimers.push_back(timer);
}

void TManualClock::Remove(TTimer* timer) {
    timer->FClock = nullptr;
    FTimers.erase(std::remove(FTimers.begin(), FTimers.end(), timer), FTimers.end());
}

void TManualClock::Advance(int64_t milliseconds) {
    const int64_t end = FNow + std::max<int64_t>(milliseconds, 0);
    for (;;) {
        // The earliest due timer; the first started wins a tie (stable order of the list).
        TTimer* next = nullptr;
        for (TTimer* timer : FTimers)
            if (timer->FDue <= end && (!next || timer->FDue < next->FDue)) next = timer;
        if (!next) break;
        FNow = next->FDue;
        // Due again one interval on; moved to the end so that timers due together take turns.
        next->FDue += next->FInterval;
        Remove(next);
        Add(next);
        next->Fire();
    }
    FNow = end;
}
