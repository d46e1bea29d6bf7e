#pragma once
// The paging of a chart's points: at most MaxPointsPerPage points of each series are shown at a
// time, on page Current (from 1). The page count comes from the busiest series on the axes the
// chart's first series runs along.
#include "platform/classes/Persistent.h"

class TCustomAxisPanel;

class TChartPage : public TPersistent {
    KV_DECLARE_CLASS(TChartPage, TPersistent)
public:
    explicit TChartPage(TCustomAxisPanel* chart) : FChart(chart) {}
    ~TChartPage() override;

    TCustomAxisPanel* Chart() const { return FChart; }
    // The axes scale to the points of the current page only.
    bool AutoScale() const { return FAutoScale; }
    void SetAutoScale(bool value);
    // Limited to the page count, then to at least 1; a change repaints and is told.
    int Current() const { return FCurrent; }
    void SetCurrent(int value);
    // 0: no paging. A negative value raises.
    int MaxPointsPerPage() const { return FMaxPointsPerPage; }
    void SetMaxPointsPerPage(int value);
    // Off: the last page is scaled as a full one.
    bool ScaleLastPage() const { return FScaleLastPage; }
    void SetScaleLastPage(bool value);

    int Count() const;
    void Next();
    void Previous();
    int FirstPointOfPage() const { return (FCurrent - 1) * FMaxPointsPerPage; }

    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TChartPage>& p);

private:
    // The page count of one axis: by the largest point count of the active series on it.
    int AxisPageCount(const class TChartAxis* axis) const;
    void Repaint();
    void BroadcastChange();
    bool Loading() const;

    TCustomAxisPanel* FChart;
    bool FAutoScale = false;
    int FCurrent = 1;
    int FMaxPointsPerPage = 0;
    bool FScaleLastPage = true;
};
