#include <gtest/gtest.h>

#include "chart/foundation/DefaultChartFont.h"
#include "chart/foundation/DefaultColors.h"
#include "chart/foundation/FieldLists.h"
#include "chart/foundation/FoundationStartup.h"
#include "chart/foundation/LibraryTexts.h"
#include "platform/classes/ClassRegistry.h"
#include "tests/chart/foundation/FoundationValues.h"

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
    EXPECT_EQ(DefaultColorAt(0), clRed);
    EXPECT_EQ(FieldSeparator, ";");
    FoundationUnitShutdown();  // the inner one: still on
    EXPECT_TRUE(ExtendedPensAvailable);
    FoundationUnitShutdown();
    EXPECT_FALSE(ExtendedPensAvailable);
    EXPECT_TRUE(DefaultChartFontName.empty());
    EXPECT_EQ(DefaultColorAt(0), clNone);
    EXPECT_EQ(FieldSeparator, "");
    FoundationUnitShutdown();  // one too many does nothing
    RestoreFoundationValues();
}

}  // namespace
