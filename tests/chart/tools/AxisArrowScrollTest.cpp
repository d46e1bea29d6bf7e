// The axis arrows and the axis scroll on the bench: where an arrow is hit, how far and which way
// a click scrolls (the opposite axis too when a series spans both), what OnAllowScroll can
// refuse, a percentage of 0 and a hidden axis; dragging an axis line, with the sign of every
// orientation and inversion, paired axes moved once, and no zoom from the press.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "chart/engine/ChartAxis.h"
#include "chart/engine/PointSeries.h"
#include "chart/foundation/TeeZoom.h"
#include "chart/tools/axis/AxisArrowTool.h"
#include "chart/tools/axis/AxisScrollTool.h"
#include "platform/classes/Cursors.h"
#include "tests/chart/tools/ToolBench.h"

namespace {

struct TLimits {
    double Min, Max;
};
TLimits LimitsOf(const TChartAxis& axis) { return {axis.Minimum(), axis.Maximum()}; }

struct AxisArrowToolTest : ::testing::Test {
    TToolBench bench;
    TAxisArrowTool* arrows = bench.AddTool<TAxisArrowTool>();
    TPointSeries* series = bench.AddSeries({{10, 10}, {90, 90}});
    std::vector<bool> clicks;
    AxisArrowToolTest() {
        arrows->SetAxis(&bench.Bottom());
        arrows->OnClick = [this](TAxisArrowTool*, bool atStart) { clicks.push_back(atStart); };
    }
    // A point along the bottom axis line, `along` pixels from its start (negative: from its end).
    TPoint OnAxis(int along) {
        const TChartAxis& a = bench.Bottom();
        return TPoint{along >= 0 ? a.StartPos() + along : a.EndPos() + along, a.AxisPosition()};
    }
    void Click(TPoint p, TMouseButton button = mbLeft) {
        bench.Press(p.X, p.Y, button);
        bench.Release(p.X, p.Y, button);
    }
};

TEST_F(AxisArrowToolTest, TheArrowsAreHitStrictlyWithinTheirLengthNearTheLine) {
    bench.Render();
    const struct {
        int Along, Across;
        TAxisArrowToolPosition Position;
        TAxisArrowTool::TArrow Expected;
    } cases[] = {
        {1, 0, aaBoth, TAxisArrowTool::arStart},  {15, 2, aaBoth, TAxisArrowTool::arStart},
        {0, 0, aaBoth, TAxisArrowTool::arNone},   {16, 0, aaBoth, TAxisArrowTool::arNone},
        {8, 3, aaBoth, TAxisArrowTool::arNone},   {8, -2, aaBoth, TAxisArrowTool::arStart},
        {-1, 0, aaBoth, TAxisArrowTool::arEnd},   {-15, 0, aaBoth, TAxisArrowTool::arEnd},
        {-16, 0, aaBoth, TAxisArrowTool::arNone}, {8, 0, aaEnd, TAxisArrowTool::arNone},
        {-8, 0, aaStart, TAxisArrowTool::arNone}, {-8, 0, aaEnd, TAxisArrowTool::arEnd},
    };
    for (const auto& c : cases) {
        arrows->SetPosition(c.Position);
        const TPoint p = OnAxis(c.Along);
        EXPECT_EQ(arrows->ArrowAtPoint(p.X, p.Y + c.Across), c.Expected)
            << c.Along << "," << c.Across << " position " << c.Position;
    }
}

TEST_F(AxisArrowToolTest, AClickScrollsByItsPercentageTowardsTheArrowOrAway) {
    const struct {
        bool AtStart, Inverted;
        int Percent;
        double Offset;
    } cases[] = {{true, false, 10, 10},
                 {false, false, 10, -10},
                 {true, true, 10, -10},
                 {false, true, 25, 25},
                 {true, false, 0, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "start " << c.AtStart << ", inverted " << c.Inverted
                                        << ", " << c.Percent << "%");
        bench.Bottom().SetLimits(0, 100);
        arrows->SetScrollInverted(c.Inverted);
        arrows->SetScrollPercent(c.Percent);
        bench.Render();
        clicks.clear();
        Click(OnAxis(c.AtStart ? 8 : -8), mbRight);  // any button
        EXPECT_DOUBLE_EQ(bench.Bottom().Minimum(), c.Offset);
        EXPECT_DOUBLE_EQ(bench.Bottom().Maximum(), 100 + c.Offset);
        EXPECT_EQ(clicks, c.Percent ? std::vector<bool>{c.AtStart} : std::vector<bool>{});
        // The move over an arrow shows the hand whatever the percentage.
        bench.Chart().SetCursor(crDefault);
        bench.Move(OnAxis(8).X, OnAxis(8).Y);
        EXPECT_EQ(bench.Chart().Cursor(), crHandPoint);
    }
}

TEST_F(AxisArrowToolTest, OnAllowScrollMayRefuseAndAPairedAxisFollows) {
    series->SetHorizAxis(aBothHorizAxis);
    bench.Top().SetLimits(0, 100);
    int scrolled = 0;
    bench.Chart().OnScroll = [&](TObject*) { ++scrolled; };
    std::vector<std::string> asked;
    bool allow = false;
    bench.Chart().OnAllowScroll = [&](TChartAxis&, double& aMin, double& aMax, bool& allowed) {
        asked.push_back(std::to_string(int(aMin)) + ".." + std::to_string(int(aMax)));
        allowed = allow;
    };
    bench.Render();
    Click(OnAxis(8));
    EXPECT_EQ(asked, std::vector<std::string>{"10..110"});
    EXPECT_EQ(LimitsOf(bench.Bottom()).Min, 0);
    EXPECT_EQ(LimitsOf(bench.Top()).Min, 0);
    EXPECT_EQ(scrolled, 0);
    allow = true;
    Click(OnAxis(8));
    EXPECT_EQ(LimitsOf(bench.Bottom()).Min, 10);
    EXPECT_EQ(LimitsOf(bench.Top()).Min, 10);
    EXPECT_EQ(scrolled, 1);
}

TEST_F(AxisArrowToolTest, AHiddenAxisTakesNoClickAndNoAxisDrawsNoArrows) {
    bench.Render();
    const TPoint p = OnAxis(8);
    bench.Bottom().SetVisible(false);
    Click(p);
    EXPECT_TRUE(clicks.empty());
    EXPECT_EQ(bench.Bottom().Minimum(), 0);
    bench.Bottom().SetVisible(true);

    arrows->SetActive(false);
    bench.Render();
    const std::vector<uint8_t> without = bench.FrontPixels();
    arrows->SetActive(true);
    bench.Render();
    EXPECT_NE(bench.FrontPixels(), without);
    arrows->SetAxis(nullptr);
    arrows->SetParentChart(&bench.Chart());
    bench.Render();
    EXPECT_EQ(bench.FrontPixels(), without);
}

struct AxisScrollToolTest : ::testing::Test {
    TToolBench bench;
    TAxisScrollTool* scroll = bench.AddTool<TAxisScrollTool>();
    TPointSeries* series = bench.AddSeries({{10, 10}, {90, 90}});
    // A point on the axis line, halfway along it.
    TPoint OnAxis(const TChartAxis& a) {
        const int mid = (a.StartPos() + a.EndPos()) / 2;
        return a.Horizontal() ? TPoint{mid, a.AxisPosition() + 1}
                              : TPoint{a.AxisPosition() - 1, mid};
    }
};

TEST_F(AxisScrollToolTest, ADragScrollsTheAxisByThePixelsMovedWithTheSignOfItsKind) {
    // Moving the mouse 25 pixels right (horizontal) or down (vertical).
    const struct {
        bool Vertical, Inverted, ScrollInverted;
        int Sign;  // of the change of the axis limits
    } cases[] = {{false, false, false, -1}, {false, true, false, 1}, {false, false, true, 1},
                 {false, true, true, -1},   {true, false, false, 1}, {true, true, false, -1},
                 {true, false, true, -1},   {true, true, true, 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "vertical " << c.Vertical << ", inverted " << c.Inverted
                                        << ", scroll inverted " << c.ScrollInverted);
        TChartAxis& axis = c.Vertical ? bench.Left() : bench.Bottom();
        bench.Bottom().SetLimits(0, 100);
        bench.Left().SetLimits(0, 100);
        axis.SetInverted(c.Inverted);
        scroll->SetScrollInverted(c.ScrollInverted);
        bench.Render();
        const TPoint p = OnAxis(axis);
        const double step = 100.0 * 25 / axis.AxisSize();
        if (c.Vertical)
            bench.Drag(p.X, p.Y, p.X, p.Y + 25);
        else
            bench.Drag(p.X, p.Y, p.X + 25, p.Y);
        EXPECT_NEAR(axis.Minimum(), c.Sign * step, 1e-9);
        EXPECT_NEAR(axis.Maximum(), 100 + c.Sign * step, 1e-9);
        EXPECT_FALSE(bench.Chart().Zoom()->Active);
        EXPECT_FALSE(bench.Chart().Zoomed());
        axis.SetInverted(false);
    }
}

TEST_F(AxisScrollToolTest, AxesASeriesUsesWithTheDraggedOneMoveOnceAndNothingIsAsked) {
    series->SetHorizAxis(aBothHorizAxis);
    bench.AddSeries({{20, 20}})->SetHorizAxis(aBothHorizAxis);  // a second series on both
    bench.Top().SetLimits(0, 100);
    int asked = 0, scrolled = 0;
    bench.Chart().OnAllowScroll = [&](TChartAxis&, double&, double&, bool& allow) {
        ++asked;
        allow = false;
    };
    bench.Chart().OnScroll = [&](TObject*) { ++scrolled; };
    bench.Render();
    const TPoint p = OnAxis(bench.Bottom());
    bench.Drag(p.X, p.Y, p.X - 25, p.Y);
    const double step = 100.0 * 25 / bench.Bottom().AxisSize();
    EXPECT_NEAR(bench.Bottom().Minimum(), step, 1e-9);
    EXPECT_NEAR(bench.Top().Minimum(), 100.0 * 25 / bench.Top().AxisSize(), 1e-9);
    EXPECT_EQ(bench.Left().Minimum(), 0);
    EXPECT_EQ(asked, 0);
    EXPECT_EQ(scrolled, 0);
}

TEST_F(AxisScrollToolTest, OverAnAxisTheHandShowsAndItsOwnAxisAloneWhenItHasOne) {
    bench.Render();
    const TPoint bottom = OnAxis(bench.Bottom());
    const TPoint left = OnAxis(bench.Left());
    bench.Move(bottom.X, bottom.Y);
    EXPECT_EQ(bench.Chart().Cursor(), crHandPoint);
    EXPECT_EQ(scroll->AxisAtPoint(left.X, left.Y), &bench.Left());
    scroll->SetAxis(&bench.Bottom());
    EXPECT_EQ(scroll->AxisAtPoint(left.X, left.Y), nullptr);
    EXPECT_EQ(scroll->AxisAtPoint(bottom.X, bottom.Y), &bench.Bottom());
    bench.Drag(left.X, left.Y, left.X, left.Y + 30);
    EXPECT_EQ(bench.Left().Minimum(), 0);
}

}  // namespace
