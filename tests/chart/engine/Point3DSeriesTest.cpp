// The point 3-D series as the workbench draws its cavity profiles and rays (hidden pointer, wide
// line pen, points joined in insertion order), its depths, extremes and clicks, and the bubbles.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "ChartStubs.h"
#include "chart/engine/Chart.h"
#include "chart/engine/ChartLegend.h"
#include "chart/engine/SeriesLegendPaint.h"
#include "chart/engine/SeriesTypes.h"
#include "chart/engine/grid3d/Point3DSeries.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/LibraryTexts.h"
#include "platform/graphics/Bitmap.h"
#include "tests/chart/engine/WidthRecorder.h"
#include "tests/chart/foundation/RecordingCanvas3D.h"

namespace {

class Point3DSeriesTest : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterTestChartClasses();
        auto canvas = std::make_unique<TWidthRecorder>();
        Canvas = canvas.get();
        Chart->ReplaceCanvas(std::move(canvas));
        Chart->SetBounds(0, 0, 400, 300);
        Chart->SetView3D(false);
        Series = new TPoint3DSeries(&Form);
        Chart->AddSeries(Series);
    }
    // The workbench's look for outlines and rays.
    void WorkbenchLook() {
        Series->Pointer()->SetVisible(false);
        Series->LinePen()->SetWidth(3);
        Series->YValues().SetOrder(loNone);
        Series->ZValues().SetOrder(loNone);
    }
    std::vector<std::string> Drawn() {
        TBitmap target(400, 300);
        target.SetPixelFormat(pf24bit);
        Chart->Draw(target.Canvas(), TRect{0, 0, 400, 300});
        Canvas->ClearCalls();
        Canvas->Widths.clear();
        Series->ComputeVisibleRange();
        Series->DrawAllValues();
        std::vector<std::string> out;
        int x = 0, y = 0;
        for (const TCanvas3DCall& c : Canvas->Calls()) {
            if (c.Op == "MoveTo") {
                x = c.Args[0];
                y = c.Args[1];
            } else if (c.Op == "LineTo") {
                out.push_back(Pt(x, y) + "-" + Pt(c.Args[0], c.Args[1]));
                x = c.Args[0];
                y = c.Args[1];
            } else {
                out.push_back(c.Op);
            }
        }
        return out;
    }
    static std::string Pt(int x, int y) { return std::to_string(x) + "," + std::to_string(y); }
    std::string P(int i) const { return Pt(Series->PointXPixel(i), Series->PointYPixel(i)); }

    TComponent Form{nullptr};
    TTestChart* Chart = new TTestChart(&Form);
    TWidthRecorder* Canvas = nullptr;
    TPoint3DSeries* Series = nullptr;
};

TEST_F(Point3DSeriesTest, WorkbenchOutlineJoinsPointsInInsertionOrderSkippingNulls) {
    WorkbenchLook();
    // A closed profile that goes back on X: sorting by X would scramble it.
    const double xs[] = {0, 0, 5, 3, 3, 0}, ys[] = {0, 5, 7, 5, 0, 0};
    for (int i = 0; i < 6; ++i) Series->AddXYZValues(xs[i], ys[i], 0);
    Series->SetPointColor(2, clNone);
    const std::vector<std::string> drawn = Drawn();
    EXPECT_EQ(drawn, (std::vector<std::string>{P(0) + "-" + P(1), P(1) + "-" + P(3),
                                               P(3) + "-" + P(4), P(4) + "-" + P(5)}));
    EXPECT_EQ(Canvas->Widths, (std::vector<int>(4, 3)));
}

TEST_F(Point3DSeriesTest, NullFirstPointStartsTheLineAtTheFirstDrawnOne) {
    WorkbenchLook();
    for (int i = 0; i < 3; ++i) Series->AddXYZValues(i, i, 0);
    Drawn();  // a pass that leaves an end point behind
    Series->SetPointColor(0, clNone);
    const std::vector<std::string> drawn = Drawn();
    EXPECT_EQ(drawn, std::vector<std::string>{P(1) + "-" + P(2)});
}

TEST_F(Point3DSeriesTest, OnePointDrawsItsPointerAndNoLine) {
    Series->AddXYZValues(1, 1, 1);
    Series->Pointer()->SetStyle(psCircle);
    EXPECT_EQ(Drawn(), std::vector<std::string>{"Ellipse"});
}

TEST_F(Point3DSeriesTest, RefusedPointsAddNothing) {
    Series->OnBeforeAdd = [](TChartSeries& s) { return s.Count() < 1; };
    EXPECT_EQ(Series->AddXYZValues(5, 1, 2), 0);
    EXPECT_EQ(Series->AddXYZValues(1, 1, 2), -1);
    EXPECT_EQ(Series->Count(), 1);
    EXPECT_EQ(Series->ZValues().Count(), 1);
    Series->OnBeforeAdd = nullptr;
    // Insertion order: X is unordered.
    EXPECT_EQ(Series->AddXYZValues(1, 4, 9), 1);
    EXPECT_EQ(Series->ZValues()[1], 9);
}

TEST_F(Point3DSeriesTest, DepthExtremesAndDepths) {
    Series->AddXYZValues(0, 0, 2);
    Series->AddXYZValues(1, 1, 8);
    Series->SetDepthSize(4);
    EXPECT_EQ(Series->GetMaxZValue(), 12);
    EXPECT_EQ(Series->GetMinZValue(), 2);
    EXPECT_TRUE(Series->UsesAxis(Chart->DepthAxis()));
    // A depth size of 0 still gives the pointer two pixels of depth.
    Series->SetDepthSize(0);
    Chart->SetView3D(true);
    Drawn();
    Series->ComputePointDepth(1);
    EXPECT_EQ(Series->MidDepth, Series->PointZPixel(1));
    EXPECT_EQ(Series->FrontDepth, Series->MidDepth - 1);
    EXPECT_EQ(Series->BackDepth, Series->MidDepth + 1);
}

TEST_F(Point3DSeriesTest, BaseLineOnlyAbovetheAxisEnd) {
    Series->AddXYZValues(0, 0, 0);
    Series->AddXYZValues(1, 10, 0);
    Series->LinePen()->SetVisible(false);
    Series->Pointer()->SetVisible(false);
    Series->BaseLine()->SetVisible(true);
    // The lowest point's pointer bottom lies below the axis end: only the other has a drop line.
    const std::vector<std::string> drawn = Drawn();
    const int bottom = Chart->LeftAxis()->EndPos();
    const int x = Series->PointXPixel(1), y = Series->PointYPixel(1);
    EXPECT_EQ(drawn, std::vector<std::string>{Pt(x, y + 4) + "-" + Pt(x, bottom)});
}

TEST_F(Point3DSeriesTest, ClicksFindPointersOnlyWhenShown) {
    Series->AddXYZValues(0, 0, 0);
    Series->AddXYZValues(10, 10, 0);
    std::vector<int> clicked;
    Series->OnClickPointer = [&](TPoint3DSeries&, int i, int, int) { clicked.push_back(i); };
    Drawn();
    const int x = Series->PointXPixel(1), y = Series->PointYPixel(1);
    EXPECT_EQ(Series->ValueIndexAt(x + 3, y - 3), 1);
    EXPECT_EQ(clicked, std::vector<int>{1});
    EXPECT_EQ(Series->ValueIndexAt(x + 4, y), -1);
    Series->Pointer()->SetVisible(false);
    EXPECT_EQ(Series->ValueIndexAt(x, y), -1);
}

TEST_F(Point3DSeriesTest, BubbleRadiusWidensTheRanges) {
    auto* b = new TBubble3DSeries(&Form);
    Chart->AddSeries(b);
    b->AddBubble(0, 10, 5, 3);
    b->AddBubble(1, 20, 6, 8);
    EXPECT_EQ(b->GetMaxYValue(), 28);
    EXPECT_EQ(b->GetMinYValue(), 7);
    EXPECT_EQ(b->GetMaxZValue(), 14);
    EXPECT_EQ(b->GetMinZValue(), -2);
    EXPECT_TRUE(b->ColorEachPoint());
    EXPECT_FALSE(b->LinePen()->Visible());
    EXPECT_EQ(b->Pointer()->Style(), psCircle);
    std::vector<std::string> variants;
    b->ListGalleryVariants([&](const std::string& v) { variants.push_back(v); });
    EXPECT_EQ(variants.size(), 8u);  // no pointer shapes
}

// A continuous legend joins its symbols into one band: a 3-D series draws its symbol without an
// outline then, the fill covering the whole symbol.
TEST(Custom3DSeriesLegendTest, AContinuousLegendDrawsTheSymbolWithoutItsOutline) {
    RegisterTestChartClasses();
    TComponent form(nullptr);
    auto* chart = new TChart(&form);
    chart->SetBounds(0, 0, 60, 40);
    chart->SetView3D(false);
    auto* series = new TPoint3DSeries(&form);
    chart->AddSeries(series);
    series->Pointer()->SetVisible(false);
    series->SetSeriesColor(clRed);
    series->Pen()->SetColor(clBlue);
    const TRect symbol{10, 10, 30, 22};
    const struct {
        bool Continuous;
        TColor Edge;  // the symbol's left and right edges
    } cases[] = {{false, clBlue}, {true, clRed}};
    for (const auto& c : cases) {
        chart->Legend()->Symbol()->SetContinuous(c.Continuous);
        TBitmap target(60, 40);
        target.SetPixelFormat(pf24bit);
        PaintSeriesLegend(*series, *target.Canvas(), symbol);
        EXPECT_EQ(target.Canvas()->Pixel(10, 15), c.Edge) << c.Continuous;
        EXPECT_EQ(target.Canvas()->Pixel(20, 15), clRed) << c.Continuous;
        EXPECT_EQ(target.Canvas()->Pixel(29, 15), c.Edge) << c.Continuous;
    }
}

TEST_F(Point3DSeriesTest, RegisteredOnThe3DPage) {
    LoadExtendedTexts();
    Point3DSeriesUnitStartup();
    const TTeeSeriesType* point =
        SeriesTypeList().FindBySeriesClass(&TPoint3DSeries::StaticClass());
    const TTeeSeriesType* bubble =
        SeriesTypeList().FindBySeriesClass(&TBubble3DSeries::StaticClass());
    ASSERT_NE(point, nullptr);
    ASSERT_NE(bubble, nullptr);
    EXPECT_EQ(*point->DescriptionText, "Point 3D");
    EXPECT_EQ(*bubble->DescriptionText, "Bubble 3D");
    EXPECT_EQ(*point->PageText, "3D");
    EXPECT_EQ(point->SampleSeriesCount, 1);
    Point3DSeriesUnitShutdown();
    EXPECT_EQ(SeriesTypeList().FindBySeriesClass(&TPoint3DSeries::StaticClass()), nullptr);
}

}  // namespace
