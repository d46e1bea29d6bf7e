#include "chart/series/price/PointFigureSeries.h"

#include <span>

#include "chart/engine/AxisPanel.h"
#include "chart/engine/SeriesPointer.h"
#include "chart/foundation/Canvas3D.h"
#include "chart/foundation/ChartBrush.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/LibraryTexts.h"
#include "chart/series/algo/PointFigureColumns.h"
#include "platform/classes/Publisher.h"

TPointFigureSeries::TPointFigureSeries(TComponent* owner)
    : TOHLCSeries(owner),
      FDownSymbol(std::make_unique<TSeriesPointer>(this)),
      FUpSymbol(std::make_unique<TSeriesPointer>(this)) {
    XValues().SetDefaultDateTime(false);
    FDownSymbol->SetStyle(psCircle);
    FDownSymbol->Brush()->SetColor(TColor(0x0000FF));
    FUpSymbol->SetStyle(psDiagCross);
    FUpSymbol->Brush()->SetColor(TColor(0x008000));
}
TPointFigureSeries::~TPointFigureSeries() = default;

void TPointFigureSeries::SetBoxSize(double value) {
    if (value > 0) ChangeField(FBoxSize, value);
}
void TPointFigureSeries::SetDownSymbol(const TSeriesPointer* value) { FDownSymbol->Assign(value); }
void TPointFigureSeries::SetUpSymbol(const TSeriesPointer* value) { FUpSymbol->Assign(value); }

TPointFigureColumns TPointFigureSeries::Columns(bool listRuns) const {
    const size_t n = size_t(Count());
    return PointFigureColumns(std::span<const double>(HighValues().Data(), n),
                              std::span<const double>(LowValues().Data(), n), FBoxSize,
                              FReversalAmount, listRuns);
}

int TPointFigureSeries::ColumnCount() const { return Columns(false).Count; }

void TPointFigureSeries::DrawAllValues() {
    TCanvas3D& canvas = *FParentChart->Canvas3D();
    for (const TPointFigureRun& run : Columns(true).Runs) {
        TSeriesPointer& symbol = run.Up ? *FUpSymbol : *FDownSymbol;
        const int x = XValueToPixel(run.Column);
        const TColor color = symbol.BrushColor();
        ForEachPointFigureSymbol(run, FBoxSize, [&](double v) {
            symbol.PrepareCanvas(canvas, color);
            symbol.DrawStyledAt(x, YValueToPixel(v), symbol.Style(), color);
        });
    }
}

TColor TPointFigureSeries::LegendItemColor(int legendIndex) const {
    return (legendIndex == 0 ? FUpSymbol : FDownSymbol)->Brush()->Color();
}

std::string TPointFigureSeries::LegendItemText(int legendIndex, TLegendTextStyle /*style*/) {
    return legendIndex == 0 ? TxtExtUp : TxtExtDown;
}

void TPointFigureSeries::SetParentChart(TCustomAxisPanel* value) {
    TOHLCSeries::SetParentChart(value);
    if (!ComponentState().Contains(csDestroying)) {
        FUpSymbol->SetParentChart(value);
        FDownSymbol->SetParentChart(value);
    }
}

void TPointFigureSeries::PrepareForGallery(bool enabled) {
    TOHLCSeries::PrepareForGallery(enabled);
    if (enabled) return;
    for (TSeriesPointer* symbol : {FUpSymbol.get(), FDownSymbol.get()}) {
        symbol->Brush()->SetColor(clSilver);
        symbol->Pen()->SetColor(clGray);
    }
}

void TPointFigureSeries::Assign(const TPersistent* source) {
    if (auto* other = dynamic_cast<const TPointFigureSeries*>(source)) {
        FBoxSize = other->FBoxSize;
        FDownSymbol->Assign(other->FDownSymbol.get());
        FReversalAmount = other->FReversalAmount;
        FUpSymbol->Assign(other->FUpSymbol.get());
    }
    TOHLCSeries::Assign(source);
}

void TPointFigureSeries::Publish(TPublisher<TPointFigureSeries>& p) {
    using S = TPointFigureSeries;
    p.Float("BoxSize", &S::BoxSize, &S::SetBoxSize).Default(1.0);
    p.Object("DownSymbol", &S::DownSymbol, &S::SetDownSymbol);
    p.Float("ReversalAmount", &S::ReversalAmount, &S::SetReversalAmount).Default(3.0);
    p.Object("UpSymbol", &S::UpSymbol, &S::SetUpSymbol);
}
