#include "workbench/windows/RegularWavelengthsDialog.h"

#include "engine/Global.h"
#include "engine/Loaders.h"
#include "platform/rtl/MessageService.h"
#include "platform/ui/BitBtn.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Label.h"
#include "platform/ui/RadioGroup.h"
#include "platform/ui/UpDown.h"
#include "workbench/DatabaseRoutines.h"
#include "workbench/DatasetDatabase.h"
#include "workbench/ProfileEdits.h"
#include "workbench/RegularWavelengths.h"
#include "workbench/windows/ControlBuilding.h"

namespace {

TLabeledEdit* MakeEdit(TWinControl* parent, int top, const char* label, const char* hint) {
    TLabeledEdit* e = MakeControl<TLabeledEdit>(parent);
    e->SetLabelPosition(lpLeft);
    e->EditLabel()->SetCaption(label);
    e->SetBounds(170, top, 100, 23);
    e->SetHint(hint);
    e->SetShowHint(true);
    return e;
}

}  // namespace

TFRegularW::TFRegularW(TComponent* owner, TDatasetDatabase& db) : TForm(owner), FDb(db) {
    SetBorderStyle(bsDialog);
    SetPosition(poScreenCenter);
    SetCaption(Shared.ProgramTitle + ": Regular Wavelengths Set");
    SetBounds(0, 0, 320, 290);

    edLeft = MakeEdit(this, 12, "Min. (\u00B5m): ", "Left Bound of Regular Wavelength Range");
    edRight = MakeEdit(this, 42, "Max. (\u00B5m): ", "Right Bound of Regular Wavelengths Range ");
    rgSpecify = MakeControl<TRadioGroup>(this);
    rgSpecify->SetCaption("Specify");
    rgSpecify->SetBounds(12, 74, 290, 64);
    rgSpecify->Items()->Add("Number of Wavelengths");
    rgSpecify->Items()->Add("Step in \u00B5m");
    edSpecify = MakeEdit(this, 148, "", "Increment in \u00B5m");
    UpDown1 = MakeControl<TUpDown>(this);
    UpDown1->SetMin(2);
    UpDown1->SetMax(201);
    UpDown1->SetBounds(270, 148, 17, 23);
    UpDown1->SetAssociate(edSpecify);
    cbClear = MakeControl<TCheckBox>(this);
    cbClear->SetCaption("Clear Existing Wavelengths");
    cbClear->SetBounds(12, 182, 250, 20);
    btnAppendW = MakeButton(this, 40, 218, 100, "Append", "Append Regular Wavelength Set");
    btnClose = MakeControl<TBitBtn>(this);
    btnClose->SetKind(bkClose);
    btnClose->SetBounds(180, 218, 100, 27);

    rgSpecify->OnClick = [this](TObject*) { rgSpecifyClick(); };
    btnAppendW->OnClick = [this](TObject*) { btnAppendWClick(); };
    rgSpecify->SetItemIndex(1);
    rgSpecifyClick();
    DoCreate();
}

void TFRegularW::rgSpecifyClick() {
    const bool number = rgSpecify->ItemIndex() == 0;
    UpDown1->SetVisible(number);
    edSpecify->EditLabel()->SetCaption(number ? "Number of Wavelengths: " : "Step in \u00B5m: ");
    edSpecify->SetText(number ? "2" : "");
    if (Visible()) edSpecify->SetFocus();
}

void TFRegularW::btnAppendWClick() {
    // The old list goes first, before any input is checked.
    if (cbClear->Checked() && !FDb.cdsWavelengths.IsEmpty()) {
        if (!ConfirmYesNo("All wavelengths will be erased.\rContinue?")) return;
        DeleteAllRecords(FDb.cdsWavelengths, MessageService());
        // Posted at once: a message below ends the command, and a close right after it would
        // otherwise undo the clear.
        PostIfEditing(FDb.cdsMain);
    }
    std::vector<double> values;
    std::string message;
    const TWavelengthSpacing spacing =
        rgSpecify->ItemIndex() == 0 ? TWavelengthSpacing::Number : TWavelengthSpacing::Step;
    if (!RegularWavelengths(edLeft->Text(), edRight->Text(), spacing, edSpecify->Text(), values,
                            message)) {
        ShowMessage(message);
        return;
    }
    // The set is staged in the engine's shared list, as a computation would find it.
    Shared.WavelengthCount = uint8_t(values.size());
    for (size_t k = 0; k < values.size(); ++k) Shared.CurWavelengths[int(k + 1)] = values[k];
    AppendWavelengths(FDb, values);
}
