#include <gtest/gtest.h>

#include <set>

#include "chart/foundation/LibraryTexts.h"

namespace {

class LibraryTextsTest : public testing::Test {
protected:
    void SetUp() override {
        LoadCoreTexts();
        LoadExtendedTexts();
    }
    void TearDown() override {
        FreeCoreTexts();
        FreeExtendedTexts();
    }
};

TEST_F(LibraryTextsTest, TextsKeepEveryByte) {
    struct Case {
        const std::string& variable;
        const char* text;
    } cases[] = {
        {TxtDefaultFontSize, "8"},
        {TxtDefaultFontName, "Arial"},
        {TxtCustom, "Custom "},
        {TxtExtSegment, "Segment "},
        {TxtExtWithinQuota, " within quota"},
        {TxtExtOrMoreBelowQuota, " or more below quota"},
        {TxtHorizontalBar, "Horizontal\rBar"},
        {TxtDegreeSign, "\u00b0"},
        {TxtScientificFormat, "#.0 \"x10\" E+0"},
        {TxtInvalidChartFile, "Invalid Chart in *.tee file"},
        {TxtWrongChartFileFormat, "Wrong *.tee file format"},
        {TxtEmptyChartFile, "Empty *.tee file"},
        {TxtExtDisplaysTipsOrHintsWhenThe,
         "Displays \"tips\" or \"hints\" when the end-user moves or clicks the mouse over a "
         "series point."},
        {TxtSeriesDeleteValueIndexOutOfBounds,
         "Series Delete: ValueIndex %d out of bounds (0 to %d)."},
    };
    for (const Case& c : cases) EXPECT_EQ(c.variable, c.text);
}

TEST_F(LibraryTextsTest, EveryTextIsItsOwnVariable) {
    std::set<const std::string*> variables;
    for (auto texts : {CoreTexts(), ExtendedTexts()})
        for (const TLibraryText& t : texts) {
            EXPECT_TRUE(variables.insert(t.Variable).second) << t.Text;
            EXPECT_FALSE(t.Variable->empty()) << t.Text;
        }
    EXPECT_EQ(CoreTexts().size(), 339u);
    EXPECT_EQ(ExtendedTexts().size(), 334u);
    // A text listed twice is two variables with the same value.
    EXPECT_NE(&TxtExtCursor, &TxtExtCursor2);
    EXPECT_EQ(TxtExtCursor, TxtExtCursor2);
}

TEST_F(LibraryTextsTest, ShutdownEmptiesEachSetAlone) {
    FreeExtendedTexts();
    EXPECT_EQ(TxtExtSegment, "");
    EXPECT_EQ(TxtCustom, "Custom ");
    FreeCoreTexts();
    EXPECT_EQ(TxtDefaultFontName, "");
}

}  // namespace
