#include <gtest/gtest.h>

#include <memory>

#include "ChartStubs.h"
#include "chart/engine/ChartWalls.h"
#include "chart/foundation/Canvas3D.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/TeeShadow.h"
#include "tests/chart/foundation/RecordingCanvas3D.h"

namespace {

constexpr TRect WallsChartArea{10, 20, 410, 320};
constexpr TColor Silver = 0xC0C0C0;

class ChartWallsTest : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterTestChartClasses();
        Chart->ReplaceCanvas(std::make_unique<TRecordingCanvas3D>());
        Chart->SetChartRect(WallsChartArea);
    }
    TRecordingCanvas3D& Canvas() { return static_cast<TRecordingCanvas3D&>(*Chart->Canvas3D()); }
    TComponent Form{nullptr};
    TTestChart* Chart = new TTestChart(&Form);
    TChartWalls Walls{Chart};
};

TEST_F(ChartWallsTest, DefaultsOfTheFourWalls) {
    struct Case {
        const TChartWall* wall;
        TColor color;
        bool visible;
        bool transparent;
    };
    const Case cases[] = {{Walls.Back(), Silver, true, true},
                          {Walls.Left(), 0x80FFFF, true, false},
                          {Walls.Bottom(), clWhite, true, false},
                          {Walls.Right(), Silver, false, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.wall->ClassName());
        EXPECT_EQ(c.wall->Color(), c.color);
        EXPECT_EQ(c.wall->DefaultColor(), c.color);
        EXPECT_FALSE(c.wall->IsColorStored());
        EXPECT_EQ(c.wall->Visible(), c.visible);
        EXPECT_EQ(c.wall->Transparent(), c.transparent);
        EXPECT_FALSE(c.wall->IsTransparentStored());
        EXPECT_EQ(c.wall->EndPosition(), 100);
        EXPECT_EQ(c.wall->StartPosition(), 0);
        EXPECT_EQ(c.wall->Size(), 0);
        EXPECT_TRUE(c.wall->Dark3D());
        EXPECT_FALSE(c.wall->AutoHide());
    }
    EXPECT_FALSE(Walls.Back()->Shadow()->Visible());
    EXPECT_EQ(Walls.Back()->Shadow()->Color(), TColor(0x808080));
    TChartWall plain;
    EXPECT_EQ(plain.Color(), clDefault);
    Walls.Left()->SetColor(clRed);
    EXPECT_TRUE(Walls.Left()->IsColorStored());

    // Assign copies every wall's settings.
    Walls.Bottom()->SetSize(7);
    Walls.Back()->SetEndPosition(60);
    TChartWalls copy(Chart);
    copy.Assign(&Walls);
    EXPECT_EQ(copy.Left()->Color(), clRed);
    EXPECT_EQ(copy.Bottom()->Size(), 7);
    EXPECT_EQ(copy.Back()->EndPosition(), 60);
    EXPECT_FALSE(copy.Right()->Visible());
}

TEST_F(ChartWallsTest, BackgroundColourAndTheWallBehindEachAxis) {
    Chart->SetColor(clYellow);
    EXPECT_EQ(Walls.BackColor(Chart->Color()), clYellow);
    Walls.Back()->SetTransparent(false);
    EXPECT_EQ(Walls.BackColor(Chart->Color()), Silver);

    Walls.Left()->SetSize(3);
    Walls.Bottom()->SetSize(4);
    Walls.Right()->SetSize(5);
    Walls.Back()->SetSize(6);
    Chart->SetView3D(false);
    EXPECT_EQ(Walls.SizeOfAxis(Chart->LeftAxis()), 0);
    Chart->SetView3D(true);
    EXPECT_EQ(Walls.SizeOfAxis(Chart->LeftAxis()), 3);
    EXPECT_EQ(Walls.SizeOfAxis(Chart->BottomAxis()), 4);
    EXPECT_EQ(Walls.SizeOfAxis(Chart->RightAxis()), 0);  // the right wall is hidden
    EXPECT_EQ(Walls.SizeOfAxis(Chart->TopAxis()), 6);
    Walls.Right()->SetVisible(true);
    EXPECT_EQ(Walls.SizeOfAxis(Chart->RightAxis()), 5);
    Walls.SetView3D(false);
    EXPECT_FALSE(Chart->View3DWalls());
    EXPECT_EQ(Walls.SizeOfAxis(Chart->LeftAxis()), 0);
    Walls.SetSize(2);
    EXPECT_EQ(Walls.Right()->Size(), 2);
    EXPECT_EQ(Walls.Bottom()->Size(), 2);
}

TEST_F(ChartWallsTest, ExtentsByStartAndEndPosition) {
    struct Case {
        int start, end;
        int top, bottom;
    };
    // The chart is 300 pixels high from 20.
    const Case cases[] = {{0, 100, 20, 320},
                          {0, 50, 20, 170},
                          {25, 100, 95, 320},
                          {10, 90, 50, 290},
                          {33, 67, 119, 221}};
    for (const Case& c : cases) {
        Walls.Back()->SetStartPosition(c.start);
        Walls.Back()->SetEndPosition(c.end);
        int top = 0, bottom = 0;
        Walls.VerticalExtent(*Walls.Back(), top, bottom);
        EXPECT_EQ(top, c.top) << c.start << " " << c.end;
        EXPECT_EQ(bottom, c.bottom) << c.start << " " << c.end;
    }
    // The bottom wall's depth range, here over 40 pixels.
    Chart->SetWidth3D(40);
    Walls.Bottom()->SetStartPosition(10);
    Walls.Bottom()->SetEndPosition(75);
    int z0 = 0, z1 = 0;
    Walls.DepthExtent(z0, z1);
    EXPECT_EQ(z0, 4);
    EXPECT_EQ(z1, 30);
}

TEST_F(ChartWallsTest, TheFlatBackWallReachesOnePixelPastTheChartUnlessItEndsEarly) {
    Chart->SetView3D(false);
    Walls.Back()->SetTransparent(false);
    struct Case {
        int end;
        std::vector<int> rect;
    };
    const Case cases[] = {{100, {10, 20, 411, 321}}, {50, {10, 20, 411, 170}}};
    for (const Case& c : cases) {
        Canvas().ClearCalls();
        Walls.Back()->SetEndPosition(c.end);
        Walls.DrawBeforeSeries();
        ASSERT_EQ(Canvas().Calls().size(), 1u) << c.end;
        EXPECT_EQ(Canvas().Calls()[0].Op, "Rectangle");
        EXPECT_EQ(Canvas().Calls()[0].Args, c.rect);
        EXPECT_EQ(Canvas().Calls()[0].BrushColor, Silver);
    }
    // Hidden, or without walls, nothing is drawn.
    Canvas().ClearCalls();
    Walls.Back()->SetVisible(false);
    Walls.DrawBeforeSeries();
    Walls.Back()->SetVisible(true);
    Chart->SetView3DWalls(false);
    Walls.DrawBeforeSeries();
    EXPECT_TRUE(Canvas().Calls().empty());
}

TEST_F(ChartWallsTest, AVisibleShadowIsDrawnBeforeTheFlatWall) {
    Chart->SetView3D(false);
    Walls.Back()->SetTransparent(false);
    Walls.Back()->Shadow()->SetVisible(true);
    Walls.Back()->Shadow()->SetSmooth(false);
    Walls.DrawBackWall();
    ASSERT_GE(Canvas().Calls().size(), 2u);
    EXPECT_EQ(Canvas().Calls().front().BrushColor, TColor(0x808080));
    EXPECT_EQ(Canvas().Calls().back().Op, "Rectangle");
}

// In an orthogonal 3-D view the depth runs up and to the right: the right wall shows its
// outside and the left one its inside. AutoHide leaves out a wall that would cover the series.
TEST_F(ChartWallsTest, WallsThatFaceTheViewerAreDrawnAfterTheSeriesUnlessAutoHidden) {
    Chart->SetWidth3D(30);
    Chart->Canvas3D()->PrepareProjection(30, WallsChartArea);
    EXPECT_TRUE(Walls.RightWallFacesViewer());
    EXPECT_FALSE(Walls.LeftWallFacesViewer());
    Walls.Right()->SetVisible(true);
    auto silverPlanes = [&] {
        int n = 0;
        for (const auto& c : Canvas().Calls()) n += c.Op == "Polygon" && c.BrushColor == Silver;
        return n;
    };
    Walls.DrawBeforeSeries();  // the right wall faces the viewer: not behind the series
    EXPECT_EQ(silverPlanes(), 0);
    Walls.Right()->SetAutoHide(true);
    EXPECT_FALSE(Walls.Right()->DrawnAfterSeries());
    Walls.DrawAfterSeries();
    EXPECT_EQ(silverPlanes(), 0);
    Walls.Right()->SetAutoHide(false);
    EXPECT_TRUE(Walls.Right()->DrawnAfterSeries());
    Walls.DrawAfterSeries();
    EXPECT_GT(silverPlanes(), 0);
}

}  // namespace

#include "chart/engine/ChartTitle.h"
#include "platform/classes/PropInfo.h"

namespace {

// The plain values a writer would store for a fresh object: none, since every published
// default matches the object's own; after a change, just the changed one.
std::vector<std::string> Written(const TObject& object) {
    std::vector<std::string> names;
    const TPropList& props = object.ClassType().Properties();
    for (size_t i = 0; i < props.Count(); ++i) {
        const TPropInfo& p = props[i];
        if (p.Kind != tkClass && p.Kind != tkStrings && p.ShouldWrite(&object))
            names.push_back(p.Name);
    }
    return names;
}

TEST(ChartPartsPublishedTest, FreshPartsWriteNothingAndChangesWriteThemselves) {
    TChartBackWall back;
    TChartLeftWall left;
    TChartBottomWall bottom;
    TChartRightWall right;
    TChartTitle title;
    TChartFootTitle foot;
    for (const TObject* o :
         std::initializer_list<const TObject*>{&back, &left, &bottom, &right, &title, &foot})
        EXPECT_EQ(Written(*o), std::vector<std::string>{}) << o->ClassName();

    back.SetTransparent(false);
    right.SetVisible(true);
    left.SetColor(clRed);
    bottom.SetEndPosition(50);
    title.SetLeft(12);
    foot.SetVertMargin(8);
    EXPECT_EQ(Written(back), std::vector<std::string>{"Transparent"});
    EXPECT_EQ(Written(right), std::vector<std::string>{"Visible"});
    EXPECT_EQ(Written(left), std::vector<std::string>{"Color"});
    EXPECT_EQ(Written(bottom), std::vector<std::string>{"EndPosition"});
    EXPECT_EQ(Written(title), (std::vector<std::string>{"CustomPosition", "Left", "Top"}));
    EXPECT_EQ(Written(foot), std::vector<std::string>{"VertMargin"});
}

}  // namespace
