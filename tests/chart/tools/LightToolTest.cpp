// The light filter's worked cases on a 30 x 40 picture (one diagonal is 50 pixels), in both
// laws, at the clamps; the lighting tool over the bench's chart, following the mouse, its
// stream and its editor.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "chart/foundation/TeeFilter.h"
#include "chart/tools/overlay/LightFilter.h"
#include "chart/tools/overlay/LightTool.h"
#include "chart/tools/overlay/LightToolEditor.h"
#include "platform/graphics/Bitmap.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/TrackBar.h"
#include "tests/chart/tools/ToolBench.h"
#include "tests/chart/tools/ToolEditorLoad.h"
#include "tests/chart/tools/ToolRoundTrip.h"

namespace {

// Blue, green, red of every pixel: 15, 100, 200.
std::unique_ptr<TBitmap> LitPicture(TLightFilter& filter) {
    auto owned = std::make_unique<TBitmap>();
    TBitmap& bitmap = *owned;
    bitmap.SetPixelFormat(pf24bit);
    bitmap.SetSize(30, 40);
    for (int y = 0; y < 40; ++y) {
        uint8_t* row = bitmap.ScanLine(y);
        for (int x = 0; x < 30; ++x) {
            row[3 * x] = 15;
            row[3 * x + 1] = 100;
            row[3 * x + 2] = 200;
        }
    }
    ApplyToBitmap(filter, bitmap);
    return owned;
}

std::array<int, 3> BGR(TBitmap& bitmap, int x, int y) {
    const uint8_t* p = bitmap.ScanLine(y) + 3 * x;
    return {p[0], p[1], p[2]};
}

using TBGR = std::array<int, 3>;

TEST(LightFilter, WorkedCases) {
    const struct {
        TLightStyle Style;
        int Factor, X, Y;
        TBGR Expected;
    } cases[] = {
        // Linear, factor 10: a = Round(2 x 2 x r) = 4 r from the centre (15, 20).
        {lsLinear, 10, 15, 20, {15, 100, 200}},  // under the light
        {lsLinear, 10, 18, 24, {0, 80, 180}},    // r = 5: 20
        {lsLinear, 10, 0, 0, {0, 0, 100}},       // r = 25: 100
        {lsLinear, 0, 0, 0, {15, 100, 200}},     // no strength
        {lsLinear, 100, 0, 0, {0, 0, 0}},        // 1000: at least 255
        // Spotlight, factor 50: a = Round(0.5 x ((r + 1) x 2)^2).
        {lsSpotLight, 50, 15, 20, {13, 98, 198}},  // r = 0: 2
        {lsSpotLight, 50, 18, 24, {0, 28, 128}},   // r = 5: 72
    };
    for (const auto& c : cases) {
        TLightFilter filter;
        filter.SetStyle(c.Style);
        filter.SetFactor(c.Factor);
        const auto lit = LitPicture(filter);
        EXPECT_EQ(BGR(*lit, c.X, c.Y), c.Expected)
            << c.Style << " " << c.Factor << " at " << c.X << "," << c.Y;
    }
    // A light of its own place.
    TLightFilter filter;
    filter.SetLeft(0);
    filter.SetTop(0);
    const auto lit = LitPicture(filter);
    EXPECT_EQ(BGR(*lit, 0, 0), (TBGR{15, 100, 200}));
    EXPECT_EQ(BGR(*lit, 3, 4), (TBGR{0, 80, 180}));
    EXPECT_EQ(filter.GetCaption(), "2D Lighting");
}

TEST(LightTool, LightsTheChartFromItsPointAndFollowsTheMouse) {
    TToolBench bench;
    bench.Render();
    const TColor centre = bench.FrontPixel(200, 150);
    const TColor corner = bench.FrontPixel(2, 2);
    auto* light = bench.AddTool<TLightTool>();
    bench.Render();
    EXPECT_EQ(bench.FrontPixel(200, 150), centre);
    EXPECT_NE(bench.FrontPixel(2, 2), corner);
    light->SetFollowMouse(true);
    const int64_t before = bench.Chart().Invalidations;
    bench.Move(2, 2);
    EXPECT_EQ(light->Left(), 2);
    EXPECT_EQ(light->Top(), 2);
    EXPECT_GT(bench.Chart().Invalidations, before);
    bench.Render();
    EXPECT_EQ(bench.FrontPixel(2, 2), corner);
    // No strength, no light.
    light->SetFactor(0);
    light->SetLeft(-1);
    light->SetTop(-1);
    bench.Render();
    EXPECT_EQ(bench.FrontPixel(2, 2), corner);
}

TEST(LightTool, StreamedAndEdited) {
    TToolBench bench;
    auto* light = bench.AddTool<TLightTool>();
    light->SetFactor(30);
    light->SetLeft(120);
    light->SetStyle(lsSpotLight);
    light->SetFollowMouse(true);
    ExpectToolRoundTrips(bench, *light);
    TComponent owner(nullptr);
    auto* editor = ShowToolEditor<TLightToolEditor>(bench, *light, owner);
    EXPECT_EQ(editor->Tool(), light);
    EXPECT_EQ(editor->TBLeft->Position(), 120);
    EXPECT_EQ(editor->TBTop->Position(), TToolBench::Height / 2);
    EXPECT_EQ(editor->TBFactor->Position(), 30);
    EXPECT_TRUE(editor->CheckBox2->Checked());
    editor->TBTop->SetPosition(40);
    EXPECT_EQ(light->Top(), 40);
}

}  // namespace
