#include <gtest/gtest.h>

#include <memory>

#include "ChartStubs.h"
#include "chart/engine/SeriesGroups.h"
#include "chart/foundation/Canvas3D.h"
#include "chart/foundation/DefaultColors.h"
#include "chart/foundation/View3DOptions.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Printer.h"

namespace {

class AxisPanelTest : public ::testing::Test {
protected:
    void SetUp() override { RegisterTestChartClasses(); }
    TComponent Form{nullptr};
    TTestChart* Chart = new TTestChart(&Form);
    TTestSeries* NewSeries(int points = 0) {
        auto* s = new TTestSeries(&Form);
        Chart->AddSeries(s);
        for (int i = 0; i < points; ++i) s->AddXYPoint(i, i * 10.0);
        return s;
    }
};

TEST_F(AxisPanelTest, ANewChartHasSixAxesInOrderAndOnePage) {
    ASSERT_EQ(Chart->Axes().Count(), 6);
    const TChartAxis* expected[] = {Chart->BottomAxis(), Chart->TopAxis(),   Chart->LeftAxis(),
                                    Chart->RightAxis(),  Chart->DepthAxis(), Chart->DepthTopAxis()};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(Chart->Axes()[i], expected[i]) << i;
    EXPECT_TRUE(Chart->BottomAxis()->Horizontal());
    EXPECT_TRUE(Chart->TopAxis()->Horizontal() && Chart->TopAxis()->OtherSide());
    EXPECT_EQ(Chart->TopAxis()->ZPosition(), 100);
    EXPECT_TRUE(Chart->RightAxis()->OtherSide() && !Chart->RightAxis()->Horizontal());
    EXPECT_TRUE(Chart->DepthAxis()->IsDepthAxis && !Chart->DepthAxis()->Visible());
    EXPECT_TRUE(Chart->DepthAxis()->OtherSide());
    EXPECT_EQ(Chart->SeriesCount(), 0);
    EXPECT_EQ(Chart->PageCount(), 1);
    EXPECT_EQ(Chart->Chart3DPercent(), 15);
}

TEST_F(AxisPanelTest, Chart3DPercentOutsideOneToHundredRaisesAndKeepsTheValue) {
    for (int bad : {0, 101, -5}) {
        try {
            Chart->SetChart3DPercent(bad);
            ADD_FAILURE() << bad;
        } catch (const Exception& e) {
            EXPECT_EQ(e.Message(), "3D effect percent must be between 1 and 100");
        }
    }
    EXPECT_EQ(Chart->Chart3DPercent(), 15);
    Chart->SetChart3DPercent(100);
    EXPECT_EQ(Chart->Chart3DPercent(), 100);
}

TEST_F(AxisPanelTest, JoiningGivesAPaletteColourAndTellsListenersInOrder) {
    std::vector<std::string> order;
    Chart->OnAddSeries = [&](TCustomAxisPanel&, TChartSeries*) { order.push_back("OnAddSeries"); };
    auto* a = NewSeries();
    auto* b = NewSeries();
    EXPECT_EQ(a->Color(), clDefault);  // chosen by the chart, not by the user
    EXPECT_EQ(a->SeriesColor(), DefaultColorAt(0));
    EXPECT_EQ(b->SeriesColor(), DefaultColorAt(1));
    // The colour first (while attaching), then the joining itself.
    EXPECT_EQ(Chart->Events,
              (std::vector<std::string>{"series 3", "series 0", "series 3", "series 0"}));
    EXPECT_EQ(order.size(), 2u);
    EXPECT_EQ(a->ResolvedHorizAxis(), Chart->BottomAxis());
    EXPECT_EQ(a->ResolvedVertAxis(), Chart->LeftAxis());

    // Joining a second chart leaves the first.
    TTestChart other(nullptr);
    a->SetParentChart(&other);
    EXPECT_EQ(Chart->SeriesCount(), 1);
    EXPECT_EQ(Chart->GetSeries(0), b);
    EXPECT_EQ(other.GetSeries(0), a);
    EXPECT_EQ(a->ResolvedHorizAxis(), other.BottomAxis());
    EXPECT_EQ(Chart->Events.back(), "series 1");
    other.RemoveSeries(a);
    EXPECT_EQ(a->ParentChart(), nullptr);
    EXPECT_EQ(a->ResolvedHorizAxis(), nullptr);
}

TEST_F(AxisPanelTest, FreeSeriesColorEndsOnThePalettesLastColour) {
    Chart->ColorPalette = {clRed, clGreen, clBlue};
    auto* a = NewSeries();
    auto* b = NewSeries();
    auto* c = NewSeries();
    EXPECT_EQ(a->SeriesColor(), clRed);
    EXPECT_EQ(b->SeriesColor(), clGreen);
    EXPECT_EQ(c->SeriesColor(), clBlue);
    EXPECT_EQ(Chart->FreeSeriesColor(true, nullptr), clBlue);  // every colour used
    EXPECT_EQ(Chart->PaletteColor(4), clGreen);
    b->SetSeriesColor(clYellow);  // an explicit colour stays through a palette change
    Chart->ColorPalette = {clNavy, clMaroon};
    Chart->ReassignSeriesColors();
    EXPECT_EQ(b->SeriesColor(), clYellow);
    EXPECT_NE(a->SeriesColor(), clRed);
}

TEST_F(AxisPanelTest, TitlesNamesAndNumbers) {
    auto* a = NewSeries();
    auto* b = NewSeries();
    b->SetName("Flux");
    EXPECT_EQ(Chart->SeriesTitleText(a), "Series1");
    EXPECT_EQ(Chart->SeriesTitleText(b), "Flux");
    a->SetTitle("two\rlines");
    EXPECT_EQ(Chart->SeriesTitleText(a), "two lines");
    b->SetShowInLegend(false);
    EXPECT_EQ(Chart->SeriesInLegend(0, false), a);
    EXPECT_EQ(Chart->SeriesInLegend(1, false), nullptr);
    a->SetActive(false);
    EXPECT_EQ(Chart->SeriesLegendTitle(0, true), "");
    EXPECT_EQ(Chart->Events.back(), "series 5");
}

TEST_F(AxisPanelTest, WidestPointLabelIsItsWidestLineOnTheChartsSurface) {
    const int width = Chart->Canvas3D()->MeasureTextWidth("abc");
    NewSeries()->AddY(1, "abc\rx");
    auto* hidden = NewSeries();
    hidden->AddY(1, "ab");
    hidden->SetActive(false);
    EXPECT_EQ(Chart->WidestPointLabel(), width);
}

TEST_F(AxisPanelTest, PagingCountsClampsAndRaises) {
    NewSeries(23);
    TChartPage& pages = *Chart->Pages();
    pages.SetMaxPointsPerPage(10);
    EXPECT_EQ(pages.Count(), 3);
    struct {
        int asked, got;
    } cases[] = {{7, 3}, {0, 1}, {2, 2}, {-4, 1}};
    for (auto c : cases) {
        pages.SetCurrent(c.asked);
        EXPECT_EQ(pages.Current(), c.got) << c.asked;
    }
    pages.SetCurrent(3);
    pages.Next();
    EXPECT_EQ(pages.Current(), 3);
    pages.Previous();
    EXPECT_EQ(pages.Current(), 2);
    EXPECT_THROW(pages.SetMaxPointsPerPage(-1), ChartException);
    try {
        pages.SetMaxPointsPerPage(-1);
    } catch (const ChartException& e) {
        EXPECT_EQ(e.Message(), "MaxPointsPerPage must be >= 0");
    }
    EXPECT_EQ(pages.MaxPointsPerPage(), 10);
    pages.SetMaxPointsPerPage(0);
    EXPECT_EQ(pages.Count(), 1);
    EXPECT_EQ(pages.Current(), 1);
}

TEST_F(AxisPanelTest, PagedExtremesFollowTheCurrentPage) {
    NewSeries(23);  // X 0 .. 22
    TChartPage& pages = *Chart->Pages();
    pages.SetMaxPointsPerPage(10);
    pages.SetCurrent(2);
    EXPECT_EQ(Chart->SeriesMinX(Chart->BottomAxis()), 10);
    EXPECT_EQ(Chart->SeriesMaxX(Chart->BottomAxis()), 19);
    pages.SetCurrent(3);
    EXPECT_EQ(Chart->SeriesMaxX(Chart->BottomAxis()), 22);
    pages.SetScaleLastPage(false);  // the short last page scaled as a full one
    EXPECT_DOUBLE_EQ(Chart->SeriesMaxX(Chart->BottomAxis()), 20 + 2.0 * 10 / 3);
    // The values are not paged unless AutoScale asks for it.
    EXPECT_EQ(Chart->SeriesMaxY(Chart->LeftAxis()), 220);
    pages.SetAutoScale(true);
    EXPECT_EQ(Chart->SeriesMinY(Chart->LeftAxis()), 200);
}

TEST_F(AxisPanelTest, ExtremesOverActiveSeriesAndHiddenOnesWhereNoneIsActive) {
    auto* a = NewSeries();
    a->AddXYPoint(1, 5);
    a->AddXYPoint(4, 8);
    auto* b = NewSeries();
    b->AddXYPoint(-2, 50);
    b->SetVertAxis(aRightAxis);
    b->SetActive(false);
    EXPECT_EQ(Chart->SeriesMinX(Chart->BottomAxis()), 1);  // b is hidden
    EXPECT_EQ(Chart->SeriesMaxY(Chart->LeftAxis()), 8);
    // No active series uses the right axis: the hidden one still scales it.
    EXPECT_EQ(Chart->SeriesMaxY(Chart->RightAxis()), 50);
    EXPECT_EQ(Chart->SeriesMaxY(Chart->TopAxis()), 0);  // nobody: 0
    EXPECT_FALSE(Chart->IsAxisShown(Chart->RightAxis()));
    EXPECT_TRUE(Chart->IsAxisShown(Chart->LeftAxis()));
    EXPECT_EQ(Chart->FirstSeriesOfAxis(Chart->RightAxis()), b);
    // The axes scale from the chart.
    Chart->BottomAxis()->ComputeRange();
    EXPECT_EQ(Chart->BottomAxis()->WorkingMinimum(), 1);
    EXPECT_EQ(Chart->BottomAxis()->WorkingMaximum(), 4);
    // Depth: by rows unless a series has depth values of its own.
    Chart->DepthRowCount = 2;
    EXPECT_EQ(Chart->SeriesMinX(Chart->DepthAxis()), -0.5);
    EXPECT_EQ(Chart->SeriesMaxX(Chart->DepthAxis()), 2.5);
}

TEST_F(AxisPanelTest, SwappingSeriesOfOneGroupSwapsThemInTheGroupToo) {
    auto* a = NewSeries();
    auto* b = NewSeries();
    auto* c = NewSeries();
    TSeriesGroup* g = Chart->SeriesList().AddGroup("Pair");
    g->Add(a);
    g->Add(c);
    Chart->SwapSeries(a, c);
    EXPECT_EQ(Chart->GetSeries(0), c);
    EXPECT_EQ(Chart->GetSeries(2), a);
    EXPECT_EQ(g->Series()[0], c);
    EXPECT_EQ(Chart->Events.back(), "series 4");
    EXPECT_LT(c->ComponentIndex(), a->ComponentIndex());  // the order of ownership follows
    Chart->SwapSeries(a, b);                              // b is in no group
    EXPECT_EQ(g->Series()[1], a);
}

TEST_F(AxisPanelTest, DepthSizes) {
    Chart->SetBounds(0, 0, 400, 300);
    Chart->SetChartRect(TRect{0, 0, 400, 300});
    Chart->RecomputeChartSize();
    Chart->SetChart3DPercent(25);
    Chart->DepthRowCount = 1;  // two rows
    struct {
        bool view3D, orthogonal;
        int angle, rowSize, rowHeight;
    } cases[] = {
        {false, true, 45, 0, 0},
        {true, true, 45, 10, 10},   // 400 x 0.025
        {true, true, 60, 6, 10},    // a slope above 1 shortens the row and lifts it
        {true, false, 45, 20, 20},  // a perspective view takes twice the depth
    };
    for (auto c : cases) {
        Chart->SetView3D(c.view3D);
        Chart->View3DOptions()->SetOrthogonal(c.orthogonal);
        Chart->View3DOptions()->SetOrthoAngle(c.angle);
        Chart->CalcDepthSizes();
        EXPECT_EQ(Chart->DepthRowSize, c.rowSize) << c.angle;
        EXPECT_EQ(Chart->DepthRowHeight, c.rowHeight) << c.angle;
        EXPECT_EQ(Chart->Width3D(), 2 * c.rowSize);
        EXPECT_EQ(Chart->Height3D(), 2 * c.rowHeight);
    }  // The ordinary front view never shows a plane from behind.
    EXPECT_FALSE(Chart->IsSeenFromBehindAt(0));
    EXPECT_FALSE(Chart->IsSeenFromBehindAt(Chart->Width3D()));
}

class ThrowingPrintChart : public TTestChart {
public:
    using TTestChart::TTestChart;
    int FailOnPage = 0;

protected:
    void InternalDraw(const TRect&) override {
        Drawn.push_back(CurrentPage());
        if (CurrentPage() == FailOnPage) throw Exception("boom");
    }

public:
    std::vector<int> Drawn;
};

TEST_F(AxisPanelTest, PrintPagesPrintsEachPageAndRestoresTheCurrentOne) {
    TPrinter printer;
    auto device = std::make_unique<TImagePrinterDevice>("Sheets", 20, TSize{5080, 2540});
    TImagePrinterDevice* sheets = device.get();
    printer.AddDevice(std::move(device));
    TPrinter* former = SetPrinter(&printer);
    struct TRestore {
        TPrinter* p;
        ~TRestore() { SetPrinter(p); }
    } restore{former};

    ThrowingPrintChart chart(nullptr);
    chart.SetName("Plot");
    chart.SetBounds(0, 0, 200, 100);
    auto* s = new TTestSeries(&Form);
    chart.AddSeries(s);
    for (int i = 0; i < 25; ++i) s->AddY(i);
    chart.Pages()->SetMaxPointsPerPage(10);
    chart.Pages()->SetCurrent(2);
    chart.PrintPages();
    EXPECT_EQ(chart.Drawn, (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(sheets->Pages().size(), 3u);
    EXPECT_EQ(sheets->Title(), "Plot");
    EXPECT_EQ(chart.CurrentPage(), 2);

    chart.Drawn.clear();
    chart.FailOnPage = 2;
    EXPECT_THROW(chart.PrintPages(0, 3), Exception);
    EXPECT_EQ(chart.Drawn, (std::vector<int>{1, 2}));
    EXPECT_FALSE(printer.Printing());
    EXPECT_EQ(chart.CurrentPage(), 2);
    EXPECT_EQ(sheets->Pages().size(), 3u);  // the aborted job left the last one as it was
}

}  // namespace
