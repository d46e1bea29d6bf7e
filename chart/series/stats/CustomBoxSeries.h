#pragma once
// A box-and-whisker plot of one sample of values (the series' mandatory list): a box from the
// first to the third quartile with a line at the median, whiskers out to the adjacent points,
// and the samples beyond the inner fences as markers, mild outliers (up to the outer fences)
// and extreme ones each with a marker of their own. The box is the series' pointer. It stands
// at Position on the axis across the values. The statistics are computed from the samples at
// each drawing unless UseCustomValues gives them (they are then stored with the series).
#include <memory>

#include "chart/engine/PointSeries.h"
#include "chart/series/algo/BoxStatistics.h"

class TCustomBoxSeries : public TPointSeries {
    KV_DECLARE_CLASS(TCustomBoxSeries, TPointSeries)
public:
    explicit TCustomBoxSeries(TComponent* owner);
    ~TCustomBoxSeries() override;
    static std::string EditorClassName() { return "TBoxSeriesEditor"; }

    TSeriesPointer* ExtrOut() const { return FExtrOut.get(); }
    void SetExtrOut(const TSeriesPointer* value);
    TSeriesPointer* MildOut() const { return FMildOut.get(); }
    void SetMildOut(const TSeriesPointer* value);
    TChartPen* MedianPen() const { return FMedianPen.get(); }
    void SetMedianPen(const TChartPen* value) { FMedianPen->Assign(value); }
    TChartPen* WhiskerPen() const { return FWhiskerPen.get(); }
    void SetWhiskerPen(const TChartPen* value) { FWhiskerPen->Assign(value); }
    double Position() const { return FPosition; }
    void SetPosition(double value) { ChangeField(FPosition, value); }
    double WhiskerLength() const { return FWhiskerLength; }
    void SetWhiskerLength(double value) { ChangeField(FWhiskerLength, value); }
    bool UseCustomValues() const { return FUseCustomValues; }
    void SetUseCustomValues(bool value) { ChangeField(FUseCustomValues, value); }
    bool Vertical() const { return FVertical; }

    // The statistics, computed at the last drawing or given.
    const TBoxStatistics& Statistics() const { return FStats; }
    double Median() const { return FStats.Median; }
    void SetMedian(double v) { ChangeField(FStats.Median, v); }
    double Quartile1() const { return FStats.Quartile1; }
    void SetQuartile1(double v) { ChangeField(FStats.Quartile1, v); }
    double Quartile3() const { return FStats.Quartile3; }
    void SetQuartile3(double v) { ChangeField(FStats.Quartile3, v); }
    double InnerFence1() const { return FStats.InnerFence1; }
    void SetInnerFence1(double v) { ChangeField(FStats.InnerFence1, v); }
    double InnerFence3() const { return FStats.InnerFence3; }
    void SetInnerFence3(double v) { ChangeField(FStats.InnerFence3, v); }
    double OuterFence1() const { return FStats.OuterFence1; }
    void SetOuterFence1(double v) { ChangeField(FStats.OuterFence1, v); }
    double OuterFence3() const { return FStats.OuterFence3; }
    void SetOuterFence3(double v) { ChangeField(FStats.OuterFence3, v); }
    double AdjacentPoint1() const { return FStats.AdjacentPoint1; }
    void SetAdjacentPoint1(double v) { ChangeField(FStats.AdjacentPoint1, v); }
    double AdjacentPoint3() const { return FStats.AdjacentPoint3; }
    void SetAdjacentPoint3(double v) { ChangeField(FStats.AdjacentPoint3, v); }

    TChartValueList& SampleValues() { return MandatoryValueList(); }
    virtual void SetSampleValues(const TChartValueList* value);

    // The nine statistics from the samples, whatever their order (nothing without samples).
    void ComputeBoxStatistics();
    // The drawn box: left, top, right, bottom on screen.
    TRect BoxRect() const;

    void DoBeforeDrawValues() override;
    void DrawAllValues() override;
    void DrawValue(int valueIndex) override;
    void DrawMark(int valueIndex, const std::string& text, TSeriesMarkPosition& position) override;
    int ValueIndexAt(int x, int y) override;
    void SetParentChart(TCustomAxisPanel* value) override;
    // The samples stand at Position across the values.
    int PointXPixel(int index) const override;
    int PointYPixel(int index) const override;
    double GetMinXValue() override;
    double GetMaxXValue() override;
    double GetMinYValue() override;
    double GetMaxYValue() override;
    void AddRandomValues(int numValues, bool onlyMandatory) override;
    void PrepareForGallery(bool enabled) override;

    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TCustomBoxSeries>& p);

protected:
    // For the horizontal box.
    void SetVerticalQuietly(bool value) { FVertical = value; }

private:
    int PositionPixel() const;
    int ValuePixel(double value) const;
    // The statistics that reach furthest along the value axis, on one side.
    double ValueExtreme(double inherited, bool maximum);
    void DrawBox();
    void DrawMedian(const TRect& box);
    void DrawWhiskers(const TRect& box);

    std::unique_ptr<TSeriesPointer> FExtrOut;
    std::unique_ptr<TChartPen> FMedianPen;
    std::unique_ptr<TSeriesPointer> FMildOut;
    double FPosition = 0;
    double FWhiskerLength = 1.5;
    std::unique_ptr<TChartPen> FWhiskerPen;
    bool FVertical = true;
    bool FUseCustomValues = false;
    TBoxStatistics FStats;
};
