#pragma once
// One pyramid stacked from the series' values: as high as their sum, each value a slice (a
// truncated pyramid) whose width and depth shrink linearly with the cumulative value, so that
// the top slice ends in the apex. Several pyramid series stand side by side, each at its own
// place in the chart's series list.
#include "chart/engine/ChartSeries.h"
#include "chart/series/algo/PyramidSlices.h"

class TPyramidSeries : public TChartSeries {
    KV_DECLARE_CLASS(TPyramidSeries, TChartSeries)
public:
    explicit TPyramidSeries(TComponent* owner);
    ~TPyramidSeries() override;
    static std::string EditorClassName() { return "TPyramidSeriesEditor"; }

    int SizePercent() const { return FSizePercent; }
    void SetSizePercent(int value) { ChangeField(FSizePercent, value); }

    // The slice of point i: the rectangle from its bottom to its top, the base's width across,
    // and its shape; false when the values sum to 0 (nothing is drawn or hit then).
    bool SliceOf(int valueIndex, TRect& rect, TPyramidSlice& slice);
    // The series' place in its chart's series list.
    int IndexInChart() const;

    void DrawValue(int valueIndex) override;
    void DrawMark(int valueIndex, const std::string& text, TSeriesMarkPosition& position) override;
    int PointXPixel(int index) const override;
    int PointYPixel(int index) const override;
    double GetMinXValue() override { return IndexInChart(); }
    double GetMaxXValue() override { return IndexInChart(); }
    double GetMinYValue() override { return 0; }
    double GetMaxYValue() override;
    void HorizontalMarginsNeeded(int& left, int& right) override;
    bool DrawsValuesForward() const override;
    int ValueIndexAt(int x, int y) override;

    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TPyramidSeries>& p);

private:
    // The sum of the values below point i.
    double SumBelow(int valueIndex) const;

    int FSizePercent = 50;
};
