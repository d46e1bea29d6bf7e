#include "chart/engine/AxisDrawParts.h"

#include "platform/classes/Publisher.h"

namespace {
const TEnumInfo& LineModeNames() {
    static const TEnumInfo names{"lmLine", "lmCylinder", "lmRectangle"};
    return names;
}
}  // namespace

TChartAxisPen::TChartAxisPen(TNotifyEvent onChange) {
    SetWidth(2);
    OnChange = std::move(onChange);  // after the default width, which repaints nothing
}

void TChartAxisPen::SetLineMode(TPenLineMode value) {
    if (value == FLineMode) return;
    FLineMode = value;
    Changed();
}

void TChartAxisPen::Assign(const TPersistent* source) {
    if (auto* other = dynamic_cast<const TChartAxisPen*>(source)) FLineMode = other->FLineMode;
    TChartPen::Assign(source);
}

void TChartAxisPen::Publish(TPublisher<TChartAxisPen>& p) {
    p.Inherited("Width").Default(2);
    p.Enumeration("LineMode", LineModeNames(), &TChartAxisPen::LineMode,
                  &TChartAxisPen::SetLineMode)
        .Default(lmLine);
}

TAxisDrawParts::TAxisDrawParts(const TNotifyEvent& changed, TCustomTeePanel* chart) : Title(chart) {
    // Told only after the pens took their defaults: the axis is still being built.
    for (TChartPen* pen :
         {static_cast<TChartPen*>(&Axis), static_cast<TChartPen*>(&Ticks),
          static_cast<TChartPen*>(&TicksInner), static_cast<TChartPen*>(&MinorTicks),
          static_cast<TChartPen*>(&MinorGrid)})
        pen->OnChange = changed;
}

void TAxisDrawParts::Assign(const TAxisDrawParts& source) {
    Axis.Assign(&source.Axis);
    Ticks.Assign(&source.Ticks);
    TicksInner.Assign(&source.TicksInner);
    MinorTicks.Assign(&source.MinorTicks);
    MinorGrid.Assign(&source.MinorGrid);
    Title.Assign(&source.Title);
    TickLength = source.TickLength;
    TickInnerLength = source.TickInnerLength;
    MinorTickLength = source.MinorTickLength;
    MinorTickCount = source.MinorTickCount;
    TitleSize = source.TitleSize;
}
