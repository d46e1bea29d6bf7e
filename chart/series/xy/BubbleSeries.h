#pragma once
// A bubble a point, its radius a third value in axis units: before each point is drawn or
// hit-tested the pointer takes the radius' size in pixels on the vertical axis (and, unless
// Squared, on the horizontal axis across), unchecked, so that a radius of 0 draws nothing. The
// vertical axis covers every bubble's top and bottom.
#include "chart/engine/PointSeries.h"

class TBubbleSeries : public TPointSeries {
    KV_DECLARE_CLASS(TBubbleSeries, TPointSeries)
public:
    explicit TBubbleSeries(TComponent* owner);
    ~TBubbleSeries() override;
    static std::string EditorClassName() { return "TBubbleSeriesEditor"; }

    TChartValueList& RadiusValues() { return *FRadius; }
    const TChartValueList& RadiusValues() const { return *FRadius; }
    void SetRadiusValues(const TChartValueList* value) { AssignValueList(*FRadius, value); }
    bool Squared() const { return FSquared; }
    void SetSquared(bool value) { ChangeField(FSquared, value); }

    int AddBubble(double x, double y, double radius, const std::string& label = {},
                  TColor color = clDefault);

    void PreparePointer(int valueIndex) override;
    void DrawValue(int valueIndex) override;
    bool IsValueInChartRect(int valueIndex) const override;
    bool PointerContains(int valueIndex, int x, int y, int mouseX, int mouseY) override;
    double GetMaxYValue() override;
    double GetMinYValue() override;
    double GetMaxZValue() override;
    double GetMinZValue() override;
    void DrawLegendShape(int valueIndex, const TRect& rect) override;
    TTeeGradient* GetGradient() const override;
    bool CanCopyFrom(const TChartSeries& source) const override;
    int DefaultSampleCount() const override { return 8; }
    void PrepareForGallery(bool enabled) override;
    void AddRandomValues(int numValues, bool onlyMandatory) override;

    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TBubbleSeries>& p);

protected:
    // Opaque marks and a widening pointer, unlike the series' own start, are stored too.
    void DefineProperties(TFiler& filer) override;

private:
    // The extreme of Y + sign * radius over the points, with the inherited one.
    double RadiusExtreme(double inherited, int sign);

    TChartValueList* FRadius;
    bool FSquared = true;
};
