#include <gtest/gtest.h>

#include "chart/foundation/DefaultChartFont.h"
#include "chart/foundation/LibraryTexts.h"

namespace {

TEST(DefaultChartFontTest, FromTheTextsAndTheLanguage) {
    LoadCoreTexts();
    SetupDefaultChartFont(false);
    EXPECT_EQ(DefaultChartFontName, "Arial");
    EXPECT_EQ(DefaultChartFontSize, 8);
    SetupDefaultChartFont(true);
    EXPECT_EQ(DefaultChartFontName, "\uff2d\uff33 \uff30\u30b4\u30b7\u30c3\u30af");
    EXPECT_EQ(DefaultChartFontSize, 9);

    // Other texts are kept as they are.
    TxtDefaultFontSize = "10";
    TxtDefaultFontName = "Courier New";
    SetupDefaultChartFont(true);
    EXPECT_EQ(DefaultChartFontName, "Courier New");
    EXPECT_EQ(DefaultChartFontSize, 10);
    LoadCoreTexts();
    SetupDefaultChartFont(false);
    FreeCoreTexts();
}

}  // namespace
