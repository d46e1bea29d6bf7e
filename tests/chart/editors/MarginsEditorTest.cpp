// The margins editor: loading leaves the margins alone, each control writes its own value.
#include <gtest/gtest.h>

#include "chart/editors/MarginsEditor.h"
#include "chart/engine/ShapeMargins.h"
#include "platform/ui/Edit.h"
#include "platform/ui/RadioGroup.h"
#include "platform/ui/UpDown.h"
#include "tests/platform/ui/UserInput.h"

namespace {

struct MarginsEditorTest : ::testing::Test {
    TMargins margins{nullptr, 10};
    TMarginsEditor editor{nullptr};

    MarginsEditorTest() {
        margins.SetUnits(maPercentSize);
        margins.SetLeft(7);
        margins.SetTop(-3);
        margins.SetRight(12);
        margins.SetBottom(5);
        editor.SetTagObject(&margins);
    }
    std::tuple<int, int, int, int, int> Values() const {
        return {int(margins.Units()), margins.Left(), margins.Top(), margins.Right(),
                margins.Bottom()};
    }
};

TEST_F(MarginsEditorTest, ShowingLoadsTheTaggedMarginsWithoutChangingThem) {
    const auto before = Values();
    editor.Show();
    EXPECT_EQ(Values(), before);
    EXPECT_EQ(editor.Margins(), &margins);
    EXPECT_EQ(editor.RGUnits->ItemIndex(), 1);
    EXPECT_EQ(editor.ELeft->Text(), "7");
    EXPECT_EQ(editor.ETop->Text(), "-3");
    EXPECT_EQ(editor.ERight->Text(), "12");
    EXPECT_EQ(editor.EBottom->Text(), "5");
}

TEST_F(MarginsEditorTest, EachControlWritesItsValue) {
    editor.Show();
    struct Case {
        const char* what;
        std::function<void()> act;
        std::tuple<int, int, int, int, int> expected;
    };
    const Case cases[] = {
        {"pixels keep the numbers",
         [&] { editor.RGUnits->SetItemIndex(2); },
         {maPixels, 7, -3, 12, 5}},
        {"percent of font",
         [&] { editor.RGUnits->SetItemIndex(0); },
         {maPercentFont, 7, -3, 12, 5}},
        {"left", [&] { editor.ELeft->SetText("-32000"); }, {maPercentFont, -32000, -3, 12, 5}},
        {"top", [&] { editor.ETop->SetText("40"); }, {maPercentFont, -32000, 40, 12, 5}},
        {"right", [&] { editor.ERight->SetText("0"); }, {maPercentFont, -32000, 40, 0, 5}},
        {"bottom",
         [&] { editor.EBottom->SetText("32000"); },
         {maPercentFont, -32000, 40, 0, 32000}},
        {"no number leaves the value",
         [&] { editor.EBottom->SetText("x"); },
         {maPercentFont, -32000, 40, 0, 32000}},
    };
    for (const Case& c : cases) {
        c.act();
        EXPECT_EQ(Values(), c.expected) << c.what;
    }
}

TEST_F(MarginsEditorTest, RealClicksOnUnitsAndArrows) {
    editor.Show();
    // The up-down's upper half steps the left margin by one.
    TUserInput().Click(editor.UDLeft, QPoint(editor.UDLeft->Width() / 2, 3));
    EXPECT_EQ(margins.Left(), 8);
    TUserInput().Click(editor.UDTop, QPoint(editor.UDTop->Width() / 2, editor.UDTop->Height() - 3));
    EXPECT_EQ(margins.Top(), -4);
}

TEST_F(MarginsEditorTest, EditsWriteNothingWhileHidden) {
    editor.LoadMargins(&margins);
    editor.ELeft->SetText("99");
    EXPECT_EQ(margins.Left(), 7);
}

}  // namespace
