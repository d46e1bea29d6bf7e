#include "chart/series/gauge/GaugeSeriesPointer.h"

#include <cmath>
#include <numbers>

#include "chart/foundation/Canvas3D.h"
#include "chart/foundation/TeeGradient.h"
#include "platform/classes/AssignIfChanged.h"
#include "platform/classes/Publisher.h"
#include "platform/rtl/RtlMath.h"

const TEnumInfo& GaugePointerStylesNames() {
    static const TEnumInfo names{"gpHand", "gpCenter", "gpTick", "gpMinorTick", "gpColorLine"};
    return names;
}

// --- TGaugeSeriesPointer.

TGaugeSeriesPointer::TGaugeSeriesPointer(TChartSeries* series) : TSeriesPointer(series) {}
TGaugeSeriesPointer::~TGaugeSeriesPointer() = default;

void TGaugeSeriesPointer::SetGaugeStyle(TGaugePointerStyles value) {
    if (AssignIfChanged(FGaugeStyle, value)) Changed();
}

void TGaugeSeriesPointer::DrawGauge(TCanvas3D& canvas, const std::array<TPoint, 4>& corners,
                                    TPoint anchor) {
    if (!Visible()) return;
    if (FGaugeStyle == gpTick) {
        PrepareCanvas(canvas, BrushColor());
        canvas.DrawPolygon(corners, 3);
    } else {
        DrawStyledAt(anchor.X, anchor.Y, FGaugeStyle == gpMinorTick ? psCircle : Style(),
                     BrushColor());
    }
}

const TCustomTeeGradient& TGaugeSeriesPointer::GradientAtAngle(int angle) const {
    if (!FTurnedGradient) FTurnedGradient = std::make_unique<TTeeGradient>();
    FTurnedGradient->Assign(Gradient());
    FTurnedGradient->SetAngle(angle);
    return *FTurnedGradient;
}

void TGaugeSeriesPointer::Assign(const TPersistent* source) {
    if (const auto* other = dynamic_cast<const TGaugeSeriesPointer*>(source))
        FGaugeStyle = other->FGaugeStyle;
    TSeriesPointer::Assign(source);
}

void TGaugeSeriesPointer::Publish(TPublisher<TGaugeSeriesPointer>& p) {
    using P = TGaugeSeriesPointer;
    // Each marker of a gauge has its own role, so the role is always written.
    p.Enumeration("GaugeStyle", GaugePointerStylesNames(), &P::GaugeStyle, &P::SetGaugeStyle)
        .NoDefault();
}

// --- TGaugePointerRange.

TGaugePointerRange::TGaugePointerRange(TChartSeries* series) : TGaugeSeriesPointer(series) {}
TGaugePointerRange::~TGaugePointerRange() = default;

void TGaugePointerRange::SetStartValue(double value) {
    if (AssignIfChanged(FStartValue, value)) Changed();
}

void TGaugePointerRange::SetEndValue(double value) {
    if (AssignIfChanged(FEndValue, value)) Changed();
}

const std::vector<TPoint>& TGaugePointerRange::ArcBandPoints(const TRect& rect, double startAngle,
                                                             double endAngle) {
    FBand.clear();
    // Screen angles, from the right and growing downwards: a quarter turn from dial angles.
    const double span = std::abs(RoundToInt(endAngle - startAngle));
    const int first = RoundToInt(startAngle + 90);
    const int last = RoundToInt(startAngle + 90 + span);
    if (last - first <= 1) return FBand;
    const double radius = std::min(rect.Width(), rect.Height()) / 2.0;
    const double cx = (rect.Left + rect.Right) / 2.0;
    const double cy = (rect.Top + rect.Bottom) / 2.0;
    constexpr double toRadians = std::numbers::pi / 180;
    auto at = [&](int degrees, double r) {
        const double a = degrees * toRadians;
        return TPoint{RoundToInt(cx + r * std::cos(a)), RoundToInt(cy + r * std::sin(a))};
    };
    for (int g = first; g < last; ++g) FBand.push_back(at(g, radius));
    // The inner edge shrinks exponentially with the angle, faster for a thicker band.
    const double shrink = -VertSize() * 0.01;
    for (int g = last - 1; g >= first; --g)
        FBand.push_back(at(g, radius * std::exp(g * toRadians * shrink)));
    return FBand;
}

void TGaugePointerRange::DrawArcBand(TCanvas3D& canvas, const TRect& rect, double startAngle,
                                     double endAngle) {
    if (!Visible()) return;
    PrepareCanvas(canvas, BrushColor());
    const std::vector<TPoint>& band = ArcBandPoints(rect, startAngle, endAngle);
    if (band.empty()) return;
    const int lastIndex = int(band.size()) - 1;
    if (Gradient()->Visible())
        canvas.FillPolygonGradient(band, lastIndex, GradientAtAngle(RoundToInt(startAngle - 90)));
    else
        canvas.DrawPolygon(band, lastIndex);
}

void TGaugePointerRange::Assign(const TPersistent* source) {
    if (const auto* other = dynamic_cast<const TGaugePointerRange*>(source)) {
        FStartValue = other->FStartValue;
        FEndValue = other->FEndValue;
    }
    TGaugeSeriesPointer::Assign(source);
}

void TGaugePointerRange::Publish(TPublisher<TGaugePointerRange>& p) {
    using P = TGaugePointerRange;
    p.Float("EndValue", &P::EndValue, &P::SetEndValue).NoDefault();
    p.Float("StartValue", &P::StartValue, &P::SetStartValue).NoDefault();
}
