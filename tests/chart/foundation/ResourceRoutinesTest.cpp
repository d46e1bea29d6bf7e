#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "chart/foundation/DefaultChartFont.h"
#include "chart/foundation/FoundationStartup.h"
#include "chart/foundation/LibraryTexts.h"
#include "chart/foundation/ResourceRoutines.h"
#include "platform/classes/Persistent.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/CheckGlyphs.h"
#include "platform/ui/DocumentOpener.h"
#include "platform/ui/Screen.h"
#include "tests/chart/foundation/FoundationValues.h"

namespace {

TColor Px(TBitmap& b, int x, int y) { return b.Canvas()->Pixel(x, y); }

// A 19 x 19 bitmap of clRed with the picture drawn at (3, 4).
template <class Draw>
void Paint(TBitmap& b, Draw draw) {
    b.SetSize(19, 19);
    b.Canvas()->Brush()->SetColor(clRed);
    b.Canvas()->FillRect(Rect(0, 0, 19, 19));
    draw(*b.Canvas());
}

TEST(ResourceRoutines, PaintCheckBoxDrawsTheGlyphOfEachState) {
    const struct {
        bool checked, isCheckBox;
        void (*glyph)(TCanvas&);
    } cases[] = {
        {true, true, [](TCanvas& c) { DrawCheckBoxGlyph(c, 3, 4, cbChecked); }},
        {false, true, [](TCanvas& c) { DrawCheckBoxGlyph(c, 3, 4, cbUnchecked); }},
        {true, false, [](TCanvas& c) { DrawRadioGlyph(c, 3, 4, true); }},
        {false, false, [](TCanvas& c) { DrawRadioGlyph(c, 3, 4, false); }},
    };
    std::vector<std::string> seen;
    for (const auto& c : cases) {
        TBitmap got, want;
        Paint(got, [&](TCanvas& canvas) { PaintCheckBox(3, 4, canvas, c.checked, c.isCheckBox); });
        Paint(want, c.glyph);
        std::string pixels;
        for (int y = 0; y < 19; ++y)
            for (int x = 0; x < 19; ++x) {
                ASSERT_EQ(Px(got, x, y), Px(want, x, y))
                    << x << "," << y << " checked " << c.checked << " box " << c.isCheckBox;
                const bool inside =
                    x >= 3 && x < 3 + CheckGlyphSize && y >= 4 && y < 4 + CheckGlyphSize;
                if (!inside) {
                    EXPECT_EQ(Px(got, x, y), ColorToRGB(clRed)) << x << "," << y;
                }
                pixels += std::to_string(Px(got, x, y)) + ",";
            }
        seen.push_back(pixels);
    }
    // The four states look different from one another.
    for (size_t i = 0; i < seen.size(); ++i)
        for (size_t j = i + 1; j < seen.size(); ++j) EXPECT_NE(seen[i], seen[j]) << i << " " << j;
}

TEST(ResourceRoutines, ResourceBitmapTriesTheAlternativeName) {
    TBitmap bitmap(2, 2);
    EXPECT_TRUE(LoadResourceBitmap(bitmap, "NoSuchPicture", "TLineSeries"));
    EXPECT_EQ(bitmap.Width(), 16);
    TBitmap first;
    EXPECT_TRUE(LoadResourceBitmap(first, "TBARSERIES", "TLINESERIES"));
    EXPECT_NE(Px(first, 3, 5), Px(bitmap, 3, 5));  // a bar, where the line has none
    TBitmap untouched(2, 3);
    EXPECT_FALSE(LoadResourceBitmap(untouched, "NoSuchPicture", "NorThis"));
    EXPECT_FALSE(LoadResourceBitmap(untouched, "NoSuchPicture", ""));
    EXPECT_EQ(untouched.Width(), 2);
    EXPECT_EQ(untouched.Height(), 3);
}

// Stand-ins for series classes: one with its own gallery bitmap, one that falls back to its
// parent's, one with neither.
class TLineSeries : public TPersistent {
    KV_DECLARE_CLASS(TLineSeries, TPersistent)
};
class TStepLineSeries : public TLineSeries {
    KV_DECLARE_CLASS(TStepLineSeries, TLineSeries)
};
class TNoPictureSeries : public TStepLineSeries {
    KV_DECLARE_CLASS(TNoPictureSeries, TStepLineSeries)
};

TEST(ResourceRoutines, SeriesClassBitmapFallsBackToTheParentClass) {
    TBitmap line, step, none(1, 1);
    EXPECT_TRUE(LoadSeriesClassBitmap(TLineSeries::StaticClass(), line));
    EXPECT_TRUE(LoadSeriesClassBitmap(TStepLineSeries::StaticClass(), step));
    ASSERT_EQ(step.Width(), line.Width());
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) ASSERT_EQ(Px(step, x, y), Px(line, x, y)) << x << "," << y;
    EXPECT_FALSE(LoadSeriesClassBitmap(TNoPictureSeries::StaticClass(), none));
    EXPECT_EQ(none.Width(), 1);
}

struct TRecordingOpener : IDocumentOpener {
    std::vector<std::string> Opened;
    IDocumentOpener* Former = SetDocumentOpener(this);
    ~TRecordingOpener() override { SetDocumentOpener(Former); }
    bool Open(const std::string& address) override {
        Opened.push_back(address);
        return true;
    }
};

TEST(ResourceRoutines, ShellOpenDocumentHandsTheWholeAddressToTheOpener) {
    TRecordingOpener opener;
    const std::string longAddress = "https://example.org/" + std::string(300, 'a');
    EXPECT_TRUE(ShellOpenDocument("mailto:someone@example.org"));
    EXPECT_TRUE(ShellOpenDocument(longAddress));
    EXPECT_FALSE(ShellOpenDocument("/usr/bin/xterm"));
    ASSERT_EQ(opener.Opened.size(), 2u);
    EXPECT_EQ(opener.Opened[0], "mailto:someone@example.org");
    EXPECT_EQ(opener.Opened[1], longAddress);
}

TEST(ResourceRoutines, TheHandCursorLivesFromStartUpToShutdown) {
    LoadCoreTexts();
    FoundationUnitStartup();
    EXPECT_TRUE(Screen()->HasCursor(crTeeHand));
    TBitmap picture;
    TPoint hotSpot{};
    ASSERT_TRUE(Screen()->DrawCursor(crTeeHand, picture, &hotSpot));
    EXPECT_EQ(hotSpot.X, 6);
    EXPECT_EQ(hotSpot.Y, 0);
    FoundationUnitShutdown();
    EXPECT_FALSE(Screen()->HasCursor(crTeeHand));
    RestoreFoundationValues();
}

}  // namespace
