// The gallery's smoothed sample: drawn at twice its size and shrunk, its title at its own size,
// and nothing of the chart changed by the pass.
#include <gtest/gtest.h>

#include <set>

#include "chart/editors/GalleryPanel.h"
#include "chart/engine/ChartTitle.h"
#include "chart/engine/LineSeries.h"
#include "platform/classes/Writer.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/rtl/Streams.h"
#include "platform/ui/Form.h"
#include "tests/chart/editors/LibraryStartup.h"
#include "tests/support/ComponentBytes.h"
#include "tests/support/ScratchSettings.h"

namespace {

size_t ColourCount(TBitmap& bitmap) {
    std::set<TColor> colours;
    for (int y = 0; y < bitmap.Height(); ++y)
        for (int x = 0; x < bitmap.Width(); ++x) colours.insert(bitmap.Canvas()->Pixel(x, y));
    return colours.size();
}

// Dark blue text pixels (the title's navy, whatever the text's edges blend it with).
bool HasNavyTextInRows(TBitmap& bitmap, int rows) {
    for (int y = 0; y < rows; ++y)
        for (int x = 0; x < bitmap.Width(); ++x) {
            const TColor c = bitmap.Canvas()->Pixel(x, y);
            const int red = c & 0xFF, blue = (c >> 16) & 0xFF;
            if (red < 60 && blue > red + 60) return true;
        }
    return false;
}

TEST(GallerySmooth, TheSampleIsDrawnLargeShrunkAndTitledAtItsOwnSize) {
    TLibraryStartup library;
    TScratchSettings settings;
    TForm form(nullptr);
    auto* chart = new TGalleryChart(&form);
    chart->SetParent(&form);
    chart->SetBounds(0, 0, 120, 100);
    chart->Title()->Text()->Add("Line");
    auto* series = new TLineSeries(&form);
    chart->AddSeries(series);
    for (int i = 0; i < 6; ++i) series->AddXYPoint(i, (i * 7) % 5);
    const std::string before = Bytes(chart);

    auto plain = chart->RenderToBitmap();
    chart->SmoothDraw = true;
    auto smooth = chart->RenderToBitmap();
    ASSERT_EQ(smooth->Width(), 120);
    ASSERT_EQ(smooth->Height(), 100);
    // Shrinking blends neighbouring pixels: many more shades than the plain drawing has.
    EXPECT_GT(ColourCount(*smooth), 2 * ColourCount(*plain));
    // The title's text is there, in its own colour, in the room kept at the top.
    EXPECT_TRUE(HasNavyTextInRows(*smooth, 30));
    // The pass changed nothing of the chart and left its repaints on.
    EXPECT_FALSE(chart->Smoothing());
    EXPECT_TRUE(chart->AutoRepaint());
    EXPECT_TRUE(chart->Title()->Visible());
    EXPECT_EQ(Bytes(chart), before);
}

}  // namespace
