// The bindings of an editor form's simple controls: a radio group and a track bar load from the
// object and write it, never while loading; an up-down edit writes by its number rule, and only
// while the form shows when asked; a combo or a radio group with no item chosen writes nothing;
// without an object nothing loads and nothing is written.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "chart/editors/EditorBindings.h"
#include "chart/editors/EditorControls.h"
#include "chart/editors/EditorForm.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/RadioGroup.h"
#include "platform/ui/TrackBar.h"
#include "platform/ui/UpDown.h"

namespace {

enum TBoundFruit { bfApple, bfPear, bfPlum };

// The edited object: it counts its writes, so that a test sees a load that wrote back.
class TBoundThing {
public:
    TBoundFruit Fruit() const { return FFruit; }
    void SetFruit(TBoundFruit value) {
        FFruit = value;
        ++Writes;
    }
    int Number() const { return FNumber; }
    void SetNumber(int value) {
        FNumber = value;
        ++Writes;
    }

    int Writes = 0;

private:
    TBoundFruit FFruit = bfApple;
    int FNumber = 5;
};

class TBindingsForm : public TEditorForm {
public:
    explicit TBindingsForm(TComponent* owner) : TEditorForm(owner) {}
    using TEditorForm::LoadBindings;
};

struct EditorBindingsTest : ::testing::Test {
    TBindingsForm form{nullptr};
    TBoundThing thing;
    TBoundThing* source = &thing;
    int afters = 0;

    auto Source() {
        return [this] { return source; };
    }
    TRadioGroup* MakeFruitGroup() {
        auto* group = MakeControl<TRadioGroup>(&form, 8, 8, 120, 100);
        for (const char* item : {"Apple", "Pear", "Plum"}) group->Items()->Add(item);
        return group;
    }
    TUpDownEdit MakeNumberEdit() { return MakeUpDownEdit(&form, 8, 120, 45, 1, 10); }
};

TEST_F(EditorBindingsTest, RadioGroupLoadsWritesAndRunsAfter) {
    TRadioGroup* group = MakeFruitGroup();
    BindRadioGroup(form, group, Source(), &TBoundThing::Fruit, &TBoundThing::SetFruit,
                   [this] { ++afters; });
    thing.SetFruit(bfPlum);
    thing.Writes = 0;
    form.LoadBindings();
    EXPECT_EQ(group->ItemIndex(), int(bfPlum));
    EXPECT_EQ(thing.Writes, 0);
    EXPECT_EQ(afters, 1);
    group->SetItemIndex(int(bfPear));
    EXPECT_EQ(thing.Fruit(), bfPear);
    EXPECT_EQ(afters, 2);
    // No item chosen is no fruit.
    group->SetItemIndex(-1);
    EXPECT_EQ(thing.Fruit(), bfPear);
    EXPECT_EQ(thing.Writes, 1);
}

TEST_F(EditorBindingsTest, ComboWithNoItemWritesNothing) {
    TComboBox* combo = MakeComboBox(&form, 8, 8, 100, {"Apple", "Pear", "Plum"});
    BindComboBox(form, combo, Source(), &TBoundThing::Fruit, &TBoundThing::SetFruit,
                 [this] { ++afters; });
    thing.SetFruit(bfPear);
    thing.Writes = 0;
    form.LoadBindings();
    // Setting the index fires no change of its own: the load runs after itself.
    EXPECT_EQ(combo->ItemIndex(), int(bfPear));
    EXPECT_EQ(afters, 1);
    combo->SetItemIndex(-1);
    combo->OnChange(combo);
    EXPECT_EQ(thing.Writes, 0);
    combo->SetItemIndex(int(bfPlum));
    combo->OnChange(combo);
    EXPECT_EQ(thing.Fruit(), bfPlum);
}

TEST_F(EditorBindingsTest, TrackBarLoadsWithoutWritingAndWritesMoves) {
    auto* bar = MakeControl<TTrackBar>(&form, 8, 8, 120, 28);
    bar->SetMax(100);
    BindTrackBar(form, bar, Source(), &TBoundThing::Number, &TBoundThing::SetNumber);
    thing.SetNumber(40);
    thing.Writes = 0;
    form.LoadBindings();
    EXPECT_EQ(bar->Position(), 40);
    EXPECT_EQ(thing.Writes, 0);
    bar->SetPosition(70);
    EXPECT_EQ(thing.Number(), 70);
}

TEST_F(EditorBindingsTest, UpDownEditWritesByItsNumberRule) {
    // The up-down runs 1..10 and stands at 5.
    struct Case {
        TTypedNumber typed;
        const char* text;
        std::optional<int> written;
    };
    const Case cases[] = {
        {TTypedNumber::Any, "20", 20},     {TTypedNumber::Any, "-3", -3},
        {TTypedNumber::Any, "2x", {}},     {TTypedNumber::Positive, "7", 7},
        {TTypedNumber::Positive, "0", {}}, {TTypedNumber::Positive, "-1", {}},
        {TTypedNumber::InRange, "10", 10}, {TTypedNumber::InRange, "11", {}},
        {TTypedNumber::InRange, "0", {}},  {TTypedNumber::Clamped, "11", 10},
        {TTypedNumber::Clamped, "-4", 1},  {TTypedNumber::Clamped, "x", 5},
    };
    for (const Case& c : cases) {
        TBindingsForm caseForm(nullptr);
        TBoundThing object;
        const TUpDownEdit edit = MakeUpDownEdit(&caseForm, 8, 8, 45, 1, 10);
        BindUpDownEdit(caseForm, edit, [&object] { return &object; }, &TBoundThing::Number,
                       &TBoundThing::SetNumber, {.Typed = c.typed});
        caseForm.LoadBindings();
        EXPECT_EQ(edit.Edit->Text(), "5");
        EXPECT_EQ(object.Writes, 0);
        edit.Edit->SetText(c.text);
        if (c.written) {
            EXPECT_EQ(object.Writes, 1) << c.text;
            EXPECT_EQ(object.Number(), *c.written) << c.text;
        } else {
            EXPECT_EQ(object.Writes, 0) << c.text;
        }
    }
}

TEST_F(EditorBindingsTest, UpDownEditWritesOnlyWhileTheFormShowsWhenAsked) {
    const TUpDownEdit edit = MakeNumberEdit();
    BindUpDownEdit(form, edit, Source(), &TBoundThing::Number, &TBoundThing::SetNumber,
                   {.OnlyWhileShowing = true});
    edit.Edit->SetText("7");
    EXPECT_EQ(thing.Writes, 0);
    form.Show();
    edit.Edit->SetText("8");
    EXPECT_EQ(thing.Number(), 8);
}

TEST_F(EditorBindingsTest, WithoutAnObjectNothingLoadsOrIsWritten) {
    TRadioGroup* group = MakeFruitGroup();
    const TUpDownEdit edit = MakeNumberEdit();
    BindRadioGroup(form, group, Source(), &TBoundThing::Fruit, &TBoundThing::SetFruit);
    BindUpDownEdit(form, edit, Source(), &TBoundThing::Number, &TBoundThing::SetNumber);
    source = nullptr;
    form.LoadBindings();
    EXPECT_EQ(group->ItemIndex(), -1);
    group->SetItemIndex(int(bfPlum));
    edit.Edit->SetText("9");
    EXPECT_EQ(thing.Writes, 0);
    EXPECT_EQ(thing.Fruit(), bfApple);
}

}  // namespace
