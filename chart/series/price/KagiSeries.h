#pragma once
// A kagi chart of a row of prices (the Y values): vertical strokes joined by short steps, one
// column a stroke, thick (UpSwing) after the price rose above the reference level and thin
// (DownSwing) after it fell below it, with buy and sell symbols where the pen changes
// (KagiColumns). The horizontal axis counts columns.
#include <memory>

#include "chart/engine/ChartSeries.h"

class TSeriesPointer;
struct TKagiColumns;

class TKagiSeries : public TChartSeries {
    KV_DECLARE_CLASS(TKagiSeries, TChartSeries)
public:
    explicit TKagiSeries(TComponent* owner);
    ~TKagiSeries() override;
    static std::string EditorClassName() { return "TKagiSeriesEditor"; }

    // Off: ReversalAmount is a fraction of the last price.
    bool AbsoluteReversal() const { return FAbsoluteReversal; }
    void SetAbsoluteReversal(bool value) { ChangeField(FAbsoluteReversal, value); }
    TSeriesPointer* BuySymbol() const { return FBuySymbol.get(); }
    void SetBuySymbol(const TSeriesPointer* value);
    TChartPen* DownSwing() const { return FDownSwing.get(); }
    void SetDownSwing(const TChartPen* value);
    double ReversalAmount() const { return FReversalAmount; }
    void SetReversalAmount(double value) { ChangeField(FReversalAmount, value); }
    TSeriesPointer* SellSymbol() const { return FSellSymbol.get(); }
    void SetSellSymbol(const TSeriesPointer* value);
    TChartPen* UpSwing() const { return FUpSwing.get(); }
    void SetUpSwing(const TChartPen* value);

    // The columns of the present prices, without drawing.
    int ColumnCount() const;

    void DrawAllValues() override;
    double GetMaxXValue() override { return ColumnCount() - 1; }
    int CountLegendItems() const override { return 2; }
    TColor LegendItemColor(int legendIndex) const override;
    std::string LegendItemText(int legendIndex, TLegendTextStyle style) override;
    void SetParentChart(TCustomAxisPanel* value) override;
    int DefaultSampleCount() const override { return 10; }
    void PrepareForGallery(bool enabled) override;

    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TKagiSeries>& p);

private:
    TKagiColumns Columns(bool listLines) const;
    void DrawSymbol(TSeriesPointer& symbol, int column, double value);

    bool FAbsoluteReversal = false;
    std::unique_ptr<TSeriesPointer> FBuySymbol;
    std::unique_ptr<TChartPen> FDownSwing;
    double FReversalAmount = 0.03;
    std::unique_ptr<TSeriesPointer> FSellSymbol;
    std::unique_ptr<TChartPen> FUpSwing;
};
