#pragma once
// A band between the highs and the lows: consecutive highs and consecutive lows joined by lines
// (HighPen, LowPen), the area between filled with the high brush (the series' Brush) where the
// high lies above the low and with LowBrush elsewhere, and a vertical line (the series' Pen)
// from each point's high to its low. Each point draws the stretch that arrives at it and the
// vertical line of the point before it, so the previous point's pixels are kept for the pass.
#include <memory>

#include "chart/series/xy/BaseHighLowSeries.h"

class THighLowSeries : public TBaseHighLowSeries {
    KV_DECLARE_CLASS(THighLowSeries, TBaseHighLowSeries)
public:
    explicit THighLowSeries(TComponent* owner);
    ~THighLowSeries() override;
    static std::string EditorClassName() { return "THighLowEditor"; }

    TChartPen* HighPen() const { return FHighPen.get(); }
    void SetHighPen(const TChartPen* value) { FHighPen->Assign(value); }
    TChartPen* LowPen() const { return FLowPen.get(); }
    void SetLowPen(const TChartPen* value) { FLowPen->Assign(value); }
    TChartBrush* HighBrush() const { return Brush(); }
    void SetHighBrush(const TChartBrush* value) { SetBrush(value); }
    TChartBrush* LowBrush() const { return FLowBrush.get(); }
    void SetLowBrush(const TChartBrush* value) { FLowBrush->Assign(value); }
    int Transparency() const { return FTransparency; }
    void SetTransparency(int value) { ChangeField(FTransparency, value); }

    void DrawValue(int valueIndex) override;
    int ValueIndexAt(int x, int y) override;
    void ListGalleryVariants(const std::function<void(const std::string&)>& addVariant) override;
    void ApplyGalleryVariant(TChartSeries* series, int index) override;

    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<THighLowSeries>& p);

protected:
    // The two brushes are clear unless filled: a solid one, which the writer takes for its
    // class's default and leaves out, is stored in an entry of its own.
    void DefineProperties(TFiler& filer) override;

private:
    struct TBandPixels {
        int X = 0, High = 0, Low = 0;
    };
    TBandPixels PixelsOf(int valueIndex) const;
    // The stretch from the previous point to current, filled and edged.
    void DrawBand(int valueIndex, const TBandPixels& current, TColor color);
    void DrawVerticalLine(const TBandPixels& p, TColor color);

    TBandPixels FPrevious;
    std::unique_ptr<TChartPen> FHighPen;
    std::unique_ptr<TChartPen> FLowPen;
    std::unique_ptr<TChartBrush> FLowBrush;
    int FTransparency = 0;
};
