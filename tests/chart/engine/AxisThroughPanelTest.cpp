// An axis drawn through a real axis panel: the grid, the labels font, the label items of the
// pass, the titles' angles and what the panel answers about its view, walls, shown axes and
// label room.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "ChartStubs.h"
#include "chart/engine/AxisItems.h"
#include "chart/foundation/TeeFont.h"
#include "chart/foundation/View3DOptions.h"
#include "tests/chart/engine/AxisDrawStub.h"

namespace {

using TCalls = std::vector<std::string>;

class AxisThroughPanelTest : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterTestChartClasses();
        auto recording = std::make_unique<TAxisRecordingCanvas>();
        Canvas = recording.get();
        Canvas->ShowFontSize = true;
        Canvas->PenNames = {{clRed, "grid"}};
        Chart->ReplaceCanvas(std::move(recording));
        Chart->SetView3D(false);
        auto* s = new TTestSeries(&Form);
        Chart->AddSeries(s);
        for (double y : {0.0, 40.0, 100.0}) s->AddY(y);
    }
    // The axis placed beside the chart rectangle 100..500 both ways, with a fixed step of 25.
    void Place(TChartAxis& axis) {
        axis.SetIncrement(25);
        Chart->SetChartRect({100, 100, 500, 500});
        axis.PositionInChart();
        axis.ComputeRange();
        TRect rect = Chart->ChartRect();
        axis.PlaceInChartRect(rect, false);
        Canvas->Calls.clear();
    }
    // The texts drawn, each with its alignment and font size.
    TCalls GridLines() const {
        TCalls lines;
        for (const std::string& call : Canvas->Calls)
            if (call.ends_with(" grid")) lines.push_back(call);
        return lines;
    }
    TCalls Texts() const {
        TCalls texts;
        for (const std::string& call : Canvas->Only({"T ", "R "}))
            texts.push_back(call.substr(call.find('\'')));
        return texts;
    }

    TFormatSettingsGuard PinnedFormats{TFormatSettings{}};
    TComponent Form{nullptr};
    TTestChart* Chart = new TTestChart(&Form);
    TAxisRecordingCanvas* Canvas = nullptr;
};

TEST_F(AxisThroughPanelTest, TheLeftAxisDrawsItsGridAndItsLabelsInTheLabelsFont) {
    TChartAxis& left = *Chart->LeftAxis();
    left.LabelsFont()->SetSize(11);
    left.Grid()->SetColor(clRed);
    left.Title()->SetCaption("Flux");
    Place(left);
    left.Draw(false);

    EXPECT_EQ(Texts(), (TCalls{"'Flux' a14 r90 s8", "'100' a2 s11", "'75' a2 s11", "'50' a2 s11",
                               "'25' a2 s11", "'0' a2 s11"}));
    // The labels of the pass are listed in the items, which stay automatic.
    TAxisItems& items = left.Items();
    EXPECT_TRUE(items.Auto());
    ASSERT_EQ(items.Count(), 5);
    EXPECT_EQ(items[1]->Text(), "75");
    EXPECT_EQ(items[1]->Value(), 75);
    // Flat grid lines across the chart at the inner ticks; none on the ends.
    EXPECT_EQ(GridLines(),
              (TCalls{"H 101 500 200 grid", "H 101 500 300 grid", "H 101 500 400 grid"}));

    // Centred: one line midway between each two ticks.
    left.SetGridCentered(true);
    Canvas->Calls.clear();
    left.Draw(false);
    EXPECT_EQ(GridLines(), (TCalls{"H 101 500 150 grid", "H 101 500 250 grid", "H 101 500 350 grid",
                                   "H 101 500 450 grid"}));

    // Without labels: no texts, no items, and no room taken for them.
    TRect shown = Chart->ChartRect();
    left.PlaceInChartRect(shown, true);
    left.SetLabels(false);
    TRect hidden = Chart->ChartRect();
    left.PlaceInChartRect(hidden, true);
    EXPECT_LT(hidden.Left, shown.Left);
    Canvas->Calls.clear();
    left.Draw(false);
    EXPECT_EQ(Texts(), TCalls{"'Flux' a14 r90 s8"});
    EXPECT_EQ(items.Count(), 0);
}

TEST_F(AxisThroughPanelTest, SideTitlesAreTurnedByDefault) {
    const struct {
        TChartAxis* Axis;
        int Angle;
    } cases[] = {{Chart->LeftAxis(), 90},
                 {Chart->RightAxis(), 270},
                 {Chart->BottomAxis(), 0},
                 {Chart->TopAxis(), 0}};
    for (const auto& c : cases) {
        EXPECT_EQ(c.Axis->Title()->Angle(), c.Angle);
        EXPECT_EQ(c.Axis->Title()->DefaultAngle(), c.Angle);
    }
    TChartAxis& right = *Chart->RightAxis();
    right.Title()->SetCaption("Power");
    Place(right);
    right.Draw(false);
    EXPECT_EQ(Texts().front(), "'Power' a14 r270 s8");
}

TEST_F(AxisThroughPanelTest, ThePanelAnswersForItsViewWallsShownAxesAndLabelRoom) {
    TChartAxis& left = *Chart->LeftAxis();
    left.Grid()->SetColor(clRed);
    Chart->WallSize = 5;
    Place(left);
    left.Draw(false);
    // The line stands outside the wall and reaches down past the bottom wall.
    EXPECT_EQ(Canvas->Only({"L "}).front().substr(0, 15), "L 95 100 95 505");

    // In 3-D, behind the series: grid lines on the back wall at the chart's depth.
    Chart->SetView3D(true);
    Chart->SetWidth3D(40);
    Canvas->Calls.clear();
    left.Draw(false);
    EXPECT_EQ(Canvas->Only({"HZ 100"}).front(), "HZ 100 500 200 40 grid");
    Chart->SetAxisBehind(false);
    Canvas->Calls.clear();
    left.Draw(false);
    EXPECT_EQ(Canvas->Only({"HZ 100"}).front(), "HZ 100 500 200 0 grid");

    // The axis list's hook changes the room the labels take.
    TRect plain = Chart->ChartRect();
    left.PlaceInChartRect(plain, true);
    Chart->Axes().AxisSpaceHook = [](TChartAxis&, int size) { return size + 7; };
    TRect hooked = Chart->ChartRect();
    left.PlaceInChartRect(hooked, true);
    EXPECT_EQ(hooked.Left - plain.Left, 7);

    // A hidden axis is never hit.
    const TRect bounds = left.AxisBounds();
    Chart->SetView3D(false);
    EXPECT_TRUE(left.ContainsPoint(bounds.Left + 1, bounds.Top + 1));
    Chart->SetAxisVisible(false);
    EXPECT_FALSE(left.ContainsPoint(bounds.Left + 1, bounds.Top + 1));
}

TEST_F(AxisThroughPanelTest, DepthLabelsSitHalfALineDeeperWhenTheViewFacesFront) {
    TView3DOptions& view = *Chart->View3DOptions();
    const struct {
        bool Orthogonal;
        int Rotation;
        bool Front;
    } cases[] = {{true, 345, true}, {false, 360, true}, {false, 345, false}};
    for (const auto& c : cases) {
        view.SetOrthogonal(c.Orthogonal);
        view.SetRotation(c.Rotation);
        EXPECT_EQ(Chart->AxisViewFacesFront(), c.Front) << c.Orthogonal << " " << c.Rotation;
    }
}

}  // namespace
