#include "controls/RzBlinkingControlsList.h"

#include <algorithm>
#include <memory>

#include "platform/ui/Timer.h"

namespace {
std::unique_ptr<TRzBlinkingControlsList>& Shared() {
    static std::unique_ptr<TRzBlinkingControlsList> list;
    return list;
}
}  // namespace

// A new list starts in the on phase with the off interval and tells nobody, so the first tick
// turns blinking controls off and the first on phase begins after two off intervals.
TRzBlinkingControlsList::TRzBlinkingControlsList() : FTimer(new TTimer(nullptr)) {
    FTimer->SetInterval(FIntervalOff);
    FTimer->OnTimer = [this](TObject*) { BlinkTick(); };
    FTimer->SetEnabled(true);
}

TRzBlinkingControlsList::~TRzBlinkingControlsList() { delete FTimer; }

void TRzBlinkingControlsList::AddBlinker(IRzBlinker* blinker) { FBlinkers.push_back(blinker); }

void TRzBlinkingControlsList::RemoveBlinker(IRzBlinker* blinker) { std::erase(FBlinkers, blinker); }

void TRzBlinkingControlsList::BlinkTick() {
    FBlinkOn = !FBlinkOn;
    FTimer->SetInterval(FBlinkOn ? FIntervalOn : FIntervalOff);
    // A control may leave the list while it is told; work on a copy.
    for (IRzBlinker* b : std::vector<IRzBlinker*>(FBlinkers))
        if (b->BlinkQuery()) b->Blink(FBlinkOn);
}

TRzBlinkingControlsList* BlinkingControls() { return Shared().get(); }

void AddBlinker(IRzBlinker* blinker) {
    if (!Shared()) Shared() = std::make_unique<TRzBlinkingControlsList>();
    Shared()->AddBlinker(blinker);
}

void RemoveBlinker(IRzBlinker* blinker) {
    if (!Shared()) return;
    Shared()->RemoveBlinker(blinker);
    if (Shared()->BlinkerCount() == 0) Shared().reset();
}
