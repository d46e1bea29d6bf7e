// The fader on the bench's manual clock: the frames of a fade and their timing, the last frame
// at exactly 100 percent, the picture it leaves, a layer following the chart's size, and a speed
// that would never arrive.
#include <gtest/gtest.h>

#include <vector>

#include "chart/tools/view/FaderTool.h"
#include "platform/graphics/Bitmap.h"
#include "tests/chart/tools/ToolBench.h"
#include "tests/chart/tools/ToolRoundTrip.h"

namespace {

struct FaderToolTest : ::testing::Test {
    TToolBench bench;
    TFaderTool* fader = bench.AddTool<TFaderTool>();
    int stops = 0;
    FaderToolTest() {
        bench.AddSeries({{10, 10}, {90, 90}});
        fader->OnStop = [this](TObject*) { ++stops; };
        bench.Render();
    }
    // Runs the clock a millisecond at a time until the fade stops (or a limit is reached);
    // gives the percentage after each frame, and the frame count in frames.
    std::vector<double> RunFade(int& frames) {
        std::vector<double> seen;
        frames = 0;
        fader->Start();
        double last = fader->Percent();
        for (int ms = 0; ms < 10000 && fader->Fading(); ++ms) {
            bench.Clock.Advance(1);
            if (fader->Percent() != last || !fader->Fading()) {
                ++frames;
                last = fader->Percent();
                seen.push_back(last);
            }
        }
        return seen;
    }
};

TEST_F(FaderToolTest, ASpeedOf3Takes35FramesAndEndsAtExactly100) {
    int frames = 0;
    const std::vector<double> seen = RunFade(frames);
    EXPECT_EQ(frames, 35);
    EXPECT_EQ(stops, 1);
    ASSERT_FALSE(seen.empty());
    EXPECT_EQ(seen.back(), 100.0);
    EXPECT_FALSE(fader->Fading());
    // Faded in: the chart shows as it was drawn.
    const TColor drawn = bench.FrontPixel(200, 150);
    bench.Render();
    EXPECT_EQ(bench.FrontPixel(200, 150), drawn);
}

TEST_F(FaderToolTest, TheSecondFrameWaitsTheInitialDelay) {
    const struct {
        double Speed;
        int Delay;
        int Waited;  // milliseconds from the first frame to the second
    } cases[] = {{100, 100, 100}, {3, 250, 250}, {3, 0, 1}, {3, 1, 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Delay);
        fader->SetSpeed(c.Speed);
        fader->SetInitialDelay(c.Delay);
        stops = 0;
        fader->Start();
        bench.Clock.Advance(1);  // the first frame, at 0 percent
        const double first = fader->Percent();
        EXPECT_EQ(first, std::min(100.0, c.Speed));
        bench.Clock.Advance(c.Waited - 1);
        EXPECT_EQ(fader->Percent(), first);
        EXPECT_EQ(stops, 0);
        bench.Clock.Advance(1);
        // Speed 100: the end frame shows and the fade stops.
        if (c.Speed >= 100)
            EXPECT_EQ(stops, 1);
        else
            EXPECT_EQ(fader->Percent(), 2 * c.Speed);
        bench.Clock.Advance(10000);
    }
}

TEST_F(FaderToolTest, FadingInStartsFromTheColourAndFadingOutEndsInIt) {
    const TColor drawn = bench.FrontPixel(5, 5);
    ASSERT_NE(drawn, clBlack);
    fader->Start();
    bench.Clock.Advance(1);
    EXPECT_EQ(bench.FrontPixel(5, 5), clBlack);
    bench.Clock.Advance(10000);
    fader->SetStyle(fsFadeOut);
    fader->SetColor(clNavy);
    fader->Start();
    bench.Clock.Advance(1);
    EXPECT_EQ(bench.FrontPixel(5, 5), drawn);
    bench.Clock.Advance(10000);
    EXPECT_EQ(stops, 2);
    EXPECT_EQ(bench.FrontPixel(5, 5), clNavy);
    EXPECT_EQ(bench.FrontPixel(TToolBench::Width - 1, TToolBench::Height - 1), clNavy);
}

TEST_F(FaderToolTest, ResizingBetweenFadesRemakesTheLayerAtTheNewSize) {
    fader->Start();
    bench.Clock.Advance(10000);
    ASSERT_NE(fader->Layer(), nullptr);
    EXPECT_EQ(fader->Layer()->Width(), TToolBench::Width);
    bench.Chart().SetBounds(0, 0, 300, 200);
    bench.Render();
    fader->Start();
    bench.Clock.Advance(10000);
    EXPECT_EQ(fader->Layer()->Width(), 300);
    EXPECT_EQ(fader->Layer()->Height(), 200);
}

TEST_F(FaderToolTest, ASpeedThatNeverArrivesEndsWithTheNextFrame) {
    for (double speed : {0.0, -5.0}) {
        fader->SetSpeed(speed);
        fader->SetInitialDelay(0);
        stops = 0;
        int frames = 0;
        RunFade(frames);
        EXPECT_EQ(frames, 2) << speed;
        EXPECT_EQ(stops, 1) << speed;
    }
    fader->SetSpeed(12.5);
    fader->SetStyle(fsFadeOut);
    fader->SetColor(clRed);
    ExpectToolRoundTrips(bench, *fader);
}

}  // namespace
