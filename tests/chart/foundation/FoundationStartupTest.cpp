#include <gtest/gtest.h>

#include "chart/foundation/DefaultChartFont.h"
#include "chart/foundation/FoundationStartup.h"
#include "chart/foundation/LibraryTexts.h"
#include "platform/classes/ClassRegistry.h"

namespace {

TEST(FoundationStartup, NestsAndTurnsTheDeviceFlagsOn) {
    LoadCoreTexts();
    FoundationUnitStartup();
    FoundationUnitStartup();
    EXPECT_TRUE(ExtendedPensAvailable);
    EXPECT_TRUE(AlphaBlendAvailable);
    EXPECT_TRUE(DCBrushColorAvailable);
    EXPECT_FALSE(DefaultChartFontName.empty());
    EXPECT_NE(GetClass("TTeeShape"), nullptr);
    EXPECT_NE(GetClass("TBackImage"), nullptr);
    FoundationUnitShutdown();  // the inner one: still on
    EXPECT_TRUE(ExtendedPensAvailable);
    FoundationUnitShutdown();
    EXPECT_FALSE(ExtendedPensAvailable);
    EXPECT_TRUE(DefaultChartFontName.empty());
    FoundationUnitShutdown();  // one too many does nothing
    SetupDefaultChartFont(false);
}

}  // namespace
