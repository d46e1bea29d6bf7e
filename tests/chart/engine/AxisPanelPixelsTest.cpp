// One whole drawing pass onto real pixels: a 2-D chart with a title, two series of filled
// squares, its axes, grid and value labels and the frame of its back wall, compared with a
// reference image checked in beside this file (ReferenceImage.h says how it is compared and
// rewritten). The texts are the title above the plot and the labels left of and below it.
#include <gtest/gtest.h>

#include <string>

#include "ChartStubs.h"
#include "ReferenceImage.h"
#include "chart/engine/Chart.h"
#include "chart/engine/ChartTitle.h"
#include "chart/foundation/TeeFont.h"
#include "platform/graphics/Bitmap.h"
#include "platform/rtl/FormatSettings.h"

namespace {

constexpr int ImageWidth = 200;
constexpr int ImageHeight = 150;

class AxisPanelPixelsTest : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterTestChartClasses();
        Chart->SetBounds(0, 0, ImageWidth, ImageHeight);
        Chart->SetView3D(false);
        // Nothing taken from the desktop's colour scheme: a white panel without bevels.
        Chart->SetColor(clWhite);
        Chart->SetBevelOuter(bvNone);
        Chart->SetBevelInner(bvNone);
        Chart->Legend()->SetVisible(false);
        Chart->Title()->SetCaption("Emissivity");
        for (TTeeFont* font : {Chart->LeftAxis()->LabelsFont(), Chart->BottomAxis()->LabelsFont(),
                               Chart->Title()->Font()}) {
            font->SetName("Arial");
            font->SetSize(8);
        }
        Chart->LeftAxis()->LabelsFont()->SetColor(clBlack);
        Chart->BottomAxis()->LabelsFont()->SetColor(clBlack);
        // Fixed ranges with room around the squares, so that none is clipped at an edge.
        Chart->LeftAxis()->SetLimits(0, 100);
        Chart->BottomAxis()->SetLimits(-0.5, 5.5);
        // Rising red squares over falling blue ones, crossing in the middle.
        const double red[] = {10, 35, 20, 60, 45, 90};
        AddSeries(clRed, red);
        const double blue[] = {80, 70, 50, 55, 25, 5};
        AddSeries(clBlue, blue);
    }
    template <size_t N>
    void AddSeries(TColor colour, const double (&values)[N]) {
        auto* s = new TTestSquareSeries(&Form);
        Chart->AddSeries(s);
        s->SetSeriesColor(colour);
        for (size_t i = 0; i < N; ++i) s->AddXYPoint(double(i), values[i]);
    }

    TFormatSettingsGuard PinnedFormats{TFormatSettings{}};
    TComponent Form{nullptr};
    TChart* Chart = new TChart(&Form);
};

TEST_F(AxisPanelPixelsTest, TitleTwoSeriesAxesGridAndLabelsMatchTheReference) {
    TBitmap actual(ImageWidth, ImageHeight);
    actual.SetPixelFormat(pf24bit);
    Chart->Draw(actual.Canvas(), TRect{0, 0, ImageWidth, ImageHeight});
    const TRect& r = Chart->ChartRect();
    const int outside = Chart->LeftAxis()->TickLength() + 1;  // the ticks and the axis line
    const int leftEnd = r.Left - outside;
    const int bottomStart = r.Bottom + outside;
    const int titleEnd = Chart->Title()->GetTitleRect().Bottom + 1;
    // The bands hold only texts: the plot with its axes lies wholly outside them.
    ASSERT_GT(leftEnd, 5);
    ASSERT_LT(bottomStart, ImageHeight - 5);
    ASSERT_GT(titleEnd, 5);
    ASSERT_LT(titleEnd, r.Top);
    ExpectMatchesReference(actual, "AxisPanelPixels.bmp", [&](int x, int y) {
        return x < leftEnd || y >= bottomStart || y < titleEnd;
    });
}

}  // namespace
