#include "chart/engine/grid3d/Vector3DSeries.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "chart/engine/AxisPanel.h"
#include "chart/engine/ChartAxis.h"
#include "chart/engine/grid3d/PaletteSeriesPublish.h"
#include "chart/foundation/Canvas3D.h"
#include "chart/foundation/ChartPen.h"
#include "platform/classes/Publisher.h"
#include "platform/rtl/RtlMath.h"

TVector3DSeries::TVector3DSeries(TComponent* owner)
    : TCustom3DPaletteSeries(owner),
      FStartArrow(std::make_unique<TChartHiddenPen>(StyleChangedEvent())),
      FEndArrow(std::make_unique<TChartPen>(StyleChangedEvent())),
      FEndX(new TChartValueList(this, "EndX")),
      FEndY(new TChartValueList(this, "EndY")),
      FEndZ(new TChartValueList(this, "EndZ")) {
    FStartArrow->SetColor(clDefault);
    FEndArrow->SetColor(clDefault);
}
TVector3DSeries::~TVector3DSeries() = default;

void TVector3DSeries::SetEndArrow(const TChartPen* value) { FEndArrow->Assign(value); }
void TVector3DSeries::SetStartArrow(const TChartHiddenPen* value) { FStartArrow->Assign(value); }

int TVector3DSeries::AddVector(double x0, double y0, double z0, double x1, double y1, double z1,
                               const std::string& label, TColor color) {
    // The pending ends go in at the index the X list chooses.
    FEndX->TempValue = x1;
    FEndY->TempValue = y1;
    FEndZ->TempValue = z1;
    return AddXYZPoint(x0, y0, z0, label, color);
}

// --- Drawing.

void TVector3DSeries::DrawValue(int valueIndex) {
    const TColor color = ValueColor(valueIndex);
    // A null vector is not drawn.
    if (color == clNone) return;
    TCanvas3D& canvas = *FParentChart->Canvas3D();
    canvas.SetBackgroundMode(TRANSPARENT);
    canvas.UsePenWithColor(Pen(), color);
    const TPointXYZ start{PointXPixel(valueIndex), PointYPixel(valueIndex),
                          PointZPixel(valueIndex)};
    // Each vector ends at the depth of its own EndZ, as far back as its end value says.
    const TPointXYZ end{XValueToPixel((*FEndX)[valueIndex]), YValueToPixel((*FEndY)[valueIndex]),
                        FParentChart->DepthAxis()->PixelOfValue((*FEndZ)[valueIndex])};
    canvas.MovePenToPoint3D(start);
    canvas.DrawLineToPoint3D(end);
    if (!FStartArrow->Visible() && !FEndArrow->Visible()) return;
    // The heads follow the vector as seen on the screen: its angle from the horizontal,
    // counter-clockwise (the screen's Y grows downwards). An angle measured from the vertical
    // would turn every head a quarter round, across the vector instead of along it.
    const TPoint from = canvas.ProjectPoint3D(start), to = canvas.ProjectPoint3D(end);
    const double angle = std::atan2(double(from.Y - to.Y), double(to.X - from.X));
    const double s = std::sin(angle), c = std::cos(angle);
    if (FStartArrow->Visible()) DrawArrowHead(*FStartArrow, color, start.X, start.Y, start.Z, s, c);
    if (FEndArrow->Visible()) DrawArrowHead(*FEndArrow, color, end.X, end.Y, end.Z, s, c);
}

void TVector3DSeries::DrawArrowHead(const TChartPen& pen, TColor color, int x, int y, int z,
                                    double s, double c) {
    TCanvas3D& canvas = *FParentChart->Canvas3D();
    canvas.UsePenWithColor(&pen, pen.Color() == clDefault ? color : pen.Color());
    const double w = FArrowWidth, h = FArrowHeight;
    canvas.MovePenTo3D(x + RoundToInt(-w * c - h * s), y + RoundToInt(w * s - h * c), z);
    canvas.DrawLineTo3D(x, y, z);
    canvas.DrawLineTo3D(x + RoundToInt(-w * c + h * s), y + RoundToInt(w * s + h * c), z);
}

// --- Extremes.

double TVector3DSeries::GetMaxXValue() {
    return std::max(TCustom3DPaletteSeries::GetMaxXValue(), FEndX->Maximum());
}
double TVector3DSeries::GetMinXValue() {
    return std::min(TCustom3DPaletteSeries::GetMinXValue(), FEndX->Minimum());
}
double TVector3DSeries::GetMaxYValue() {
    return std::max(TCustom3DPaletteSeries::GetMaxYValue(), FEndY->Maximum());
}
double TVector3DSeries::GetMinYValue() {
    return std::min(TCustom3DPaletteSeries::GetMinYValue(), FEndY->Minimum());
}
double TVector3DSeries::GetMaxZValue() {
    return std::max(TCustom3DPaletteSeries::GetMaxZValue(), FEndZ->Maximum());
}
double TVector3DSeries::GetMinZValue() {
    return std::min(TCustom3DPaletteSeries::GetMinZValue(), FEndZ->Minimum());
}

// --- Samples, copies and the stream.

// Vectors chained along a rising spiral that widens as it turns four times round.
void TVector3DSeries::AddRandomValues(int numValues, bool /*onlyMandatory*/) {
    if (numValues <= 0) return;
    const double step = 8 * std::numbers::pi / numValues;
    auto radius = [&](int i) { return 10.0 + 90.0 * i / numValues; };
    for (int i = 0; i < numValues; ++i) {
        const double a0 = i * step, a1 = a0 + step;
        AddVector(radius(i) * std::cos(a0), i, radius(i) * std::sin(a0),
                  radius(i + 1) * std::cos(a1), i + 1, radius(i + 1) * std::sin(a1));
    }
}

bool TVector3DSeries::CanCopyFrom(const TChartSeries& source) const {
    return Is<TVector3DSeries>(&source);
}

void TVector3DSeries::Assign(const TPersistent* source) {
    if (auto* other = dynamic_cast<const TVector3DSeries*>(source)) {
        FArrowHeight = other->FArrowHeight;
        FArrowWidth = other->FArrowWidth;
        FEndArrow->Assign(other->FEndArrow.get());
        FStartArrow->Assign(other->FStartArrow.get());
    }
    TCustom3DPaletteSeries::Assign(source);
}

void TVector3DSeries::Publish(TPublisher<TVector3DSeries>& p) {
    using S = TVector3DSeries;
    PublishPaletteSettings(p);
    p.Integer("ArrowHeight", &S::ArrowHeight, &S::SetArrowHeight).Default(4);
    p.Integer("ArrowWidth", &S::ArrowWidth, &S::SetArrowWidth).Default(4);
    p.Object("EndArrow", &S::EndArrow, &S::SetEndArrow);
    p.Object(
        "EndXValues", [](const S& s) { return s.FEndX; }, &S::SetEndXValues);
    p.Object(
        "EndYValues", [](const S& s) { return s.FEndY; }, &S::SetEndYValues);
    p.Object(
        "EndZValues", [](const S& s) { return s.FEndZ; }, &S::SetEndZValues);
    p.Object("Pen", &S::Pen, &S::SetPen);
    p.Object("StartArrow", &S::StartArrow, &S::SetStartArrow);
}
