// The chart under the mouse, by calling its mouse handlers: the zoom rectangle and its minimum
// size, zooming and undoing by drag direction, panning and the wheel, one undo after any number
// of zooms and pans (also after panning beyond the kept range, and after custom axes came or
// went), and the order in which tools and handlers are told of a click.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ChartStubs.h"
#include "chart/engine/Chart.h"
#include "chart/engine/ChartTitle.h"
#include "chart/foundation/TeeZoom.h"
#include "chart/foundation/ZoomPanning.h"
#include "platform/graphics/Bitmap.h"
#include "platform/rtl/FormatSettings.h"
#include "tests/chart/engine/LabelHostStub.h"

namespace {

// The mouse handlers in reach, and synchronous repaints counted instead of drawn.
class TMouseChart : public TChart {
public:
    using TChart::DoMouseWheelDown;
    using TChart::DoMouseWheelUp;
    using TChart::MouseDown;
    using TChart::MouseMove;
    using TChart::MouseUp;
    using TChart::MouseWheel;
    using TChart::TChart;
    void Repaint() override {
        if (OnRepaint) OnRepaint();
    }
    std::function<void()> OnRepaint;
};

// A point is hit within three pixels of where it is drawn.
class TClickSeries : public TTestSeries {
public:
    using TTestSeries::TTestSeries;
    int ValueIndexAt(int x, int y) override {
        for (int i = 0; i < Count(); ++i)
            if (std::abs(PointXPixel(i) - x) <= 3 && std::abs(PointYPixel(i) - y) <= 3) return i;
        return -1;
    }
};

// Writes down the mouse and wheel events it gets; may take them for itself.
class TLogTool : public TTeeCustomTool {
public:
    explicit TLogTool(TComponent* owner) : TTeeCustomTool(owner) {}
    void ChartMouseEvent(TChartMouseEvent kind, TMouseButton, TShiftState, int, int) override {
        Log->push_back("tool " + std::to_string(int(kind)));
        if (Takes) ParentChart()->SetCancelMouse(true);
    }
    void ChartWheelEvent(int kind, int delta, int, int) override {
        Log->push_back("wheel " + std::to_string(kind) + " " + std::to_string(delta));
    }
    std::vector<std::string>* Log = nullptr;
    bool Takes = false;
};

TPoint Centre(const TRect& r) { return TPoint{(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2}; }

class ChartMouseTest : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterTestChartClasses();
        auto canvas = std::make_unique<TFixedMetricsCanvas>();
        canvas->SetBufferedDisplay(false);
        Chart->ReplaceCanvas(std::move(canvas));
        Chart->SetBounds(0, 0, 400, 300);
        Chart->SetView3D(false);
        Chart->Legend()->SetVisible(false);
        A = NewSeries("A", 0);
        Draw();
    }
    TClickSeries* NewSeries(const std::string& name, double offset) {
        auto* s = new TClickSeries(&Form);
        s->SetName(name);
        Chart->AddSeries(s);
        for (int i = 0; i <= 10; ++i) s->AddXYPoint(i, 10 * i + offset);
        return s;
    }
    void Draw() {
        TBitmap target(400, 300);
        Chart->Draw(target.Canvas(), TRect{0, 0, 400, 300});
    }
    void Drag(TMouseButton button, TPoint from, TPoint to) {
        Chart->MouseDown(button, {}, from.X, from.Y);
        Chart->MouseMove({}, (from.X + to.X) / 2, (from.Y + to.Y) / 2);
        Chart->MouseMove({}, to.X, to.Y);
        Chart->MouseUp(button, {}, to.X, to.Y);
    }
    // A point well inside the plot, away from the series' line.
    TPoint Inside() const {
        const TRect& r = Chart->ChartRect();
        return TPoint{r.Left + 40, r.Top + 40};
    }
    struct TLimits {
        double Min, Max;
        bool Automatic;
    };
    static TLimits LimitsOf(const TChartAxis* axis) {
        return {axis->Minimum(), axis->Maximum(), axis->Automatic()};
    }
    static void ExpectLimits(const TChartAxis* axis, const TLimits& expected) {
        EXPECT_DOUBLE_EQ(axis->Minimum(), expected.Min);
        EXPECT_DOUBLE_EQ(axis->Maximum(), expected.Max);
        EXPECT_EQ(axis->Automatic(), expected.Automatic);
    }

    TFormatSettingsGuard PinnedFormats{TFormatSettings{}};
    TComponent Form{nullptr};
    TMouseChart* Chart = new TMouseChart(&Form);
    TClickSeries* A = nullptr;
};

TEST_F(ChartMouseTest, ADragZoomsOnlyBeyondTheMinimumPixelsAndBackwardsItUndoes) {
    const struct {
        int Dx, Dy;
        bool Zooms;
    } cases[] = {{16, 16, false}, {17, 16, false}, {16, 17, false},
                 {17, 17, true},  {60, 40, true},  {-17, 17, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.Dx << "," << c.Dy);
        Chart->UndoZoom();
        Draw();
        const TPoint p = Inside();
        const double x0 = Chart->BottomAxis()->ValueAtPixel(p.X);
        const double x1 = Chart->BottomAxis()->ValueAtPixel(p.X + c.Dx);
        const double yTop = Chart->LeftAxis()->ValueAtPixel(p.Y);
        const double yBottom = Chart->LeftAxis()->ValueAtPixel(p.Y + c.Dy);
        Drag(mbLeft, p, TPoint{p.X + c.Dx, p.Y + c.Dy});
        EXPECT_FALSE(Chart->Zoom()->Active);
        EXPECT_EQ(Chart->Zoomed(), c.Zooms);
        EXPECT_EQ(Chart->ScalesSaved(), c.Zooms);
        if (c.Zooms) {
            ExpectLimits(Chart->BottomAxis(), {x0, x1, false});
            ExpectLimits(Chart->LeftAxis(), {yBottom, yTop, false});
        } else {
            EXPECT_TRUE(Chart->BottomAxis()->Automatic());
            EXPECT_TRUE(Chart->LeftAxis()->Automatic());
        }
    }
}

TEST_F(ChartMouseTest, ALeftwardDragUndoesTheZoomUnlessUpLeftZooms) {
    int undos = 0;
    Chart->OnUndoZoom = [&](TObject*) { ++undos; };
    const TPoint p = Inside();
    Drag(mbLeft, p, TPoint{p.X + 80, p.Y + 60});
    ASSERT_TRUE(Chart->Zoomed());
    Draw();
    Drag(mbLeft, TPoint{p.X + 80, p.Y}, TPoint{p.X + 20, p.Y + 60});
    EXPECT_EQ(undos, 1);
    EXPECT_FALSE(Chart->Zoomed());
    EXPECT_FALSE(Chart->ScalesSaved());
    EXPECT_TRUE(Chart->BottomAxis()->Automatic());
    EXPECT_TRUE(Chart->LeftAxis()->Automatic());

    Draw();
    Chart->Zoom()->SetUpLeftZooms(true);
    Drag(mbLeft, TPoint{p.X + 80, p.Y + 60}, p);
    EXPECT_EQ(undos, 1);
    EXPECT_TRUE(Chart->Zoomed());
}

TEST_F(ChartMouseTest, ZoomsAndPansAreUndoneAtOnceToTheFirstScales) {
    Chart->LeftAxis()->SetLimits(0, 100);  // fixed, kept as they are
    Draw();
    const TLimits left = LimitsOf(Chart->LeftAxis());
    const TLimits bottom = LimitsOf(Chart->BottomAxis());
    int scrolls = 0;
    Chart->OnScroll = [&](TObject*) { ++scrolls; };
    const TPoint p = Inside();
    Drag(mbLeft, p, TPoint{p.X + 100, p.Y + 80});
    Draw();
    Drag(mbRight, TPoint{p.X + 50, p.Y + 50}, TPoint{p.X + 10, p.Y + 90});
    Draw();
    Drag(mbLeft, p, TPoint{p.X + 60, p.Y + 60});  // a second zoom
    Draw();
    Drag(mbRight, TPoint{p.X + 50, p.Y + 50}, TPoint{p.X + 90, p.Y + 20});
    EXPECT_EQ(scrolls, 4);  // two moves in each pan
    EXPECT_NE(Chart->BottomAxis()->Minimum(), bottom.Min);

    Draw();
    Drag(mbLeft, TPoint{p.X + 60, p.Y}, TPoint{p.X, p.Y + 60});
    ExpectLimits(Chart->LeftAxis(), left);
    ExpectLimits(Chart->BottomAxis(), bottom);
    EXPECT_TRUE(Chart->BottomAxis()->AutomaticMinimum());
    EXPECT_FALSE(Chart->LeftAxis()->AutomaticMaximum());
    EXPECT_FALSE(Chart->ScalesSaved());
}

// Dragging upwards with the scroll button moves the range down: after two long pans it lies
// wholly below the kept one, and the undo sets a minimum above the current maximum.
TEST_F(ChartMouseTest, UndoAfterPanningBeyondTheKeptRangeRestoresIt) {
    Chart->LeftAxis()->SetLimits(0, 100);
    Chart->BottomAxis()->SetLimits(0, 10);
    Draw();
    const TRect r = Chart->ChartRect();
    const TPoint low{r.Left + 20, r.Bottom - 5};
    const TPoint high{r.Left + 20, r.Top + 5};
    for (int i = 0; i < 3; ++i) Drag(mbRight, low, high);
    ASSERT_LT(Chart->LeftAxis()->Maximum(), 0);
    ASSERT_TRUE(Chart->ScalesSaved());
    EXPECT_NO_THROW(Chart->UndoZoom());
    ExpectLimits(Chart->LeftAxis(), {0, 100, false});
    ExpectLimits(Chart->BottomAxis(), {0, 10, false});

    // The same beyond the other end.
    for (int i = 0; i < 3; ++i) Drag(mbRight, high, low);
    ASSERT_GT(Chart->LeftAxis()->Minimum(), 100);
    EXPECT_NO_THROW(Chart->UndoZoom());
    ExpectLimits(Chart->LeftAxis(), {0, 100, false});
}

TEST_F(ChartMouseTest, ScalesAreKeptByAxisWhenCustomAxesComeAndGo) {
    auto* leaving = new TChartAxis(Chart, Chart->CustomAxes());
    leaving->SetLimits(1, 2);
    Chart->ZoomValues(0, 1, 2, 3, 20, 30, 40, 50);
    leaving->SetLimits(7, 8);
    delete leaving;
    auto* coming = new TChartAxis(Chart, Chart->CustomAxes());
    coming->SetLimits(5, 6);
    Chart->UndoZoom();
    ExpectLimits(coming, {5, 6, false});
    EXPECT_TRUE(Chart->LeftAxis()->Automatic());
    EXPECT_TRUE(Chart->BottomAxis()->Automatic());
    EXPECT_EQ(Chart->LeftAxis()->Minimum(), 0);
    EXPECT_EQ(Chart->LeftAxis()->Maximum(), 100);
}

TEST_F(ChartMouseTest, DirectionDecidesTheRectangleAndTheAxes) {
    const TRect r = Chart->ChartRect();
    const TPoint p = Inside();
    Chart->Zoom()->SetDirection(tzdVertical);
    Chart->MouseDown(mbLeft, {}, p.X, p.Y);
    EXPECT_EQ(Chart->Zoom()->X0, r.Left);
    EXPECT_EQ(Chart->Zoom()->X1, r.Right);
    Chart->MouseMove({}, p.X + 3, p.Y + 50);
    EXPECT_EQ(Chart->Zoom()->X1, r.Right);
    // Only the vertical extent counts, and only the vertical axes change.
    Chart->MouseUp(mbLeft, {}, p.X + 3, p.Y + 50);
    EXPECT_TRUE(Chart->Zoomed());
    EXPECT_TRUE(Chart->BottomAxis()->Automatic());
    EXPECT_FALSE(Chart->LeftAxis()->Automatic());

    Chart->UndoZoom();
    Draw();
    Chart->Zoom()->SetDirection(tzdHorizontal);
    Chart->MouseDown(mbLeft, {}, p.X, p.Y);
    EXPECT_EQ(Chart->Zoom()->Y0, r.Top);
    EXPECT_EQ(Chart->Zoom()->Y1, r.Bottom);
    Chart->MouseUp(mbLeft, {}, p.X + 50, p.Y + 2);
    EXPECT_TRUE(Chart->Zoomed());
    EXPECT_FALSE(Chart->BottomAxis()->Automatic());
    EXPECT_TRUE(Chart->LeftAxis()->Automatic());
}

TEST_F(ChartMouseTest, AnimatedZoomStepsAThirdOfTheWayWithARepaintEach) {
    Chart->BottomAxis()->SetLimits(0, 9);
    std::vector<double> minima;
    Chart->OnRepaint = [&] { minima.push_back(Chart->BottomAxis()->Minimum()); };
    int zooms = 0;
    Chart->OnZoom = [&](TObject*) { ++zooms; };
    Chart->Zoom()->SetAnimated(true);
    Chart->Zoom()->SetAnimatedSteps(1);
    Chart->ZoomValues(3, 6, 3, 6, 30, 60, 30, 60);
    EXPECT_TRUE(minima.empty());
    EXPECT_EQ(zooms, 1);

    Chart->UndoZoom();
    Chart->Zoom()->SetAnimatedSteps(3);
    Chart->ZoomValues(3, 6, 3, 6, 30, 60, 30, 60);
    ASSERT_EQ(minima.size(), 2u);
    EXPECT_DOUBLE_EQ(minima[0], 1);        // 0 + (3 - 0) / 3
    EXPECT_DOUBLE_EQ(minima[1], 5.0 / 3);  // 1 + (3 - 1) / 3
    ExpectLimits(Chart->BottomAxis(), {3, 6, false});
    EXPECT_EQ(zooms, 2);
}

TEST_F(ChartMouseTest, PanningAsksEachAxisAndStopsOutsideThePlot) {
    const TLimits left = LimitsOf(Chart->LeftAxis());
    int scrolls = 0;
    Chart->OnScroll = [&](TObject*) { ++scrolls; };
    std::vector<std::string> asked;
    Chart->OnAllowScroll = [&](TChartAxis& axis, double&, double&, bool& allow) {
        asked.push_back(Chart->AxisDisplayName(&axis));
        if (&axis == Chart->LeftAxis()) allow = false;
    };
    const TPoint p = Inside();
    Chart->MouseDown(mbRight, {}, p.X, p.Y);
    EXPECT_TRUE(Chart->Panning()->Active);
    EXPECT_FALSE(Chart->Zoom()->Active);
    Chart->MouseMove({}, p.X + 30, p.Y + 30);
    // Every standard axis but the depth axes, in list order.
    EXPECT_EQ(asked,
              (std::vector<std::string>{"Bottom Axis", "Top Axis", "Left Axis", "Right Axis"}));
    EXPECT_EQ(scrolls, 1);  // even though the left axis refused
    EXPECT_DOUBLE_EQ(Chart->LeftAxis()->Minimum(), left.Min);
    EXPECT_FALSE(Chart->BottomAxis()->Automatic());
    const double bottomMin = Chart->BottomAxis()->Minimum();

    // Leaving the plot ends the pan while the button is still down.
    Chart->MouseMove({}, Chart->ChartRect().Right + 5, p.Y);
    EXPECT_FALSE(Chart->Panning()->Active);
    Chart->MouseMove({}, p.X, p.Y);
    EXPECT_DOUBLE_EQ(Chart->BottomAxis()->Minimum(), bottomMin);
    Chart->MouseUp(mbRight, {}, p.X, p.Y);

    // Vertical panning only: the horizontal axes stay.
    Chart->SetAllowPanning(pmVertical);
    asked.clear();
    Drag(mbRight, p, TPoint{p.X + 40, p.Y});
    EXPECT_TRUE(asked.empty());
    EXPECT_DOUBLE_EQ(Chart->BottomAxis()->Minimum(), bottomMin);
    Chart->SetAllowPanning(pmNone);
    Chart->MouseDown(mbRight, {}, p.X, p.Y);
    EXPECT_FALSE(Chart->Panning()->Active);
}

TEST_F(ChartMouseTest, WheelScrollsTheVerticalAxesByThreePercent) {
    std::vector<std::string> log;
    auto* tool = new TLogTool(&Form);
    tool->Log = &log;
    Chart->Tools().AddTool(tool);
    Chart->LeftAxis()->SetLimits(0, 200);
    Chart->BottomAxis()->SetLimits(0, 10);
    Chart->OnAllowScroll = [](TChartAxis&, double& aMin, double& aMax, bool&) {
        aMin = -1000;  // has no effect on the wheel
        aMax = 1000;
    };
    Chart->MouseWheel({}, -120, 10, 20);
    Chart->DoMouseWheelDown({}, TPoint{10, 20});
    ExpectLimits(Chart->LeftAxis(), {6, 206, false});
    ExpectLimits(Chart->BottomAxis(), {0, 10, false});
    Chart->DoMouseWheelUp({}, TPoint{10, 20});
    EXPECT_NEAR(Chart->LeftAxis()->Minimum(), 6 - 0.03 * 200, 1e-12);
    EXPECT_EQ(log, (std::vector<std::string>{"wheel 1 -120", "wheel 0 0", "wheel 2 0"}));

    Chart->OnAllowScroll = [](TChartAxis&, double&, double&, bool& allow) { allow = false; };
    Chart->DoMouseWheelDown({}, TPoint{10, 20});
    EXPECT_NEAR(Chart->LeftAxis()->Minimum(), 0, 1e-12);
    Chart->OnAllowScroll = nullptr;
    Chart->SetAllowPanning(pmHorizontal);
    Chart->DoMouseWheelDown({}, TPoint{10, 20});
    EXPECT_NEAR(Chart->LeftAxis()->Minimum(), 0, 1e-12);
}

// Each case: where the click lands, who listens and who claims it; what was told in which order
// and whether a zoom rectangle started.
TEST_F(ChartMouseTest, ClicksGoToToolsThenToThePartThenToTheBackground) {
    TClickSeries* b = NewSeries("B", 5);
    Chart->Title()->SetCaption("Emissivity");
    Chart->LeftAxis()->Title()->SetCaption("EE");
    Chart->Legend()->SetVisible(true);
    Chart->Legend()->SetCheckBoxes(true);
    Draw();
    std::vector<std::string> log;
    auto* tool = new TLogTool(&Form);
    tool->Log = &log;
    Chart->Tools().AddTool(tool);

    const TPoint point5{A->PointXPixel(5), A->PointYPixel(5)};
    const TPoint axisTitle = Centre(Chart->LeftAxis()->Title()->ShapeBounds());
    const TPoint axisLine{Chart->ChartRect().Left - 2, Chart->ChartRect().Top + 30};
    const TPoint title = Centre(Chart->Title()->GetTitleRect());
    const TPoint empty = Inside();
    ASSERT_NE(Chart->Legend()->Items().Find(1), nullptr);
    const TPoint legendB = Centre(Chart->Legend()->Items().Find(1)->SymbolRect());
    ASSERT_EQ(Chart->PartAtPoint(point5.X, point5.Y).Part, ckSeries);
    ASSERT_EQ(Chart->PartAtPoint(axisTitle.X, axisTitle.Y).Part, ckAxisTitle);
    ASSERT_EQ(Chart->PartAtPoint(axisLine.X, axisLine.Y).Part, ckAxis);
    ASSERT_EQ(Chart->PartAtPoint(title.X, title.Y).Part, ckTitle);
    ASSERT_EQ(Chart->PartAtPoint(empty.X, empty.Y).Part, ckChartRect);
    ASSERT_EQ(Chart->PartAtPoint(legendB.X, legendB.Y).Part, ckLegend);

    enum : unsigned {
        SeriesOwn = 1,
        ChartSeries = 2,
        Axis = 4,
        Title = 8,
        Legend = 16,
        Background = 32,
        ToolTakes = 64
    };
    const struct {
        const char* Name;
        TPoint At;
        unsigned Listen, Claim;
        std::vector<std::string> Told;
        bool Zooms;
    } cases[] = {
        // Nobody listens to the series: the click passes through it to the plot.
        {"series unheard", point5, Background, 0, {"tool 0", "background"}, true},
        {"series own",
         point5,
         SeriesOwn | Background,
         0,
         {"tool 0", "series A 5", "background"},
         true},
        {"series claimed",
         point5,
         SeriesOwn | ChartSeries | Background,
         ChartSeries,
         {"tool 0", "series A 5", "chart series A 5"},
         false},
        {"series own claims",
         point5,
         SeriesOwn | Background,
         SeriesOwn,
         {"tool 0", "series A 5"},
         false},
        {"axis title", axisTitle, Background, 0, {"tool 0", "background"}, false},
        {"axis", axisLine, Axis | Background, 0, {"tool 0", "axis EE", "background"}, true},
        {"axis claimed", axisLine, Axis | Background, Axis, {"tool 0", "axis EE"}, false},
        {"title", title, Title | Background, Title, {"tool 0", "title Emissivity"}, false},
        {"plot claimed", empty, Background, Background, {"tool 0", "background"}, false},
        {"plot", empty, Background, 0, {"tool 0", "background"}, true},
        {"legend", legendB, Legend | Background, 0, {"tool 0", "legend", "background"}, false},
        {"tool", point5, ChartSeries | Background | ToolTakes, 0, {"tool 0"}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        log.clear();
        tool->Takes = c.Listen & ToolTakes;
        auto listen = [&](unsigned which) { return (c.Listen & which) != 0; };
        auto claim = [&](unsigned which) { Chart->SetCancelMouse((c.Claim & which) != 0); };
        A->OnClick = nullptr;
        if (listen(SeriesOwn))
            A->OnClick = [&](TChartSeries& s, int i, TMouseButton, TShiftState, int, int) {
                log.push_back("series " + s.Name() + " " + std::to_string(i));
                claim(SeriesOwn);
            };
        Chart->OnClickSeries = nullptr;
        if (listen(ChartSeries))
            Chart->OnClickSeries = [&](TCustomChart&, TChartSeries* s, int i, TMouseButton,
                                       TShiftState, int, int) {
                log.push_back("chart series " + s->Name() + " " + std::to_string(i));
                claim(ChartSeries);
            };
        Chart->OnClickAxis = nullptr;
        if (listen(Axis))
            Chart->OnClickAxis = [&](TCustomChart& sender, TChartAxis* axis, TMouseButton,
                                     TShiftState, int, int) {
                log.push_back("axis " + sender.AxisDisplayName(axis));
                claim(Axis);
            };
        Chart->OnClickTitle = nullptr;
        if (listen(Title))
            Chart->OnClickTitle = [&](TCustomChart&, TChartTitle* t, TMouseButton, TShiftState, int,
                                      int) {
                log.push_back("title " + t->Text()->Strings(0));
                claim(Title);
            };
        Chart->OnClickLegend = nullptr;
        if (listen(Legend))
            Chart->OnClickLegend = [&](TCustomChart&, TMouseButton, TShiftState, int, int) {
                log.push_back("legend");
                claim(Legend);
            };
        Chart->OnClickBackground = nullptr;
        if (listen(Background))
            Chart->OnClickBackground = [&](TCustomChart&, TMouseButton, TShiftState, int, int) {
                log.push_back("background");
                claim(Background);
            };
        Chart->MouseDown(mbLeft, {}, c.At.X, c.At.Y);
        EXPECT_EQ(log, c.Told);
        EXPECT_EQ(Chart->Zoom()->Active, c.Zooms);
        EXPECT_FALSE(Chart->CancelMouse());
        Chart->MouseUp(mbLeft, {}, c.At.X, c.At.Y);
        EXPECT_FALSE(Chart->Zoom()->Active);
        EXPECT_FALSE(Chart->Zoomed());
    }
    // The legend's check box switched series B off, and claimed the click on its own.
    EXPECT_FALSE(b->Active());
    Chart->OnClickLegend = nullptr;
    tool->Takes = false;
    log.clear();
    Chart->MouseDown(mbLeft, {}, legendB.X, legendB.Y);
    EXPECT_TRUE(b->Active());
    EXPECT_EQ(log, std::vector<std::string>{"tool 0"});
    Chart->MouseUp(mbLeft, {}, legendB.X, legendB.Y);

    // A title emptied since the last drawing is not hit where it was.
    Chart->Title()->ClearText();
    EXPECT_EQ(Chart->PartAtPoint(title.X, title.Y).Part, ckNone);
}

// The only series is switched off: the legend is left out of the next drawing, and a press
// where it was is a press on the chart's background, not on the legend.
TEST_F(ChartMouseTest, ALegendLeftOutOfTheLastDrawingIsNotClicked) {
    Chart->Legend()->SetVisible(true);
    Draw();
    const TLegendItem* item = Chart->Legend()->Items().Find(2);
    ASSERT_NE(item, nullptr);
    const TPoint legendItem = Centre(item->SymbolRect());
    ASSERT_EQ(Chart->PartAtPoint(legendItem.X, legendItem.Y).Part, ckLegend);

    A->SetActive(false);
    Draw();
    EXPECT_EQ(Chart->PartAtPoint(legendItem.X, legendItem.Y).Part, ckNone);
    std::vector<std::string> told;
    Chart->OnClickLegend = [&](TCustomChart&, TMouseButton, TShiftState, int, int) {
        told.push_back("legend");
    };
    Chart->OnClickBackground = [&](TCustomChart&, TMouseButton, TShiftState, int, int) {
        told.push_back("background");
    };
    Chart->MouseDown(mbLeft, {}, legendItem.X, legendItem.Y);
    Chart->MouseUp(mbLeft, {}, legendItem.X, legendItem.Y);
    EXPECT_EQ(told, std::vector<std::string>{"background"});
    // Shown again, it is clicked again.
    A->SetActive(true);
    Draw();
    told.clear();
    Chart->MouseDown(mbLeft, {}, legendItem.X, legendItem.Y);
    Chart->MouseUp(mbLeft, {}, legendItem.X, legendItem.Y);
    EXPECT_EQ(told, std::vector<std::string>{"legend"});
}

TEST_F(ChartMouseTest, ToolsHearEveryMouseEventInOrderUntilOneTakesIt) {
    std::vector<std::string> first, second;
    auto* one = new TLogTool(&Form);
    one->Log = &first;
    auto* two = new TLogTool(&Form);
    two->Log = &second;
    Chart->Tools().AddTool(one);
    Chart->Tools().AddTool(two);
    const TPoint p = Inside();
    Drag(mbLeft, p, TPoint{p.X + 5, p.Y + 5});
    const std::vector<std::string> all{"tool 0", "tool 1", "tool 1", "tool 2"};
    EXPECT_EQ(first, all);
    EXPECT_EQ(second, all);

    first.clear();
    second.clear();
    one->Takes = true;
    Drag(mbLeft, p, TPoint{p.X + 60, p.Y + 60});
    EXPECT_EQ(first, all);
    EXPECT_TRUE(second.empty());
    EXPECT_FALSE(Chart->Zoomed());  // the first tool took the press: no zoom started
    one->SetActive(false);
    second.clear();
    Chart->MouseMove({}, p.X, p.Y);
    EXPECT_EQ(second, std::vector<std::string>{"tool 1"});
}

TEST_F(ChartMouseTest, ASeriesCursorShowsOverItsPointsAndTheChartsComesBack) {
    A->SetCursor(crHandPoint);
    const TCursor own = Chart->Cursor();
    Chart->MouseMove({}, A->PointXPixel(4), A->PointYPixel(4));
    EXPECT_EQ(Chart->Cursor(), crHandPoint);
    const TPoint p = Inside();
    Chart->MouseMove({}, p.X, p.Y);
    EXPECT_EQ(Chart->Cursor(), own);
}

TEST_F(ChartMouseTest, NoZoomOrPanWithoutAxesToMove) {
    // A chart whose only active series draws without axes starts neither.
    A->SetActive(false);
    class TAxislessSeries : public TTestSeries {
    public:
        using TTestSeries::TTestSeries;
        bool UsesAxes() const override { return false; }
    };
    auto* s = new TAxislessSeries(&Form);
    Chart->AddSeries(s);
    const TPoint p = Inside();
    Chart->MouseDown(mbLeft, {}, p.X, p.Y);
    EXPECT_FALSE(Chart->Zoom()->Active);
    Chart->MouseUp(mbLeft, {}, p.X, p.Y);
    Chart->MouseDown(mbRight, {}, p.X, p.Y);
    EXPECT_FALSE(Chart->Panning()->Active);
}

}  // namespace
