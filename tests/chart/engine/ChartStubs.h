#pragma once
// A chart, series types and two tools for tests of the engine's model: the chart takes a colour
// as free when no other series shows it, and records what it tells its listeners.
#include <string>
#include <vector>

#include "chart/engine/AxisPanel.h"
#include "chart/engine/ChartAxis.h"
#include "chart/engine/ChartSeries.h"
#include "chart/engine/ChartTools.h"
#include "chart/foundation/Canvas3D.h"
#include "chart/foundation/DefaultColors.h"
#include "chart/foundation/LibraryTexts.h"
#include "platform/classes/ClassRegistry.h"

class TTestChart : public TCustomAxisPanel, public IPanelListener {
    KV_DECLARE_CLASS(TTestChart, TCustomAxisPanel)
public:
    explicit TTestChart(TComponent* owner) : TCustomAxisPanel(owner) { Listeners().Add(this); }
    ~TTestChart() override { Listeners().Remove(this); }

    void AdjustChartRectFor3D() override {}
    int WallSizeOfAxis(const TChartAxis*) override { return WallSize; }
    void DrawTitlesAndLegend(bool) override {}
    void DrawWalls() override {}
    bool IsFreeSeriesColor(TColor color, bool, const TChartSeries* series) override {
        for (int i = 0; i < SeriesCount(); ++i)
            if (GetSeries(i) != series && GetSeries(i)->SeriesColor() == color) return false;
        return true;
    }
    void HandleTeeEvent(TTeeEvent* event) override {
        if (auto* e = dynamic_cast<TTeeSeriesEvent*>(event))
            Events.push_back("series " + std::to_string(int(e->Event)));
        else if (dynamic_cast<TChartChangePage*>(event))
            Events.push_back("page");
    }
    void LeaveMouse() { MouseLeave(); }
    std::vector<std::string> Events;
    int WallSize = 0;
};

class TTestSeries : public TChartSeries {
    KV_DECLARE_CLASS(TTestSeries, TChartSeries)
public:
    explicit TTestSeries(TComponent* owner) : TChartSeries(owner) {}
};

// Draws each point as a square of seven pixels in its colour, centred on the point.
class TTestSquareSeries : public TTestSeries {
public:
    using TTestSeries::TTestSeries;
    void DrawValue(int i) override {
        TCanvas3D* canvas = ParentChart()->Canvas3D();
        canvas->Brush()->SetStyle(bsSolid);
        canvas->Brush()->SetColor(ValueColor(i));
        const int x = PointXPixel(i);
        const int y = PointYPixel(i);
        canvas->FillRectangle(TRect{x - 3, y - 3, x + 4, y + 4});
    }
};

class TTestHorizSeries : public TChartSeries {
    KV_DECLARE_CLASS(TTestHorizSeries, TChartSeries)
public:
    explicit TTestHorizSeries(TComponent* owner) : TChartSeries(owner) {
        MakeXMandatory();
        XValues().SetOrder(loNone);
        YValues().SetOrder(loAscending);
    }
};

class TTestSeriesTool : public TTeeCustomToolSeries {
    KV_DECLARE_CLASS(TTestSeriesTool, TTeeCustomToolSeries)
public:
    explicit TTestSeriesTool(TComponent* owner) : TTeeCustomToolSeries(owner) {}
    void ChartDrawEvent(TChartToolEvent kind) override { Kinds.push_back(int(kind)); }
    std::vector<int> Kinds;
};

class TTestAxisTool : public TTeeCustomToolAxis {
    KV_DECLARE_CLASS(TTestAxisTool, TTeeCustomToolAxis)
public:
    explicit TTestAxisTool(TComponent* owner) : TTeeCustomToolAxis(owner) {}
};

inline void RegisterTestChartClasses() {
    LoadCoreTexts();
    ResetDefaultColors();
    RegisterClasses({&TTestChart::StaticClass(), &TTestSeries::StaticClass(),
                     &TTestHorizSeries::StaticClass(), &TTestSeriesTool::StaticClass(),
                     &TTestAxisTool::StaticClass()});
}
