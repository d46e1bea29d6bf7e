#pragma once
// The bench the chart tools are tried on: a chart of fixed size (400 x 300, 2-D, no legend)
// whose bottom and left axes show fixed ranges, so that values and pixels correspond the same
// way in every run, drawn without a window into its front image (what the screen would show)
// through a canvas of fixed text metrics. The mouse and the wheel reach the tools through the
// chart's own handlers, as the window layer would deliver them; a manual clock drives the
// timers, and the hints the application would show are recorded instead.
//
// The library's start-up (TToolsLibrary) is run by the bench itself, so a test needs nothing
// else. One bench at a time: it installs the one manual clock and the application's hint window.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "chart/engine/Chart.h"
#include "chart/engine/ChartTools.h"
#include "platform/classes/Component.h"
#include "platform/ui/HintWindow.h"
#include "platform/ui/Timer.h"

class TChartAxis;
class TChartSeries;
class TPointSeries;

// The chart library's start-up, tools included, as the program runs it; undone in reverse.
struct TToolsLibrary {
    TToolsLibrary();
    ~TToolsLibrary();
    TToolsLibrary(const TToolsLibrary&) = delete;
    TToolsLibrary& operator=(const TToolsLibrary&) = delete;
};

// The chart of the bench: its mouse handlers within reach, and its drawing passes and
// invalidations counted.
class TToolChart : public TChart {
public:
    using TChart::DoMouseWheelDown;
    using TChart::DoMouseWheelUp;
    using TChart::MouseDown;
    using TChart::MouseLeave;
    using TChart::MouseMove;
    using TChart::MouseUp;
    using TChart::MouseWheel;
    using TChart::TChart;
    void Invalidate() override;

    // Whole drawing passes of the chart, and requests for one, since the chart was made.
    int64_t DrawPasses = 0;
    int64_t Invalidations = 0;

protected:
    void InternalDraw(const TRect& rect) override;
};

// A tool for watching the others: listed after a tool under test, it notes at every drawing
// event of the chart its kind and the colour the drawing surface has then at one pixel, so a
// test sees in which phase a tool drew there; it notes mouse events too, to show which ones
// reached it.
class TPhaseProbe : public TTeeCustomTool {
public:
    explicit TPhaseProbe(TComponent* owner) : TTeeCustomTool(owner) {}
    void ChartDrawEvent(TChartToolEvent event) override;
    void ChartMouseEvent(TChartMouseEvent kind, TMouseButton, TShiftState, int, int) override {
        Mouse.push_back(kind);
    }
    // The first drawing event after which the pixel had the colour, -1 when it never had.
    int PhaseOfColor(TColor color) const;

    TPoint At{0, 0};
    struct TSeen {
        TChartToolEvent Event;
        TColor Color;
    };
    std::vector<TSeen> Seen;
    std::vector<TChartMouseEvent> Mouse;
};

// What the application's hint window was asked to do.
struct THintRecord {
    std::vector<THintInfo> Shown;
    int Hidden = 0;
};

class TToolBench {
public:
    static constexpr int Width = 400;
    static constexpr int Height = 300;
    // The fixed text metrics of the bench's canvas.
    static constexpr int CharWidth = 7;
    static constexpr int LineHeight = 13;

    // Bottom and left axes 0 .. 100 unless told otherwise.
    TToolBench();
    ~TToolBench();
    TToolBench(const TToolBench&) = delete;
    TToolBench& operator=(const TToolBench&) = delete;

    TToolChart& Chart() { return *FChart; }
    // Owner of everything a test makes for the chart (series, tools), as a form would be.
    TComponent& Form() { return FForm; }
    TChartAxis& Bottom();
    TChartAxis& Left();
    TChartAxis& Top();
    TChartAxis& Right();

    // A point series named "Series<n>" on the bottom and left axes, with the points given
    // (x, y pairs in order).
    TPointSeries* AddSeries(const std::vector<std::pair<double, double>>& points = {});
    // A tool of class T owned by the form, named "ChartTool<n>", in the chart's list.
    template <class T>
    T* AddTool() {
        auto* tool = new T(&FForm);
        NameTool(*tool);
        tool->SetParentChart(FChart);
        return tool;
    }

    // A whole drawing pass onto the front image, as a paint would do.
    void Render();
    // The front image's pixels, row by row, as the screen would show them.
    std::vector<uint8_t> FrontPixels();
    // The colour of one pixel of the front image.
    TColor FrontPixel(int x, int y);

    // The mouse, through the chart's handlers. A press claimed by nobody starts the chart's zoom
    // (left button) or its pan (right button), as on a window.
    void Press(int x, int y, TMouseButton button = mbLeft, TShiftState shift = {});
    void Move(int x, int y, TShiftState shift = {});
    void Release(int x, int y, TMouseButton button = mbLeft, TShiftState shift = {});
    // Press, moves along the way in steps of at most 5 pixels, release.
    void Drag(int x0, int y0, int x1, int y1, TMouseButton button = mbLeft);
    // A wheel turn by delta (120 a notch) at (x, y); positive turns away from the user.
    void Wheel(int delta, int x, int y);
    // The mouse leaves the chart.
    void Leave();

    // Pixels of axis values through the chart's bottom and left axes.
    int XPixel(double value);
    int YPixel(double value);

    TManualClock Clock;
    THintRecord Hints;

private:
    void NameTool(TComponent& tool);

    std::unique_ptr<TToolsLibrary> FLibrary;
    TComponent FForm{nullptr};
    TToolChart* FChart = nullptr;
    int FSeriesCount = 0;
};
