#include "chart/series/variant/BezierSeries.h"

#include <vector>

#include "chart/engine/AxisPanel.h"
#include "chart/foundation/Canvas3D.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/LibraryTexts.h"
#include "platform/classes/Publisher.h"

const TEnumInfo& BezierStyleNames() {
    static const TEnumInfo names{"bsWindows", "bsBezier3", "bsBezier4"};
    return names;
}

TBezierSeries::TBezierSeries(TComponent* owner) : TCustomSeries(owner) {}
TBezierSeries::~TBezierSeries() = default;

void TBezierSeries::SetNumBezierPoints(int value) {
    if (value < 2) throw ChartException(TxtExtNumberOfBezierPointsShouldBe);
    ChangeField(FNumBezierPoints, value);
}

void TBezierSeries::SetSeriesColor(TColor value) {
    TCustomSeries::SetSeriesColor(value);
    LinePen()->SetColor(value);
}

std::vector<TBezierCurve> TBezierSeries::Curves() const {
    // The platform's own curve in a flat chart: cubic pieces from the pen position on.
    if (FBezierStyle == bsWindows && FParentChart && !FParentChart->View3D())
        return PlatformBezierCurvesOf(Count());
    return BezierCurvesOf(FBezierStyle, Count());
}

void TBezierSeries::DrawCurve(const TBezierCurve& curve, std::span<const TPoint> points) {
    TCanvas3D& canvas = *FParentChart->Canvas3D();
    if (ColorEachLine()) canvas.UsePenWithColor(LinePen(), ValueColor(curve.End()));
    TPoint control[4];
    for (int k = 0; k < curve.Count; ++k) control[k] = points[size_t(curve.Points[k])];
    const bool view3D = FParentChart->View3D();
    for (const TPoint& p :
         BezierPieceEnds(std::span(control, size_t(curve.Count)), FNumBezierPoints)) {
        if (view3D)
            canvas.DrawLineTo3D(p.X, p.Y, FrontDepth);
        else
            canvas.DrawLineTo(p.X, p.Y);
    }
}

void TBezierSeries::DrawAllValues() {
    const int n = Count();
    if (n == 0 || !FParentChart) return;
    std::vector<TPoint> points(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) points[size_t(i)] = {PointXPixel(i), PointYPixel(i)};
    TCanvas3D& canvas = *FParentChart->Canvas3D();
    canvas.UsePen(LinePen());
    canvas.Brush()->SetStyle(bsClear);
    canvas.SetBackgroundMode(TRANSPARENT);
    if (FParentChart->View3D())
        canvas.MovePenTo3D(points[0].X, points[0].Y, FrontDepth);
    else
        canvas.MovePenTo(points[0].X, points[0].Y);
    for (const TBezierCurve& curve : Curves()) DrawCurve(curve, points);
    if (Pointer()->Visible())
        for (int j = 0; j < n; ++j)
            DrawPointer(points[size_t(j)].X, points[size_t(j)].Y, ValueColor(j), j);
}

void TBezierSeries::PrepareForGallery(bool enabled) {
    TCustomSeries::PrepareForGallery(enabled);
    FillSampleValues(3);
    SetColorEachPoint(enabled);
    Pointer()->SetDraw3D(false);
    SetBezierStyle(bsBezier3);
}

void TBezierSeries::Assign(const TPersistent* source) {
    if (auto* other = dynamic_cast<const TBezierSeries*>(source)) {
        FBezierStyle = other->FBezierStyle;
        FNumBezierPoints = other->FNumBezierPoints;
    }
    TCustomSeries::Assign(source);
}

void TBezierSeries::Publish(TPublisher<TBezierSeries>& p) {
    using S = TBezierSeries;
    p.Enumeration("BezierStyle", BezierStyleNames(), &S::BezierStyle, &S::SetBezierStyle)
        .Default(bsWindows);
    p.Object("LinePen", &S::LinePen, &S::SetLinePen);
    p.Integer("NumBezierPoints", &S::NumBezierPoints, &S::SetNumBezierPoints).Default(32);
    p.Object("Pointer", &S::Pointer, &S::SetPointer);
}
