#include <gtest/gtest.h>

#include <vector>

#include "platform/classes/Cursors.h"
#include "platform/classes/PropInfo.h"
#include "platform/rtl/Exceptions.h"

namespace {

TEST(Cursors, NamesAndNumbersGoBothWays) {
    const struct {
        const char* name;
        TCursor value;
    } cases[] = {
        {"crDefault", 0},     {"crNone", -1},     {"crArrow", -2},      {"crCross", -3},
        {"crIBeam", -4},      {"crSizeNESW", -6}, {"crSizeNS", -7},     {"crSizeNWSE", -8},
        {"crSizeWE", -9},     {"crUpArrow", -10}, {"crHourGlass", -11}, {"crDrag", -12},
        {"crNoDrop", -13},    {"crHSplit", -14},  {"crVSplit", -15},    {"crMultiDrag", -16},
        {"crSQLWait", -17},   {"crNo", -18},      {"crAppStart", -19},  {"crHelp", -20},
        {"crHandPoint", -21}, {"crSizeAll", -22},
    };
    std::vector<std::string> listed;
    GetCursorValues([&](const std::string& name) { listed.push_back(name); });
    ASSERT_EQ(listed.size(), std::size(cases));
    for (size_t i = 0; i < std::size(cases); ++i) {
        const auto& c = cases[i];
        EXPECT_EQ(listed[i], c.name);
        EXPECT_EQ(CursorToString(c.value), c.name);
        EXPECT_EQ(StringToCursor(c.name), c.value);
        int64_t value = 1;
        EXPECT_TRUE(CursorIdentConverter().FromIdent(c.name, value));
        EXPECT_EQ(value, c.value);
    }
    EXPECT_EQ(StringToCursor("CRHOURGLASS"), crHourGlass);  // letter case does not matter
    EXPECT_EQ(StringToCursor("crSize"), crSizeAll);         // the older name
    EXPECT_EQ(StringToCursor("2020"), 2020);
    EXPECT_EQ(CursorToString(2020), "2020");
    EXPECT_EQ(CursorToString(-5), "-5");
    std::string ident;
    EXPECT_FALSE(CursorToIdent(-23, ident));
    EXPECT_THROW(StringToCursor("crTeeHand"), EConvertError);
}

struct TRecordingCursor : IScreenCursor {
    std::vector<TCursor> Shown;
    void SetCursor(TCursor cursor) override { Shown.push_back(cursor); }
};

TEST(Cursors, GuardsShowThroughTheInstalledServiceAndPutBackTheFormerOne) {
    TRecordingCursor outer, inner;
    IScreenCursor* former = SetScreenCursor(&outer);
    {
        TCursorGuard busy;  // the hourglass by default
        EXPECT_EQ(SetScreenCursor(&inner), &outer);
        {
            TCursorGuard hand(crHandPoint);
            EXPECT_EQ(ScreenCursorShape(), crHandPoint);
        }
        EXPECT_EQ(ScreenCursorShape(), crHourGlass);
        SetScreenCursor(&outer);
    }
    EXPECT_EQ(ScreenCursorShape(), crDefault);
    EXPECT_EQ(SetScreenCursor(former), &outer);
    EXPECT_EQ(outer.Shown, (std::vector<TCursor>{crHourGlass, crDefault}));
    EXPECT_EQ(inner.Shown, (std::vector<TCursor>{crHandPoint, crHourGlass}));
}

}  // namespace
