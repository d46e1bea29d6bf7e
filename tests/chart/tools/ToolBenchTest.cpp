// The bench itself: the front image that transient figures are drawn on, drawn twice in an
// inverting pen mode it is as it was, byte for byte, without any drawing pass of the chart; the
// manual clock drives timers; the hints are recorded.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "chart/engine/ChartTools.h"
#include "chart/foundation/Canvas3D.h"
#include "platform/graphics/Pen.h"
#include "platform/ui/Application.h"
#include "platform/ui/Timer.h"
#include "tests/chart/tools/ToolBench.h"

namespace {

// Draws every kind of figure the tools draw transiently, in the pen mode given.
void DrawTransientFigures(TCanvas3D& c, TPenMode mode, TColor color) {
    c.Brush()->SetStyle(bsClear);
    c.Pen()->SetColor(color);
    c.Pen()->SetWidth(1);
    c.Pen()->SetMode(mode);
    c.DrawLine(40, 40, 300, 200);
    c.DrawHorizontalLine(20, 380, 150);
    c.DrawVerticalLine(200, 10, 290);
    c.DrawRectangle(100, 80, 160, 130);
    c.DrawEllipse(220, 60, 280, 120);
    const TPoint diamond[] = {{60, 200}, {80, 180}, {100, 200}, {80, 220}};
    c.DrawPolygon(diamond, 3);
    c.Pen()->SetWidth(3);
    c.DrawLine(30, 260, 370, 250);
    c.Pen()->SetWidth(1);
    c.Pen()->SetMode(pmCopy);
}

}  // namespace

TEST(ToolBench, InvertingFiguresDrawnTwiceLeaveTheFrontImageAsItWas) {
    for (const TPenMode mode : {pmXor, pmNotXor}) {
        SCOPED_TRACE(mode == pmXor ? "xor" : "not xor");
        TToolBench bench;
        bench.AddSeries({{10, 20}, {50, 80}, {90, 40}});
        bench.Render();
        const std::vector<uint8_t> before = bench.FrontPixels();
        const int64_t passes = bench.Chart().DrawPasses;
        const int64_t invalidations = bench.Chart().Invalidations;
        TCanvas3D& c = *bench.Chart().Canvas3D();
        DrawTransientFigures(c, mode, clRed);
        EXPECT_NE(bench.FrontPixels(), before);  // the figure shows
        DrawTransientFigures(c, mode, clRed);
        EXPECT_EQ(bench.FrontPixels(), before);
        EXPECT_EQ(bench.Chart().DrawPasses, passes);
        EXPECT_EQ(bench.Chart().Invalidations, invalidations);
    }
}

TEST(ToolBench, TimersRunOnTheBenchClock) {
    TToolBench bench;
    TTimer timer(nullptr);
    timer.SetInterval(100);
    std::vector<int64_t> fired;
    timer.OnTimer = [&](TObject*) { fired.push_back(bench.Clock.Now()); };
    bench.Clock.Advance(99);
    EXPECT_TRUE(fired.empty());
    bench.Clock.Advance(251);
    EXPECT_EQ(fired, (std::vector<int64_t>{100, 200, 300}));
    timer.SetEnabled(false);
    bench.Clock.Advance(1000);
    EXPECT_EQ(fired.size(), 3u);
}

TEST(ToolBench, TimersFireInTheirOrderAndAStoppedOneDoesNot) {
    TToolBench bench;
    TTimer fast(nullptr), slow(nullptr), stopped(nullptr);
    fast.SetInterval(30);
    slow.SetInterval(50);
    stopped.SetInterval(50);
    std::vector<std::string> fired;
    fast.OnTimer = [&](TObject*) { fired.push_back("fast " + std::to_string(bench.Clock.Now())); };
    // The slow timer stops the other one due at the same moment.
    slow.OnTimer = [&](TObject*) {
        fired.push_back("slow " + std::to_string(bench.Clock.Now()));
        stopped.SetEnabled(false);
    };
    stopped.OnTimer = [&](TObject*) { fired.push_back("stopped"); };
    bench.Clock.Advance(100);
    EXPECT_EQ(fired,
              (std::vector<std::string>{"fast 30", "slow 50", "fast 60", "fast 90", "slow 100"}));
}

TEST(ToolBench, HintsAreRecorded) {
    ASSERT_NE(Application, nullptr);
    // Even when the application already has a hint window of its own.
    Application->ActivateHint(nullptr, "before", TPoint{1, 1}, TRect{0, 0, 10, 10});
    Application->CancelHint();
    TToolBench bench;
    Application->ActivateHint(&bench.Chart(), "A point", TPoint{30, 40},
                              TRect{0, 0, TToolBench::Width, TToolBench::Height});
    ASSERT_EQ(bench.Hints.Shown.size(), 1u);
    EXPECT_EQ(bench.Hints.Shown[0].HintStr, "A point");
    const int hidden = bench.Hints.Hidden;
    Application->CancelHint();
    EXPECT_EQ(bench.Hints.Hidden, hidden + 1);
}
