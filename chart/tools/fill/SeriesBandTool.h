#pragma once
// Fills the region between two series, or between a series and a level, with a brush or a
// gradient, behind the series or over them. The first series reaches the tool through the
// chart's series-tool events; the second one's own drawing events are chained, its earlier
// handlers still called and given back when the tool lets go of it.
#include <memory>
#include <string>
#include <vector>

#include "chart/engine/ChartTools.h"

class TTeeGradient;

class TSeriesBandTool : public TTeeCustomToolSeries {
    KV_DECLARE_CLASS(TSeriesBandTool, TTeeCustomToolSeries)
public:
    explicit TSeriesBandTool(TComponent* owner);
    ~TSeriesBandTool() override;

    bool DrawBehindSeries() const { return FDrawBehindSeries; }
    void SetDrawBehindSeries(bool value);
    TTeeGradient* Gradient() const { return FGradient.get(); }
    void SetGradient(const TTeeGradient* value);
    TChartSeries* Series2() const { return FSeries2; }
    virtual void SetSeries2(TChartSeries* value);
    int Transparency() const { return FTransparency; }
    void SetTransparency(int value);
    double BoundValue() const { return FBoundValue; }
    void SetBoundValue(double value);

    // The band's outline in pixels: along the series, back along the second one or the level.
    std::vector<TPoint> BandPoints() const;
    virtual void DrawBand();

    void ChartDrawEvent(TChartToolEvent event) override;
    void SeriesDrawEvent(TChartSeriesToolEvent event) override;

    static std::string KindName() { return "Series Band"; }
    static std::string KindDescription() { return "Fills the region between two Series."; }
    static std::string EditorClassName() { return "TSeriesBandToolEdit"; }

    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TSeriesBandTool>& p);

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    void SeriesDrawing(bool first, bool before);
    void AttachSeries2();
    void DetachSeries2(bool restore);

    bool FDrawBehindSeries = true;
    std::unique_ptr<TTeeGradient> FGradient;
    TChartSeries* FSeries2 = nullptr;
    bool FFirstSeen = false;
    bool FSecondSeen = false;
    int FTransparency = 0;
    double FBoundValue = 0;
    // The second series' handlers from before the tool took it.
    TNotifyEvent FSavedBefore;
    TNotifyEvent FSavedAfter;
};
