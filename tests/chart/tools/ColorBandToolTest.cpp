// The colour band on the bench: values in either order draw the same band, a band outside the
// axis range draws nothing and takes no click, the drawing phase follows DrawBehind and
// DrawBehindAxes, the band's cursor and click, and its lines dragged to resize it.
#include <gtest/gtest.h>

#include <vector>

#include "chart/engine/ChartAxis.h"
#include "chart/foundation/TeeFilterPicture.h"
#include "chart/foundation/TeeGradient.h"
#include "chart/foundation/TeeZoom.h"
#include "chart/tools/axis/ColorBandTool.h"
#include "chart/tools/axis/ColorLineTool.h"
#include "platform/classes/Cursors.h"
#include "platform/graphics/Bitmap.h"
#include "tests/chart/tools/ToolBench.h"

namespace {

struct ColorBandToolTest : ::testing::Test {
    TToolBench bench;
    TColorBandTool* band = bench.AddTool<TColorBandTool>();
    ColorBandToolTest() {
        bench.AddSeries({{10, 10}, {90, 90}});
        band->SetAxis(&bench.Bottom());
        band->SetColor(clRed);
        band->SetStartValue(33);
        band->SetEndValue(57);
    }
    // A point inside the band, away from the grid lines.
    TPoint Inside() { return TPoint{bench.XPixel(45), bench.YPixel(33)}; }
};

TEST_F(ColorBandToolTest, ValuesInEitherOrderDrawTheSameBand) {
    for (const bool vertical : {false, true}) {
        for (const bool inverted : {false, true}) {
            SCOPED_TRACE(testing::Message()
                         << "vertical " << vertical << ", inverted " << inverted);
            TChartAxis& axis = vertical ? bench.Left() : bench.Bottom();
            axis.SetInverted(inverted);
            band->SetAxis(&axis);
            band->SetStartValue(33);
            band->SetEndValue(57);
            bench.Render();
            const std::vector<uint8_t> ordered = bench.FrontPixels();
            const TRect rect = band->BandRect();
            band->SetStartValue(57);
            band->SetEndValue(33);
            bench.Render();
            EXPECT_EQ(band->BandRect(), rect);
            EXPECT_EQ(bench.FrontPixels(), ordered);
            axis.SetInverted(false);
        }
    }
}

TEST_F(ColorBandToolTest, ABandOutsideTheAxisRangeDrawsNothingAndTakesNoClick) {
    int clicks = 0;
    band->OnClick = [&](TObject*, TMouseButton, TShiftState, int, int) { ++clicks; };
    band->SetActive(false);
    bench.Render();
    const std::vector<uint8_t> without = bench.FrontPixels();
    band->SetActive(true);
    for (const auto& [start, end] : {std::pair{120.0, 150.0}, std::pair{-40.0, -5.0}}) {
        band->SetStartValue(start);
        band->SetEndValue(end);
        bench.Render();
        EXPECT_EQ(bench.FrontPixels(), without) << start;
        EXPECT_TRUE(band->BandRect().IsEmpty());
        bench.Press(Inside().X, Inside().Y);
        bench.Release(Inside().X, Inside().Y);
    }
    EXPECT_EQ(clicks, 0);
    // In range it takes them.
    band->SetStartValue(33);
    band->SetEndValue(57);
    bench.Render();
    bench.Press(Inside().X, Inside().Y, mbRight);
    bench.Release(Inside().X, Inside().Y, mbRight);
    EXPECT_EQ(clicks, 1);
}

TEST_F(ColorBandToolTest, ItIsDrawnBehindTheAxesTheSeriesOrOverTheChart) {
    const struct {
        bool DrawBehind, DrawBehindAxes;
        int Phase;
    } cases[] = {{true, false, cteBeforeDrawSeries},
                 {false, false, cteAfterDraw},
                 {false, true, cteBeforeDrawAxes},
                 {true, true, cteBeforeDrawAxes}};
    TPhaseProbe* probe = bench.AddTool<TPhaseProbe>();
    probe->At = Inside();
    for (const auto& c : cases) {
        band->SetDrawBehind(c.DrawBehind);
        band->SetDrawBehindAxes(c.DrawBehindAxes);
        bench.Render();
        probe->At = Inside();
        probe->Seen.clear();
        bench.Render();
        EXPECT_EQ(probe->PhaseOfColor(clRed), c.Phase) << c.DrawBehind << c.DrawBehindAxes;
    }
}

TEST_F(ColorBandToolTest, ItsCursorShowsOverItAndClaimsTheMove) {
    TPhaseProbe* later = bench.AddTool<TPhaseProbe>();
    band->SetCursor(crHandPoint);
    bench.Render();
    bench.Move(Inside().X, Inside().Y);
    EXPECT_EQ(bench.Chart().Cursor(), crHandPoint);
    EXPECT_TRUE(later->Mouse.empty());
    bench.Move(bench.XPixel(80), Inside().Y);
    EXPECT_EQ(later->Mouse.size(), 1u);
}

TEST_F(ColorBandToolTest, ItsLinesResizeItWhenDragged) {
    int resized = 0;
    band->OnResized = [&](TObject*) { ++resized; };
    band->SetResizeStart(true);
    band->SetResizeEnd(true);
    bench.Render();
    const int y = Inside().Y;
    // The start line from 33 to the pixel of 20; the end line from 57 to that of 70.
    bench.Drag(bench.XPixel(33), y, bench.XPixel(20), y);
    EXPECT_EQ(band->StartValue(), bench.Bottom().ValueAtPixel(bench.XPixel(20)));
    bench.Drag(bench.XPixel(57), y, bench.XPixel(70), y);
    EXPECT_EQ(band->EndValue(), bench.Bottom().ValueAtPixel(bench.XPixel(70)));
    EXPECT_EQ(resized, 2);
    EXPECT_FALSE(bench.Chart().Zoom()->Active);
    // Lines not active are not dragged: the press is the chart's.
    band->SetResizeStart(false);
    const double start = band->StartValue();
    bench.Render();
    bench.Drag(bench.XPixel(start), y, bench.XPixel(10), y + 40);
    EXPECT_EQ(band->StartValue(), start);
}

TEST_F(ColorBandToolTest, APictureOrAGradientFillsItAndTransparencyLetsTheChartThrough) {
    band->SetActive(false);
    bench.Render();
    const TColor chartThere = bench.FrontPixel(Inside().X, Inside().Y);
    band->SetActive(true);
    bench.Render();
    EXPECT_EQ(bench.FrontPixel(Inside().X, Inside().Y), clRed);

    // Half see-through: each channel halfway between the band's and the chart's.
    band->SetTransparency(50);
    bench.Render();
    const TColor mixed = bench.FrontPixel(Inside().X, Inside().Y);
    for (const int shift : {0, 8, 16}) {
        const int a = (clRed >> shift) & 0xFF, b = (chartThere >> shift) & 0xFF;
        EXPECT_NEAR((mixed >> shift) & 0xFF, (a + b) / 2, 1) << shift;
    }
    band->SetTransparency(0);

    // A gradient of one colour from top to bottom.
    band->Gradient()->SetStartColor(clLime);
    band->Gradient()->SetEndColor(clLime);
    band->Gradient()->SetVisible(true);
    bench.Render();
    EXPECT_EQ(bench.FrontPixel(Inside().X, Inside().Y), clLime);
    band->Gradient()->SetVisible(false);

    // A picture, stretched over the band.
    TBitmap blue(4, 4);
    blue.Canvas()->Brush()->SetColor(clBlue);
    blue.Canvas()->FillRect(TRect{0, 0, 4, 4});
    band->Picture()->SetGraphic(&blue);
    bench.Render();
    EXPECT_EQ(bench.FrontPixel(Inside().X, Inside().Y), clBlue);
    band->SetPicture(nullptr);
    EXPECT_FALSE(band->HasPicture());
    bench.Render();
    EXPECT_EQ(bench.FrontPixel(Inside().X, Inside().Y), clRed);
}

}  // namespace
