// One whole drawing pass onto real pixels: a 2-D chart with two series of filled squares, its
// axes, grid and value labels, compared with a reference image checked in beside this file.
// The chart title is not part of it: this chart draws no titles and no walls.
//
// Outside the label bands the image must match exactly. Inside them the glyphs' edges may be
// rasterised differently from one machine to the next (font engine, hinting), so there each pixel
// must find its colour within one pixel of the same place in the other image, both ways round:
// a missing, moved or different label still fails.
//
// The reference is written only on request: run the test with KV_WRITE_REFERENCE_IMAGES=1 in the
// environment to (re)write tests/chart/engine/data/AxisPanelPixels.bmp, look at the picture, and
// commit it. A normal run never writes it and fails when it is missing.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "ChartStubs.h"
#include "chart/foundation/Canvas3D.h"
#include "chart/foundation/TeeFont.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/GraphicFormats.h"
#include "platform/rtl/FormatSettings.h"

namespace {

constexpr int ImageWidth = 200;
constexpr int ImageHeight = 150;
const std::string ReferenceFile = std::string(KV_CHART_ENGINE_DATA) + "/AxisPanelPixels.bmp";

// A square of seven pixels, filled with the point's colour, centred on each point.
class TSquareSeries : public TTestSeries {
public:
    using TTestSeries::TTestSeries;
    void DrawValue(int i) override {
        TCanvas3D* canvas = ParentChart()->Canvas3D();
        canvas->Brush()->SetStyle(bsSolid);
        canvas->Brush()->SetColor(ValueColor(i));
        const int x = PointXPixel(i);
        const int y = PointYPixel(i);
        canvas->FillRectangle(TRect{x - 3, y - 3, x + 4, y + 4});
    }
};

// Where texts go: the band left of the left axis's ticks and the band below the bottom axis's.
struct TTextBands {
    int LeftEnd = 0;      // x < LeftEnd
    int BottomStart = 0;  // y >= BottomStart
    bool Contains(int x, int y) const { return x < LeftEnd || y >= BottomStart; }
};

uint32_t PixelAt(const TBitmap& b, int x, int y) {
    const uint8_t* p = b.ScanLine(y) + 3 * x;
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16;
}

bool Near(uint32_t a, uint32_t b) {
    constexpr int tolerance = 48;  // per channel: a glyph edge's shade, not another colour
    for (int shift = 0; shift < 24; shift += 8)
        if (std::abs(int((a >> shift) & 0xFF) - int((b >> shift) & 0xFF)) > tolerance) return false;
    return true;
}

// Whether `other` has a colour near a's pixel at (x, y) within one pixel of it.
bool FoundNearby(const TBitmap& a, const TBitmap& other, int x, int y) {
    const uint32_t colour = PixelAt(a, x, y);
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
            const int ox = x + dx;
            const int oy = y + dy;
            if (ox >= 0 && oy >= 0 && ox < ImageWidth && oy < ImageHeight &&
                Near(colour, PixelAt(other, ox, oy)))
                return true;
        }
    return false;
}

class AxisPanelPixelsTest : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterTestChartClasses();
        RegisterStandardGraphicFormats();  // the bitmap's file form
        Chart->SetBounds(0, 0, ImageWidth, ImageHeight);
        Chart->SetView3D(false);
        // Nothing taken from the desktop's colour scheme: a white panel without bevels.
        Chart->SetColor(clWhite);
        Chart->SetBevelOuter(bvNone);
        Chart->SetBevelInner(bvNone);
        for (TChartAxis* axis : {Chart->LeftAxis(), Chart->BottomAxis()}) {
            axis->LabelsFont()->SetName("Arial");
            axis->LabelsFont()->SetSize(8);
            axis->LabelsFont()->SetColor(clBlack);
        }
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
        auto* s = new TSquareSeries(&Form);
        Chart->AddSeries(s);
        s->SetSeriesColor(colour);
        for (size_t i = 0; i < N; ++i) s->AddXYPoint(double(i), values[i]);
    }
    TTextBands Bands() const {
        const TRect& r = Chart->ChartRect();
        const int outside = Chart->LeftAxis()->TickLength() + 1;  // the ticks and the axis line
        return TTextBands{r.Left - outside, r.Bottom + outside};
    }

    TFormatSettingsGuard PinnedFormats{TFormatSettings{}};
    TComponent Form{nullptr};
    TTestChart* Chart = new TTestChart(&Form);
};

TEST_F(AxisPanelPixelsTest, TwoSeriesWithAxesGridAndLabelsMatchTheReference) {
    TBitmap actual(ImageWidth, ImageHeight);
    actual.SetPixelFormat(pf24bit);
    Chart->Draw(actual.Canvas(), TRect{0, 0, ImageWidth, ImageHeight});
    const TTextBands bands = Bands();
    // The bands hold only the labels: the plot with its axes lies wholly outside them.
    ASSERT_GT(bands.LeftEnd, 5);
    ASSERT_LT(bands.BottomStart, ImageHeight - 5);

    if (const char* write = std::getenv("KV_WRITE_REFERENCE_IMAGES"); write && *write == '1') {
        std::filesystem::create_directories(KV_CHART_ENGINE_DATA);
        actual.SaveToFile(ReferenceFile);
        GTEST_SKIP() << "wrote " << ReferenceFile;
    }
    ASSERT_TRUE(std::filesystem::exists(ReferenceFile))
        << ReferenceFile << " is missing; KV_WRITE_REFERENCE_IMAGES=1 writes it";
    TBitmap expected;
    expected.LoadFromFile(ReferenceFile);
    expected.SetPixelFormat(pf24bit);
    ASSERT_EQ(expected.Width(), ImageWidth);
    ASSERT_EQ(expected.Height(), ImageHeight);

    int exactMisses = 0;
    int textMisses = 0;
    std::string first;  // where the first difference lies, for the message
    for (int y = 0; y < ImageHeight; ++y)
        for (int x = 0; x < ImageWidth; ++x) {
            bool same;
            if (bands.Contains(x, y)) {
                same = FoundNearby(expected, actual, x, y) && FoundNearby(actual, expected, x, y);
                textMisses += same ? 0 : 1;
            } else {
                same = PixelAt(expected, x, y) == PixelAt(actual, x, y);
                exactMisses += same ? 0 : 1;
            }
            if (!same && first.empty()) first = std::to_string(x) + "," + std::to_string(y);
        }
    EXPECT_EQ(exactMisses, 0) << "pixels differ outside the label bands, first at " << first;
    EXPECT_EQ(textMisses, 0) << "labels differ beyond the rasterisation tolerance, first at "
                             << first;
}

}  // namespace
