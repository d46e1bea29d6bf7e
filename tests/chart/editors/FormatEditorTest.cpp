// The format dialog driven as the user drives it: opened on a pattern, clicked, closed.
#include <gtest/gtest.h>

#include "chart/editors/FormatEditor.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/UpDown.h"
#include "tests/chart/editors/ModalRunner.h"
#include "tests/platform/ui/UserInput.h"

namespace {

struct FormatEditorTest : ::testing::Test {
    TFormatSettingsGuard pin{TFormatSettings{}};
    TForm owner{nullptr};

    static void Click(TControl* c) { TUserInput().Click(c, QPoint(6, c->Height() / 2)); }

    std::string Run(const std::string& pattern, bool isDateTime,
                    std::function<void(TFormatEditor&)> act) {
        TModalRunner<TFormatEditor> runner(&owner, std::move(act));
        std::string result = TFormatEditor::ShowFormatDialog(&owner, pattern, isDateTime);
        EXPECT_TRUE(runner.Ran());
        return result;
    }
};

TEST_F(FormatEditorTest, OkRebuildsWhatTheControlsShow) {
    EXPECT_EQ(Run("#,##0.###", true,
                  [](TFormatEditor& d) {
                      EXPECT_TRUE(d.RBInteger->Checked());
                      EXPECT_TRUE(d.CBThousands->Checked());
                      EXPECT_EQ(d.UpDown1->Position(), 3);
                      EXPECT_FALSE(d.CBFixedDecimals->Checked());
                      EXPECT_EQ(d.UpDown2->Position(), 1);
                      Click(d.Button1);
                  }),
              "#,##0.###");
    // "Fixed" clicked: the decimals become required digits.
    EXPECT_EQ(Run("#,##0.###", false,
                  [](TFormatEditor& d) {
                      Click(d.CBFixedDecimals);
                      Click(d.Button1);
                  }),
              "#,##0.000");
}

TEST_F(FormatEditorTest, CancelGivesThePatternBack) {
    EXPECT_EQ(Run("0.0%", false,
                  [](TFormatEditor& d) {
                      Click(d.CBPercent);
                      Click(d.Button2);
                  }),
              "0.0%");
}

TEST_F(FormatEditorTest, PercentClearsAndDisablesThousandsAndCurrency) {
    Run("$#,##0", false, [](TFormatEditor& d) {
        EXPECT_TRUE(d.CBThousands->Checked());
        EXPECT_TRUE(d.CBCurrency->Checked());
        Click(d.CBPercent);
        EXPECT_FALSE(d.CBThousands->Checked());
        EXPECT_FALSE(d.CBCurrency->Checked());
        EXPECT_FALSE(d.CBThousands->Enabled());
        EXPECT_FALSE(d.CBCurrency->Enabled());
        EXPECT_EQ(d.BuildFormat(), "0%");
        Click(d.Button2);
    });
}

TEST_F(FormatEditorTest, CustomAndDatePatternsOpenInTheirCombos) {
    EXPECT_EQ(Run("00e-0", false,
                  [](TFormatEditor& d) {
                      EXPECT_TRUE(d.RBCustom->Checked());
                      EXPECT_TRUE(d.CBCustom->Enabled());
                      EXPECT_EQ(d.CBCustom->Text(), "00e-0");
                      EXPECT_EQ(d.CBCustom->Items()->Count(), 3);
                      EXPECT_FALSE(d.RBInteger->Checked());
                      Click(d.Button1);
                  }),
              "00e-0");
    // A date pattern opens as a date even where the date choice is hidden.
    EXPECT_EQ(Run("mmm", false,
                  [](TFormatEditor& d) {
                      EXPECT_FALSE(d.RBDate->Visible());
                      EXPECT_TRUE(d.RBDate->Checked());
                      Click(d.Button1);
                  }),
              "mmm");
    // Choosing Number again builds from the number controls.
    EXPECT_EQ(Run("mmm", true,
                  [](TFormatEditor& d) {
                      Click(d.RBInteger);
                      EXPECT_FALSE(d.RBDate->Checked());
                      EXPECT_FALSE(d.CBDate->Enabled());
                      Click(d.Button1);
                  }),
              "#");
}

TEST_F(FormatEditorTest, GeographicChoiceStartsOnTheFirstPreset) {
    EXPECT_EQ(Run("0.00", false,
                  [](TFormatEditor& d) {
                      Click(d.RBGeo);
                      EXPECT_FALSE(d.RBInteger->Checked());
                      Click(d.Button1);
                  }),
              "ddd\u00B0 mm' ss\".zzz");
}

}  // namespace
