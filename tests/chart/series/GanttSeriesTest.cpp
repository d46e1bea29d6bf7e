// The Gantt series: each task a bar from its start to its end, the elbow to the task that
// follows it (only for a successor that exists), clicks anywhere on a bar, the horizontal range
// over the ends, the sample tasks, and the end value an append leaves pending.
#include <gtest/gtest.h>

#include "chart/engine/SampleRandom.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/View3DOptions.h"
#include "chart/series/xy/GanttSeries.h"
#include "tests/chart/series/PriceChartFixture.h"

namespace {

constexpr int GX(double v) { return 100 + int(v); }
constexpr int GY(double v) { return 280 - int(v); }

class GanttSeriesTest : public PriceChartFixture {
protected:
    GanttSeriesTest() {
        Tasks = Add<TGanttSeries>();
        Tasks->AddTask(100, 200, 50, "a");
        Tasks->AddTask(250, 300, 100, "b");
        Tasks->AddTask(50, 90, 150, "c");
        Tasks->Pointer()->SetDraw3D(false);
        Tasks->Pointer()->SetVertSize(6);
    }
    TGanttSeries* Tasks;
};

TEST_F(GanttSeriesTest, BarsRunFromStartToEnd) {
    DrawPoints(*Tasks);
    // Drawn in start order: c, a, b.
    const std::vector<std::string> bars = Ops({"Rectangle"});
    ASSERT_EQ(bars.size(), 3u);
    EXPECT_EQ(bars[0], "Rectangle 150 124 191 137");  // 50 .. 90 at row 150, 6 pixels half
    EXPECT_EQ(bars[1], "Rectangle 200 224 301 237");
    EXPECT_EQ(bars[2], "Rectangle 350 174 401 187");
    // Each task its own palette colour.
    EXPECT_NE(CallsOf("Rectangle")[0].BrushColor, CallsOf("Rectangle")[1].BrushColor);
    EXPECT_TRUE(CallsOf("LineTo").empty());  // no successors
}

TEST_F(GanttSeriesTest, ElbowOnlyToATaskThatExists) {
    struct Case {
        double next;
        bool drawn;
    };
    const Case cases[] = {{-1, false}, {-2, false}, {3, false}, {2.4, true}, {0.6, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.next);
        Tasks->NextTask().SetValue(1, c.next);  // task a (index 1 in start order)
        DrawPoints(*Tasks);
        EXPECT_EQ(CallsOf("LineTo").size(), c.drawn ? 3u : 0u);
    }
    Tasks->NextTask().SetValue(1, 2);  // a leads to b
    DrawPoints(*Tasks);
    EXPECT_EQ(Ops({"MoveTo", "LineTo"}),
              (std::vector<std::string>{"MoveTo 300 230", "LineTo 325 230", "LineTo 325 180",
                                        "LineTo 350 180"}));
    // Leading to a task on its left: the elbow still goes there.
    Tasks->NextTask().SetValue(1, 0);
    DrawPoints(*Tasks);
    EXPECT_EQ(Ops({"MoveTo", "LineTo"}),
              (std::vector<std::string>{"MoveTo 300 230", "LineTo 225 230", "LineTo 225 130",
                                        "LineTo 150 130"}));
    Tasks->ConnectingPen()->SetVisible(false);
    DrawPoints(*Tasks);
    EXPECT_TRUE(CallsOf("LineTo").empty());
}

TEST_F(GanttSeriesTest, ClicksAnywhereOnABar) {
    Tasks->AddTask(500, 450, 200, "ends before it starts");
    Draw();
    Tasks->ComputeVisibleRange();
    struct Case {
        int x, y, expected;
    };
    const Case cases[] = {
        {GX(100), GY(50), 1},  {GX(150), GY(50) + 5, 1},  {GX(200), GY(50) - 5, 1},
        {GX(201), GY(50), -1}, {GX(150), GY(50) + 6, -1}, {GX(99), GY(50), -1},
        {GX(60), GY(150), 0},  {GX(475), GY(200), -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Tasks->ValueIndexAt(c.x, c.y), c.expected) << c.x << " " << c.y;
}

TEST_F(GanttSeriesTest, HorizontalRangeCoversTheEnds) {
    EXPECT_EQ(Tasks->GetMinXValue(), 50);
    EXPECT_EQ(Tasks->GetMaxXValue(), 300);
}

TEST_F(GanttSeriesTest, PlainAppendTakesThePendingEnd) {
    const int i = Tasks->AddXYPoint(400, 20);
    EXPECT_EQ(Tasks->EndValues()[i], 90);  // the end of the last task added
    EXPECT_EQ(Tasks->NextTask()[i], -1);
    TGanttSeries fresh(nullptr);
    fresh.AddXYPoint(1, 2);
    EXPECT_EQ(fresh.EndValues()[0], 0);
}

TEST_F(GanttSeriesTest, SampleTasks) {
    struct Case {
        int asked, least, most;
    };
    const Case cases[] = {{0, 0, 0}, {1, 1, 1}, {25, 11, 25}};
    for (uint32_t seed : {1u, 7u, 99u})
        for (const Case& c : cases) {
            SCOPED_TRACE(c.asked);
            SetRandomSeed(seed);
            Tasks->Clear();
            Tasks->AddRandomValues(c.asked, false);
            EXPECT_GE(Tasks->Count(), c.least);
            EXPECT_LE(Tasks->Count(), c.most);
            for (int k = 0; k < Tasks->Count(); ++k) {
                EXPECT_GE(Tasks->EndValues()[k] - Tasks->XValues()[k], 9);
                const int next = int(Tasks->NextTask()[k]);
                if (next >= 0) {
                    EXPECT_GT(Tasks->XValues()[next], Tasks->EndValues()[k]);
                }
            }
        }
}

TEST_F(GanttSeriesTest, In3DBarsAreSolidAtTheSeriesDepth) {
    Chart->SetView3D(true);
    Chart->View3DOptions()->SetOrthogonal(true);
    Tasks->Pointer()->SetDraw3D(true);
    DrawPoints(*Tasks);
    // Three solid bars: front faces and sides as polygons or rectangles.
    EXPECT_GE(CallsOf("Rectangle").size() + CallsOf("Polygon").size(), 3u);
}

}  // namespace
