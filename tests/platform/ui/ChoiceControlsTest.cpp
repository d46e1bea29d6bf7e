#include <gtest/gtest.h>

#include <QComboBox>
#include <QRadioButton>
#include <QTabBar>

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Picture.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Form.h"
#include "platform/ui/Image.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/RadioGroup.h"
#include "platform/ui/ScrollBar.h"
#include "platform/ui/SpinEdit.h"
#include "platform/ui/UpDown.h"
#include "tests/support/OffscreenApplication.h"

namespace {

TEST(RadioGroup, ItemIndexMayBeNoneAndChangesFireOnClick) {
    TForm form(nullptr);
    auto* group = new TRadioGroup(&form);
    group->SetParent(&form);
    int clicks = 0;
    group->OnClick = [&](TObject*) { ++clicks; };
    for (const char* item : {"Isothermal", "Linear", "Table"}) group->Items()->Add(item);
    auto checked = [&] {
        std::vector<bool> states;
        for (QRadioButton* b : group->Widget()->findChildren<QRadioButton*>())
            states.push_back(b->isChecked());
        return states;
    };
    EXPECT_EQ(group->ItemIndex(), -1);
    EXPECT_EQ(checked(), (std::vector<bool>{false, false, false}));
    group->SetItemIndex(2);
    EXPECT_EQ(checked(), (std::vector<bool>{false, false, true}));
    group->SetItemIndex(-1);
    EXPECT_EQ(checked(), (std::vector<bool>{false, false, false}));
    group->SetItemIndex(7);  // brought into range
    EXPECT_EQ(group->ItemIndex(), 2);
    EXPECT_EQ(clicks, 3);

    group->Widget()->findChildren<QRadioButton*>()[0]->click();  // the user's choice
    EXPECT_EQ(group->ItemIndex(), 0);
    EXPECT_EQ(clicks, 4);
    group->Items()->Delete(2);
    group->Items()->Delete(1);
    group->Items()->Delete(0);
    EXPECT_EQ(group->ItemIndex(), -1);
}

TEST(PageControl, HiddenTabsKeepTheirPagesReachable) {
    TForm form(nullptr);
    auto* pages = new TPageControl(&form);
    pages->SetParent(&form);
    std::vector<TTabSheet*> sheets;
    for (const char* caption : {"Cavity", "Temperatures", "Wavelengths"}) {
        auto* sheet = new TTabSheet(&form);
        sheet->SetPageControl(pages);
        sheet->SetCaption(caption);
        sheets.push_back(sheet);
    }
    int changes = 0;
    pages->OnChange = [&](TObject*) { ++changes; };
    auto* tabs = pages->Widget()->findChild<QTabBar*>();
    ASSERT_NE(tabs, nullptr);
    EXPECT_EQ(tabs->count(), 3);
    EXPECT_EQ(pages->ActivePageIndex(), 0);

    sheets[1]->SetTabVisible(false);
    EXPECT_EQ(tabs->count(), 2);
    EXPECT_EQ(tabs->tabText(1).toStdString(), "Wavelengths");
    pages->SetActivePageIndex(1);  // a page without a tab can still be shown
    EXPECT_EQ(pages->ActivePage(), sheets[1]);
    EXPECT_EQ(sheets[2]->PageIndex(), 2);
    EXPECT_EQ(changes, 0);  // changes from code are not the user's

    tabs->setCurrentIndex(1);  // the user picks the last tab
    EXPECT_EQ(pages->ActivePage(), sheets[2]);
    EXPECT_EQ(changes, 1);

    for (TTabSheet* sheet : sheets) sheet->SetTabVisible(false);
    EXPECT_FALSE(tabs->isVisibleTo(pages->Widget()));
    TObject::Free(sheets[2]);
    EXPECT_EQ(pages->PageCount(), 2);
    EXPECT_EQ(pages->ActivePage(), sheets[0]);
}

TEST(CheckBox, CheckedFromCodeOrClickFiresOnClick) {
    TForm form(nullptr);
    auto* box = new TCheckBox(&form);
    box->SetParent(&form);
    int clicks = 0;
    box->OnClick = [&](TObject*) { ++clicks; };
    box->SetChecked(true);
    box->SetChecked(true);
    static_cast<QAbstractButton*>(box->Widget())->click();
    EXPECT_FALSE(box->Checked());
    EXPECT_EQ(clicks, 2);
}

TEST(ScrollBar, PositionStaysInRangeWithThePage) {
    TForm form(nullptr);
    auto* bar = new TScrollBar(&form);
    bar->SetParent(&form);
    std::vector<int> seen;
    bar->OnChange = [&](TObject*) { seen.push_back(bar->Position()); };
    bar->SetParams(500, 0, 100000);
    bar->SetPageSize(1000);
    bar->SetPosition(100000);
    EXPECT_EQ(bar->Position(), 99001);
    bar->SetPosition(-5);
    EXPECT_EQ(seen, (std::vector<int>{500, 99001, 0}));
    EXPECT_THROW(bar->SetParams(0, 10, 5), EInvalidOperation);
}

TEST(UpDown, StepsFromTheNumberInItsEditWithinTheRange) {
    TForm form(nullptr);
    auto* edit = new TEdit(&form);
    edit->SetParent(&form);
    edit->SetBounds(10, 10, 60, 21);
    auto* arrows = new TUpDown(&form);
    arrows->SetMin(2);
    arrows->SetMax(201);
    arrows->SetAssociate(edit);
    EXPECT_EQ(arrows->Left(), edit->Left() + edit->Width());
    EXPECT_EQ(edit->Text(), "2");
    edit->SetText("200");
    arrows->Step(btNext);
    EXPECT_EQ(edit->Text(), "201");
    arrows->Step(btNext);
    EXPECT_EQ(arrows->Position(), 201);
    arrows->Step(btPrev);
    EXPECT_EQ(edit->Text(), "200");
    // Wrapping, a step past either end goes on from the other.
    arrows->SetWrap(true);
    edit->SetText("201");
    arrows->Step(btNext);
    EXPECT_EQ(arrows->Position(), 2);
    arrows->Step(btPrev);
    EXPECT_EQ(arrows->Position(), 201);
    TObject::Free(edit);  // the arrows let go of a freed edit
    EXPECT_EQ(arrows->Associate(), nullptr);
}

TEST(Image, DestinationRectangle) {
    const struct {
        bool stretch, center, proportional;
        TRect dest;
    } cases[] = {
        {false, false, false, Rect(0, 0, 200, 100)}, {false, true, false, Rect(-50, 0, 150, 100)},
        {true, false, false, Rect(0, 0, 100, 100)},  {false, false, true, Rect(0, 0, 100, 50)},
        {false, true, true, Rect(0, 25, 100, 75)},   {true, true, true, Rect(0, 25, 100, 75)},
    };
    TForm form(nullptr);
    auto* image = new TImage(&form);
    image->SetParent(&form);
    image->SetBounds(0, 0, 100, 100);
    TBitmap picture(200, 100);
    image->Picture()->SetGraphic(&picture);
    for (const auto& c : cases) {
        image->SetStretch(c.stretch);
        image->SetCenter(c.center);
        image->SetProportional(c.proportional);
        EXPECT_EQ(image->DestRect(), c.dest) << c.stretch << c.center << c.proportional;
    }
}

}  // namespace

namespace {

TEST(ComboBox, ItemsFollowAndOnlyTheUserFiresOnChange) {
    TForm form(nullptr);
    auto* combo = new TComboBox(&form);
    combo->SetParent(&form);
    combo->SetStyle(csDropDownList);
    int changes = 0;
    combo->OnChange = [&](TObject*) { ++changes; };
    for (const char* item : {"0.5", "1", "2"}) combo->Items()->Add(item);
    combo->SetItemIndex(1);
    EXPECT_EQ(combo->Text(), "1");
    combo->Items()->Add("5");  // the choice survives a change of the list
    EXPECT_EQ(combo->ItemIndex(), 1);
    combo->SetItemIndex(9);  // out of range: ignored
    EXPECT_EQ(combo->ItemIndex(), 1);
    combo->SetItemIndex(-1);
    EXPECT_EQ(combo->Text(), "");
    EXPECT_EQ(changes, 0);
    static_cast<QComboBox*>(combo->Widget())->activated(2);  // what a choice in the list sends
    EXPECT_EQ(changes, 1);
}

TEST(SpinEdit, ValueStaysWithinItsBounds) {
    TForm form(nullptr);
    auto* spin = new TSpinEdit(&form);
    spin->SetParent(&form);
    std::vector<int> seen;
    spin->OnChange = [&](TObject*) { seen.push_back(spin->Value()); };
    spin->SetValue(-40000);  // no bounds while both are 0
    spin->SetMinValue(1);
    spin->SetMaxValue(101);
    spin->SetValue(500);
    spin->SetText("7");
    EXPECT_EQ(spin->Text(), "7");
    EXPECT_EQ(seen, (std::vector<int>{-40000, 1, 101, 7}));
}

}  // namespace
