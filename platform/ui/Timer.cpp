#include "platform/ui/Timer.h"

#include <QTimer>

#include "platform/ui/Application.h"

struct TTimer::TImpl {
    QTimer timer;
};

TTimer::TTimer(TComponent* owner) : TComponent(owner), FImpl(std::make_unique<TImpl>()) {
    QObject::connect(&FImpl->timer, &QTimer::timeout, [this] {
        if (OnTimer) DispatchEvent([this] { OnTimer(this); });
    });
    Update();
}

TTimer::~TTimer() = default;

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

void TTimer::Update() {
    FImpl->timer.stop();
    if (FEnabled && FInterval > 0) FImpl->timer.start(FInterval);
}
