#include "platform/ui/ProgressBar.h"

#include <QProgressBar>
#include <algorithm>

#include "platform/classes/Publisher.h"

namespace {
const TEnumInfo& OrientationNames() {
    static const TEnumInfo names{"pbHorizontal", "pbVertical"};
    return names;
}
QProgressBar* Bar(QWidget* w) { return static_cast<QProgressBar*>(w); }
}  // namespace

void TProgressBar::Publish(TPublisher<TProgressBar>& p) {
    p.Integer("Min", &TProgressBar::Min, &TProgressBar::SetMin).Default(0);
    p.Integer("Max", &TProgressBar::Max, &TProgressBar::SetMax).Default(100);
    p.Integer("Position", &TProgressBar::Position, &TProgressBar::SetPosition).Default(0);
    p.Integer("Step", &TProgressBar::Step, &TProgressBar::SetStep).Default(10);
    p.Boolean("Smooth", &TProgressBar::Smooth, &TProgressBar::SetSmooth).Default(false);
    p.Enumeration("Orientation", OrientationNames(), &TProgressBar::Orientation,
                  &TProgressBar::SetOrientation)
        .Default(pbHorizontal);
}

TProgressBar::TProgressBar(TComponent* owner) : TWinControl(owner, new QProgressBar) {
    Bar(Widget())->setTextVisible(false);
    SetTabStop(false);
    ShowState();
    SetBounds(0, 0, 150, 16);
}

TProgressBar::~TProgressBar() = default;

void TProgressBar::SetRange(int min, int max) {
    if (max < min) std::swap(min, max);
    FMin = min;
    FMax = max;
    FPosition = std::clamp(FPosition, FMin, FMax);
    ShowState();
}

void TProgressBar::SetPosition(int value) {
    value = std::clamp(value, FMin, FMax);
    if (value == FPosition) return;
    FPosition = value;
    ShowState();
}

void TProgressBar::StepIt() {
    // Past the end the bar wraps round, so a task of unknown length still shows movement.
    int next = FPosition + FStep;
    if (next > FMax || next < FMin) next = FStep >= 0 ? FMin : FMax;
    SetPosition(next);
}

void TProgressBar::SetOrientation(TProgressBarOrientation value) {
    if (value == FOrientation) return;
    FOrientation = value;
    Bar(Widget())->setOrientation(value == pbVertical ? Qt::Vertical : Qt::Horizontal);
}

void TProgressBar::ShowState() {
    QProgressBar* bar = Bar(Widget());
    bar->setRange(FMin, FMax);
    bar->setValue(FPosition);
}
