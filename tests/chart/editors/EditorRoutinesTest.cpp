#include <gtest/gtest.h>

#include "chart/editors/EditorRoutines.h"
#include "chart/foundation/ResourceRoutines.h"
#include "platform/classes/Cursors.h"
#include "platform/graphics/Picture.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/Form.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/Panel.h"
#include "platform/ui/RecordingDialogService.h"

namespace {

class TShownCounter : public TForm {
public:
    explicit TShownCounter(TComponent* owner) : TForm(owner) {
        SetBounds(0, 0, 200, 100);
        OnShow = [this](TObject*) { ++shows; };
    }
    int shows = 0;
};

TEST(EmbeddedEditorForm, StartsAtMostFourPixelsDownAndKeepsItsParentHidden) {
    struct TCase {
        int parentHeight;
        int top;
    };
    for (TCase c : {TCase{200, 4}, TCase{106, 3}, TCase{100, 0}}) {
        TForm host(nullptr);
        TPageControl* pages = new TPageControl(&host);
        pages->SetParent(&host);
        TTabSheet* first = new TTabSheet(&host);
        first->SetPageControl(pages);
        TTabSheet* sheet = new TTabSheet(&host);
        sheet->SetPageControl(pages);
        pages->SetBounds(0, 0, 300, c.parentHeight + (pages->Height() - sheet->ClientHeight()));
        host.Show();
        sheet->SetVisible(false);
        TShownCounter* form = new TShownCounter(&host);
        TObject* edited = pages;
        EmbedTaggedEditorForm(*form, *sheet, edited);
        EXPECT_EQ(form->Top(), c.top) << c.parentHeight;
        EXPECT_EQ(form->Left(), 4);
        EXPECT_EQ(form->TagObject(), edited);
        EXPECT_EQ(form->BorderStyle(), bsNone);
        EXPECT_EQ(form->shows, 1) << "the page loads as it is shown";
        EXPECT_FALSE(sheet->Visible()) << "the hidden sheet stays hidden";
    }
}

TEST(EditorDialog, OwnedByTheControlsFormAndCentredOnIt) {
    TForm window(nullptr);
    TPanel* panel = new TPanel(&window);
    panel->SetParent(&window);
    TPanel* inner = new TPanel(&window);
    inner->SetParent(panel);
    EXPECT_EQ(OwnerFormOf(inner), &window);
    EXPECT_EQ(OwnerFormOf(&window), &window);
    EXPECT_EQ(OwnerFormOf(nullptr), nullptr);
    TPanel loose(nullptr);
    EXPECT_EQ(OwnerFormOf(&loose), &loose) << "a control on no form is its own owner";

    TForm* dialog = CreateEditorDialog<TShownCounter>(inner);
    EXPECT_EQ(dialog->Owner(), &window);
    EXPECT_EQ(dialog->Position(), poOwnerFormCenter);
    EXPECT_EQ(dialog->BorderStyle(), bsDialog);
    EXPECT_EQ(dialog->Align(), alNone);
    EXPECT_FALSE(dialog->Visible());

    TForm* unowned = CreateEditorDialog<TShownCounter>(nullptr);
    EXPECT_EQ(unowned->Owner(), nullptr);
    EXPECT_EQ(unowned->Position(), poScreenCenter);
    TObject::Free(unowned);
}

TEST(ConfirmDelete, AsksYesOrNoBesideTheControl) {
    TRecordingDialogService dialogs;
    TForm window(nullptr);
    window.SetBounds(50, 60, 300, 200);
    TPanel* panel = new TPanel(&window);
    panel->SetParent(&window);
    panel->SetBounds(10, 20, 100, 50);
    dialogs.Answers = {mrNo, mrYes};
    EXPECT_FALSE(ConfirmDelete("Series1", panel));
    EXPECT_TRUE(ConfirmDelete("Series1", nullptr));
    ASSERT_EQ(dialogs.Messages.size(), 2u);
    EXPECT_EQ(dialogs.Messages[0].Text, "Delete Series1 ?");
    EXPECT_EQ(dialogs.Messages[0].Type, mtConfirmation);
    EXPECT_EQ(dialogs.Messages[0].Buttons, (TMsgDlgButtons{mbYes, mbNo}));
    const TPoint origin = panel->ClientToScreen(TPoint{0, 0});
    ASSERT_TRUE(dialogs.Messages[0].TopLeft.has_value());
    EXPECT_EQ(dialogs.Messages[0].TopLeft->X, origin.X + 20);
    EXPECT_EQ(dialogs.Messages[0].TopLeft->Y, origin.Y + 30);
    EXPECT_FALSE(dialogs.Messages[1].TopLeft.has_value()) << "without a control it is centred";
}

TEST(CursorNames, NamesWithoutThePrefixAndTheLibraryHandLast) {
    struct TCase {
        int defaultCursor;
        const char* name;
        int cursor;
    };
    for (TCase c : {TCase{crArrow, "Cross", crCross}, TCase{crArrow, "HandPoint", crHandPoint},
                    TCase{crArrow, "TeeHand", crTeeHand}, TCase{crCross, "TeeHand", crTeeHand},
                    TCase{crIBeam, "NoSuchCursor", crIBeam}, TCase{crArrow, "", crArrow}})
        EXPECT_EQ(NameToCursor(c.defaultCursor, c.name), c.cursor) << c.name;

    TForm window(nullptr);
    TComboBox* combo = new TComboBox(&window);
    combo->SetParent(&window);
    FillCursorCombo(*combo, crCross);
    TStrings& items = *combo->Items();
    EXPECT_EQ(items.Strings(0), "Default");
    EXPECT_EQ(items.Strings(items.Count() - 1), "TeeHand");
    EXPECT_EQ(items.IndexOf("crCross"), -1);
    EXPECT_EQ(combo->Text(), "Cross");
    const int count = items.Count();
    FillCursorCombo(*combo, crTeeHand);
    EXPECT_EQ(items.Count(), count) << "refilled, not appended";
    EXPECT_EQ(combo->ItemIndex(), count - 1);
    FillCursorCombo(*combo, 777);
    EXPECT_EQ(combo->ItemIndex(), -1) << "a cursor without a name selects nothing";
}

TEST(CursorPicture, TheCursorImageOrNothing) {
    TPicture picture;
    CursorToPicture(crArrow, picture);
    ASSERT_NE(picture.Graphic(), nullptr);
    EXPECT_GT(picture.Width(), 0);
    CursorToPicture(777, picture);
    EXPECT_EQ(picture.Graphic(), nullptr);
}

}  // namespace
