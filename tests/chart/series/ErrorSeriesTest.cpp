// The error series: whiskers in six directions with their cross strokes, the stroke's width in
// percent or pixels, no whisker for an error of 0, the axes over the whisker ends (a negative
// bar's whisker pointing away from the origin), the colour shared with the error pen, and
// clicks within 3 pixels of a whisker.
#include <gtest/gtest.h>

#include "chart/foundation/ChartPen.h"
#include "chart/series/xy/ErrorBarSeries.h"
#include "chart/series/xy/ErrorSeries.h"
#include "tests/chart/series/PriceChartFixture.h"

namespace {

// Each MoveTo with its LineTo, as (x0, y0, x1, y1).
std::vector<std::vector<int>> SegmentsOf(const std::vector<TCanvas3DCall>& calls) {
    std::vector<std::vector<int>> out;
    for (size_t i = 0; i + 1 < calls.size(); ++i)
        if (calls[i].Op == "MoveTo" && calls[i + 1].Op == "LineTo")
            out.push_back(
                {calls[i].Args[0], calls[i].Args[1], calls[i + 1].Args[0], calls[i + 1].Args[1]});
    return out;
}

class ErrorSeriesTest : public PriceChartFixture {
protected:
    ErrorSeriesTest() {
        Errors = Add<TErrorSeries>();
        Errors->AddErrorPoint(200, 100, 20);
        Errors->SetErrorWidthUnits(ewuPixels);
        Errors->SetErrorWidth(10);
    }
    std::vector<std::vector<int>> Whiskers() {
        DrawPoints(*Errors);
        return SegmentsOf(Canvas->Calls());
    }
    int CentreX() const { return (Errors->BarBounds.Left + Errors->BarBounds.Right) / 2; }
    TErrorSeries* Errors;
};

TEST_F(ErrorSeriesTest, WhiskersInEveryDirection) {
    struct Case {
        TErrorSeriesStyle style;
        std::vector<std::vector<int>> expected;  // relative to (xc, yp): dx0, dy0, dx1, dy1
    };
    const Case cases[] = {
        {essTop, {{0, 0, 0, -20}, {-5, -20, 5, -20}}},
        {essBottom, {{0, 0, 0, 20}, {-5, 20, 5, 20}}},
        {essTopBottom, {{0, 0, 0, -20}, {-5, -20, 5, -20}, {0, 0, 0, 20}, {-5, 20, 5, 20}}},
        {essLeft, {{0, 0, -20, 0}, {-20, -5, -20, 5}}},
        {essRight, {{0, 0, 20, 0}, {20, -5, 20, 5}}},
        {essLeftRight, {{0, 0, -20, 0}, {-20, -5, -20, 5}, {0, 0, 20, 0}, {20, -5, 20, 5}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.style);
        Errors->SetErrorStyle(c.style);
        const std::vector<std::vector<int>> got = Whiskers();
        const int xc = CentreX(), yp = 280 - 100;
        std::vector<std::vector<int>> expected;
        for (const std::vector<int>& e : c.expected)
            expected.push_back({xc + e[0], yp + e[1], xc + e[2], yp + e[3]});
        EXPECT_EQ(got, expected);
    }
}

TEST_F(ErrorSeriesTest, StrokeWidthUnits) {
    Errors->SetErrorStyle(essTop);
    DrawPoints(*Errors);
    const int bar = Errors->BarBounds.Right - Errors->BarBounds.Left;
    ASSERT_GT(bar, 20);
    struct Case {
        int width;
        TErrorWidthUnits units;
        int stroke;
    };
    const Case cases[] = {
        {0, ewuPercent, bar},   {0, ewuPixels, bar},  // 0: the bar's whole width
        {30, ewuPixels, 30},    {50, ewuPercent, (bar + 1) / 2},
        {100, ewuPercent, bar},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.width);
        Errors->SetErrorWidth(c.width);
        Errors->SetErrorWidthUnits(c.units);
        EXPECT_EQ(Errors->StrokeWidth(bar), c.stroke);
        const std::vector<std::vector<int>> w = Whiskers();
        ASSERT_EQ(w.size(), 2u);
        EXPECT_EQ(w[1][2] - w[1][0], c.stroke / 2 * 2);
    }
}

TEST_F(ErrorSeriesTest, NoWhiskerForErrorZeroButTheBarStays) {
    Errors->ErrorValues().SetValue(0, 0);
    EXPECT_TRUE(Whiskers().empty());
    auto* bars = Add<TErrorBarSeries>();
    bars->AddErrorPoint(400, 100, 0);
    DrawPoints(*bars);
    EXPECT_EQ(CallsOf("Rectangle").size(), 1u);
    EXPECT_TRUE(CallsOf("LineTo").empty());
}

TEST_F(ErrorSeriesTest, ExtremesCoverTheWhiskerEnds) {
    auto* empty = Add<TErrorSeries>();
    EXPECT_EQ(empty->GetMinYValue(), 0);
    EXPECT_EQ(empty->GetMaxYValue(), 0);
    Errors->AddErrorPoint(300, 50, 5);
    EXPECT_EQ(Errors->GetMaxYValue(), 120);
    EXPECT_EQ(Errors->GetMinYValue(), 45);

    auto* bars = Add<TErrorBarSeries>();
    bars->AddErrorPoint(100, 60, 10);
    bars->AddErrorPoint(200, -40, 15);
    EXPECT_EQ(bars->GetMaxYValue(), 70);
    EXPECT_EQ(bars->GetMinYValue(), -55);
}

TEST_F(ErrorSeriesTest, NegativeBarsCarryTheirWhiskerDownwards) {
    Chart->LeftAxis()->SetLimits(-130, 130);
    Errors->SetActive(false);
    auto* bars = Add<TErrorBarSeries>();
    bars->AddErrorPoint(100, 60, 10);
    bars->AddErrorPoint(300, -40, 20);
    DrawPoints(*bars);
    const std::vector<std::vector<int>> w = SegmentsOf(Canvas->Calls());
    ASSERT_EQ(w.size(), 4u);
    EXPECT_EQ(w[0][3] - w[0][1], -10);  // up from the top of the positive bar
    EXPECT_EQ(w[2][3] - w[2][1], 20);   // down from the bottom of the negative one
    EXPECT_EQ(w[2][1], bars->YValueToPixel(-40));
}

TEST_F(ErrorSeriesTest, ColourCouplingOfThePlainSeriesOnly) {
    Errors->SetSeriesColor(clGreen);
    EXPECT_EQ(Errors->ErrorPen()->Color(), clGreen);
    TChartPen pen;
    pen.SetColor(clFuchsia);
    Errors->SetErrorPen(&pen);
    EXPECT_EQ(Errors->SeriesColor(), clFuchsia);
    DrawPoints(*Errors);
    EXPECT_EQ(CallsOf("LineTo")[0].PenColor, clFuchsia);

    auto* bars = Add<TErrorBarSeries>();
    bars->ErrorPen()->SetColor(clRed);
    bars->SetSeriesColor(clBlue);
    EXPECT_EQ(bars->ErrorPen()->Color(), clRed);
    bars->SetErrorPen(&pen);
    EXPECT_EQ(bars->SeriesColor(), clBlue);
}

TEST_F(ErrorSeriesTest, ClicksWithinThreePixelsOfAWhisker) {
    Errors->SetErrorStyle(essTopBottom);
    Draw();
    Errors->ComputeVisibleRange();
    const int px = Errors->PointXPixel(0), d = 5;  // stroke 10 pixels
    const int top = 280 - 120, bottom = 280 - 80, mid = 180;
    struct Case {
        int x, y, expected;
    };
    const Case cases[] = {
        {px + d, mid - 5, 0},                                // on the shaft
        {px + d + 4, mid - 5, 0},                            // 4 pixels aside: within 3 + 1
        {px + d + 5, mid - 5, -1}, {px + 2, top - 3, 0},     // over the top stroke
        {px + 2, top - 5, -1},     {px + 2, bottom + 4, 0},  // under the bottom one
    };
    for (const Case& c : cases)
        EXPECT_EQ(Errors->ValueIndexAt(c.x, c.y), c.expected) << c.x << " " << c.y;
}

}  // namespace
