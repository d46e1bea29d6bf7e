#include <gtest/gtest.h>

#include <stdexcept>

#include "tests/chart/engine/AxisDrawStub.h"

namespace {

using TCalls = std::vector<std::string>;

enum TSide { Bottom, Top, Left, Right };

class AxisLayoutTest : public ::testing::Test {
protected:
    TDrawHostStub Host;
    TAxisRecordingCanvas& Canvas = Host.Canvas();
    TChartAxis Axis{&Host};

    void Side(TSide side) {
        Axis.SetHorizontal(side == Bottom || side == Top);
        Axis.SetOtherSide(side == Top || side == Right);
    }
    // A bottom axis with labels 100, 80 .. 0 on the chart rectangle 100..500.
    void PlaceBottom(double step = 20) {
        Side(Bottom);
        Axis.SetLabelStyle(talValue);
        Axis.SetLimits(0, 100);
        Axis.SetIncrement(step);
        Axis.PositionInChart();
        Axis.ComputeRange();
        TRect rect = Host.ChartRect;
        Axis.PlaceInChartRect(rect, false);
        Canvas.Calls.clear();
    }
    // Grid lines of a horizontal axis run from the chart's top + 1 to its bottom.
    TCalls Grid() const {
        TCalls lines;
        for (const std::string& call : Canvas.Calls)
            if (call.find(" 101 500 ") != std::string::npos) lines.push_back(call);
        return lines;
    }
};

TEST_F(AxisLayoutTest, PlacingTakesRoomForTitleLabelsLineAndTicksFromTheOutsideIn) {
    // Title "T" one line (13) deep, labels 20, line and ticks 2 + 1 + 4.
    const struct {
        const char* Name;
        TSide Side;
        TTeeUnits Units = muPercent;
        double Position = 0;
        bool Caption = true;
        int Wall = 0;
        TRect Rect;
        int Title, Labels;
        int AxisPosition;  // the line: on the edge of what is left, moved in by the position
    } cases[] = {
        {"bottom", Bottom, muPercent, 0, true, 0, {100, 100, 500, 460}, 487, 467, 460},
        {"top", Top, muPercent, 0, true, 0, {100, 140, 500, 500}, 113, 133, 140},
        {"left", Left, muPercent, 0, true, 0, {140, 100, 500, 500}, 113, 133, 140},
        {"right", Right, muPercent, 0, true, 0, {100, 100, 460, 500}, 487, 467, 460},
        {"no title", Bottom, muPercent, 0, false, 0, {100, 100, 500, 473}, 0, 480, 473},
        {"wall", Bottom, muPercent, 0, true, 5, {100, 100, 500, 455}, 487, 467, 455},
        // Moved into the chart: 10 pixels up; 10 % of the remaining width to the right.
        {"pixels", Bottom, muPixels, 10, true, 0, {100, 100, 500, 460}, 477, 457, 450},
        {"percent", Left, muPercent, 10, true, 0, {140, 100, 500, 500}, 149, 169, 176},
    };
    for (const auto& c : cases) {
        TChartAxis axis(&Host);
        axis.SetHorizontal(c.Side == Bottom || c.Side == Top);
        axis.SetOtherSide(c.Side == Top || c.Side == Right);
        axis.SetLabelsSize(20);
        axis.SetPositionUnits(c.Units);
        axis.SetPositionPercent(c.Position);
        axis.Title()->SetCaption(c.Caption ? "T" : "");
        if (!axis.Horizontal()) axis.Title()->SetAngle(90);
        Host.WallSize = c.Wall;
        TRect rect = Host.ChartRect;
        axis.PlaceInChartRect(rect, true);
        EXPECT_EQ(rect, c.Rect) << c.Name;
        EXPECT_EQ(axis.TitlePosition(), c.Title) << c.Name;
        EXPECT_EQ(axis.LabelsPosition(), c.Labels) << c.Name;
        EXPECT_EQ(axis.AxisPosition(), c.AxisPosition) << c.Name;
    }
}

TEST_F(AxisLayoutTest, PlacingWithoutShrinkingStacksLineLabelsAndTitleOutward) {
    Axis.SetLabelsSize(20);
    const struct {
        const char* Name;
        TSide Side;
        double Percent;
        bool Alternate;
        int AxisPosition, Labels, Title;
    } cases[] = {
        {"bottom", Bottom, 0, false, 500, 507, 527},
        {"alternate rows", Bottom, 0, true, 500, 507, 547},
        {"left moved 10 %", Left, 10, false, 140, 133, 113},
        {"right", Right, 0, false, 500, 507, 527},
    };
    for (const auto& c : cases) {
        Side(c.Side);
        Axis.SetPositionPercent(c.Percent);
        Axis.SetLabelsAlternate(c.Alternate);
        TRect rect = Host.ChartRect;
        Axis.PlaceInChartRect(rect, false);
        EXPECT_EQ(rect, Host.ChartRect) << c.Name;
        EXPECT_EQ(Axis.AxisPosition(), c.AxisPosition) << c.Name;
        EXPECT_EQ(Axis.LabelsPosition(), c.Labels) << c.Name;
        EXPECT_EQ(Axis.TitlePosition(), c.Title) << c.Name;
    }
}

TEST_F(AxisLayoutTest, LineAndTicksSizeAndTheHitTest) {
    EXPECT_EQ(Axis.LineAndTicksSize(), 7);
    Axis.Axis()->SetVisible(false);
    EXPECT_EQ(Axis.LineAndTicksSize(), 4);
    Axis.Ticks()->SetVisible(false);
    EXPECT_EQ(Axis.LineAndTicksSize(), 2) << "the minor ticks' length at least";
    Axis.Axis()->SetVisible(true);
    EXPECT_EQ(Axis.LineAndTicksSize(), 3);
    Axis.Ticks()->SetVisible(true);

    PlaceBottom();
    EXPECT_EQ(Axis.AxisBounds(), (TRect{100, 497, 500, 507}));
    const struct {
        int X, Y;
        bool Hit;
    } points[] = {{300, 505, true}, {100, 497, true}, {300, 496, false}, {99, 500, false}};
    for (const auto& p : points)
        EXPECT_EQ(Axis.ContainsPoint(p.X, p.Y), p.Hit) << p.X << "," << p.Y;
    Axis.SetVisible(false);
    EXPECT_FALSE(Axis.ContainsPoint(300, 505)) << "a hidden axis";
}

TEST_F(AxisLayoutTest, GridLinesEveryKthTickOrMidwayAndNeverOnTheEnds) {
    // Ticks at 500, 420, 340, 260, 180 and 100; those on the ends get no line.
    const struct {
        int DrawEvery;
        bool Centered;
        std::vector<int> Lines;
    } cases[] = {
        {1, false, {420, 340, 260, 180}}, {0, false, {420, 340, 260, 180}},
        {2, false, {340, 180}},           {1, true, {460, 380, 300, 220, 140}},
        {2, true, {460, 300, 140}},
    };
    Canvas.PenNames = {{clGray, "grey"}};
    for (const auto& c : cases) {
        Axis.Grid()->SetDrawEvery(c.DrawEvery);
        Axis.Grid()->SetCentered(c.Centered);
        PlaceBottom();
        Axis.Draw(true);
        TCalls expected;
        for (int p : c.Lines) expected.push_back("V " + std::to_string(p) + " 101 500 grey");
        EXPECT_EQ(Grid(), expected) << c.DrawEvery << " " << c.Centered;
    }
    // The default colour stands for grey, in the pen's own style.
    Axis.Grid()->SetColor(clDefault);
    Axis.Grid()->SetDrawEvery(1);
    Axis.Grid()->SetCentered(false);
    PlaceBottom();
    Axis.Draw(true);
    EXPECT_EQ(Grid().size(), 4u);
    EXPECT_EQ(Grid().front(), "V 420 101 500 grey");
}

TEST_F(AxisLayoutTest, DrawingAtPositionsForcesTheGridForOneCallOnly) {
    PlaceBottom(50);
    Canvas.PenNames = {{clGray, "grey"}};
    int changes = Host.Changes;
    Axis.DrawAtPositions(530, 550, 520, false, 100, 500);
    EXPECT_EQ(Grid(), TCalls{}) << "no grid";
    EXPECT_EQ(Canvas.Only({"L "}), TCalls{"L 100 520 500 520 0 0"}) << "the line where asked";
    EXPECT_EQ(Canvas.Only({"T "}).front(), "T 500 530 0 '100' a6") << "labels where asked";
    EXPECT_TRUE(Axis.Grid()->Visible());
    EXPECT_EQ(Host.Changes, changes) << "no repaint asked for";

    Axis.Grid()->SetVisible(false);
    changes = Host.Changes;
    Canvas.Calls.clear();
    Axis.DrawAtPositions(530, 550, 520, true, 100, 500);
    EXPECT_EQ(Grid(), TCalls{"V 300 101 500 grey"});
    EXPECT_FALSE(Axis.Grid()->Visible());
    EXPECT_EQ(Host.Changes, changes) << "no repaint asked for";
}

TEST_F(AxisLayoutTest, DrawingWithARangeRestoresTheAxisRangeAlsoWhenDrawingFails) {
    PlaceBottom(0);
    Axis.SetLimits(0, 100);
    std::vector<std::string> seen;
    auto drawRange = [&] { Axis.DrawWithRangeAt(507, 520, 500, true, 10, 20, 5, 100, 500); };
    Axis.OnDrawLabel = [&](TChartAxis&, int&, int&, int&, std::string& text, bool&) {
        seen.push_back(text);
    };
    drawRange();
    EXPECT_EQ(seen, (TCalls{"20", "15", "10"}));

    Axis.OnDrawLabel = [](TChartAxis&, int&, int&, int&, std::string&, bool&) {
        throw std::runtime_error("drawing failed");
    };
    for (const bool automatic : {false, true}) {
        if (automatic) Axis.SetAutomatic(true);
        EXPECT_THROW(drawRange(), std::runtime_error);
        EXPECT_EQ(Axis.Automatic(), automatic);
        EXPECT_EQ(Axis.AutomaticMinimum(), automatic);
        EXPECT_EQ(Axis.AutomaticMaximum(), automatic);
        EXPECT_EQ(Axis.Minimum(), 0);
        EXPECT_EQ(Axis.Maximum(), 100);
        EXPECT_EQ(Axis.Increment(), 0);
        EXPECT_EQ(Axis.WorkingMinimum(), 0) << "recomputed from the restored settings";
        EXPECT_EQ(Axis.WorkingMaximum(), 100);
    }
}

}  // namespace
