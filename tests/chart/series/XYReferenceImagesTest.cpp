// One whole chart of each extended XY series onto real pixels, compared with reference images
// checked in under tests/chart/series/data (tests/chart/engine/ReferenceImage.h says how they
// are compared and rewritten). No text is drawn, so the pictures depend on no font; the figures
// are integer geometry and must match exactly, except the arrows and the ellipses, whose edges
// pass through square roots: there each pixel must find its colour within one pixel.
#include <gtest/gtest.h>

#include <string>

#include "chart/engine/Chart.h"
#include "chart/engine/ChartAxis.h"
#include "chart/engine/ChartLegend.h"
#include "chart/engine/ChartTitle.h"
#include "chart/engine/SeriesMarks.h"
#include "chart/foundation/ChartPen.h"
#include "chart/series/xy/ArrowSeries.h"
#include "chart/series/xy/BubbleSeries.h"
#include "chart/series/xy/ChartShape.h"
#include "chart/series/xy/ErrorBarSeries.h"
#include "chart/series/xy/GanttSeries.h"
#include "chart/series/xy/HighLowLineSeries.h"
#include "chart/series/xy/HighLowSeries.h"
#include "chart/series/xy/ImageBarSeries.h"
#include "platform/graphics/Bitmap.h"
#include "tests/chart/engine/ReferenceImage.h"
#include "tests/chart/series/SeriesLibraryStartup.h"

namespace {

constexpr int XYImageWidth = 160;
constexpr int XYImageHeight = 120;

class XYReferenceImagesTest : public ::testing::Test {
protected:
    void SetUp() override {
        Chart->SetBounds(0, 0, XYImageWidth, XYImageHeight);
        Chart->SetView3D(false);
        Chart->SetColor(clWhite);
        Chart->SetBevelOuter(bvNone);
        Chart->SetBevelInner(bvNone);
        Chart->Title()->SetVisible(false);
        Chart->Legend()->SetVisible(false);
        for (TChartAxis* axis : {Chart->LeftAxis(), Chart->BottomAxis()}) {
            axis->SetLabels(false);
            axis->Title()->SetCaption("");
        }
    }
    template <class S>
    S* Add() {
        auto* s = new S(&Form);
        Chart->AddSeries(s);
        s->Marks()->SetVisible(false);
        return s;
    }
    void Check(const std::string& name, bool exact) {
        TBitmap actual(XYImageWidth, XYImageHeight);
        actual.SetPixelFormat(pf24bit);
        Chart->Draw(actual.Canvas(), TRect{0, 0, XYImageWidth, XYImageHeight});
        ExpectMatchesReference(actual, name, [exact](int, int) { return !exact; });
    }

    TSeriesLibraryStartup Library;
    TComponent Form{nullptr};
    TChart* Chart = new TChart(&Form);
};

TEST_F(XYReferenceImagesTest, GanttChart) {
    auto* s = Add<TGanttSeries>();
    s->Pointer()->SetDraw3D(false);
    s->AddTaskColor(0, 4, 0, {}, clRed);
    s->AddTaskColor(5, 9, 1, {}, clGreen);
    s->AddTaskColor(3, 7, 2, {}, clBlue);
    s->NextTask().SetValue(0, 2);
    s->ConnectingPen()->SetColor(clBlack);
    Check("GanttChart.bmp", true);
}

TEST_F(XYReferenceImagesTest, ShapeChart) {
    auto* rect = Add<TChartShape>();
    rect->SetStyle(chasRectangle);
    rect->SetSeriesColor(clYellow);
    auto* diamond = Add<TChartShape>();
    diamond->SetStyle(chasDiamond);
    diamond->SetSeriesColor(clFuchsia);
    diamond->SetX0(40);
    diamond->SetY0(20);
    diamond->SetX1(90);
    diamond->SetY1(80);
    Check("ShapeChart.bmp", true);
}

TEST_F(XYReferenceImagesTest, ErrorBarChart) {
    auto* s = Add<TErrorBarSeries>();
    s->SetColorEachPoint(true);
    s->ErrorPen()->SetWidth(2);
    const double values[] = {3, -2, 5, 4};
    const TColor colours[] = {clRed, clGreen, clBlue, clFuchsia};
    for (int i = 0; i < 4; ++i) s->AddErrorPoint(i, values[i], 1, {}, colours[i]);
    Check("ErrorBarChart.bmp", true);
}

TEST_F(XYReferenceImagesTest, HighLowChart) {
    auto* band = Add<THighLowSeries>();
    band->HighBrush()->SetStyle(bsSolid);
    band->SetSeriesColor(clAqua);
    const double highs[] = {5, 7, 6, 8, 7}, lows[] = {2, 3, 4, 3, 5};
    for (int i = 0; i < 5; ++i) band->AddHighLow(i, highs[i], lows[i]);
    auto* lines = Add<THighLowLineSeries>();
    lines->SetSeriesColor(clRed);
    for (int i = 0; i < 5; ++i) lines->AddHighLow(i + 0.5, highs[i] - 1, lows[i] + 1);
    Check("HighLowChart.bmp", true);
}

TEST_F(XYReferenceImagesTest, ArrowChart) {
    auto* s = Add<TArrowSeries>();
    s->SetArrowWidth(10);
    s->SetArrowHeight(10);
    s->AddArrow(0, 0, 10, 10, {}, clRed);
    s->AddArrow(10, 0, 0, 6, {}, clBlue);
    s->AddArrow(2, 10, 8, 10, {}, clGreen);
    Check("ArrowChart.bmp", false);
}

TEST_F(XYReferenceImagesTest, BubbleChart) {
    auto* s = Add<TBubbleSeries>();
    s->Pointer()->SetDraw3D(false);
    s->AddBubble(1, 5, 2, {}, clRed);
    s->AddBubble(4, 8, 1, {}, clGreen);
    s->AddBubble(7, 4, 3, {}, clBlue);
    Check("BubbleChart.bmp", false);
}

TEST_F(XYReferenceImagesTest, ImageBarChart) {
    auto* s = Add<TImageBarSeries>();
    s->SetImageTiled(true);
    const double values[] = {3, 7, 5};
    for (int i = 0; i < 3; ++i) s->AddXYPoint(i, values[i]);
    Check("ImageBarChart.bmp", true);
}

}  // namespace
