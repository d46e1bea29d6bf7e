#include "chart/engine/AxisTitle.h"

#include "chart/foundation/HitTests.h"
#include "platform/classes/Publisher.h"

TChartAxisTitle::TChartAxisTitle(TCustomTeePanel* chart) : TTeeShape(chart) {
    SetDefaultTransparent(true);
}

void TChartAxisTitle::SetCaption(const std::string& value) {
    if (value == FCaption) return;
    FCaption = value;
    Repaint();
}

void TChartAxisTitle::SetAngle(int value) {
    value %= 360;
    if (value == FAngle) return;
    FAngle = value;
    Repaint();
}

bool TChartAxisTitle::ContainsPoint(int x, int y) const {
    if (!Visible() || FCaption.empty()) return false;
    const TRect& r = ShapeBounds();
    if (FAngle == 0) return x >= r.Left && x <= r.Right && y >= r.Top && y <= r.Bottom;
    const auto corners = RectCornersRotated(r, FAngle);
    return PointInPolygon(TPoint{x, y}, corners, 3);
}

void TChartAxisTitle::Assign(const TPersistent* source) {
    if (auto* other = dynamic_cast<const TChartAxisTitle*>(source)) {
        FAngle = other->FAngle;
        FCaption = other->FCaption;
    }
    TTeeShape::Assign(source);
}

void TChartAxisTitle::Publish(TPublisher<TChartAxisTitle>& p) {
    using T = TChartAxisTitle;
    p.String("Caption", &T::Caption, &T::SetCaption).Default(std::string());
    p.Integer("Angle", &T::Angle, &T::SetAngle).Stored([](const T& t) {
        return t.FAngle != t.FDefaultAngle;
    });
}
