#include "chart/editors/MarginsEditor.h"

#include "chart/editors/EditorControls.h"
#include "chart/engine/ShapeMargins.h"
#include "chart/foundation/EditorHooks.h"
#include "platform/rtl/NumberText.h"
#include "platform/rtl/Strings.h"
#include "platform/ui/Edit.h"
#include "platform/ui/RadioGroup.h"
#include "platform/ui/UpDown.h"

namespace {

constexpr int MarginLimit = 32000;

TMarginUnits UnitsOfItem(int item) {
    return item == 0 ? maPercentFont : item == 1 ? maPercentSize : maPixels;
}

int ItemOfUnits(TMarginUnits units) {
    return units == maPercentFont ? 0 : units == maPercentSize ? 1 : 2;
}

}  // namespace

TMarginsEditor::TMarginsEditor(TComponent* owner) : TForm(owner) {
    SetCaption("MarginsEditor");
    SetBounds(0, 0, 260, 150);
    RGUnits = MakeControl<TRadioGroup>(this, 8, 8, 110, 100);
    RGUnits->SetCaption("&Units:");
    for (const char* item : {"Percent &Font", "P&ercent Size", "P&ixels"})
        RGUnits->Items()->Add(item);
    TUpDownEdit edits[4];
    const char* captions[4] = {"&Left:", "&Top:", "&Right:", "&Bottom:"};
    for (int i = 0; i < 4; ++i) {
        MakeLabel(this, 130, 12 + 26 * i, captions[i]);
        edits[i] = MakeUpDownEdit(this, 180, 8 + 26 * i, 60, -MarginLimit, MarginLimit);
    }
    ELeft = edits[0].Edit;
    UDLeft = edits[0].UpDown;
    ETop = edits[1].Edit;
    UDTop = edits[1].UpDown;
    ERight = edits[2].Edit;
    UDRight = edits[2].UpDown;
    EBottom = edits[3].Edit;
    UDBottom = edits[3].UpDown;

    RGUnits->OnClick = [this](TObject*) {
        if (FMargins && RGUnits->ItemIndex() >= 0)
            FMargins->SetUnits(UnitsOfItem(RGUnits->ItemIndex()));
    };
    ELeft->OnChange = [this](TObject*) { EditChanged(ELeft, &TMargins::SetLeft); };
    ETop->OnChange = [this](TObject*) { EditChanged(ETop, &TMargins::SetTop); };
    ERight->OnChange = [this](TObject*) { EditChanged(ERight, &TMargins::SetRight); };
    EBottom->OnChange = [this](TObject*) { EditChanged(EBottom, &TMargins::SetBottom); };
    DoCreate();
}

void TMarginsEditor::EditChanged(TEdit* edit, void (TMargins::*set)(int)) {
    int value = 0;
    if (!FMargins || !Showing() || !TryStrToInt(edit->Text(), value)) return;
    (FMargins->*set)(value);
}

void TMarginsEditor::LoadMargins(TMargins* margins) {
    FMargins = margins;
    if (!FMargins) return;
    RGUnits->SetItemIndex(ItemOfUnits(FMargins->Units()));
    UDLeft->SetPosition(FMargins->Left());
    UDTop->SetPosition(FMargins->Top());
    UDRight->SetPosition(FMargins->Right());
    UDBottom->SetPosition(FMargins->Bottom());
}

void TMarginsEditor::DoShow() {
    if (TMargins* margins = dynamic_cast<TMargins*>(TagObject())) LoadMargins(margins);
    ApplyFormHook(this);
    TForm::DoShow();
}
