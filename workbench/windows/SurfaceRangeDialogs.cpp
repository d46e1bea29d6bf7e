#include "workbench/windows/SurfaceRangeDialogs.h"

#include "engine/Global.h"
#include "platform/rtl/MessageService.h"
#include "platform/ui/BitBtn.h"
#include "platform/ui/Edit.h"
#include "platform/ui/GroupBox.h"
#include "platform/ui/Label.h"
#include "platform/ui/RadioGroup.h"
#include "platform/ui/SpinEdit.h"
#include "platform/ui/StatusBar.h"
#include "workbench/DatasetDatabase.h"
#include "workbench/ProfileEdits.h"
#include "workbench/SurfaceRange.h"
#include "workbench/windows/ControlBuilding.h"

TFSurfaceRange::TFSurfaceRange(TComponent* owner, TDatasetDatabase& db, const std::string& role,
                               bool nodes, int extraHeight)
    : TForm(owner), FDb(db), FNodes(nodes), FExtraTop(150) {
    SetBorderStyle(bsDialog);
    SetPosition(poScreenCenter);
    SetCaption(Shared.ProgramTitle + role);
    SetBounds(0, 0, 330, 240 + extraHeight);
    const int n = db.cdsCavity.RecordCount();

    StatusBar1 = MakeControl<TStatusBar>(this, alBottom);
    StatusBar1->Panels()->Add()->SetWidth(200);
    StatusBar1->Panels()->Add()->SetWidth(120);
    StatusBar1->Panels()->Items(0)->SetText(SurfaceCountText(db.cdsMainDatasetName->AsString(), n));

    rgSurfaces = MakeControl<TRadioGroup>(this);
    rgSurfaces->SetCaption(nodes ? "Nodes" : "Surfaces");
    rgSurfaces->SetBounds(8, 8, 170, 130);
    for (const char* item : RangeItemTexts) rgSurfaces->Items()->Add(item);
    gbSurfaces = MakeControl<TGroupBox>(this);
    gbSurfaces->SetBounds(188, 8, 130, 130);
    auto spin = [&](int top, const char* label, TLabel*& l) {
        l = MakeControl<TLabel>(gbSurfaces);
        l->SetCaption(label);
        l->SetBounds(10, top + 4, 50, 16);
        TSpinEdit* s = MakeControl<TSpinEdit>(gbSurfaces);
        s->SetBounds(62, top, 60, 23);
        s->SetMinValue(1);
        s->SetMaxValue(std::max(n, 1));
        s->SetValue(1);
        return s;
    };
    seFrom = spin(24, nodes ? "From # " : "From #", lFrom);
    seTo = spin(64, nodes ? "To # " : "To #", lTo);
    rgSurfaces->OnClick = [this](TObject*) {
        gbSurfaces->SetVisible(rgSurfaces->ItemIndex() == riFromTo);
    };
    rgSurfaces->SetItemIndex(riAll);
    gbSurfaces->SetVisible(false);

    btnOK = MakeControl<TBitBtn>(this);
    btnOK->SetKind(bkOK);
    btnOK->SetModalResult(mrNone);  // the action decides whether the dialog closes
    btnOK->SetBounds(60, FExtraTop + extraHeight, 90, 27);
    btnOK->OnClick = [this](TObject*) { btnOKClick(); };
    btnCancel = MakeControl<TBitBtn>(this);
    btnCancel->SetKind(bkCancel);
    btnCancel->SetBounds(170, FExtraTop + extraHeight, 90, 27);
}

void TFSurfaceRange::btnOKClick() {
    if (!Execute()) return;
    if (Modal())
        SetModalResult(mrOk);
    else
        Close();
}

bool TFSurfaceRange::Range(TSurfaceRange& range) {
    std::string message;
    const TClientDataSet& t = FDb.cdsCavity;
    if (ResolveSurfaceRange(TRangeItem(rgSurfaces->ItemIndex()), t.RecNo(), t.RecordCount(),
                            seFrom->Value(), seTo->Value(), FNodes, range, message))
        return true;
    ShowMessage(message);
    return false;
}

void TFSurfaceRange::SetProgress(const std::string& text) {
    StatusBar1->Panels()->Items(1)->SetText(text);
    TApplication::ProcessMessages();
}

TFDelete::TFDelete(TComponent* owner, TDatasetDatabase& db)
    : TFSurfaceRange(owner, db, ": Delete Generatrix Nodes", true, 0) {
    DoCreate();
}

bool TFDelete::Execute() {
    TSurfaceRange range;
    if (!Range(range)) return true;
    if (!ConfirmYesNo("All records from " + std::to_string(range.From) + " to " +
                      std::to_string(range.To) + " will be deleted\rContinue?"))
        return true;
    SetProgress(" Please wait...");
    DeleteCavityRows(FDb, range);
    SetProgress(" Done.");
    return true;
}

TFAssignED::TFAssignED(TComponent* owner, TDatasetDatabase& db)
    : TFSurfaceRange(owner, db, ": Assign Emissivity and Diffusity", false, 70) {
    auto edit = [&](int top, const char* label) {
        TLabeledEdit* e = MakeControl<TLabeledEdit>(this);
        e->SetLabelPosition(lpLeft);
        e->EditLabel()->SetCaption(label);
        e->SetBounds(100, top, 100, 23);
        return e;
    };
    edEmissivity = edit(FExtraTop, "Emissivity: ");
    edDiffusity = edit(FExtraTop + 32, "Diffusity:  ");
    DoCreate();
}

bool TFAssignED::Execute() {
    double emissivity = 0, diffusity = 0;
    std::string message;
    if (!ReadUnitValue(edEmissivity->Text(), "Emissivity", emissivity, message) ||
        !ReadUnitValue(edDiffusity->Text(), "Diffusity", diffusity, message)) {
        ShowMessage(message);
        return false;
    }
    TSurfaceRange range;
    if (!Range(range)) return true;
    SetProgress(" Please wait...");
    AssignSurfaceValues(FDb, range, emissivity, diffusity);
    SetProgress(" Done.");
    return true;
}

TFEraseED::TFEraseED(TComponent* owner, TDatasetDatabase& db)
    : TFSurfaceRange(owner, db, ": Erase Emissivity and Diffusity", false, 0) {
    DoCreate();
}

bool TFEraseED::Execute() {
    TSurfaceRange range;
    if (!Range(range)) return true;
    SetProgress(" Please wait...");
    EraseSurfaceValues(FDb, range);
    SetProgress(" Done.");
    return true;
}
