// The tag cloud's font sizes and the flow of its words in rows, measured with fixed metrics: a
// word is as wide as its letters times half its size and as high as its size.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "chart/series/algo/TagCloudLayout.h"

namespace {

TEST(TagFontSizeTest, FromFullSizeDownToAQuarter) {
    EXPECT_EQ(TagFontSize(32, 100, 0, 100), 32);
    EXPECT_EQ(TagFontSize(32, 0, 0, 100), 8);
    EXPECT_EQ(TagFontSize(32, 50, 0, 100), 20);
    EXPECT_EQ(TagFontSize(32, 7, 7, 7), 32);  // all equal: full size
    EXPECT_EQ(TagFontSize(2, 0, 0, 100), 1);  // never below 1 (2 - round(1.5) = 0)
    EXPECT_EQ(TagFontSize(4, 0, 0, 100), 1);  // halves to even: 4 - round(3) = 1
}

// Words with fixed sizes; notes what was drawn where.
struct FixedMetricsCloud {
    FixedMetricsCloud(std::vector<std::string> words, std::vector<int> sizes,
                      std::string filter = {})
        : Words(std::move(words)), Sizes(std::move(sizes)), Filter(std::move(filter)) {}
    std::vector<std::string> Words;
    std::vector<int> Sizes;
    std::string Filter;
    std::vector<std::pair<int, TRect>> Drawn;
    std::vector<TRect> Rects;

    int Flow(TRect area, int gap, bool topBased = true) {
        TTagCloudFlow flow;
        flow.Area = area;
        flow.Gap = gap;
        flow.TopBased = topBased;
        flow.Shown = [this](int i) {
            return Filter.empty() || Words[size_t(i)].find(Filter) != std::string::npos;
        };
        flow.Measure = [this](int i, bool) {
            const int size = Sizes[size_t(i)];
            return TTagExtent{int(Words[size_t(i)].size()) * size / 2, size};
        };
        flow.Draw = [this](int i, const TRect& r) { Drawn.emplace_back(i, r); };
        return FlowTagCloud(int(Words.size()), flow, Rects);
    }
};

TEST(TagCloudFlowTest, RowsStandOnTheirBottomLine) {
    // Widths 40, 30, 40, 20 in an area 100 wide with a gap of 5: two words a row.
    FixedMetricsCloud c{{"abcd", "abc", "abcdefgh", "ab"}, {20, 20, 10, 20}};
    EXPECT_EQ(c.Flow(TRect{10, 0, 110, 200}, 5), 4);
    const std::vector<std::pair<int, TRect>> drawn{
        {0, TRect{10, 0, 50, 20}},
        {1, TRect{55, 0, 85, 20}},
        {2, TRect{10, 30, 50, 40}},  // the second row is as high as its tallest word (20)
        {3, TRect{55, 20, 75, 40}},
    };
    EXPECT_EQ(c.Drawn, drawn);
    EXPECT_EQ(c.Rects[2], (TRect{10, 30, 50, 40}));
    // Text from the base line: every rectangle starts at the row's bottom.
    FixedMetricsCloud b{{"abcd"}, {20}};
    b.Flow(TRect{0, 0, 100, 100}, 5, false);
    EXPECT_EQ(b.Rects[0], (TRect{0, 20, 40, 20}));
}

TEST(TagCloudFlowTest, OverlongWordsFiltersAndTheBottom) {
    // A word wider than the area stands alone on its row, overflowing.
    FixedMetricsCloud wide{{"ab", "abcdefghijklmnop", "ab"}, {10, 20, 10}};
    wide.Flow(TRect{0, 0, 100, 200}, 0);
    EXPECT_EQ(wide.Rects[0], (TRect{0, 0, 10, 10}));
    EXPECT_EQ(wide.Rects[1], (TRect{0, 10, 160, 30}));
    EXPECT_EQ(wide.Rects[2], (TRect{0, 30, 10, 40}));
    // A filter: only the words containing it are placed; none matching places nothing.
    FixedMetricsCloud filtered{{"red", "green", "blue"}, {10, 10, 10}, "e"};
    filtered.Flow(TRect{0, 0, 100, 100}, 0);
    ASSERT_EQ(filtered.Drawn.size(), 3u);
    filtered.Drawn.clear();
    filtered.Filter = "re";
    filtered.Flow(TRect{0, 0, 100, 100}, 0);
    ASSERT_EQ(filtered.Drawn.size(), 2u);
    EXPECT_EQ(filtered.Drawn[1].second, (TRect{15, 0, 40, 10}));
    EXPECT_TRUE(filtered.Rects[2].IsEmpty());
    filtered.Drawn.clear();
    filtered.Filter = "x";
    filtered.Flow(TRect{0, 0, 100, 100}, 0);
    EXPECT_TRUE(filtered.Drawn.empty());
    // Rows stop once past the bottom: a row of 30 in an area 25 high ends the flow after it.
    FixedMetricsCloud tall{{"abcdef", "abcdef", "abcdef"}, {30, 30, 30}};
    EXPECT_EQ(tall.Flow(TRect{0, 0, 100, 25}, 0), 1);
    EXPECT_EQ(tall.Drawn.size(), 1u);
    EXPECT_TRUE(tall.Rects[1].IsEmpty());
}

}  // namespace
