#include <gtest/gtest.h>

#include <functional>

#include "chart/foundation/TeeFont.h"
#include "tests/chart/engine/AxisDrawStub.h"

namespace {

using TCalls = std::vector<std::string>;

class AxisDrawTest : public ::testing::Test {
protected:
    TDrawHostStub Host;
    TAxisRecordingCanvas& Canvas = Host.Canvas();

    // Labels 100, 50 and 0 on a chart rectangle of 100..500 both ways, one minor mark per gap,
    // every pen in a colour of its own.
    template <class TAxis>
    void Prepare(TAxis& axis) {
        axis.SetLabelStyle(talValue);
        axis.SetLimits(0, 100);
        axis.SetIncrement(50);
        axis.SetMinorTickCount(1);
        axis.SetTickInnerLength(3);
        axis.TicksInner()->SetColor(clBlue);
        axis.MinorTicks()->SetColor(clGreen);
        axis.MinorGrid()->SetColor(clYellow);
        axis.MinorGrid()->SetVisible(true);
        axis.Grid()->SetColor(clRed);
        Canvas.PenNames = {{clBlack, "axis"}, {clGray, "ticks"},  {clRed, "grid"},
                           {clBlue, "inner"}, {clGreen, "minor"}, {clYellow, "minorgrid"}};
        Place(axis);
    }
    void Place(TChartAxis& axis) {
        axis.PositionInChart();
        axis.ComputeRange();
        TRect rect = Host.ChartRect;
        axis.PlaceInChartRect(rect, false);
        Canvas.Calls.clear();
    }
    TCalls Lines() const { return Canvas.Only({"L ", "V ", "H ", "HZ ", "VZ ", "DL "}); }
};

TEST_F(AxisDrawTest, DrawsTitleLabelsLineTicksGridInnerTicksMinorTicksMinorGridInThisOrder) {
    TChartAxis axis(&Host);
    axis.SetHorizontal(true);
    axis.Title()->SetCaption("X");
    Prepare(axis);
    axis.Draw(true);
    // Consecutive calls of one kind (texts, or lines of one pen) make one step.
    TCalls steps;
    for (const std::string& call : Canvas.Calls) {
        std::string step = call;
        if (call[0] == 'T' || call[0] == 'R')
            step = "text";
        else if (call[0] != '[' && call[0] != ']')
            step = call.substr(call.rfind(' ') + 1);
        if (steps.empty() || steps.back() != step) steps.push_back(step);
    }
    EXPECT_EQ(steps, (TCalls{"[axis", "[title", "text", "]", "text", "axis", "ticks", "grid",
                             "inner", "minor", "minorgrid", "]"}));
}

// A length of 0 is no tick at all, not a dot at each label (a wide pen would leave one).
TEST_F(AxisDrawTest, TicksOfNoLengthAreNotDrawn) {
    TChartAxis axis(&Host);
    axis.SetHorizontal(true);
    Prepare(axis);
    axis.SetTickInnerLength(0);
    axis.SetTickLength(0);
    axis.SetMinorTickLength(0);
    axis.TicksInner()->SetWidth(3);
    Place(axis);
    axis.Draw(true);
    for (const std::string& line : Lines()) {
        EXPECT_FALSE(line.ends_with(" inner")) << line;
        EXPECT_FALSE(line.ends_with(" ticks")) << line;
        EXPECT_FALSE(line.ends_with(" minor")) << line;
    }
    EXPECT_FALSE(Canvas.Only({"V 300 101 500 grid"}).empty());  // the rest is drawn
}

TEST_F(AxisDrawTest, TicksAndGridOfAPlainAnInvertedAVerticalAndADepthAxis) {
    const struct {
        const char* Name;
        bool Horizontal, Inverted, Depth;
        TCalls Lines;
    } cases[] = {
        {"bottom",
         true,
         false,
         false,
         {"L 100 500 500 500 0 axis", "V 500 501 505 ticks", "V 300 501 505 ticks",
          "V 100 501 505 ticks", "V 300 101 500 grid", "V 500 499 496 inner", "V 300 499 496 inner",
          "V 100 499 496 inner", "V 400 501 503 minor", "V 200 501 503 minor",
          "V 400 101 500 minorgrid", "V 200 101 500 minorgrid"}},
        {"bottom inverted",
         true,
         true,
         false,
         {"L 100 500 500 500 0 axis", "V 100 501 505 ticks", "V 300 501 505 ticks",
          "V 500 501 505 ticks", "V 300 101 500 grid", "V 100 499 496 inner", "V 300 499 496 inner",
          "V 500 499 496 inner", "V 200 501 503 minor", "V 400 501 503 minor",
          "V 200 101 500 minorgrid", "V 400 101 500 minorgrid"}},
        {"left",
         false,
         false,
         false,
         {"L 100 100 100 500 0 axis", "H 99 95 100 ticks", "H 99 95 300 ticks", "H 99 95 500 ticks",
          "H 101 500 300 grid", "H 101 104 100 inner", "H 101 104 300 inner", "H 101 104 500 inner",
          "H 99 97 200 minor", "H 99 97 400 minor", "H 101 500 200 minorgrid",
          "H 101 500 400 minorgrid"}},
        // Depth 0..50 on the right of the chart; the minor marks at 25 + 12 and 0 + 12 (halves
        // of a pixel round to even).
        {"depth",
         false,
         false,
         true,
         {"DL 500 500 0 50 axis", "HZ 501 505 500 50 ticks", "HZ 501 505 500 25 ticks",
          "HZ 501 505 500 0 ticks", "VZ 100 100 500 25 grid", "HZ 100 500 500 25 grid",
          "HZ 499 496 500 50 inner", "HZ 499 496 500 25 inner", "HZ 499 496 500 0 inner",
          "HZ 501 503 500 37 minor", "HZ 501 503 500 12 minor", "VZ 100 100 500 37 minorgrid",
          "HZ 100 500 500 37 minorgrid", "VZ 100 100 500 12 minorgrid",
          "HZ 100 500 500 12 minorgrid"}},
    };
    for (const auto& c : cases) {
        Host.View3D = c.Depth;
        auto draw = [&](auto& axis) {
            axis.SetHorizontal(c.Horizontal);
            axis.SetInverted(c.Inverted);
            Prepare(axis);
            axis.Draw(true);
            return Lines();
        };
        TChartAxis plain(&Host);
        TChartDepthAxis depth(&Host);
        depth.SetOtherSide(true);  // as the chart's depth axis
        EXPECT_EQ(c.Depth ? draw(depth) : draw(plain), c.Lines) << c.Name;
    }
}

TEST_F(AxisDrawTest, GridIn3DGoesToTheBackAndAlongTheSideToItsDepth) {
    // Depth 50; the grid's side line runs from the back to 50 % of it.
    const struct {
        const char* Name;
        bool Behind, HideBack, HideSide;
        TCalls Grid;
    } cases[] = {
        {"behind", true, false, false, {"VZ 300 100 500 50 grid", "DL 300 500 50 25 grid"}},
        {"back hidden", true, true, false, {"DL 300 500 50 25 grid"}},
        {"side hidden", true, false, true, {"VZ 300 100 500 50 grid"}},
        {"in front", false, false, false, {"VZ 300 100 500 0 grid"}},
    };
    Host.View3D = true;
    for (const auto& c : cases) {
        Host.Behind = c.Behind;
        TChartAxis axis(&Host);
        axis.SetHorizontal(true);
        axis.HideBackGrid = c.HideBack;
        axis.HideSideGrid = c.HideSide;
        axis.Grid()->SetZPosition(50);
        Prepare(axis);
        axis.Draw(true);
        TCalls grid;
        for (const std::string& call : Canvas.Calls)
            if (call.ends_with(" grid")) grid.push_back(call);
        EXPECT_EQ(grid, c.Grid) << c.Name;
        EXPECT_EQ(Canvas.Only({"VZ 500 "}),
                  (TCalls{"VZ 500 501 505 0 ticks", "VZ 500 499 496 0 inner"}))
            << "ticks at the axis' depth";
    }
}

TEST_F(AxisDrawTest, DrawingSettingsAreStoredWhenChangedAndCopied) {
    const struct {
        const char* Property;
        std::function<void(TChartAxis&)> Change;
        std::function<int(const TChartAxis&)> Get;
    } cases[] = {
        {"TickLength", [](TChartAxis& a) { a.SetTickLength(6); },
         [](const TChartAxis& a) { return a.TickLength(); }},
        {"TickInnerLength", [](TChartAxis& a) { a.SetTickInnerLength(2); },
         [](const TChartAxis& a) { return a.TickInnerLength(); }},
        {"MinorTickLength", [](TChartAxis& a) { a.SetMinorTickLength(3); },
         [](const TChartAxis& a) { return a.MinorTickLength(); }},
        {"MinorTickCount", [](TChartAxis& a) { a.SetMinorTickCount(4); },
         [](const TChartAxis& a) { return a.MinorTickCount(); }},
        {"TitleSize", [](TChartAxis& a) { a.SetTitleSize(20); },
         [](const TChartAxis& a) { return a.TitleSize(); }},
        {"Ticks", [](TChartAxis& a) { a.Ticks()->SetColor(clRed); },
         [](const TChartAxis& a) { return int(a.Ticks()->Color()); }},
        {"Axis", [](TChartAxis& a) { a.Axis()->SetLineMode(lmCylinder); },
         [](const TChartAxis& a) { return int(a.Axis()->LineMode()); }},
    };
    auto writes = [](const TPersistent& object, const char* property) {
        return object.ClassType().Properties().Find(property)->ShouldWrite(&object);
    };
    for (const auto& c : cases) {
        TChartAxis axis(&Host);
        const int changes = Host.Changes;
        c.Change(axis);
        EXPECT_EQ(Host.Changes, changes + 1) << c.Property << " repaints";
        TChartAxis copy(&Host);
        copy.Assign(&axis);
        EXPECT_EQ(c.Get(copy), c.Get(axis)) << c.Property;
    }
    TChartAxis axis(&Host);
    EXPECT_FALSE(writes(axis, "TickLength"));
    EXPECT_FALSE(writes(*axis.Axis(), "Width")) << "2 by default";
    EXPECT_FALSE(writes(*axis.Axis(), "LineMode"));
    axis.SetTickLength(5);
    axis.Axis()->SetLineMode(lmRectangle);
    EXPECT_TRUE(writes(axis, "TickLength"));
    EXPECT_TRUE(writes(*axis.Axis(), "LineMode"));

    // The title's angle is kept modulo 360 and stored against the axis' own default.
    TChartAxisTitle& title = *axis.Title();
    title.SetDefaultAngle(90);
    EXPECT_FALSE(writes(title, "Angle"));
    title.SetAngle(450);
    EXPECT_EQ(title.Angle(), 90);
    EXPECT_FALSE(writes(title, "Angle"));
    title.SetAngle(0);
    EXPECT_TRUE(writes(title, "Angle"));
    EXPECT_TRUE(title.Transparent());
    EXPECT_FALSE(writes(title, "Transparent"));
    title.SetCaption("Depth");
    TChartAxis copy(&Host);
    copy.Assign(&axis);
    EXPECT_EQ(copy.Title()->Caption(), "Depth");
    EXPECT_EQ(copy.Title()->Angle(), 0);
}

}  // namespace
