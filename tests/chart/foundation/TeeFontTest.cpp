#include <gtest/gtest.h>

#include "chart/foundation/ChartPen.h"
#include "chart/foundation/DefaultChartFont.h"
#include "chart/foundation/LibraryTexts.h"
#include "chart/foundation/TeeFont.h"
#include "chart/foundation/TeeGradient.h"
#include "chart/foundation/TeeShadow.h"
#include "platform/graphics/Picture.h"
#include "tests/support/StoredProperty.h"

namespace {

class TeeFontTest : public testing::Test {
protected:
    void SetUp() override { LoadCoreTexts(); }
    void TearDown() override {
        SetupDefaultChartFont(false);
        FreeCoreTexts();
    }
};

TEST_F(TeeFontTest, StartsAsTheDefaultChartFontAndStoresOnlyDifferences) {
    SetupDefaultChartFont(false);
    TTeeFont font;
    EXPECT_EQ(font.Name(), "Arial");
    EXPECT_EQ(font.Size(), 8);
    EXPECT_EQ(font.Color(), clBlack);
    EXPECT_EQ(font.Charset(), DEFAULT_CHARSET);
    for (const char* name : {"Color", "Height", "Name", "Style", "Charset", "InterCharSize",
                             "OutLine", "Shadow", "Gradient", "Picture"})
        EXPECT_FALSE(Writes(font, name)) << name;
    font.SetSize(10);
    font.SetName("Courier New");
    font.SetColor(clRed);
    for (const char* name : {"Color", "Height", "Name"}) EXPECT_TRUE(Writes(font, name)) << name;
}

TEST_F(TeeFontTest, SizeEightIsStoredWhereTheDefaultIsNine) {
    SetupDefaultChartFont(false);
    TTeeFont font;
    SetupDefaultChartFont(true);
    EXPECT_EQ(font.Size(), 8);
    EXPECT_TRUE(Writes(font, "Height"));
    TTeeFont japanese;
    EXPECT_EQ(japanese.Size(), 9);
    EXPECT_FALSE(Writes(japanese, "Height"));
}

TEST_F(TeeFontTest, EffectsAreMadeOnFirstUseAndReportToTheFont) {
    int changes = 0;
    TTeeFont font([&](TObject*) { ++changes; });
    EXPECT_EQ(font.OutLineIfAny(), nullptr);
    EXPECT_FALSE(font.OutLine()->Visible());  // a hidden pen
    EXPECT_TRUE(Writes(font, "OutLine"));
    font.OutLine()->SwitchOn();
    font.Shadow()->SetHorizSize(2);
    font.Gradient()->SetVisible(true);
    font.SetInterCharSize(1);
    font.SetInterCharSize(1);
    EXPECT_EQ(changes, 4);
    font.SetShadow(nullptr);
    EXPECT_EQ(font.ShadowIfAny(), nullptr);
}

TEST_F(TeeFontTest, AssignFreesEffectsTheSourceLacks) {
    TTeeFont source;
    source.Shadow()->SetVertSize(3);
    source.Gradient()->SetOutline(true);
    source.SetInterCharSize(2);
    source.SetName("Courier New");

    int changes = 0;
    TTeeFont dest([&](TObject*) { ++changes; });
    dest.OutLine()->SwitchOn();
    dest.Picture();
    changes = 0;
    dest.Assign(&source);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(dest.OutLineIfAny(), nullptr);
    EXPECT_EQ(dest.PictureIfAny(), nullptr);
    ASSERT_NE(dest.ShadowIfAny(), nullptr);
    EXPECT_EQ(dest.ShadowIfAny()->VertSize(), 3);
    ASSERT_NE(dest.GradientIfAny(), nullptr);
    EXPECT_TRUE(dest.GradientIfAny()->Outline());
    EXPECT_EQ(dest.InterCharSize(), 2);
    EXPECT_EQ(dest.Name(), "Courier New");
    EXPECT_EQ(source.OutLineIfAny(), nullptr);  // reading the source made nothing
}

}  // namespace
