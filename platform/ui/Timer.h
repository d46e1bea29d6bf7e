#pragma once
// Fires OnTimer every Interval milliseconds while Enabled and Interval is above 0.
#include <memory>

#include "platform/classes/Component.h"
#include "platform/classes/Events.h"

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
    void Update();
    struct TImpl;
    std::unique_ptr<TImpl> FImpl;
    bool FEnabled = true;
    int FInterval = 1000;
};
