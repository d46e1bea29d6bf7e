#pragma once
// One horizontal pipe filling the chart rectangle and narrowing from left to right, cut into one
// segment per point so that each segment's area is the point's share of the total; cone frusta
// lying on their side in a 3-D chart. It ignores the axes and hides the vertical one.
#include <memory>
#include <vector>

#include "chart/engine/ChartSeries.h"
#include "chart/foundation/TeeGradient.h"
#include "chart/series/algo/PipeSegments.h"

// The pipe's shading: shown from the start, so that a pipe whose gradient was turned off says so
// in its stream.
class TVolumePipeGradient : public TTeeGradient {
    KV_DECLARE_CLASS(TVolumePipeGradient, TTeeGradient)
public:
    explicit TVolumePipeGradient(TNotifyEvent onChange = nullptr);
    static void Publish(TPublisher<TVolumePipeGradient>& p);
};

class TVolumePipeSeries : public TChartSeries {
    KV_DECLARE_CLASS(TVolumePipeSeries, TChartSeries)
public:
    explicit TVolumePipeSeries(TComponent* owner);
    ~TVolumePipeSeries() override;
    static std::string EditorClassName() { return "TVolumePipeSeriesEditor"; }

    // How much lower the right end is than the left, in percent; drawn as 100 above 100.
    int ConePercent() const { return FConePercent; }
    void SetConePercent(int value) { ChangeField(FConePercent, value); }
    TVolumePipeGradient* Gradient() const { return FGradient.get(); }
    void SetGradient(const TTeeGradient* value);
    TChartPen* LinesPen() const { return FLinesPen.get(); }
    void SetLinesPen(const TChartPen* value) { FLinesPen->Assign(value); }

    // The pipe and its segments as last drawn.
    const TPipeOutline& Outline() const { return FOutline; }
    const std::vector<TPipeSegment>& Segments() const { return FSegments; }
    // The segment drawn for point i; none for a null point.
    const TPipeSegment* SegmentOf(int valueIndex) const;

    void DrawAllValues() override;
    void DrawValue(int /*valueIndex*/) override {}
    bool UsesAxes() const override { return false; }
    bool IsValueInChartRect(int /*valueIndex*/) const override { return true; }
    void PrepareForChartDraw() override;
    void DrawMark(int valueIndex, const std::string& text, TSeriesMarkPosition& position) override;
    int ValueIndexAt(int x, int y) override;
    int DefaultSampleCount() const override { return 5; }
    void AddRandomValues(int numValues, bool onlyMandatory) override;

    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TVolumePipeSeries>& p);

private:
    // The chart rectangle less the marks' height above.
    TRect PipeRect();
    void DrawSegment(const TPipeSegment& segment, int& z0, int& z1);

    int FConePercent = 30;
    std::unique_ptr<TVolumePipeGradient> FGradient;
    std::unique_ptr<TChartPen> FLinesPen;
    TPipeOutline FOutline;
    std::vector<TPipeSegment> FSegments;
};
