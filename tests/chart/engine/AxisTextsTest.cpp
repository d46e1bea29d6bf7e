#include <gtest/gtest.h>

#include "tests/chart/engine/AxisDrawStub.h"

namespace {

using TCalls = std::vector<std::string>;

enum TSide { Bottom, Top, Left, Right };

class AxisTextsTest : public ::testing::Test {
protected:
    TDrawHostStub Host;
    TAxisRecordingCanvas& Canvas = Host.Canvas();
    TChartAxis Axis{&Host};

    void Side(TSide side) {
        Axis.SetHorizontal(side == Bottom || side == Top);
        Axis.SetOtherSide(side == Top || side == Right);
    }
    // The texts drawn for text at (200, 300).
    TCalls Texts(const std::string& text, int angle) {
        Canvas.Calls.clear();
        Axis.DrawAxisText(200, 300, 0, nullptr, text, angle);
        return Canvas.Calls;
    }
};

TEST_F(AxisTextsTest, AlignsByAngleAndSide) {
    // Alignment flags: left 0, right 2, centre 6, bottom 8. Lines 13 pixels, 7 per character.
    const struct {
        TSide Side;
        int Angle;
        TAxisLabelAlign Align;
        const char* Text;
    } cases[] = {
        {Bottom, 0, alDefault, "T 200 300 0 'ab' a6"},
        {Top, 0, alDefault, "T 200 300 0 'ab' a14"},
        {Left, 0, alDefault, "T 200 294 0 'ab' a2"},
        {Right, 0, alDefault, "T 200 294 0 'ab' a0"},
        // The opposite edge of a 30-pixel label band.
        {Left, 0, alOpposite, "T 170 294 0 'ab' a0"},
        {Right, 0, alOpposite, "T 230 294 0 'ab' a2"},
        {Bottom, 90, alDefault, "R 194 300 0 'ab' a2 r90"},
        {Top, 90, alDefault, "R 194 300 0 'ab' a0 r90"},
        {Left, 90, alDefault, "R 200 300 0 'ab' a14 r90"},
        {Right, 90, alDefault, "R 200 300 0 'ab' a6 r90"},
        {Bottom, 180, alDefault, "R 200 300 0 'ab' a14 r180"},
        {Top, 180, alDefault, "R 200 300 0 'ab' a6 r180"},
        {Left, 180, alDefault, "R 200 306 0 'ab' a0 r180"},
        {Right, 180, alDefault, "R 200 306 0 'ab' a2 r180"},
        {Bottom, 270, alDefault, "R 206 300 0 'ab' a0 r270"},
        {Top, 270, alDefault, "R 206 300 0 'ab' a2 r270"},
        {Left, 270, alDefault, "R 200 300 0 'ab' a6 r270"},
        {Right, 270, alDefault, "R 200 300 0 'ab' a14 r270"},
        // 45 degrees: moved by the text's width times sin 45 (14 -> 10), or back by "Wj".
        {Bottom, 45, alDefault, "R 190 310 0 'ab' a0 r45"},
        {Top, 45, alDefault, "R 186 286 0 'ab' a0 r45"},
        {Left, 30, alDefault, "R 200 300 0 'ab' a0 r30"},
    };
    Axis.SetLabelsSize(30);
    for (const auto& c : cases) {
        Side(c.Side);
        Axis.SetLabelsAlign(c.Align);
        EXPECT_EQ(Texts("ab", c.Angle), TCalls{c.Text}) << c.Side << " " << c.Angle;
        EXPECT_EQ(Canvas.GetTextAlignment(), TA_LEFT) << "reset after the text";
    }
}

TEST_F(AxisTextsTest, StacksLinesSoTheBlockStartsOrEndsAtThePoint) {
    const struct {
        TSide Side;
        int Angle;
        TCalls Texts;
    } cases[] = {
        // Below the bottom axis the block runs down from the labels position; above the top
        // axis it ends there; beside a vertical axis it is centred.
        {Bottom, 0, {"T 200 300 0 'a' a6", "T 200 313 0 'bc' a6"}},
        {Top, 0, {"T 200 287 0 'a' a14", "T 200 300 0 'bc' a14"}},
        {Left, 0, {"T 200 287 0 'a' a2", "T 200 300 0 'bc' a2"}},
        {Bottom, 90, {"R 187 300 0 'a' a2 r90", "R 200 300 0 'bc' a2 r90"}},
        {Left, 90, {"R 187 300 0 'a' a14 r90", "R 200 300 0 'bc' a14 r90"}},
    };
    for (const auto& c : cases) {
        Side(c.Side);
        EXPECT_EQ(Texts("a\rbc", c.Angle), c.Texts) << c.Side << " " << c.Angle;
    }
    EXPECT_EQ(Texts("", 0), TCalls{});
}

TEST_F(AxisTextsTest, WritesTheExponentSmallerAndRaised) {
    Canvas.ShowFontSize = true;
    const int size = Canvas.Font()->Size();
    const std::string s = " s" + std::to_string(size);
    const std::string small = " s" + std::to_string(size - size / 4);
    const struct {
        TSide Side;
        const char* Text;
        TCalls Texts;
    } cases[] = {
        // Centred and right-aligned: the exponent first, the mantissa ending before it.
        {Bottom, "1.5E3", {"T 204 296 0 '3' a6" + small, "T 192 300 0 '1.5' a6" + s}},
        {Left, "1.5E3", {"T 200 290 0 '3' a2" + small, "T 192 294 0 '1.5' a2" + s}},
        // Left-aligned: the mantissa first, the exponent one pixel after it.
        {Right, "1.5E3", {"T 200 294 0 '1.5' a0" + s, "T 222 290 0 '3' a0" + small}},
        {Bottom, "2e-5", {"T 207 296 0 '-5' a6" + small, "T 185 300 0 '2' a6" + s}},
        {Bottom, "150", {"T 200 300 0 '150' a6" + s}},
    };
    Axis.SetLabelsExponent(true);
    for (const auto& c : cases) {
        Side(c.Side);
        EXPECT_EQ(Texts(c.Text, 0), c.Texts) << c.Text;
        EXPECT_EQ(Canvas.Font()->Size(), size) << "size restored";
    }
    Axis.SetLabelsExponent(false);
    Side(Bottom);
    EXPECT_EQ(Texts("1.5E3", 0), TCalls{"T 200 300 0 '1.5E3' a6" + s});
}

TEST_F(AxisTextsTest, TheRotatedTitleIsHitWithinItsTurnedBox) {
    Side(Left);
    TChartAxisTitle& title = *Axis.Title();
    title.SetCaption("Title");
    title.SetAngle(90);
    Axis.DrawTitleAt(80, 300);
    EXPECT_EQ(Canvas.Calls, (TCalls{"[title", "R 80 300 0 'Title' a14 r90", "]"}));
    // The box of a 35 x 13 text, turned upright about its centre (73.5, 305.5).
    EXPECT_EQ(title.ShapeBounds(), (TRect{53, 299, 94, 312}));
    const struct {
        int X, Y;
        bool Hit;
    } points[] = {{70, 290, true}, {73, 320, true}, {90, 305, false}, {60, 305, false}};
    for (const auto& p : points)
        EXPECT_EQ(title.ContainsPoint(p.X, p.Y), p.Hit) << p.X << "," << p.Y;
    title.SetAngle(0);
    EXPECT_TRUE(title.ContainsPoint(90, 305));
    EXPECT_TRUE(title.ContainsPoint(94, 312)) << "edges included";
    title.SetVisible(false);
    EXPECT_FALSE(title.ContainsPoint(90, 305));
    title.SetVisible(true);
    title.SetCaption("");
    EXPECT_FALSE(title.ContainsPoint(90, 305));
}

TEST_F(AxisTextsTest, FrameBoxesFollowTheTableOfAnglesAndAlignments) {
    // The box of "Title" (35 x 13, "W" 7) drawn at (200, 300): by angle and alignment, before
    // it is turned with the text.
    const struct {
        TSide Side;
        int Angle;
        TRect Box;
        const char* Text;
    } cases[] = {
        {Bottom, 0, {180, 300, 221, 313}, "T 200 300 0 'Title' a6"},
        {Bottom, 90, {171, 320, 212, 333}, "R 194 300 0 'Title' a2 r90"},
        {Top, 90, {175, 274, 216, 287}, "R 194 300 0 'Title' a0 r90"},
        {Bottom, 180, {180, 300, 221, 313}, "R 200 300 0 'Title' a14 r180"},
        {Left, 180, {162, 293, 203, 306}, "R 200 306 0 'Title' a0 r180"},
        {Right, 180, {198, 293, 239, 306}, "R 200 306 0 'Title' a2 r180"},
        {Left, 270, {176, 293, 217, 306}, "R 200 300 0 'Title' a6 r270"},
        {Right, 270, {187, 293, 228, 306}, "R 200 300 0 'Title' a14 r270"},
    };
    TChartAxisTitle& title = *Axis.Title();
    title.SetCaption("Title");
    for (const auto& c : cases) {
        Side(c.Side);
        title.SetAngle(c.Angle);
        Canvas.Calls.clear();
        Axis.DrawTitleAt(200, 300);
        EXPECT_EQ(Canvas.Only({"T ", "R "}), TCalls{c.Text}) << c.Side << " " << c.Angle;
        EXPECT_EQ(title.ShapeBounds(), c.Box) << c.Side << " " << c.Angle;
    }
}

TEST_F(AxisTextsTest, ALabelItemIsDrawnInItsBoxWithItsTick) {
    Side(Bottom);
    TTeeShape item;
    Axis.DrawLabelAt(250, "ab", &item, 12.5);
    EXPECT_EQ(Axis.TickPositions(), std::vector<int>{250});
    EXPECT_EQ(Canvas.Only({"T "}), TCalls{"T 250 0 0 'ab' a6"});
    EXPECT_EQ(item.ShapeBounds(), (TRect{240, 0, 260, 13}));
    Axis.SetTickOnLabelsOnly(false);
    Axis.DrawLabelAt(300, "cd", &item, 20);
    EXPECT_EQ(Axis.TickPositions(), std::vector<int>{250}) << "the walk registers it instead";
}

TEST_F(AxisTextsTest, TheDrawLabelEventMovesChangesOrCancelsTheTextButNotTheBox) {
    Side(Bottom);
    Axis.OnDrawLabel = [](TChartAxis&, int&, int& y, int&, std::string& text, bool&) {
        y += 10;
        text = "c\rd";
    };
    EXPECT_EQ(Texts("ab", 0), (TCalls{"T 200 310 0 'c' a6", "T 200 323 0 'd' a6"}));

    TChartAxisTitle& title = *Axis.Title();
    title.SetCaption("ab");
    Axis.OnDrawLabel = [](TChartAxis&, int&, int&, int&, std::string&, bool& draw) {
        draw = false;
    };
    Canvas.Calls.clear();
    Axis.DrawTitleAt(200, 300);
    EXPECT_EQ(Canvas.Calls, (TCalls{"[title", "]"}));
    EXPECT_EQ(title.ShapeBounds(), (TRect{190, 300, 210, 313})) << "the box is still placed";
}

TEST_F(AxisTextsTest, LabelRowsAlternateAndDepthLabelsSitAtTheirDepth) {
    // Value labels 100 .. 0 on a chart rectangle of 100..500, the step halved by the rows.
    auto draw = [&](TChartAxis& axis) {
        axis.SetLabelStyle(talValue);
        axis.SetLimits(0, 100);
        axis.SetIncrement(50);
        axis.PositionInChart();
        axis.ComputeRange();
        TRect rect = Host.ChartRect;
        axis.PlaceInChartRect(rect, false);
        Canvas.Calls.clear();
        axis.Draw(true);
        return Canvas.Only({"T "});
    };
    Axis.SetLabelsAlternate(true);
    Side(Bottom);
    EXPECT_EQ(draw(Axis),
              (TCalls{"T 500 507 0 '100' a6", "T 400 520 0 '75' a6", "T 300 507 0 '50' a6",
                      "T 200 520 0 '25' a6", "T 100 507 0 '0' a6"}));
    // Beside a vertical axis the first label is one row (the widest label and a space) out.
    Side(Left);
    EXPECT_EQ(draw(Axis), (TCalls{"T 65 94 0 '100' a2", "T 93 194 0 '75' a2", "T 65 294 0 '50' a2",
                                  "T 93 394 0 '25' a2", "T 65 494 0 '0' a2"}));
    // Depth labels: right of the chart on its bottom edge, half a line deeper than their tick.
    Host.View3D = true;
    TChartDepthAxis depth(&Host);
    depth.SetOtherSide(true);
    EXPECT_EQ(draw(depth),
              (TCalls{"T 507 500 56 '100' a0", "T 507 500 31 '50' a0", "T 507 500 6 '0' a0"}));
}

}  // namespace
