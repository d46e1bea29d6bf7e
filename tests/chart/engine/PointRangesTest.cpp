#include <gtest/gtest.h>

#include <initializer_list>

#include "chart/engine/ChartValueList.h"
#include "chart/engine/PointRanges.h"

namespace {

TEST(PointRangesTest, VisibleRangeByAxisLimits) {
    struct Case {
        double Min, Max;
        bool ReachesEdge;
        TPointRange Want;
    };
    const Case cases[] = {
        {2.5, 6.5, false, {3, 6}}, {2.5, 6.5, true, {3, 7}},  {-5, 20, false, {0, 9}},
        {3, 6, false, {3, 6}},     {12, 20, false, {-1, -1}}, {-5, -1, false, {0, 0}},
        {-5, -1, true, {0, 0}},    {8.5, 30, false, {9, 9}},
    };
    TChartValueList x(nullptr, "X");
    for (int i = 0; i < 10; ++i) x.AddValue(i);
    for (const Case& c : cases)
        EXPECT_EQ(VisibleRange(x, c.Min, c.Max, c.ReachesEdge), c.Want)
            << c.Min << ".." << c.Max << " " << c.ReachesEdge;
    TChartValueList empty(nullptr, "X");
    EXPECT_EQ(VisibleRange(empty, 0, 1, false), TPointRange{});
}

TEST(PointRangesTest, PageRanges) {
    struct Case {
        int Count, PerPage, Page;
        TPointRange Want;
    };
    const Case cases[] = {
        {12, 5, 3, {10, 11}}, {12, 5, 1, {0, 4}}, {12, 5, 7, {5, 9}}, {0, 5, 1, {-1, -1}},
        {12, 0, 2, {0, 11}},  {10, 5, 2, {5, 9}}, {3, 5, 1, {0, 2}},  {3, 5, 4, {0, 2}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PageRange(c.Count, c.PerPage, c.Page), c.Want)
            << c.Count << " " << c.PerPage << " " << c.Page;
}

}  // namespace
