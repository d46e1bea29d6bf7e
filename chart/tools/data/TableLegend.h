#pragma once
// The data table's legend column: each table row's series title and symbol, in the legend's
// font. The table draws no box for it, only its texts and symbols; it is transparent by default.
#include <memory>

#include "chart/foundation/TeeShape.h"

class TLegendSymbol;

class TTableLegend : public TTeeCustomShape {
    KV_DECLARE_CLASS(TTableLegend, TTeeCustomShape)
public:
    explicit TTableLegend(TCustomTeePanel* panel = nullptr);
    ~TTableLegend() override;

    // The titles in each series' colour.
    bool FontSeriesColor() const { return FFontSeriesColor; }
    void SetFontSeriesColor(bool value);
    // The column after the table instead of before it.
    bool OtherSide() const { return FOtherSide; }
    void SetOtherSide(bool value);
    TLegendSymbol* Symbol() const { return FSymbol.get(); }
    void SetSymbol(const TLegendSymbol* value);

    // The symbol follows the legend to its chart (a new one with the same settings).
    void SetParentChart(TCustomTeePanel* value) override;

    // The shape settings, FontSeriesColor, OtherSide and Symbol.
    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TTableLegend>& p);

private:
    std::unique_ptr<TLegendSymbol> MakeSymbol(TCustomTeePanel* panel, const TLegendSymbol* from);

    bool FFontSeriesColor = false;
    bool FOtherSide = false;
    std::unique_ptr<TLegendSymbol> FSymbol;
};
