// The vector 3-D series: vectors stored with their ends, ranges that hold both ends, each vector
// drawn to the depth of its own end, and its arrowheads along the vector in every direction.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "Chart3DDrawFixture.h"
#include "chart/engine/grid3d/Vector3DSeries.h"
#include "chart/foundation/ChartPen.h"

namespace {

// A stroke from a MoveTo or the previous LineTo to a LineTo, in the pen's colour.
struct TStroke {
    int X0, Y0, X1, Y1;
    TColor Color;
    bool operator==(const TStroke&) const = default;
};

void PrintTo(const TStroke& s, std::ostream* os) {
    *os << "(" << s.X0 << "," << s.Y0 << ")-(" << s.X1 << "," << s.Y1 << ") $" << std::hex
        << uint32_t(s.Color) << std::dec;
}

class Vector3DSeriesTest : public TChart3DDrawFixture<> {
protected:
    void SetUp() override {
        TChart3DDrawFixture::SetUp();
        Chart->AddSeries(Series);
    }
    std::vector<TStroke> Drawn() {
        DrawSeries(*Series);
        std::vector<TStroke> out;
        int x = 0, y = 0;
        for (const TCanvas3DCall& c : Canvas->Calls()) {
            if (c.Op == "LineTo") out.push_back({x, y, c.Args[0], c.Args[1], c.PenColor});
            if (c.Op == "MoveTo" || c.Op == "LineTo") {
                x = c.Args[0];
                y = c.Args[1];
            }
        }
        return out;
    }

    TVector3DSeries* Series = new TVector3DSeries(&Form);
};

TEST_F(Vector3DSeriesTest, VectorsKeepTheirEndsAndWidenTheRanges) {
    EXPECT_EQ(Series->AddVector(5, 1, 2, -3, 9, 20), 0);
    EXPECT_EQ(Series->AddVector(1, 4, -6, 2, 0, 0), 1);
    // Insertion order: the ends stay with their starts.
    EXPECT_EQ(Series->EndXValues()[0], -3);
    EXPECT_EQ(Series->EndZValues()[1], 0);
    EXPECT_EQ(Series->GetMinXValue(), -3);
    EXPECT_EQ(Series->GetMaxXValue(), 5);
    EXPECT_EQ(Series->GetMinYValue(), 0);
    EXPECT_EQ(Series->GetMaxYValue(), 9);
    EXPECT_EQ(Series->GetMinZValue(), -6);
    EXPECT_EQ(Series->GetMaxZValue(), 20);
    // A refused vector leaves every list as it was.
    Series->OnBeforeAdd = [](TChartSeries&) { return false; };
    EXPECT_EQ(Series->AddVector(0, 0, 0, 100, 100, 100), -1);
    EXPECT_EQ(Series->EndXValues().Count(), 2);
    EXPECT_EQ(Series->GetMaxZValue(), 20);
}

TEST_F(Vector3DSeriesTest, EachVectorEndsAtTheDepthOfItsOwnEnd) {
    Chart->SetView3D(true);
    Series->StartArrow()->SetVisible(false);
    Series->EndArrow()->SetVisible(false);
    // Two vectors alike but for the depth of their ends.
    Series->AddVector(0, 0, 0, 10, 10, 2);
    Series->AddVector(0, 0, 0, 10, 10, 30);
    const std::vector<TStroke> drawn = Drawn();
    ASSERT_EQ(drawn.size(), 2u);
    const int x = Series->XValueToPixel(10), y = Series->YValueToPixel(10);
    for (int i = 0; i < 2; ++i) {
        const TPoint end =
            Canvas->ProjectPoint(x, y, Chart->DepthAxis()->PixelOfValue(Series->EndZValues()[i]));
        EXPECT_EQ(TPoint(drawn[i].X1, drawn[i].Y1), end) << "vector " << i;
        const TPoint start = Canvas->ProjectPoint(Series->PointXPixel(i), Series->PointYPixel(i),
                                                  Series->PointZPixel(i));
        EXPECT_EQ(TPoint(drawn[i].X0, drawn[i].Y0), start) << "vector " << i;
    }
    EXPECT_NE(TPoint(drawn[0].X1, drawn[0].Y1), TPoint(drawn[1].X1, drawn[1].Y1));
    EXPECT_NE(Chart->DepthAxis()->PixelOfValue(2), Chart->DepthAxis()->PixelOfValue(30));
}

// Heads of half-spread 5 and length 3 on vectors of every direction: the end head opens back
// along the vector, the start head points the same way.
TEST_F(Vector3DSeriesTest, ArrowheadsLieAlongTheVector) {
    struct TCase {
        const char* Name;
        double Dx, Dy;       // the end from the start, in axis values
        int Ax, Ay, Bx, By;  // the head's two outer points, in pixels from its tip
    };
    const TCase cases[] = {
        {"right", 40, 0, -3, -5, -3, 5}, {"up", 0, 40, -5, 3, 5, 3},
        {"left", -40, 0, 3, 5, 3, -5},   {"down", 0, -40, 5, -3, -5, -3},
        {"none", 0, 0, -3, -5, -3, 5},  // atan2(0, 0): the head of a rightward vector
    };
    Series->SetArrowHeight(5);
    Series->SetArrowWidth(3);
    Series->StartArrow()->SetVisible(true);
    Series->StartArrow()->SetColor(clRed);
    for (const TCase& c : cases) {
        Series->Clear();
        Series->AddVector(100, 100, 0, 100 + c.Dx, 100 + c.Dy, 0, {}, clBlue);
        Series->AddVector(0, 0, 0, 200, 200, 0, {}, clNone);  // fixes the ranges
        const std::vector<TStroke> drawn = Drawn();
        ASSERT_EQ(drawn.size(), 5u) << c.Name;
        const TStroke& line = drawn[0];
        // The vector itself, in the direction asked for.
        EXPECT_EQ(line.Color, clBlue);
        EXPECT_EQ((line.X1 > line.X0) - (line.X1 < line.X0), (c.Dx > 0) - (c.Dx < 0)) << c.Name;
        EXPECT_EQ((line.Y1 < line.Y0) - (line.Y1 > line.Y0), (c.Dy > 0) - (c.Dy < 0)) << c.Name;
        auto head = [&](int x, int y, TColor color) {
            return std::vector<TStroke>{{x + c.Ax, y + c.Ay, x, y, color},
                                        {x, y, x + c.Bx, y + c.By, color}};
        };
        std::vector<TStroke> want{line};
        for (const TStroke& s : head(line.X0, line.Y0, clRed)) want.push_back(s);
        for (const TStroke& s : head(line.X1, line.Y1, clBlue)) want.push_back(s);
        EXPECT_EQ(drawn, want) << c.Name;
    }
}

TEST_F(Vector3DSeriesTest, NullVectorsAreNotDrawn) {
    Series->AddVector(0, 0, 0, 1, 1, 0);
    Series->AddVector(1, 1, 0, 2, 2, 0, {}, clNone);
    EXPECT_EQ(Drawn().size(), 3u);  // the line and the end head of the first
}

TEST_F(Vector3DSeriesTest, SamplesCopiesAndArrowSettings) {
    Series->FillSampleValues();
    EXPECT_EQ(Series->Count(), 250);
    EXPECT_EQ(Series->EndZValues().Count(), 250);
    auto* copy = new TVector3DSeries(&Form);
    Series->SetArrowHeight(9);
    Series->EndArrow()->SetColor(clGreen);
    copy->Assign(Series);
    EXPECT_EQ(copy->ArrowHeight(), 9);
    EXPECT_EQ(copy->EndArrow()->Color(), clGreen);
    EXPECT_EQ(copy->StartArrow()->Color(), clDefault);
    EXPECT_FALSE(copy->StartArrow()->Visible());
    EXPECT_TRUE(copy->CanCopyFrom(*Series));
    EXPECT_FALSE(copy->CanCopyFrom(*new TTestSeries(&Form)));
}

}  // namespace
