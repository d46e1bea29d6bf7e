#include "platform/ui/ScrollBar.h"

#include <QScrollBar>
#include <algorithm>

namespace {
QScrollBar* Bar(QWidget* w) { return static_cast<QScrollBar*>(w); }
}  // namespace

TScrollBar::TScrollBar(TComponent* owner) : TWinControl(owner, new QScrollBar(Qt::Horizontal)) {
    QObject::connect(Bar(Widget()), &QScrollBar::valueChanged, [this](int value) {
        if (FApplying || value == FPosition) return;
        FPosition = value;
        if (OnChange) Fire([this] { OnChange(this); });
    });
    Apply();
    SetBounds(0, 0, 121, 17);
}

TScrollBar::~TScrollBar() = default;

void TScrollBar::SetKind(TScrollBarKind value) {
    if (value == FKind) return;
    FKind = value;
    Bar(Widget())->setOrientation(value == sbHorizontal ? Qt::Horizontal : Qt::Vertical);
    SetBounds(Left(), Top(), Height(), Width());
}

void TScrollBar::SetPageSize(int value) {
    FPageSize = std::max(value, 0);
    SetParams(FPosition, FMin, FMax);
}

void TScrollBar::SetSmallChange(int value) {
    FSmallChange = value;
    Apply();
}

void TScrollBar::SetLargeChange(int value) {
    FLargeChange = value;
    Apply();
}

void TScrollBar::SetParams(int position, int min, int max) {
    if (max < min) throw EInvalidOperation("Scroll bar property out of range");
    int last = std::max(min, max - std::max(FPageSize - 1, 0));
    position = std::clamp(position, min, last);
    bool changed = position != FPosition;
    FMin = min;
    FMax = max;
    FPosition = position;
    Apply();
    if (changed && OnChange) Fire([this] { OnChange(this); });
}

void TScrollBar::Apply() {
    FApplying = true;
    QScrollBar* bar = Bar(Widget());
    bar->setRange(FMin, std::max(FMin, FMax - std::max(FPageSize - 1, 0)));
    bar->setPageStep(FPageSize > 0 ? FPageSize : FLargeChange);
    bar->setSingleStep(FSmallChange);
    bar->setValue(FPosition);
    FApplying = false;
}
