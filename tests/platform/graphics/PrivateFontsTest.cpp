#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Font.h"
#include "platform/graphics/PrivateFonts.h"

namespace {

// A face ./test installs (fonts-dseg).
const std::string DsegSevenSegmentFile = "/usr/share/fonts/truetype/dseg/DSEG7Classic-Regular.ttf";

bool PrivateFaceListed(const std::string& face) {
    const std::vector<std::string> names = PrivateFontNames();
    return std::find(names.begin(), names.end(), face) != names.end();
}

TEST(PrivateFonts, AFaceAnswersToItsOwnNameUntilRemoved) {
    const TPrivateFontHandle handle = AddPrivateFont(DsegSevenSegmentFile, "Test Segments");
    ASSERT_NE(handle, 0) << "is fonts-dseg installed?";
    EXPECT_TRUE(PrivateFaceListed("Test Segments"));
    EXPECT_EQ(PrivateFontFamily("TEST SEGMENTS"), "DSEG7 Classic");
    EXPECT_EQ(FontFamilyFor("test segments"), "DSEG7 Classic");

    EXPECT_TRUE(RemovePrivateFont(handle));
    EXPECT_FALSE(PrivateFaceListed("Test Segments"));
    EXPECT_EQ(FontFamilyFor("Test Segments"), "Test Segments");
    EXPECT_FALSE(RemovePrivateFont(handle));
    EXPECT_FALSE(RemovePrivateFont(0));
}

TEST(PrivateFonts, AMissingFaceIsNoErrorAndItsNameStillDraws) {
    const std::vector<std::string> before = PrivateFontNames();
    for (const std::string& file :
         {std::string("/nonexistent/folder/Face.ttf"), std::string("/dev/null"), std::string()})
        EXPECT_EQ(AddPrivateFont(file, "Missing Face"), 0) << file;
    EXPECT_EQ(AddPrivateFont(DsegSevenSegmentFile, ""), 0);
    EXPECT_EQ(PrivateFontNames(), before);
    EXPECT_EQ(FontFamilyFor("Missing Face"), "Missing Face");

    // The toolkit substitutes a face for the name: text still has a size.
    TBitmap bitmap(40, 20);
    bitmap.Canvas()->Font()->SetName("Missing Face");
    EXPECT_GT(bitmap.Canvas()->TextExtent("88").cx, 0);
}

}  // namespace
