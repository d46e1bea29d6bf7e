#pragma once
// A renko chart of a row of prices (the Y values): equal bricks of BoxSize price units, one
// column each, rising ones in UpSwingColor and falling ones in DownSwingColor (RenkoBricks).
// The horizontal axis counts bricks, the value axis spans the levels the bricks reached.
#include "chart/engine/ChartSeries.h"

struct TRenkoBricks;

class TRenkoSeries : public TChartSeries {
    KV_DECLARE_CLASS(TRenkoSeries, TChartSeries)
public:
    explicit TRenkoSeries(TComponent* owner);
    ~TRenkoSeries() override;
    static std::string EditorClassName() { return "TRenkoSeriesEditor"; }

    // A box size of 0 or less has no bricks: it is refused, the old one kept.
    double BoxSize() const { return FBoxSize; }
    void SetBoxSize(double value);
    TColor DownSwingColor() const { return FDownSwingColor; }
    void SetDownSwingColor(TColor value) { ChangeField(FDownSwingColor, value); }
    bool Draw3D() const { return FDraw3D; }
    void SetDraw3D(bool value) { ChangeField(FDraw3D, value); }
    int Transparency() const { return FTransparency; }
    void SetTransparency(int value) { ChangeField(FTransparency, value); }
    TColor UpSwingColor() const { return FUpSwingColor; }
    void SetUpSwingColor(TColor value) { ChangeField(FUpSwingColor, value); }

    // The bricks of the present prices, without drawing.
    int BrickCount() const;

    void DrawAllValues() override;
    double GetMinXValue() override { return -0.5; }
    double GetMaxXValue() override { return BrickCount() - 0.5; }
    double GetMinYValue() override;
    double GetMaxYValue() override;
    // The points drawn one by one (marks) stay within the points, whatever the brick count.
    void ComputeVisibleRange() override;
    int CountLegendItems() const override { return 2; }
    TColor LegendItemColor(int legendIndex) const override;
    std::string LegendItemText(int legendIndex, TLegendTextStyle style) override;
    int DefaultSampleCount() const override { return 8; }
    void AddRandomValues(int numValues, bool onlyMandatory) override;
    void PrepareForGallery(bool enabled) override;

    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TRenkoSeries>& p);

private:
    TRenkoBricks Bricks(bool listRuns) const;
    void DrawBricks(const TRenkoBricks& bricks);

    double FBoxSize = 1;
    TColor FDownSwingColor = clBlack;
    bool FDraw3D = true;
    int FTransparency = 0;
    TColor FUpSwingColor = clWhite;
};
