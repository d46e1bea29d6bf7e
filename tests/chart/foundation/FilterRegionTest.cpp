#include <gtest/gtest.h>

#include "chart/foundation/FilterRegion.h"
#include "tests/chart/foundation/GeometryPrinters.h"

namespace {

TEST(FilterRegionTest, BoundsStayInsideThePicture) {
    struct Case {
        bool hasRegion;
        int left, top, width, height;
        bool any;
        TRect bounds;
    } cases[] = {
        {false, 0, 0, 0, 0, true, {0, 0, 9, 7}},
        {true, 0, 0, 0, 0, true, {0, 0, 9, 7}},  // zero extents reach the edges
        {true, 2, 3, 4, 2, true, {2, 3, 6, 5}},  // Left + Width, inclusive
        {true, 5, 5, 100, 100, true, {5, 5, 9, 7}},
        {true, -3, -2, 5, 4, true, {0, 0, 2, 2}},  // a negative start is cut
        {true, 12, 0, 0, 0, false, {}},            // beyond the right edge: nothing
        {true, 0, 9, 3, 0, false, {}},
        {true, -10, 0, 4, 0, false, {}},  // wholly left of the picture
    };
    for (const Case& c : cases) {
        TFilterRegion region;
        region.SetLeft(c.left);
        region.SetTop(c.top);
        region.SetWidth(c.width);
        region.SetHeight(c.height);
        TRect bounds{};
        EXPECT_EQ(FilterBounds(c.hasRegion ? &region : nullptr, 10, 8, bounds), c.any)
            << c.left << "," << c.top << " " << c.width << "x" << c.height;
        if (c.any) {
            EXPECT_EQ(bounds, c.bounds) << Show(bounds);
        }
    }
    TRect bounds;
    EXPECT_FALSE(FilterBounds(nullptr, 0, 5, bounds));
}

TEST(FilterRegionTest, AssignCopiesTheFour) {
    TFilterRegion a, b;
    a.SetLeft(1);
    a.SetTop(2);
    a.SetWidth(3);
    a.SetHeight(4);
    b.Assign(&a);
    EXPECT_EQ(b.Left(), 1);
    EXPECT_EQ(b.Top(), 2);
    EXPECT_EQ(b.Width(), 3);
    EXPECT_EQ(b.Height(), 4);
}

}  // namespace
