#pragma once
// Fills the area between a series' line and a horizontal base (a value, or the bottom of the
// plot) over a range of X values, behind the series or over it.
#include <memory>
#include <string>
#include <vector>

#include "chart/engine/ChartTools.h"

class TTeeGradient;

class TSeriesRegionTool : public TTeeCustomToolSeries {
    KV_DECLARE_CLASS(TSeriesRegionTool, TTeeCustomToolSeries)
public:
    explicit TSeriesRegionTool(TComponent* owner);
    ~TSeriesRegionTool() override;

    bool AutoBounds() const { return FAutoBounds; }
    void SetAutoBounds(bool value);
    TColor Color() const;
    void SetColor(TColor value);
    bool DrawBehindSeries() const { return FDrawBehindSeries; }
    void SetDrawBehindSeries(bool value);
    TTeeGradient* Gradient() const { return FGradient.get(); }
    void SetGradient(const TTeeGradient* value);
    double LowerBound() const { return FLowerBound; }
    void SetLowerBound(double value);
    double UpperBound() const { return FUpperBound; }
    void SetUpperBound(double value);
    double Origin() const { return FOrigin; }
    void SetOrigin(double value);
    bool UseOrigin() const { return FUseOrigin; }
    void SetUseOrigin(bool value);
    int Transparency() const { return FTransparency; }
    void SetTransparency(int value);

    // The index of the first point whose X is at least x (the count when none is), and in y
    // the series' Y there, interpolated between the neighbours when x falls between them.
    int FindIndex(double x, double& y) const;
    // The region's outline in pixels: along the series between the bounds, down to the base
    // and back; empty when the bounds miss the series.
    std::vector<TPoint> RegionPoints() const;
    virtual void DrawRegion();

    void SetSeries(TChartSeries* value) override;
    void SeriesDrawEvent(TChartSeriesToolEvent event) override;

    static std::string KindName() { return "Region"; }
    static std::string KindDescription() {
        return "Fills the region between a fixed value and Series points.";
    }
    static std::string EditorClassName() { return "TSeriesRegionEditor"; }

    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TSeriesRegionTool>& p);

private:
    bool FAutoBounds = true;
    bool FDrawBehindSeries = true;
    std::unique_ptr<TTeeGradient> FGradient;
    double FLowerBound = 0;
    double FOrigin = 0;
    int FTransparency = 0;
    double FUpperBound = 0;
    bool FUseOrigin = true;
};
