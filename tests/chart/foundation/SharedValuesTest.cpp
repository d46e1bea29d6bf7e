#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "chart/foundation/DefaultColors.h"
#include "chart/foundation/QuickSortWithCallbacks.h"

namespace {

TEST(DefaultColorsTest, TwentyColoursInTurn) {
    ResetDefaultColors();
    ASSERT_EQ(DefaultColors.size(), 20u);
    EXPECT_EQ(DefaultColorAt(0), clRed);
    EXPECT_EQ(DefaultColorAt(15), clBlack);
    EXPECT_EQ(DefaultColorAt(19), clMedGray);
    EXPECT_EQ(DefaultColorAt(21), clGreen);

    const TColor two[] = {clAqua, clNavy};
    SetDefaultColors(two);
    EXPECT_EQ(DefaultColorAt(3), clNavy);
    SetDefaultColors({});  // refused: the list stays
    EXPECT_EQ(DefaultColorAt(4), clAqua);

    FreeDefaultColors();
    EXPECT_EQ(DefaultColorAt(4), clNone);
    ResetDefaultColors();
}

// Sorts through the callbacks only and must agree with std::sort on data full of duplicates.
TEST(QuickSortWithCallbacksTest, AgreesWithStdSort) {
    for (unsigned seed : {1u, 2u, 3u, 42u}) {
        std::mt19937 random(seed);
        for (int count : {1, 2, 3, 7, 100, 1000}) {
            std::vector<int> items(static_cast<size_t>(count));
            for (int& v : items) v = int(random() % 10);
            std::vector<int> expected = items;
            std::sort(expected.begin(), expected.end());
            QuickSortWithCallbacks(
                0, count - 1, [&](int a, int b) { return items[size_t(a)] - items[size_t(b)]; },
                [&](int a, int b) { std::swap(items[size_t(a)], items[size_t(b)]); });
            EXPECT_EQ(items, expected) << "seed " << seed << " count " << count;
        }
    }
}

TEST(QuickSortWithCallbacksTest, SortsOnlyTheGivenRange) {
    std::vector<int> items = {9, 5, 3, 4, 1, 0};
    QuickSortWithCallbacks(
        1, 4, [&](int a, int b) { return items[size_t(a)] - items[size_t(b)]; },
        [&](int a, int b) { std::swap(items[size_t(a)], items[size_t(b)]); });
    EXPECT_EQ(items, (std::vector<int>{9, 1, 3, 4, 5, 0}));
    // An empty range calls nothing.
    QuickSortWithCallbacks(
        3, 2,
        [](int, int) -> int {
            ADD_FAILURE();
            return 0;
        },
        [](int, int) { ADD_FAILURE(); });
}

}  // namespace
