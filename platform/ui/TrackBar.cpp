#include "platform/ui/TrackBar.h"

#include <QMouseEvent>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionSlider>
#include <algorithm>

#include "platform/classes/Publisher.h"

namespace {
const TEnumInfo& OrientationNames() {
    static const TEnumInfo names{"trHorizontal", "trVertical"};
    return names;
}
const TEnumInfo& TickStyleNames() {
    static const TEnumInfo names{"tsNone", "tsAuto", "tsManual"};
    return names;
}
const TEnumInfo& TickMarkNames() {
    static const TEnumInfo names{"tmBottomRight", "tmTopLeft", "tmBoth"};
    return names;
}
// A slider that tells where its thumb is.
class TSliderWidget : public QSlider {
public:
    QRect HandleRect() const {
        QStyleOptionSlider option;
        initStyleOption(&option);
        return style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this);
    }
};

TSliderWidget* Slider(QWidget* w) { return static_cast<TSliderWidget*>(w); }
}  // namespace

void TTrackBar::Publish(TPublisher<TTrackBar>& p) {
    p.Integer("Min", &TTrackBar::Min, &TTrackBar::SetMin).Default(0);
    p.Integer("Max", &TTrackBar::Max, &TTrackBar::SetMax).Default(10);
    p.Integer("Position", &TTrackBar::Position, &TTrackBar::SetPosition).Default(0);
    p.Integer("Frequency", &TTrackBar::Frequency, &TTrackBar::SetFrequency).Default(1);
    p.Integer("LineSize", &TTrackBar::LineSize, &TTrackBar::SetLineSize).Default(1);
    p.Integer("PageSize", &TTrackBar::PageSize, &TTrackBar::SetPageSize).Default(2);
    p.Enumeration("Orientation", OrientationNames(), &TTrackBar::Orientation,
                  &TTrackBar::SetOrientation)
        .Default(trHorizontal);
    p.Enumeration("TickStyle", TickStyleNames(), &TTrackBar::TickStyle, &TTrackBar::SetTickStyle)
        .Default(tsAuto);
    p.Enumeration("TickMarks", TickMarkNames(), &TTrackBar::TickMarks, &TTrackBar::SetTickMarks)
        .Default(tmBottomRight);
}

TTrackBar::TTrackBar(TComponent* owner) : TWinControl(owner, new TSliderWidget) {
    QObject::connect(Slider(Widget()), &QSlider::valueChanged, [this](int v) { ValueChanged(v); });
    ShowState();
    SetBounds(0, 0, 150, 45);
}

TTrackBar::~TTrackBar() = default;

void TTrackBar::SetMin(int value) {
    if (value == FMin) return;
    FMin = value;
    FMax = std::max(FMax, FMin);
    ShowState();
}

void TTrackBar::SetMax(int value) {
    if (value == FMax) return;
    FMax = value;
    FMin = std::min(FMin, FMax);
    ShowState();
}

void TTrackBar::SetPosition(int value) {
    Slider(Widget())->setValue(std::clamp(value, FMin, FMax));
}

void TTrackBar::SetFrequency(int value) {
    FFrequency = value;
    ShowState();
}

void TTrackBar::SetLineSize(int value) {
    FLineSize = value;
    ShowState();
}

void TTrackBar::SetPageSize(int value) {
    FPageSize = value;
    ShowState();
}

void TTrackBar::SetOrientation(TTrackBarOrientation value) {
    if (value == FOrientation) return;
    FOrientation = value;
    // The bar keeps its place; its long side follows the orientation.
    SetBounds(Left(), Top(), Height(), Width());
    ShowState();
}

void TTrackBar::SetTickStyle(TTickStyle value) {
    FTickStyle = value;
    ShowState();
}

void TTrackBar::SetTickMarks(TTickMark value) {
    FTickMarks = value;
    ShowState();
}

void TTrackBar::ShowState() {
    QSlider* slider = Slider(Widget());
    FShowing = true;  // a range change that moves the value is reported below, once
    slider->setOrientation(FOrientation == trVertical ? Qt::Vertical : Qt::Horizontal);
    // The toolkit puts a vertical slider's minimum at the bottom; ours is at the top.
    slider->setInvertedAppearance(FOrientation == trVertical);
    slider->setInvertedControls(FOrientation == trVertical);
    slider->setRange(FMin, FMax);
    slider->setSingleStep(FLineSize);
    slider->setPageStep(FPageSize);
    slider->setTickInterval(std::max(FFrequency, 1));
    QSlider::TickPosition ticks = QSlider::NoTicks;
    if (FTickStyle != tsNone)
        ticks = FTickMarks == tmBoth      ? QSlider::TicksBothSides
                : FTickMarks == tmTopLeft ? QSlider::TicksAbove
                                          : QSlider::TicksBelow;
    slider->setTickPosition(ticks);
    FShowing = false;
    ValueChanged(slider->value());
}

void TTrackBar::ValueChanged(int value) {
    if (FShowing || value == FPosition) return;
    FPosition = value;
    if (OnChange) Fire([this] { OnChange(this); });
}

void TTrackBar::KeyDown(int& key, TShiftState shift) {
    TWinControl::KeyDown(key, shift);
    int target;
    switch (key) {
        case VK_RIGHT:
        case VK_DOWN:
            target = FPosition + FLineSize;
            break;
        case VK_LEFT:
        case VK_UP:
            target = FPosition - FLineSize;
            break;
        case VK_NEXT:
            target = FPosition + FPageSize;
            break;
        case VK_PRIOR:
            target = FPosition - FPageSize;
            break;
        case VK_HOME:
            target = FMin;
            break;
        case VK_END:
            target = FMax;
            break;
        default:
            return;
    }
    SetPosition(target);
    key = 0;
}

bool TTrackBar::ToolkitEvent(QEvent* event) {
    const bool handled = TWinControl::ToolkitEvent(event);
    if (event->type() != QEvent::MouseButtonPress) return handled;
    auto* e = static_cast<QMouseEvent*>(event);
    const QRect thumb = Slider(Widget())->HandleRect();
    const QPoint at = e->position().toPoint();
    if (e->button() != Qt::LeftButton || thumb.contains(at)) return handled;  // a thumb drag
    // A click in the channel moves a page towards the click (Min is left or at the top).
    const bool beyond =
        FOrientation == trVertical ? at.y() > thumb.center().y() : at.x() > thumb.center().x();
    SetPosition(FPosition + (beyond ? FPageSize : -FPageSize));
    Widget()->setFocus(Qt::MouseFocusReason);
    return true;
}
