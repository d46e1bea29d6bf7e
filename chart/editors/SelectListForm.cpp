#include "chart/editors/SelectListForm.h"

#include "chart/editors/EditorControls.h"
#include "chart/editors/EditorRoutines.h"
#include "platform/graphics/Bitmap.h"
#include "platform/rtl/Strings.h"
#include "platform/ui/Button.h"
#include "platform/ui/ListBox.h"
#include "platform/ui/SpeedButton.h"

namespace {

TListBox* MakeList(TSelectListForm* form, int left, const char* caption, const char* hint) {
    MakeLabel(form, left, 4, caption);
    TListBox* list = MakeControl<TListBox>(form, left, 22, 130, 180);
    list->SetMultiSelect(true);
    list->SetHint(hint);
    list->SetShowHint(true);
    return list;
}

}  // namespace

TSelectListForm::TSelectListForm(TComponent* owner) : TForm(owner) {
    SetBorderStyle(bsNone);
    SetBounds(0, 0, 340, 210);
    FromList = MakeList(this, 4, "A&vailable:", "Items that can be chosen");
    ToList = MakeList(this, 176, "&Selected: ", "Items chosen, in their order");
    BRightOne = MakePushButton(this, 138, 30, 34, ">");
    BRightAll = MakePushButton(this, 138, 60, 34, ">>");
    BLeftOne = MakePushButton(this, 138, 100, 34, "<");
    BLeftAll = MakePushButton(this, 138, 130, 34, "<<");
    BMoveUP = MakeControl<TSpeedButton>(this, 310, 40, 24, 24);
    BMoveDown = MakeControl<TSpeedButton>(this, 310, 70, 24, 24);
    TBitmap up, down;
    LoadArrowBitmaps(up, down);
    BMoveUP->SetGlyph(&up);
    BMoveDown->SetGlyph(&down);

    BRightOne->OnClick = [this](TObject*) { RightOne(); };
    BLeftOne->OnClick = [this](TObject*) {
        MoveSelectedItems(*ToList, *FromList);
        Changed();
    };
    BRightAll->OnClick = [this](TObject*) {
        MoveAllItems(*FromList->Items(), *ToList->Items());
        Changed();
    };
    BLeftAll->OnClick = [this](TObject*) {
        MoveAllItems(*ToList->Items(), *FromList->Items());
        Changed();
    };
    BMoveUP->OnClick = [this](TObject*) { MoveLine(-1); };
    BMoveDown->OnClick = [this](TObject*) { MoveLine(1); };
    FromList->OnDblClick = [this](TObject*) {
        RightOne();
        ToList->SetItemIndex(ToList->Count() - 1);
        // The moves may now follow the line just selected.
        UpdateButtons();
    };
    ToList->OnDblClick = [this](TObject*) { BLeftOne->OnClick(BLeftOne); };
    FromList->OnClick = [this](TObject*) { UpdateButtons(); };
    ToList->OnClick = [this](TObject*) { UpdateButtons(); };
    DoCreate();
    SetAlign(alClient);
}

void TSelectListForm::UpdateButtons() {
    BRightOne->SetEnabled(FromList->Count() > 0);
    BRightAll->SetEnabled(FromList->Count() > 0);
    BLeftOne->SetEnabled(ToList->Count() > 0);
    BLeftAll->SetEnabled(ToList->Count() > 0);
    const int line = ToList->ItemIndex();
    BMoveUP->SetEnabled(line > 0);
    BMoveDown->SetEnabled(line >= 0 && line < ToList->Count() - 1);
}

void TSelectListForm::RightOne() {
    MoveSelectedItems(*FromList, *ToList);
    if (FromList->Count() == 0) ToList->SetFocus();
    Changed();
}

void TSelectListForm::MoveLine(int delta) {
    const int line = ToList->ItemIndex();
    const int other = line + delta;
    if (line < 0 || other < 0 || other >= ToList->Count()) return;
    TStrings& items = *ToList->Items();
    const std::string text = items.Strings(line);
    TObject* object = items.Objects(line);
    items.Delete(line);
    items.InsertObject(other, text, object);
    ToList->SetItemIndex(other);
    ToList->SetFocus();
    Changed();
}

void TSelectListForm::Changed() {
    UpdateButtons();
    if (OnChange) OnChange(this);
}

void TSelectListForm::DoShow() {
    UpdateButtons();
    TForm::DoShow();
    if (FromList->Count() > 0)
        FromList->SetFocus();
    else
        ToList->SetFocus();
}
