// A whole chart onto real pixels, dressed as the program's result plots are: a title, axis
// titles, two line series with circle pointers and a legend below the plot with check boxes,
// the second series switched off, compared with a reference image checked in beside this file
// (ReferenceImage.h says how it is compared and rewritten). The texts, symbols and check boxes lie
// in the title, the legend and the bands left of and below the plot.
#include <gtest/gtest.h>

#include <string>

#include "ChartStubs.h"
#include "ReferenceImage.h"
#include "chart/engine/Chart.h"
#include "chart/engine/ChartTitle.h"
#include "chart/engine/LineSeries.h"
#include "chart/engine/SeriesLegendPaint.h"
#include "chart/engine/SeriesPointer.h"
#include "chart/foundation/TeeFont.h"
#include "platform/graphics/Bitmap.h"
#include "platform/rtl/FormatSettings.h"

namespace {

constexpr int ImageWidth = 320;
constexpr int ImageHeight = 240;

TEST(ChartPixels, TitleAxisTitlesSeriesAndCheckBoxLegendMatchTheReference) {
    RegisterTestChartClasses();
    const TFormatSettingsGuard pinned{TFormatSettings{}};
    TComponent form(nullptr);
    auto* chart = new TChart(&form);
    chart->SetBounds(0, 0, ImageWidth, ImageHeight);
    chart->SetView3D(false);
    chart->SetColor(clWhite);
    chart->SetBevelOuter(bvNone);
    chart->SetBevelInner(bvNone);
    chart->Title()->SetCaption("Effective emissivity");
    chart->LeftAxis()->Title()->SetCaption("EE");
    chart->BottomAxis()->Title()->SetCaption("Wavelength");
    chart->Legend()->SetAlignment(laBottom);
    chart->Legend()->SetCheckBoxes(true);
    for (TTeeFont* font :
         {chart->Title()->Font(), chart->Legend()->Font(), chart->LeftAxis()->LabelsFont(),
          chart->BottomAxis()->LabelsFont(), chart->LeftAxis()->Title()->Font(),
          chart->BottomAxis()->Title()->Font()}) {
        font->SetName("Arial");
        font->SetSize(8);
    }
    chart->LeftAxis()->SetLimits(0, 1);
    chart->BottomAxis()->SetLimits(0, 11);
    const struct {
        const char* Title;
        TColor Colour;
        double Start, Step;
    } series[] = {{"Cone", clRed, 0.95, -0.05}, {"Cylinder", clBlue, 0.2, 0.06}};
    for (const auto& s : series) {
        auto* added = new TLineSeries(&form);
        chart->AddSeries(added);
        added->SetTitle(s.Title);
        added->SetSeriesColor(s.Colour);
        added->Pointer()->SetVisible(true);
        added->Pointer()->SetStyle(psCircle);
        added->Pointer()->SetSize(3);
        for (int i = 1; i <= 10; ++i) added->AddXYPoint(i, s.Start + s.Step * i);
    }
    chart->GetSeries(1)->SetActive(false);  // unchecked in the legend, not drawn

    TBitmap actual(ImageWidth, ImageHeight);
    actual.SetPixelFormat(pf24bit);
    chart->Draw(actual.Canvas(), TRect{0, 0, ImageWidth, ImageHeight});

    const TRect& r = chart->ChartRect();
    const int outside = chart->LeftAxis()->TickLength() + 1;  // the ticks and the axis line
    const TRect title = chart->Title()->GetTitleRect();
    const TRect legend = chart->Legend()->ShapeBounds();
    // The texts lie wholly outside the plot with its axes.
    ASSERT_LT(title.Bottom, r.Top);
    ASSERT_GT(legend.Top, r.Bottom + outside);
    ASSERT_GT(r.Left - outside, 5);
    auto within = [](const TRect& box, int x, int y) {
        return x >= box.Left - 1 && x <= box.Right + 1 && y >= box.Top - 1 && y <= box.Bottom + 1;
    };
    ExpectMatchesReference(actual, "ChartPixels.bmp", [&](int x, int y) {
        return x < r.Left - outside || y >= r.Bottom + outside || within(title, x, y) ||
               within(legend, x, y);
    });
}

// A series whose values are all equal gets one left-axis label; the band left of the plot
// holds it whole, beside the axis title and inside the picture.
TEST(ChartPixels, TheOneLabelOfEqualValuesHasItsRoom) {
    RegisterTestChartClasses();
    const TFormatSettingsGuard pinned{TFormatSettings{}};
    TComponent form(nullptr);
    auto* chart = new TChart(&form);
    chart->SetBounds(0, 0, ImageWidth, ImageHeight);
    chart->SetView3D(false);
    chart->LeftAxis()->Title()->SetCaption("EE");
    auto* series = new TLineSeries(&form);
    chart->AddSeries(series);
    for (int i = 1; i <= 5; ++i) series->AddXYPoint(i, 0.989746);

    TBitmap picture(ImageWidth, ImageHeight);
    chart->Draw(picture.Canvas(), TRect{0, 0, ImageWidth, ImageHeight});
    TChartAxis& axis = *chart->LeftAxis();
    picture.Canvas()->Font()->Assign(axis.LabelsFont());
    const int label = picture.Canvas()->TextWidth(axis.FormatLabel(0.989746));
    EXPECT_GE(axis.LabelsPosition() - axis.TitlePosition(), label);
    EXPECT_GT(axis.TitlePosition(), 0);
}

TEST(ChartPixels, ASeriesLegendSymbolPaintedOutsideAnyChart) {
    RegisterTestChartClasses();
    TComponent form(nullptr);
    auto* series = new TLineSeries(&form);
    series->SetSeriesColor(clRed);
    TBitmap bitmap;
    bitmap.SetSize(40, 20);
    bitmap.Canvas()->Brush()->SetColor(clWhite);
    bitmap.Canvas()->FillRect(Rect(0, 0, 40, 20));
    PaintSeriesLegend(*series, *bitmap.Canvas(), Rect(4, 4, 30, 16));
    EXPECT_EQ(series->ParentChart(), nullptr) << "left without a chart again";
    EXPECT_EQ(ColorToRGB(bitmap.Canvas()->Pixel(15, 10)), ColorToRGB(clRed));
    EXPECT_EQ(ColorToRGB(bitmap.Canvas()->Pixel(36, 10)), ColorToRGB(clWhite));
}

}  // namespace
