#pragma once
// Contiguous bars without gaps: each bar reaches half-way to its neighbours, adjacent bars
// sharing one pixel column, and from the point's value to the end of the value axis. The pen
// outlines the bars' skyline, the lines pen (hidden by default) divides adjacent bars. The
// horizontal histogram lays the bars along the vertical axis.
#include <memory>

#include "chart/engine/CustomLineSeries.h"

class THistogramSeries : public TCustomLineSeries {
    KV_DECLARE_CLASS(THistogramSeries, TCustomLineSeries)
public:
    explicit THistogramSeries(TComponent* owner);
    ~THistogramSeries() override;
    static std::string EditorClassName() { return "THistogramSeriesEditor"; }

    TChartHiddenPen* LinesPen() const { return FLinesPen.get(); }
    void SetLinesPen(const TChartHiddenPen* value);
    int Transparency() const { return FTransparency; }
    void SetTransparency(int value) { ChangeField(FTransparency, value); }

    // The bar of point i in drawing order: after the first drawn bar, each starts where the
    // previous one ended, so bars are computed in the order they are drawn.
    virtual void CalcBarBounds(int valueIndex, TRect& rect);
    // The number of bars the category axis is shared by: the points per page when paging.
    int BarCount() const;

    void DrawValue(int valueIndex) override;
    void ComputeVisibleRange() override;
    void HorizontalMarginsNeeded(int& left, int& right) override;
    void VerticalMarginsNeeded(int& top, int& bottom) override;
    int ValueIndexAt(int x, int y) override;
    void ListGalleryVariants(const std::function<void(const std::string&)>& addVariant) override;
    void ApplyGalleryVariant(TChartSeries* series, int index) override;

    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<THistogramSeries>& p);

protected:
    // Half a bar along the category axis of axisLength pixels.
    int HalfBar(int axisLength) const;
    // Half the distance to the neighbour (from - to) in pixels; half a bar when the neighbour
    // does not exist (a series of one point).
    int HalfGap(int index, int neighbour, bool vertical) const;
    // The far edge of the bar drawn last, minus 1.
    int PreviousEdge = 0;

private:
    void DrawLine(int x0, int y0, int x1, int y1);
    void DrawOutline(int valueIndex, const TRect& r);
    void DrawDivider(int valueIndex, const TRect& r);
    int PreviousIndex(int valueIndex) const;

    std::unique_ptr<TChartHiddenPen> FLinesPen;
    int FTransparency = 0;
};

class THorizHistogramSeries : public THistogramSeries {
    KV_DECLARE_CLASS(THorizHistogramSeries, THistogramSeries)
public:
    explicit THorizHistogramSeries(TComponent* owner);
    ~THorizHistogramSeries() override;
    void CalcBarBounds(int valueIndex, TRect& rect) override;
};
