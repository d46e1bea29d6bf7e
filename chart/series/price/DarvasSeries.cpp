#include "chart/series/price/DarvasSeries.h"

#include "chart/engine/AxisPanel.h"
#include "chart/engine/BlendScope.h"
#include "chart/foundation/Canvas3D.h"
#include "chart/foundation/ChartBrush.h"
#include "chart/foundation/ChartPen.h"
#include "platform/classes/Publisher.h"

TDarvasSeries::TDarvasSeries(TComponent* owner)
    : TCandleSeries(owner),
      FBoxBrush(std::make_unique<TChartBrush>(StyleChangedEvent())),
      FBoxPen(CreateLinkedPen()) {
    FBoxBrush->SetBackColor(clDefault);
    SetTransparency(70);
}
TDarvasSeries::~TDarvasSeries() = default;

void TDarvasSeries::SetBoxBrush(const TChartBrush* value) { FBoxBrush->Assign(value); }
void TDarvasSeries::SetBoxPen(const TChartPen* value) { FBoxPen->Assign(value); }

void TDarvasSeries::DrawAllValues() {
    TCandleSeries::DrawAllValues();
    const size_t n = size_t(Count());
    FBoxes = FindDarvasBoxes(std::span<const double>(HighValues().Data(), n),
                             std::span<const double>(LowValues().Data(), n));
    FBoxRects.clear();
    for (const TDarvasBox& b : FBoxes)
        FBoxRects.push_back(
            TRect{XValueToPixel(DateValues()[b.First]), YValueToPixel(HighValues()[b.Top]),
                  XValueToPixel(DateValues()[b.Last]), YValueToPixel(LowValues()[b.Bottom])});
    TCanvas3D& canvas = *FParentChart->Canvas3D();
    const bool is3D = FParentChart->View3D();
    const TColor back = FBoxBrush->BackColor() == clDefault ? FParentChart->PaletteColor(1)
                                                            : FBoxBrush->BackColor();
    for (const TRect& r : FBoxRects) {
        TRect area = r;
        if (is3D) {
            const TPoint a = canvas.ProjectPoint(r.Left, r.Top, FrontDepth);
            const TPoint b = canvas.ProjectPoint(r.Right, r.Bottom, FrontDepth);
            area = TRect{a.X, a.Y, b.X, b.Y};
        }
        const TBlendScope blend(canvas, NormalizedRect(area), Transparency());
        canvas.UsePen(FBoxPen.get());
        canvas.UseBrushColored(FBoxBrush.get(), back);
        if (is3D)
            canvas.DrawRectangleAtZ(r, FrontDepth);
        else
            canvas.DrawRectangleFromRect(r);
    }
}

void TDarvasSeries::Assign(const TPersistent* source) {
    if (auto* other = dynamic_cast<const TDarvasSeries*>(source)) {
        FBoxBrush->Assign(other->FBoxBrush.get());
        FBoxPen->Assign(other->FBoxPen.get());
    }
    TCandleSeries::Assign(source);
}

void TDarvasSeries::Publish(TPublisher<TDarvasSeries>& p) {
    using S = TDarvasSeries;
    p.Object("BoxBrush", &S::BoxBrush, &S::SetBoxBrush);
    p.Object("BoxPen", &S::BoxPen, &S::SetBoxPen);
    p.Object("Brush", &S::Brush, &S::SetBrush);
    p.Integer("Transparency", &S::Transparency, &S::SetTransparency).Default(70);
}
