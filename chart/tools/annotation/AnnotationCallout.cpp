#include "chart/tools/annotation/AnnotationCallout.h"

#include "chart/foundation/ChartPen.h"
#include "platform/classes/Publisher.h"

TAnnotationCallout::TAnnotationCallout(TChartSeries* series) : TCallout(series) {
    Arrow()->SetVisible(false);
    SetVisible(false);
}

void TAnnotationCallout::ChangePosition(int& field, int value) {
    if (field == value) return;
    field = value;
    Changed();
}

void TAnnotationCallout::Assign(const TPersistent* source) {
    if (auto* other = dynamic_cast<const TAnnotationCallout*>(source)) {
        FXPosition = other->FXPosition;
        FYPosition = other->FYPosition;
        FZPosition = other->FZPosition;
    }
    TCallout::Assign(source);
}

void TAnnotationCallout::Publish(TPublisher<TAnnotationCallout>& p) {
    using C = TAnnotationCallout;
    p.Inherited("Visible").Default(false);
    p.Integer("XPosition", &C::XPosition, &C::SetXPosition).Default(0);
    p.Integer("YPosition", &C::YPosition, &C::SetYPosition).Default(0);
    p.Integer("ZPosition", &C::ZPosition, &C::SetZPosition).Default(0);
}

TPoint CalloutEndPoint(const TRect& box, TPoint from) {
    const auto side = [](int p, int low, int high) {
        if (p > high) return high;
        if (p < low) return low;
        return (low + high) / 2;
    };
    return TPoint{side(from.X, box.Left, box.Right), side(from.Y, box.Top, box.Bottom)};
}
