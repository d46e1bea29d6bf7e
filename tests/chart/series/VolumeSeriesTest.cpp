// The volume series: one line per point down to the base line (the axis bottom, the top of an
// inverted axis, or the origin), the pen selected once per run of one colour, its legend line
// and its clicks.
#include <gtest/gtest.h>

#include "chart/foundation/ChartPen.h"
#include "chart/foundation/View3DOptions.h"
#include "chart/series/price/VolumeSeries.h"
#include "tests/chart/series/PriceChartFixture.h"

namespace {

class VolumeSeriesTest : public PriceChartFixture {
protected:
    VolumeSeriesTest() {
        Series = Add<TVolumeSeries>();
        Series->AddXYPoint(100, 50);
        Series->AddXYPoint(200, 150, {}, clRed);
        Series->AddXYPoint(300, 120, {}, clRed);
    }
    std::string VLine(double x, double y, int base) const {
        return "MoveTo " + std::to_string(Series->XValueToPixel(x)) + " " +
               std::to_string(Series->YValueToPixel(y)) + "|LineTo " +
               std::to_string(Series->XValueToPixel(x)) + " " + std::to_string(base);
    }
    std::vector<std::string> Lines() const {
        std::vector<std::string> out;
        const std::vector<std::string> ops = Ops({"MoveTo", "LineTo"});
        for (size_t i = 0; i + 1 < ops.size(); i += 2) out.push_back(ops[i] + "|" + ops[i + 1]);
        return out;
    }
    TVolumeSeries* Series;
};

TEST_F(VolumeSeriesTest, LinesRunDownToTheBaseLine) {
    struct Case {
        const char* name;
        bool useOrigin;
        double origin;
        bool inverted;
    };
    const Case cases[] = {
        {"axis bottom", false, 0, false},
        {"inverted axis: its top", false, 0, true},
        {"origin, values below it draw downwards", true, 130, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Series->SetUseYOrigin(c.useOrigin);
        Series->SetYOrigin(c.origin);
        Chart->LeftAxis()->SetInverted(c.inverted);
        DrawPoints(*Series);
        const int base = c.useOrigin ? Series->YValueToPixel(c.origin) : c.inverted ? 20 : 280;
        EXPECT_EQ(Series->BaseLinePixel(), base);
        EXPECT_EQ(Lines(), (std::vector<std::string>{VLine(100, 50, base), VLine(200, 150, base),
                                                     VLine(300, 120, base)}));
    }
}

TEST_F(VolumeSeriesTest, PenChosenOncePerColourRun) {
    Series->LinePen()->SetWidth(3);
    Series->SetSeriesColor(clBlue);
    DrawPoints(*Series);
    const std::vector<TCanvas3DCall> lines = CallsOf("LineTo");
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].PenColor, clBlue);
    EXPECT_EQ(lines[1].PenColor, clRed);
    EXPECT_EQ(lines[2].PenColor, clRed);
    EXPECT_EQ(Canvas->PenColors, (std::vector<TColor>{clBlue, clRed}));
    // The first point of the next pass selects its pen again.
    DrawPoints(*Series);
    EXPECT_EQ(Canvas->PenColors, (std::vector<TColor>{clBlue, clRed}));
    EXPECT_EQ(Series->LinePen()->Color(), clBlue);  // the series colour is the pen's
}

TEST_F(VolumeSeriesTest, In3DLinesStandAtTheSeriesMiddleDepth) {
    Chart->SetView3D(true);
    Chart->View3DOptions()->SetOrthogonal(true);
    DrawPoints(*Series);
    const std::vector<std::string> lines = Lines();
    ASSERT_EQ(lines.size(), 3u);
    // Each line stays upright and keeps its length.
    const std::vector<TCanvas3DCall> moves = CallsOf("MoveTo"), ends = CallsOf("LineTo");
    for (size_t i = 0; i < 3; ++i) EXPECT_EQ(moves[i].Args[0], ends[i].Args[0]);
    EXPECT_EQ(ends[0].Args[1] - moves[0].Args[1],
              Series->BaseLinePixel() - Series->YValueToPixel(50));
}

TEST_F(VolumeSeriesTest, LegendLineAndClicks) {
    Draw();
    Canvas->ClearCalls();
    Series->DrawLegendShape(-1, TRect{10, 10, 30, 21});
    EXPECT_EQ(Lines(), std::vector<std::string>{"MoveTo 10 15|LineTo 30 15"});
    const int x = Series->XValueToPixel(200);
    EXPECT_EQ(Series->ValueIndexAt(x, Series->YValueToPixel(100)), 1);
    EXPECT_EQ(Series->ValueIndexAt(x, Series->YValueToPixel(160)), -1);  // above the line
    EXPECT_EQ(Series->ValueIndexAt(x + 5, Series->YValueToPixel(100)), -1);
}

}  // namespace
