#include "chart/series/price/KagiSeries.h"

#include <span>

#include "chart/engine/AxisPanel.h"
#include "chart/engine/SeriesPointer.h"
#include "chart/foundation/Canvas3D.h"
#include "chart/foundation/ChartBrush.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/LibraryTexts.h"
#include "chart/series/algo/KagiColumns.h"
#include "platform/classes/Publisher.h"

TKagiSeries::TKagiSeries(TComponent* owner)
    : TChartSeries(owner),
      FBuySymbol(std::make_unique<TSeriesPointer>(this)),
      FDownSwing(CreateLinkedPen()),
      FSellSymbol(std::make_unique<TSeriesPointer>(this)),
      FUpSwing(CreateLinkedPen()) {
    XValues().SetDefaultDateTime(false);
    // One price alone has no stroke to show.
    CentresSingleValue = false;
    FBuySymbol->SetStyle(psTriangle);
    FBuySymbol->Brush()->SetColor(TColor(0x008000));
    FSellSymbol->SetStyle(psDownTriangle);
    FSellSymbol->Brush()->SetColor(TColor(0x0000FF));
    FDownSwing->SetColor(TColor(0x0000FF));
    FUpSwing->SetColor(TColor(0x008000));
    FUpSwing->SetWidth(3);
}
TKagiSeries::~TKagiSeries() = default;

void TKagiSeries::SetBuySymbol(const TSeriesPointer* value) { FBuySymbol->Assign(value); }
void TKagiSeries::SetDownSwing(const TChartPen* value) { FDownSwing->Assign(value); }
void TKagiSeries::SetSellSymbol(const TSeriesPointer* value) { FSellSymbol->Assign(value); }
void TKagiSeries::SetUpSwing(const TChartPen* value) { FUpSwing->Assign(value); }

TKagiColumns TKagiSeries::Columns(bool listLines) const {
    return KagiColumns(std::span<const double>(YValues().Data(), size_t(Count())),
                       TKagiReversal{FReversalAmount, FAbsoluteReversal}, listLines);
}

int TKagiSeries::ColumnCount() const { return Columns(false).Count; }

void TKagiSeries::DrawSymbol(TSeriesPointer& symbol, int column, double value) {
    if (!symbol.Visible()) return;
    const TColor color = symbol.BrushColor();
    symbol.PrepareCanvas(*FParentChart->Canvas3D(), color);
    symbol.DrawStyledAt(XValueToPixel(column), YValueToPixel(value), symbol.Style(), color);
}

void TKagiSeries::DrawAllValues() {
    TChartSeries::DrawAllValues();
    TCanvas3D& canvas = *FParentChart->Canvas3D();
    for (const TKagiLine& line : Columns(true).Lines) {
        if (line.Kind == klBuy || line.Kind == klSell) {
            DrawSymbol(line.Kind == klBuy ? *FBuySymbol : *FSellSymbol, line.Column, line.From);
            continue;
        }
        canvas.UsePen(line.Thick ? FUpSwing.get() : FDownSwing.get());
        const int x = XValueToPixel(line.Column);
        if (line.Kind == klStep)
            canvas.DrawHorizontalLineAtZ(XValueToPixel(line.Column - 1), x,
                                         YValueToPixel(line.From), MidDepth);
        else
            canvas.DrawVerticalLineAtZ(x, YValueToPixel(line.From), YValueToPixel(line.To),
                                       MidDepth);
    }
}

TColor TKagiSeries::LegendItemColor(int legendIndex) const {
    return (legendIndex == 0 ? FUpSwing : FDownSwing)->Color();
}

std::string TKagiSeries::LegendItemText(int legendIndex, TLegendTextStyle /*style*/) {
    return legendIndex == 0 ? TxtExtUp : TxtExtDown;
}

void TKagiSeries::SetParentChart(TCustomAxisPanel* value) {
    TChartSeries::SetParentChart(value);
    FBuySymbol->SetParentChart(value);
    FSellSymbol->SetParentChart(value);
}

void TKagiSeries::PrepareForGallery(bool enabled) {
    TChartSeries::PrepareForGallery(enabled);
    FillSampleValues(16);
    if (enabled) return;
    for (TSeriesPointer* symbol : {FBuySymbol.get(), FSellSymbol.get()}) {
        symbol->Brush()->SetColor(clSilver);
        symbol->Pen()->SetColor(clGray);
    }
}

void TKagiSeries::Assign(const TPersistent* source) {
    if (auto* other = dynamic_cast<const TKagiSeries*>(source)) {
        FAbsoluteReversal = other->FAbsoluteReversal;
        FBuySymbol->Assign(other->FBuySymbol.get());
        FDownSwing->Assign(other->FDownSwing.get());
        FReversalAmount = other->FReversalAmount;
        FSellSymbol->Assign(other->FSellSymbol.get());
        FUpSwing->Assign(other->FUpSwing.get());
    }
    TChartSeries::Assign(source);
}

void TKagiSeries::Publish(TPublisher<TKagiSeries>& p) {
    using S = TKagiSeries;
    p.Boolean("AbsoluteReversal", &S::AbsoluteReversal, &S::SetAbsoluteReversal).Default(false);
    p.Object("BuySymbol", &S::BuySymbol, &S::SetBuySymbol);
    p.Object("DownSwing", &S::DownSwing, &S::SetDownSwing);
    p.Float("ReversalAmount", &S::ReversalAmount, &S::SetReversalAmount).Default(0.03);
    p.Object("SellSymbol", &S::SellSymbol, &S::SetSellSymbol);
    p.Object("UpSwing", &S::UpSwing, &S::SetUpSwing);
}
