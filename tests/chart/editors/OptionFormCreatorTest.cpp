// The filter editor's option builder on a real panel: what each filter asks for appears, in
// place, showing the filter's values, and what the user does there reaches the filter.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "chart/editors/OptionFormCreator.h"
#include "chart/foundation/ComboFlat.h"
#include "chart/foundation/LibraryTexts.h"
#include "chart/foundation/TeeButtons.h"
#include "chart/foundation/TeeFilterTransforms.h"
#include "chart/foundation/TeeFilters.h"
#include "platform/classes/PropAccess.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Form.h"
#include "platform/ui/Label.h"
#include "platform/ui/Panel.h"
#include "platform/ui/RecordingDialogService.h"
#include "platform/ui/ScrollBar.h"
#include "platform/ui/UpDown.h"
#include "tests/platform/ui/UserInput.h"

namespace {

TEST(PrettyEnumName, CapitalsInsideTheNameStartWords) {
    const struct {
        const char* name;
        const char* shown;
    } cases[] = {
        {"gmGrayScale", "Gray Scale"},
        {"fmHueLumSat", "Hue Lum Sat"},
        {"gmEye2", "Eye2"},
        {"tkA1B", "A 1B"},
        {"lower", "lower"},
        {"mdHorizontal", "Horizontal"},
        {"", ""},
        {"X", "X"},
    };
    for (const auto& c : cases) EXPECT_EQ(PrettyEnumName(c.name), c.shown) << c.name;
}

// One line per control on the panel: its kind, its top, and what it shows.
std::string Describe(TControl* c) {
    std::string line = c->ClassName() + std::string(" ") + std::to_string(c->Top());
    if (auto* box = dynamic_cast<TCheckBox*>(c))
        line += " '" + box->Caption() + "' " + (box->Checked() ? "on" : "off");
    else if (auto* label = dynamic_cast<TLabel*>(c))
        line += " '" + label->Caption() + "'";
    else if (auto* bar = dynamic_cast<TScrollBar*>(c))
        line += " " + std::to_string(bar->Min()) + ".." + std::to_string(bar->Max()) + " at " +
                std::to_string(bar->Position());
    else if (auto* combo = dynamic_cast<TComboFlat*>(c))
        line +=
            " " + std::to_string(combo->Items()->Count()) + " '" + combo->GetSelectedText() + "'";
    else if (auto* button = dynamic_cast<TButtonColor*>(c))
        line += " '" + button->Caption() + "'";
    else if (auto* upDown = dynamic_cast<TUpDown*>(c))
        line += " " + std::to_string(upDown->Min()) + ".." + std::to_string(upDown->Max());
    else if (auto* edit = dynamic_cast<TEdit*>(c))
        line += " '" + edit->Text() + "'";
    return line;
}

struct OptionFormCreatorTest : ::testing::Test {
    TForm form{nullptr};
    TPanel* panel;
    TFilterItems items{nullptr};
    TOptionFormCreator creator;
    int changes = 0;

    OptionFormCreatorTest() : panel(MakePanel(form)), creator(panel) {
        LoadCoreTexts();
        RegisterImageFilters();
        creator.OnChange = [this] { ++changes; };
    }
    static TPanel* MakePanel(TForm& form) {
        form.SetBounds(0, 0, 300, 400);
        auto* p = new TPanel(&form);
        p->SetParent(&form);
        p->SetBounds(0, 0, 200, 380);
        return p;
    }
    TTeeFilter* Build(TClass cls) {
        TTeeFilter* filter = items.AddFilterOfClass(cls);
        creator.Start(filter);
        creator.SetBuilding(true);
        filter->BuildEditor(creator, nullptr);
        creator.SetBuilding(false);
        return filter;
    }
    std::vector<std::string> Lines() const {
        std::vector<std::string> lines;
        for (int i = 0; i < panel->ControlCount(); ++i)
            lines.push_back(Describe(panel->Controls(i)));
        return lines;
    }
    template <class T>
    T* Nth(int n = 0) const {
        for (int i = 0; i < panel->ControlCount(); ++i)
            if (auto* c = dynamic_cast<T*>(panel->Controls(i)); c && n-- == 0) return c;
        return nullptr;
    }
};

using TLines = std::vector<std::string>;

// Every registered filter, built on a panel 200 pixels wide: its controls stacked from 8 down,
// each showing the filter's current value.
TEST_F(OptionFormCreatorTest, EveryFilterShowsItsControls) {
    const TLines none;
    const auto amount = [](const char* range, const char* at) {
        return TLines{std::string("TScrollBar 8 ") + range + " at " + at,
                      "TCheckBox 30 'Percent' on"};
    };
    const auto integers = [](const char* a, const char* b, const char* range, const char* value) {
        return TLines{
            std::string("TLabel 12 '&") + a + "'",   std::string("TEdit 8 '") + value + "'",
            std::string("TUpDown 8 ") + range,       std::string("TLabel 34 '&") + b + "'",
            std::string("TEdit 30 '") + value + "'", std::string("TUpDown 30 ") + range};
    };
    const TLines channels = {"TScrollBar 8 -255..255 at 0", "TScrollBar 30 -255..255 at 0",
                             "TScrollBar 52 -255..255 at 0"};
    TLines crop = integers("Width", "Height", "0..10000", "0");
    for (const char* line :
         {"TLabel 56 '&Left'", "TEdit 52 '0'", "TUpDown 52 0..10000", "TLabel 78 '&Top'",
          "TEdit 74 '0'", "TUpDown 74 0..10000", "TCheckBox 96 'Smooth' off"})
        crop.push_back(line);
    const struct {
        TClass cls;
        TLines lines;
        int next;
    } cases[] = {
        {&TInvertFilter::StaticClass(), none, 8},
        {&TGrayScaleFilter::StaticClass(), {"TComboFlat 8 3 'Simple'"}, 0},
        {&TMosaicFilter::StaticClass(), amount("0..100", "8"), 48},
        {&TFlipFilter::StaticClass(), none, 8},
        {&TReverseFilter::StaticClass(), none, 8},
        {&TBrightnessFilter::StaticClass(), amount("-100..100", "5"), 48},
        {&TContrastFilter::StaticClass(), amount("-100..100", "5"), 48},
        {&TColorFilter::StaticClass(), channels, 74},
        {&THueLumSatFilter::StaticClass(), channels, 74},
        {&TBlurFilter::StaticClass(), {"TScrollBar 8 1..20 at 1", "TScrollBar 30 0..50 at 1"}, 52},
        {&TSharpenFilter::StaticClass(), none, 8},
        {&TGammaCorrectionFilter::StaticClass(), amount("0..100", "70"), 48},
        {&TEmbossFilter::StaticClass(), none, 8},
        {&TSoftenFilter::StaticClass(), none, 8},
        {&TCropFilter::StaticClass(), crop, 114},
        {&TResizeFilter::StaticClass(), integers("Width", "Height", "0..10000", "0"), 52},
        {&TRotateFilter::StaticClass(),
         {"TScrollBar 8 0..360 at 0", "TButtonColor 30 'Back'", "TCheckBox 61 'Autosize' on"},
         79},
        {&TMirrorFilter::StaticClass(), {"TComboFlat 8 4 'Down'"}, 0},
        {&TTileFilter::StaticClass(), integers("Columns", "Rows", "1..1000", "3"), 52},
        {&TBevelFilter::StaticClass(),
         {"TScrollBar 8 1..255 at 64", "TScrollBar 30 1..1000 at 15"},
         52},
        {&TZoomFilter::StaticClass(),
         {"TScrollBar 8 0..100 at 10", "TCheckBox 30 'Smooth' off"},
         48},
    };
    ASSERT_EQ(FilterClassList().size(), std::size(cases));
    for (const auto& c : cases) {
        while (panel->ControlCount() > 0) TObject::Free(panel->Controls(0));
        Build(c.cls);
        EXPECT_EQ(Lines(), c.lines) << c.cls->ClassName();
        // A drop-down list takes the toolkit's height; the next control still leaves 6 pixels.
        const int next = c.next ? c.next : 8 + Nth<TComboFlat>()->Height() + 6;
        EXPECT_EQ(creator.NextTop(), next) << c.cls->ClassName();
    }
    EXPECT_EQ(changes, 0);  // building writes nothing
}

// Wide controls span the panel less the margins.
TEST_F(OptionFormCreatorTest, WideControlsFollowThePanelWidth) {
    Build(&TTileFilter::StaticClass());
    EXPECT_EQ(Nth<TEdit>()->Left(), 44);
    // The up-down takes its place at the right of the edit's room.
    EXPECT_EQ(Nth<TEdit>()->Width() + Nth<TUpDown>()->Width(), 200 - 68);
    EXPECT_EQ(Nth<TLabel>()->FocusControl(), Nth<TEdit>());
    Build(&TBlurFilter::StaticClass());
    EXPECT_EQ(Nth<TScrollBar>()->Width(), 200 - 8);
    Build(&TMirrorFilter::StaticClass());
    EXPECT_EQ(Nth<TComboFlat>()->Width(), 200 - 8);
}

TEST_F(OptionFormCreatorTest, ClicksAndKeysWriteTheProperties) {
    form.Show();
    // Check box: the property, then the filter's own handler (the amount bar re-ranged), then
    // the editor's notification.
    auto* brightness = static_cast<TAmountFilter*>(Build(&TBrightnessFilter::StaticClass()));
    TCheckBox* percent = Nth<TCheckBox>();
    TUserInput().Click(percent, QPoint(6, 8));
    EXPECT_FALSE(brightness->Percent());
    EXPECT_EQ(Nth<TScrollBar>()->Max(), 255);
    EXPECT_EQ(changes, 1);
    // Scroll bar: a key moves it and the amount follows.
    TScrollBar* bar = Nth<TScrollBar>();
    bar->SetFocus();
    TUserInput::Key(bar, Qt::Key_Right);
    EXPECT_NE(bar->Position(), 5);
    EXPECT_EQ(brightness->Amount(), bar->Position());
    EXPECT_EQ(changes, 2);

    // Drop-down list: the item's index is the ordinal written.
    auto* mirror = static_cast<TMirrorFilter*>(Build(&TMirrorFilter::StaticClass()));
    TComboFlat* combo = Nth<TComboFlat>();
    combo->SetFocus();
    TUserInput::Key(combo, combo->ItemIndex() == 0 ? Qt::Key_Down : Qt::Key_Up);
    EXPECT_EQ(combo->GetSelectedText(), PrettyEnumName(GetEnumProp(mirror, "Direction")));
    EXPECT_EQ(combo->ItemIndex(), int(GetOrdProp(mirror, "Direction")));
    EXPECT_EQ(changes, 3);

    // Integer edit: typed digits, and the up-down's steps through the edit.
    auto* tile = static_cast<TTileFilter*>(Build(&TTileFilter::StaticClass()));
    TEdit* cols = Nth<TEdit>();
    cols->SetFocus();
    cols->SelectAll();
    TUserInput::Key(cols, Qt::Key_1, "1");
    TUserInput::Key(cols, Qt::Key_2, "2");
    EXPECT_EQ(tile->NumCols(), 12);
    Nth<TUpDown>(1)->Step(btNext);
    EXPECT_EQ(tile->NumRows(), 4);

    // Colour button: the button writes the colour, the builder only tells the editor.
    TRecordingDialogService dialogs;
    auto* rotate = static_cast<TRotateFilter*>(Build(&TRotateFilter::StaticClass()));
    const int before = changes;
    dialogs.ColorAnswers.push_back(clRed);
    TUserInput().Click(Nth<TButtonColor>(), QPoint(6, 8));
    EXPECT_EQ(rotate->BackColor(), clRed);
    EXPECT_EQ(changes, before + 1);
}

// A text that is no number fails in the property write, which the application reports: the
// filter keeps its value and the editor is not told of a change.
TEST_F(OptionFormCreatorTest, ANonNumberKeepsTheValue) {
    TRecordingDialogService dialogs;
    auto* tile = static_cast<TTileFilter*>(Build(&TTileFilter::StaticClass()));
    try {
        Nth<TEdit>()->SetText("x");
    } catch (const Exception&) {
        dialogs.Messages.push_back({});  // raised straight to the caller instead: the same fault
    }
    EXPECT_EQ(dialogs.Messages.size(), 1u);
    EXPECT_EQ(tile->NumCols(), 3);
    EXPECT_EQ(changes, 0);
}

}  // namespace
