// Where bars go: the layouts of several bar series at one point, the bar width, stacks of
// positive and negative values, the extremes each layout gives the axes, the settings bar series
// of one class share, depth, margins, the drawing order and the gallery.
#include <cmath>
#include <string>
#include <vector>

#include "SeriesDrawFixture.h"
#include "chart/engine/BarSeries.h"
#include "chart/engine/Callout.h"
#include "chart/engine/HorizBarSeries.h"
#include "chart/engine/SeriesMarkPositions.h"
#include "chart/engine/SeriesMarks.h"

namespace {

class BarSeriesLayoutTest : public SeriesDrawFixture {
protected:
    void SetUp() override {
        SeriesDrawFixture::SetUp();
        FixPlotArea();
    }
    template <class T = TBarSeries>
    T* NewBars(std::vector<double> values) {
        auto* s = new T(&Form);
        Chart->AddSeries(s);
        s->Marks()->SetVisible(false);
        for (double v : values) s->AddValue(v);
        return s;
    }
    int Px(double x) const { return Chart->BottomAxis()->PixelOfValue(x); }
    int Py(double y) const { return Chart->LeftAxis()->PixelOfValue(y); }
};

TEST_F(BarSeriesLayoutTest, SideBySideBarsShareTheSlotOfAPoint) {
    std::vector<TBarSeries*> s;
    for (int k = 0; k < 3; ++k) s.push_back(NewBars(std::vector<double>(10, 5.0)));
    Draw();
    ASSERT_EQ(Chart->BottomAxis()->AxisSize(), 600);
    // 600 div (10 + 1) = 54; round(0.7 x 54) div 3 = 12; the series at -1.5, -0.5 and +0.5 bars.
    const int offsets[] = {-18, -6, 6};
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(s[k]->NumBars, 3);
        EXPECT_EQ(s[k]->OrderPos, k + 1);
        EXPECT_EQ(s[k]->MaxBarPoints, 11);
        EXPECT_EQ(s[k]->BarSize(), 12);
        for (int i : {0, 4, 9})
            EXPECT_EQ(s[k]->PointXPixel(i) - Px(i), offsets[k]) << k << " " << i;
    }
}

TEST_F(BarSeriesLayoutTest, BarWidthPerSetting) {
    struct {
        const char* what;
        int percent, custom;
        bool autoSize, sideMargins;
        int size;
    } cases[] = {
        {"70 % of 600 div 11", 70, 0, false, true, 38},
        {"an odd width is made even", 20, 0, false, true, 12},  // round(0.2 x 54) = 11
        {"without side margins", 70, 0, false, false, 42},      // 600 div 10 = 60
        {"a custom width as it is", 70, 7, false, true, 7},
    };
    TBarSeries* s = NewBars(std::vector<double>(10, 5.0));
    for (const auto& c : cases) {
        s->SetBarWidthPercent(c.percent);
        s->SetCustomBarWidth(c.custom);
        s->SetAutoBarSize(c.autoSize);
        s->SetSideMargins(c.sideMargins);
        Draw();
        EXPECT_EQ(s->BarSize(), c.size) << c.what;
    }
    s->SetMultiBar(mbNone);
    s->SetCustomBarWidth(0);
    Draw();
    EXPECT_EQ(s->PointXPixel(3), Px(3) - s->BarSize() / 2) << "mbNone centres the bar";
    s->SetOffsetPercent(50);
    EXPECT_EQ(s->PointXPixel(3), Px(3) - s->BarSize() / 2 + s->BarSize() / 2);
}

TEST_F(BarSeriesLayoutTest, StacksKeepPositiveAndNegativeValuesApart) {
    TBarSeries* a = NewBars({5, -3, 4});
    TBarSeries* b = NewBars({2, -4, -1});
    a->SetMultiBar(mbStacked);
    EXPECT_EQ(b->MultiBar(), mbStacked);
    Draw();
    struct {
        int index;
        double origin;  // where b's bar starts
    } cases[] = {{0, 5}, {1, -3}, {2, 0}};
    for (const auto& c : cases) {
        EXPECT_EQ(b->StackOrigin(c.index, false), c.origin) << c.index;
        EXPECT_EQ(b->BarOrigin(c.index), Py(c.origin)) << c.index;
        EXPECT_EQ(b->PointYPixel(c.index), Py(c.origin + b->YValues()[c.index])) << c.index;
    }
    EXPECT_EQ(a->StackOrigin(1, false), 0);
    EXPECT_EQ(b->StackOrigin(1, true), 7) << "the absolute total";
    EXPECT_EQ(b->GetMaxYValue(), 7);
    EXPECT_EQ(b->GetMinYValue(), -7);
    // Both series stand in one place.
    EXPECT_EQ(a->PointXPixel(0), b->PointXPixel(0));
    // Another stack group stacks apart, beside the first.
    b->SetStackGroup(1);
    Draw();
    EXPECT_EQ(b->StackOrigin(0, false), 0);
    EXPECT_EQ(b->NumBars, 2);
    EXPECT_EQ(b->OrderPos, 2);
}

TEST_F(BarSeriesLayoutTest, StackedToHundredPercent) {
    TBarSeries* a = NewBars({30, 0});
    TBarSeries* b = NewBars({70, 0});
    a->SetMultiBar(mbStacked100);
    Draw();
    EXPECT_EQ(b->BarOrigin(0), Py(30));
    EXPECT_EQ(b->PointYPixel(0), Py(100));
    // A point whose stack totals 0 has no bar to show: pixel 0, and no say in the minimum.
    EXPECT_EQ(b->PointYPixel(1), 0);
    EXPECT_EQ(b->BarOrigin(1), 0);
    EXPECT_EQ(b->GetMaxYValue(), 100);
    EXPECT_EQ(b->GetMinYValue(), 0);
}

TEST_F(BarSeriesLayoutTest, ExtremesPerLayout) {
    struct {
        TMultiBar mode;
        double minY, maxY, minX, maxX;
    } cases[] = {
        {mbNone, 0, 3, 0, 1},         {mbSide, 0, 3, 0, 1},    {mbStacked, 0, 9, 0, 1},
        {mbStacked100, 0, 100, 0, 1}, {mbSideAll, 0, 3, 0, 3}, {mbSelfStack, 0, 4, 1, 1},
    };
    NewBars({4, 6});
    TBarSeries* b = NewBars({1, 3});
    for (const auto& c : cases) {
        b->SetMultiBar(c.mode);
        for (int i = 0; i < Chart->SeriesCount(); ++i) Chart->GetSeries(i)->PrepareForChartDraw();
        EXPECT_EQ((std::vector<double>{b->GetMinYValue(), b->GetMaxYValue(), b->GetMinXValue(),
                                       b->GetMaxXValue()}),
                  (std::vector<double>{c.minY, c.maxY, c.minX, c.maxX}))
            << "mode " << c.mode;
    }
    // The origin widens the range; without it the values alone count.
    b->SetMultiBar(mbSide);
    b->SetYOrigin(10);
    EXPECT_EQ(b->GetMaxYValue(), 10);
    EXPECT_EQ(b->GetMinYValue(), 1);
    b->SetUseYOrigin(false);
    EXPECT_EQ(b->GetMaxYValue(), 3);
}

TEST_F(BarSeriesLayoutTest, SideAllAndSelfStackPlaceBarsOfTheirOwn) {
    TBarSeries* a = NewBars({1, 2, 3});
    TBarSeries* b = NewBars({4, 5});
    a->SetMultiBar(mbSideAll);
    Draw();
    EXPECT_EQ(b->PreviousCount, 3);
    EXPECT_EQ(b->PointXPixel(1), Px(4) - b->BarSize() / 2);
    EXPECT_FALSE(b->HasZOrderSiblings());
    a->SetMultiBar(mbSelfStack);
    Draw();
    // Each series one bar at its own place in the list, its points stacked.
    EXPECT_EQ(b->PointXPixel(1), Px(1) - b->BarSize() / 2);
    EXPECT_EQ(b->BarOrigin(1), Py(4));
    EXPECT_EQ(b->PointYPixel(1), Py(9));
    // One slot per series and one for the side margins, so that the bars stay apart.
    EXPECT_EQ(b->MaxBarPoints, 3);
    EXPECT_LT(a->PointXPixel(0) + a->BarSize(), b->PointXPixel(0));
}

TEST_F(BarSeriesLayoutTest, BarsOfOneClassShareMultiBarAndSideMargins) {
    TBarSeries* a = NewBars({1});
    TBarSeries* b = NewBars({2});
    auto* h = NewBars<THorizBarSeries>({3});
    a->SetMultiBar(mbStacked);
    a->SetSideMargins(false);
    EXPECT_EQ(b->MultiBar(), mbStacked);
    EXPECT_FALSE(b->SideMargins());
    EXPECT_EQ(h->MultiBar(), mbSide) << "another class keeps its own";
    TBarSeries* c = NewBars({4});
    EXPECT_EQ(c->MultiBar(), mbStacked) << "a bar joining takes the chart's layout";
    EXPECT_FALSE(c->SideMargins());
}

TEST_F(BarSeriesLayoutTest, DepthPercentLeavesRoomInFrontAndBehind) {
    auto* s = new TBarSeries(&Form);  // no chart: the series' own depth of 20
    s->SetDepth(20);
    s->SetDepthPercent(50);
    s->ComputeDepthRange();
    EXPECT_EQ(s->FrontDepth, 5);
    EXPECT_EQ(s->BackDepth, 15);
}

TEST_F(BarSeriesLayoutTest, MarginsTakeRoomForBarsWithoutChangingTheAxisOffsets) {
    TBarSeries* s = NewBars({1, 2, 3});
    Draw();
    int left = 0, right = 0;
    s->HorizontalMarginsNeeded(left, right);
    EXPECT_EQ(left, s->BarSize());
    EXPECT_EQ(right, s->BarSize());
    // The room is the drawing's; the user's offsets stay as they were.
    EXPECT_EQ(Chart->BottomAxis()->MinimumOffset(), 0);
    EXPECT_EQ(Chart->BottomAxis()->MaximumOffset(), 0);
    EXPECT_GE(s->PointXPixel(0), Chart->ChartRect().Left) << "the first bar stays inside";
    // Marks above positive bars take room at the top only.
    s->Marks()->SetVisible(true);
    int top = 0, bottom = 0;
    s->VerticalMarginsNeeded(top, bottom);
    EXPECT_GT(top, s->Marks()->Callout()->Length());
    EXPECT_EQ(bottom, 0);
}

TEST_F(BarSeriesLayoutTest, MarksStandBeyondTheBarsEnd) {
    TBarSeries* s = NewBars({4, -3});
    s->Marks()->SetVisible(true);
    Chart->LeftAxis()->SetLimits(-10, 10);
    Draw();
    const int length = s->Marks()->Callout()->Length();
    ASSERT_EQ(length, 20);
    const TSeriesMarkPosition* up = s->Marks()->Positions().Position(0);
    const TSeriesMarkPosition* down = s->Marks()->Positions().Position(1);
    ASSERT_TRUE(up && down);
    // Above a rising bar (the box's last row at the arrow's end), below a hanging one (its
    // first row just past the arrow's end), centred on the bar.
    EXPECT_EQ(up->Bounds().Bottom - 1, s->PointYPixel(0) - length);
    EXPECT_EQ(up->ArrowFrom.Y, s->PointYPixel(0));
    EXPECT_EQ(up->ArrowTo.X, s->PointXPixel(0) + s->BarSize() / 2);
    EXPECT_EQ(down->LeftTop.Y, s->PointYPixel(1) + length + 1);
    EXPECT_EQ(down->ArrowTo.Y, s->PointYPixel(1) + length);
}

TEST_F(BarSeriesLayoutTest, EveryStyleDrawsThroughTheChartIn2DAnd3D) {
    TBarSeries* s = NewBars({4, -3, 0, 7});
    auto* h = NewBars<THorizBarSeries>({2, -1});
    s->Marks()->SetVisible(true);
    h->Marks()->SetVisible(true);
    s->TickLines()->SetVisible(true);
    s->SetTransparency(30);
    for (bool view3D : {false, true})
        for (int style = bsRectangle; style <= bsInvCone; ++style) {
            Chart->SetView3D(view3D);
            s->SetBarStyle(TBarStyle(style));
            h->SetBarStyle(TBarStyle(style));
            EXPECT_NO_THROW(Draw()) << "style " << style << " 3-D " << view3D;
            EXPECT_FALSE(Canvas->Calls().empty());
        }
}

TEST_F(BarSeriesLayoutTest, StackedBarsBelowTheOriginDrawNearestFirst) {
    NewBars({1});
    TBarSeries* b = NewBars({-2});
    NewBars({3});
    NewBars({-4});
    b->SetMultiBar(mbStacked);
    std::vector<int> order;
    b->ListSeriesOrder(0, 4, 0, order);
    EXPECT_EQ(order, (std::vector<int>{3, 1, 0, 2}));
    b->SetMultiBar(mbSide);
    b->ListSeriesOrder(0, 4, 0, order);
    EXPECT_EQ(order, (std::vector<int>{0, 1, 2, 3}));
}

TEST_F(BarSeriesLayoutTest, SelfStackListsEveryPointOnce) {
    TBarSeries* s = NewBars({3, -1, 2, -5, 4});
    s->SetMultiBar(mbSelfStack);
    std::vector<int> order;
    s->ListValueOrder(0, 4, order);
    EXPECT_EQ(order, (std::vector<int>{0, 2, 4, 1, 3}));
}

TEST_F(BarSeriesLayoutTest, GalleryStackVariantsAddASecondSeries) {
    TBarSeries* s = NewBars({});
    std::vector<std::string> names;
    s->ListGalleryVariants([&](const std::string& n) { names.push_back(n); });
    EXPECT_EQ(names, (std::vector<std::string>{"Normal", "Colors", "Pyramid", "Ellipse",
                                               "Inv. Pyramid", "Gradient", "Stack", "Stack 100%",
                                               "Self Stacked", "Sides", "Side All"}));
    s->ApplyGalleryVariant(s, 7);
    ASSERT_EQ(Chart->SeriesCount(), 2);
    auto* second = dynamic_cast<TBarSeries*>(Chart->GetSeries(1));
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->Count(), 2);
    EXPECT_EQ(s->Count(), 2);
    EXPECT_EQ(second->MultiBar(), mbStacked100);
    EXPECT_EQ(s->MultiBar(), mbStacked100);
    EXPECT_FALSE(s->Marks()->Visible());
    EXPECT_FALSE(second->Marks()->Visible());
    s->ApplyGalleryVariant(s, 2);
    EXPECT_EQ(s->BarStyle(), bsPyramid);
}

TEST_F(BarSeriesLayoutTest, HorizontalBarsLieAcrossTheVerticalAxis) {
    auto* h = NewBars<THorizBarSeries>({5, -2});
    Draw();
    const int size = h->BarSize();
    EXPECT_GT(size, 0);
    EXPECT_EQ(h->PointYPixel(0), Chart->LeftAxis()->PixelOfValue(0) - size / 2);
    EXPECT_EQ(h->PointXPixel(0), Px(5));
    EXPECT_EQ(h->BarOrigin(0), Px(0));
    EXPECT_EQ(h->GetMinXValue(), -2);
    EXPECT_EQ(h->GetMaxXValue(), 5);
    TRect r;
    h->CalcBarRect(0, r);
    EXPECT_EQ(r, (TRect{Px(0), h->PointYPixel(0), Px(5), h->PointYPixel(0) + size - 1}));
}

}  // namespace
