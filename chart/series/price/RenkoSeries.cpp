#include "chart/series/price/RenkoSeries.h"

#include <algorithm>
#include <span>

#include "chart/engine/AxisPanel.h"
#include "chart/engine/BlendScope.h"
#include "chart/engine/SampleRandom.h"
#include "chart/foundation/Canvas3D.h"
#include "chart/foundation/ChartBrush.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/LibraryTexts.h"
#include "chart/series/algo/RenkoBricks.h"
#include "platform/classes/Publisher.h"

TRenkoSeries::TRenkoSeries(TComponent* owner) : TChartSeries(owner) {
    XValues().SetDefaultDateTime(false);
    // One price alone has no brick to show.
    CentresSingleValue = false;
}
TRenkoSeries::~TRenkoSeries() = default;

void TRenkoSeries::SetBoxSize(double value) {
    if (value > 0) ChangeField(FBoxSize, value);
}

TRenkoBricks TRenkoSeries::Bricks(bool listRuns) const {
    return RenkoBricks(std::span<const double>(YValues().Data(), size_t(Count())), FBoxSize,
                       listRuns);
}

int TRenkoSeries::BrickCount() const { return Bricks(false).Count; }
double TRenkoSeries::GetMinYValue() { return Bricks(false).Lowest; }
double TRenkoSeries::GetMaxYValue() { return Bricks(false).Highest; }

void TRenkoSeries::ComputeVisibleRange() {
    TChartSeries::ComputeVisibleRange();
    const int last = std::min(BrickCount(), Count()) - 1;
    FirstInView = last < 0 ? -1 : 0;
    LastInView = last;
}

void TRenkoSeries::DrawAllValues() {
    TChartSeries::DrawAllValues();
    DrawBricks(Bricks(true));
}

void TRenkoSeries::DrawBricks(const TRenkoBricks& bricks) {
    TCanvas3D& canvas = *FParentChart->Canvas3D();
    const bool cubes = FParentChart->View3D() && FDraw3D;
    for (const TRenkoRun& run : bricks.Runs)
        for (int k = 0; k < run.Count; ++k) {
            const double column = run.First + k;
            const double step = run.Up ? FBoxSize : -FBoxSize;
            const double from = run.Base + k * step;
            const TRect r{XValueToPixel(column - 0.5), YValueToPixel(from),
                          XValueToPixel(column + 0.5), YValueToPixel(from + step)};
            const TBlendScope blend(canvas, NormalizedRect(r), FTransparency);
            canvas.UseBrushColored(Brush(), run.Up ? FUpSwingColor : FDownSwingColor);
            canvas.UsePen(Pen());
            if (cubes)
                canvas.DrawCuboidFromRect(r, FrontDepth, BackDepth, true);
            else
                canvas.DrawRectAtZ(r, MidDepth);
        }
}

TColor TRenkoSeries::LegendItemColor(int legendIndex) const {
    return legendIndex == 0 ? FUpSwingColor : FDownSwingColor;
}

std::string TRenkoSeries::LegendItemText(int legendIndex, TLegendTextStyle /*style*/) {
    return legendIndex == 0 ? TxtExtUp : TxtExtDown;
}

void TRenkoSeries::AddRandomValues(int numValues, bool /*onlyMandatory*/) {
    const TSampleValueBounds b = SampleValueBounds(numValues);
    double x = b.FirstX;
    for (int i = 0; i < numValues; ++i) {
        AddXYPoint(x, (RandomBelow(1000) * 0.001 + 1) * (numValues + 2));
        x += b.StepX;
    }
}

void TRenkoSeries::PrepareForGallery(bool enabled) {
    TChartSeries::PrepareForGallery(enabled);
    FillSampleValues(5);
}

void TRenkoSeries::Assign(const TPersistent* source) {
    if (auto* other = dynamic_cast<const TRenkoSeries*>(source)) {
        FBoxSize = other->FBoxSize;
        FDownSwingColor = other->FDownSwingColor;
        FDraw3D = other->FDraw3D;
        FTransparency = other->FTransparency;
        FUpSwingColor = other->FUpSwingColor;
    }
    TChartSeries::Assign(source);
}

void TRenkoSeries::Publish(TPublisher<TRenkoSeries>& p) {
    using S = TRenkoSeries;
    p.Float("BoxSize", &S::BoxSize, &S::SetBoxSize).Default(1.0);
    p.Object("Brush", &S::Brush, &S::SetBrush);
    p.Color("DownSwingColor", &S::DownSwingColor, &S::SetDownSwingColor).Default(clBlack);
    p.Boolean("Draw3D", &S::Draw3D, &S::SetDraw3D).Default(true);
    p.Object("Pen", &S::Pen, &S::SetPen);
    p.Integer("Transparency", &S::Transparency, &S::SetTransparency).Default(0);
    p.Color("UpSwingColor", &S::UpSwingColor, &S::SetUpSwingColor).Default(clWhite);
}
