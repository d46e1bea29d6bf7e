#pragma once
// A point-and-figure chart of price bars: columns of up symbols (X) and down symbols (O), one
// symbol a box of BoxSize price units, a new column when the price turns by ReversalAmount
// boxes (PointFigureColumns). Only the highs and lows are read; the horizontal axis counts
// columns.
#include <memory>

#include "chart/series/price/OHLCSeries.h"

class TSeriesPointer;
struct TPointFigureColumns;

class TPointFigureSeries : public TOHLCSeries {
    KV_DECLARE_CLASS(TPointFigureSeries, TOHLCSeries)
public:
    explicit TPointFigureSeries(TComponent* owner);
    ~TPointFigureSeries() override;
    static std::string EditorClassName() { return "TPointFigureEditor"; }

    // A box size of 0 or less would never finish a column: it is refused, the old one kept.
    double BoxSize() const { return FBoxSize; }
    void SetBoxSize(double value);
    double ReversalAmount() const { return FReversalAmount; }
    void SetReversalAmount(double value) { ChangeField(FReversalAmount, value); }
    TSeriesPointer* DownSymbol() const { return FDownSymbol.get(); }
    void SetDownSymbol(const TSeriesPointer* value);
    TSeriesPointer* UpSymbol() const { return FUpSymbol.get(); }
    void SetUpSymbol(const TSeriesPointer* value);

    // The columns of the present bars, without drawing.
    int ColumnCount() const;

    void DrawAllValues() override;
    double GetMinXValue() override { return 0; }
    double GetMaxXValue() override { return ColumnCount() - 1; }
    int CountLegendItems() const override { return 2; }
    TColor LegendItemColor(int legendIndex) const override;
    std::string LegendItemText(int legendIndex, TLegendTextStyle style) override;
    void SetParentChart(TCustomAxisPanel* value) override;
    void PrepareForGallery(bool enabled) override;

    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TPointFigureSeries>& p);

private:
    TPointFigureColumns Columns(bool listRuns) const;

    double FBoxSize = 1;
    std::unique_ptr<TSeriesPointer> FDownSymbol;
    double FReversalAmount = 3;
    std::unique_ptr<TSeriesPointer> FUpSymbol;
};
