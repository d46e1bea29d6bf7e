#include "chart/engine/grid3d/Custom3DSeries.h"

#include "chart/engine/AxisPanel.h"
#include "chart/engine/Chart.h"
#include "chart/engine/ChartAxis.h"
#include "chart/engine/ChartLegend.h"
#include "chart/engine/SeriesMarks.h"
#include "chart/foundation/Canvas3D.h"
#include "chart/foundation/View3DOptions.h"

TCustom3DSeries::TCustom3DSeries(TComponent* owner)
    : TChartSeries(owner), FZ(new TChartValueList(this, "Z")) {
    HasOwnDepth = true;
    ClipsToAxisRange = false;
    XValues().SetOrder(loNone);
}
TCustom3DSeries::~TCustom3DSeries() = default;

int TCustom3DSeries::AddXYZValues(double x, double y, double z) {
    return AddXYZPoint(x, y, z, {}, clDefault);
}

int TCustom3DSeries::AddXYZPoint(double x, double y, double z, const std::string& label,
                                 TColor color) {
    // The pending Z goes in at the index the X list chooses.
    FZ->TempValue = z;
    return AddXYPoint(x, y, label, color);
}

int TCustom3DSeries::PointZPixel(int valueIndex) const {
    return FParentChart->DepthAxis()->PixelOfValue((*FZ)[valueIndex]);
}

void TCustom3DSeries::PrepareLegendCanvas(int valueIndex, TColor& backColor, TBrushStyle& style) {
    TChartSeries::PrepareLegendCanvas(valueIndex, backColor, style);
    const auto* chart = dynamic_cast<const TCustomChart*>(FParentChart);
    if (chart && chart->Legend()->Symbol()->Continuous())
        FParentChart->Canvas3D()->Pen()->SetStyle(psClear);
}

void TCustom3DSeries::AssignZOrder() {
    TChartSeries::AssignZOrder();
    if (FParentChart) FParentChart->DepthRowCount = FTimesZOrder;
}

void TCustom3DSeries::DrawMark(int valueIndex, const std::string& text,
                               TSeriesMarkPosition& position) {
    if (valueIndex != -1) Marks()->ZPosition = PointZPixel(valueIndex);
    TChartSeries::DrawMark(valueIndex, text, position);
}

bool TCustom3DSeries::UsesAxis(const TChartAxis* axis) const {
    if (axis && axis->IsDepthAxis && UsesAxes()) return true;
    return TChartSeries::UsesAxis(axis);
}

TChartValueList* TCustom3DSeries::ValueListOfAxis(const TChartAxis* axis) {
    if (axis && axis->IsDepthAxis) return FZ;
    return TChartSeries::ValueListOfAxis(axis);
}

bool TCustom3DSeries::CanCopyFrom(const TChartSeries& source) const {
    return Is<TCustom3DSeries>(&source);
}

void TCustom3DSeries::Assign(const TPersistent* source) {
    if (auto* other = dynamic_cast<const TCustom3DSeries*>(source)) {
        FZ->Assign(other->FZ);
        FTimesZOrder = other->FTimesZOrder;
    }
    TChartSeries::Assign(source);
}

bool DepthDrawnReversed(const TChartSeries& series) {
    const TCustomAxisPanel* chart = series.ParentChart();
    if (!chart) return false;
    bool reversed = chart->DepthAxis()->Inverted();
    if (const TView3DOptions* view = chart->View3DOptions()) {
        const int rotation = view->Rotation();
        if (rotation > 90 && rotation < 270) reversed = !reversed;
    }
    return reversed;
}
